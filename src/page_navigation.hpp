#pragma once

#include <string>

#include <ftxui/component/component.hpp>

class DataView;

// The address field, paging and refresh rules that the Memory and PCI pages share.
namespace page_navigation {

// What a page's controls act on: its table and the text of its address field, which shows
// the table's address in `digits` hexadecimal digits after every move and refresh.
struct Target {
  DataView* view;
  std::string* addressText;
  int digits;
};

// Moves the table to the hexadecimal address typed in the field; refuses an empty or
// non-hexadecimal text through the message dialog and keeps it in the field.
void move(const Target& target);

// The previous 0x100 bytes, refused below address 0.
void previous(const Target& target);

// The next 0x100 bytes (wrapping past the top of the address space).
void next(const Target& target);

// Reads the table again; a half-typed address gives way to the table's.
void refresh(const Target& target);

// A page button (the pages' SimpleButton look) that runs one of the actions above.
ftxui::Component button(const std::string& label, void (*action)(const Target&), Target target);

// The page's table in its box: exactly 17 rows (header and 16 rows), at most 78 columns.
ftxui::Element tableBox(const ftxui::Component& table);

// Cuts an over-long field text to its digits; call before drawing the field.
void cutAddressText(const Target& target);

// Wraps a page's root so that Page Up, Page Down, F2 (to `addressField`) and F5 work
// whichever control has the focus.
ftxui::Component withPageKeys(ftxui::Component page, Target target,
                              const ftxui::Component& addressField);

// A one-line text field: Return changes nothing, and Up and Down leave the field at once
// instead of first moving its cursor to the start or end.
ftxui::Component field(std::string* content, const std::string& placeholder);

}  // namespace page_navigation
