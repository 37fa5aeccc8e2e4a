#include "page_navigation.hpp"

#include <exception>
#include <utility>

#include <ftxui/component/component_base.hpp>
#include <ftxui/component/event.hpp>
#include <ftxui/dom/elements.hpp>

#include "dataview.hpp"
#include "shared_state.hpp"
#include "utils/hex.hpp"
#include "utils/simple_button.hpp"

namespace page_navigation {

namespace {

void showTableAddress(const Target& target) {
  *target.addressText = toHex(target.view->getAddress(), target.digits);
}

class VerticalArrowsPassBy : public ftxui::ComponentBase {
 public:
  explicit VerticalArrowsPassBy(ftxui::Component child) { Add(std::move(child)); }

  bool OnEvent(ftxui::Event event) override {
    if (event == ftxui::Event::ArrowUp || event == ftxui::Event::ArrowDown) {
      return false;
    }
    return ftxui::ComponentBase::OnEvent(event);
  }
};

}  // namespace

void move(const Target& target) {
  if (target.addressText->empty()) {
    showMessage("Please enter the address you want to move to.");
    return;
  }
  uint64_t address = 0;
  try {
    address = std::stoul(*target.addressText, nullptr, 16);
  } catch (const std::exception&) {
    showMessage(
        "The address you are trying to move to is not a Hex value. Please enter a valid value.");
    return;
  }
  target.view->setAddress(address);
  showTableAddress(target);
}

void previous(const Target& target) {
  if (target.view->getAddress() <= 0xFF) {
    showMessage("It is not possible to move from the current address to the address before 0x100.");
    return;
  }
  target.view->previousPage();
  showTableAddress(target);
}

void next(const Target& target) {
  target.view->nextPage();
  showTableAddress(target);
}

void refresh(const Target& target) {
  target.view->refresh();
  showTableAddress(target);
}

ftxui::Component button(const std::string& label, void (*action)(const Target&), Target target) {
  return ftxui::Button(
      label, [action, target] { action(target); }, SimpleButton());
}

ftxui::Element tableBox(const ftxui::Component& table) {
  using ftxui::EQUAL, ftxui::HEIGHT, ftxui::LESS_THAN, ftxui::WIDTH;
  return ftxui::hbox({table->Render() | ftxui::size(WIDTH, LESS_THAN, 78) |
                      ftxui::size(HEIGHT, EQUAL, 17) | ftxui::border});
}

void cutAddressText(const Target& target) {
  if (target.addressText->size() > static_cast<size_t>(target.digits)) {
    target.addressText->resize(static_cast<size_t>(target.digits));
  }
}

ftxui::Component withPageKeys(ftxui::Component page, Target target,
                              const ftxui::Component& addressField) {
  return ftxui::CatchEvent(std::move(page), [target, addressField](const ftxui::Event& event) {
    if (event == ftxui::Event::PageUp) {
      previous(target);
    } else if (event == ftxui::Event::PageDown) {
      next(target);
    } else if (event == ftxui::Event::F2) {
      addressField->TakeFocus();
    } else if (event == ftxui::Event::F5) {
      refresh(target);
    } else {
      return false;
    }
    return true;
  });
}

ftxui::Component field(std::string* content, const std::string& placeholder) {
  ftxui::InputOption option;
  option.placeholder = placeholder;
  option.multiline = false;
  return ftxui::Make<VerticalArrowsPassBy>(ftxui::Input(content, option));
}

}  // namespace page_navigation
