#include "page_navigation.hpp"

#include <exception>
#include <utility>

#include <ftxui/component/event.hpp>

#include "dataview.hpp"
#include "shared_state.hpp"

namespace page_navigation {

bool moveTo(DataView& view, const std::string& text) {
  if (text.empty()) {
    showMessage("Please enter the address you want to move to.");
    return false;
  }
  uint64_t address = 0;
  try {
    address = std::stoul(text, nullptr, 16);
  } catch (const std::exception&) {
    showMessage(
        "The address you are trying to move to is not a Hex value. Please enter a valid value.");
    return false;
  }
  view.setAddress(address);
  return true;
}

bool previous(DataView& view) {
  if (view.getAddress() <= 0xFF) {
    showMessage("It is not possible to move from the current address to the address before 0x100.");
    return false;
  }
  view.previousPage();
  return true;
}

ftxui::Component withPageKeys(ftxui::Component page, PageKeys keys) {
  return ftxui::CatchEvent(std::move(page), [keys = std::move(keys)](const ftxui::Event& event) {
    if (event == ftxui::Event::PageUp) {
      keys.previous();
    } else if (event == ftxui::Event::PageDown) {
      keys.next();
    } else if (event == ftxui::Event::F2) {
      keys.focusAddress();
    } else if (event == ftxui::Event::F5) {
      keys.refresh();
    } else {
      return false;
    }
    return true;
  });
}

namespace {

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

ftxui::Component field(std::string* content, const std::string& placeholder) {
  ftxui::InputOption option;
  option.placeholder = placeholder;
  option.multiline = false;
  return ftxui::Make<VerticalArrowsPassBy>(ftxui::Input(content, option));
}

}  // namespace page_navigation
