#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include <ftxui/component/component.hpp>

// The 16 x 16 hex table of the 256 bytes of physical memory from a start address. Every
// rebuild reads memory anew and makes new cells; a cell shows what memory returned then.
class DataView {
 public:
  explicit DataView(uint64_t address);

  void refresh();
  uint64_t getAddress() const;
  void setAddress(uint64_t address);
  void previousPage();
  void nextPage();
  ftxui::Component getComponent();

 private:
  ftxui::Component makeCell(size_t k, uint8_t byte);
  ftxui::Component makeRowLabel(size_t r);
  void activateCell(size_t k);
  bool handleCellKey(size_t k, const ftxui::Event& event);

  ftxui::Component mTableHeader;
  std::array<ftxui::Component, 256> mCells;
  std::array<ftxui::Component, 16> mRows;
  std::array<ftxui::Component, 16> mRowLabels;
  ftxui::Component mTable;
  uint64_t mAddress;
};
