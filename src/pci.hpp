#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include <ftxui/component/component.hpp>

#include "page_navigation.hpp"

class DataView;

// The page that shows a PCI function's configuration space through the ECAM window: the
// selected function on a button that opens the selection dialog, a "Summary" button that
// decodes its header, and the Memory page's address, paging and refresh controls. It owns
// the selection that the PCI dialogs reach through `sharedState`, so it lives for the run.
class PCI {
 public:
  explicit PCI(uint64_t address);
  ~PCI();

  ftxui::Component getComponent();

 private:
  void openSelection();
  void showSummary();
  page_navigation::Target navigation();
  ftxui::Element draw();

  std::unique_ptr<DataView> mDataView;
  int mSelectedPciDevice = 0;
  std::array<uint8_t, 64> mPciConfigHeader{};
  ftxui::Component mDeviceButton;
  std::string mPciDeviceText;
  ftxui::Component mSummaryButton;
  ftxui::Component mMoveButton;
  ftxui::Component mPreviousButton;
  ftxui::Component mNextButton;
  ftxui::Component mRefreshButton;
  ftxui::Component mAddressInput;
  std::string mAddressText;
  ftxui::Component mDataViewComponent;
  ftxui::Component mContainer;
};
