#include "message_modal.hpp"

#include <ftxui/dom/elements.hpp>

#include "shared_state.hpp"

using namespace ftxui;

MessageModal::MessageModal()
    : mCloseButton(Button(
          " Close ", [this] { close(); }, ButtonOption::Border())),
      mContainer(Container::Vertical({mCloseButton})) {}

Component MessageModal::getComponent() {
  return Renderer(mContainer, [this] {
    return vbox({paragraph(*sharedState.messageText), separatorLight(),
                 hbox({mCloseButton->Render()}) | center}) |
           size(WIDTH, EQUAL, 45) | border;
  });
}

void MessageModal::close() { *sharedState.showMessageModal = false; }
