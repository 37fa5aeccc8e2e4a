#include "change_value_modal.hpp"

#include <exception>

#include <ftxui/dom/elements.hpp>

#include "dataview.hpp"
#include "page_navigation.hpp"
#include "shared_state.hpp"
#include "utils/hex.hpp"
#include "utils/physical_memory.hpp"

using namespace ftxui;

namespace {
constexpr size_t kValueDigits = 2;
}

ChangeValueModal::ChangeValueModal()
    : mValueInput(page_navigation::field(&mValue, "00") | size(WIDTH, EQUAL, 3)),
      mSubmitButton(Button(
          " Submit ",
          [this] {
            changeValue();
            close();
          },
          ButtonOption::Border())),
      mCloseButton(Button(
          " Close ", [this] { close(); }, ButtonOption::Border())),
      mContainer(Container::Vertical(
          {mValueInput, Container::Horizontal({mSubmitButton, mCloseButton})})) {}

Component ChangeValueModal::getComponent() {
  return Renderer(mContainer, [this] { return draw(); });
}

void ChangeValueModal::changeValue() {
  if (mValue.empty()) {
    showMessage("Enter the value you want to write.");
    return;
  }
  unsigned long value = 0;
  try {
    value = std::stoul(mValue, nullptr, 16);
  } catch (const std::exception&) {
    showMessage("The value to be written is not a Hex value. Please enter a valid value.");
    return;
  }
  writePhysicalByte(*sharedState.memFd, *sharedState.changeAddress,
                    static_cast<uint8_t>(value & 0xFF), MEMQUILL_HERE);
}

void ChangeValueModal::close() {
  *sharedState.showChangeValueModal = false;
  mValue.clear();
  mValueInput->TakeFocus();
  sharedState.activeDataView->refresh();
}

Element ChangeValueModal::draw() {
  if (mValue.size() > kValueDigits) {
    mValue.resize(kValueDigits);
  }
  return vbox({
             text(" Change the value of 0x" + toHex(*sharedState.changeAddress, 8)),
             separator(),
             hbox({text(" Value : 0x"), mValueInput->Render()}),
             separator(),
             hbox({mSubmitButton->Render(), text("  "), mCloseButton->Render()}) | center,
         }) |
         size(WIDTH, GREATER_THAN, 40) | border;
}
