#include "main_screen.hpp"

#include <ftxui/component/event.hpp>
#include <ftxui/dom/elements.hpp>

#include "change_value_modal.hpp"
#include "memory.hpp"
#include "message_modal.hpp"
#include "shared_state.hpp"

using namespace ftxui;

namespace {

// The Linux console and tmux send Home and End as "ESC [1~" and "ESC [4~", which the
// library does not know; give the fields the keys the user pressed.
Component withConsoleHomeEnd(Component screen) {
  return CatchEvent(screen, [screen](const Event& event) {
    if (event == Event::Special("\x1B[1~")) {
      return screen->OnEvent(Event::Home);
    }
    if (event == Event::Special("\x1B[4~")) {
      return screen->OnEvent(Event::End);
    }
    return false;
  });
}

}  // namespace

MainScreen::MainScreen()
    : mMemory(std::make_unique<Memory>(0)),
      mChangeValueModal(std::make_unique<ChangeValueModal>()),
      mMessageModal(std::make_unique<MessageModal>()) {
  auto menu = Menu(&mPageNames, &mSelectedPage, MenuOption::Horizontal()) | border;
  auto pages = Container::Tab({mMemory->getComponent()}, &mSelectedPage);
  auto layout = Container::Vertical({menu, pages});
  // Start in the page, where typing and paging work at once.
  layout->SetActiveChild(pages);

  mRoot = Renderer(layout, [menu, pages] {
    return vbox({text("memquill " + sharedState.versionString) | bold | hcenter, menu->Render(),
                 pages->Render() | frame | flex});
  });
  // The message layer is the outermost: a refusal shows over any other dialog.
  mRoot |= Modal(mChangeValueModal->getComponent(), sharedState.showChangeValueModal);
  mRoot |= Modal(mMessageModal->getComponent(), sharedState.showMessageModal);
}

MainScreen::~MainScreen() = default;

Component MainScreen::getComponent() {
  return withConsoleHomeEnd(mRoot) | size(WIDTH, EQUAL, 80) | size(HEIGHT, EQUAL, 24) | center;
}
