#include "utils/simple_button.hpp"

#include <ftxui/dom/elements.hpp>

ftxui::ButtonOption SimpleButton() {
  ftxui::ButtonOption option;
  option.transform = [](const ftxui::EntryState& state) {
    if (state.focused) {
      return ftxui::text(" " + state.label + " ") | ftxui::inverted;
    }
    return ftxui::text("[" + state.label + "]");
  };
  return option;
}
