#pragma once

#include <functional>
#include <string>

#include <ftxui/component/component.hpp>

class DataView;

// The address field, paging and refresh rules that the Memory and PCI pages share. Each
// returns false, after showing the refusal, when it leaves the table where it was.
namespace page_navigation {

// Moves the table to the hexadecimal address typed in `text`.
bool moveTo(DataView& view, const std::string& text);

// Moves the table down by 0x100 bytes, never below address 0.
bool previous(DataView& view);

// What a page does on its keys: Page Up, Page Down, F2 (focus the address field) and F5.
struct PageKeys {
  std::function<void()> previous;
  std::function<void()> next;
  std::function<void()> focusAddress;
  std::function<void()> refresh;
};

// Wraps a page's root so that its keys work whichever control has the focus.
ftxui::Component withPageKeys(ftxui::Component page, PageKeys keys);

// A one-line text field: Return changes nothing, and Up and Down leave the field at once
// instead of first moving its cursor to the start or end.
ftxui::Component field(std::string* content, const std::string& placeholder);

}  // namespace page_navigation
