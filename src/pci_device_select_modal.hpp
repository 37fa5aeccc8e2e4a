#pragma once

#include <string>
#include <vector>

#include <ftxui/component/component.hpp>

// The dialog that makes one of the PCI functions found at start the PCI page's selected
// function and moves the page's table to its configuration space.
class PciDeviceSelectModal {
 public:
  PciDeviceSelectModal();

  ftxui::Component getComponent();
  void selectDevice();
  void close();

 private:
  ftxui::Element draw();

  std::vector<std::string> mDeviceEntries;
  int mSelectedEntry = 0;
  ftxui::Component mDeviceDropdown;
  ftxui::Component mSubmitButton;
  ftxui::Component mCloseButton;
  ftxui::Component mContainer;
};
