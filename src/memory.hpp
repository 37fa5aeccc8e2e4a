#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <ftxui/component/component.hpp>

#include "page_navigation.hpp"

class DataView;

// The page that shows any part of physical memory: an address field, move, paging and
// refresh buttons above the hex table.
class Memory {
 public:
  explicit Memory(uint64_t address);
  ~Memory();

  ftxui::Component getComponent();

 private:
  page_navigation::Target navigation();
  ftxui::Element draw();

  std::unique_ptr<DataView> mDataView;
  ftxui::Component mMoveButton;
  ftxui::Component mPreviousButton;
  ftxui::Component mNextButton;
  ftxui::Component mRefreshButton;
  ftxui::Component mAddressInput;
  std::string mAddressText;
  ftxui::Component mDataViewComponent;
  ftxui::Component mContainer;
};
