#pragma once

#include <ftxui/component/component.hpp>

// The dialog that shows the selected PCI function's 64-byte configuration header
// (`pciConfigHeader`, read when "Summary" was pressed) decoded field by field.
class PciDeviceSummaryModal {
 public:
  PciDeviceSummaryModal();

  ftxui::Component getComponent();
  void close();

 private:
  ftxui::Element draw();

  ftxui::Component mCloseButton;
  ftxui::Component mContainer;
};
