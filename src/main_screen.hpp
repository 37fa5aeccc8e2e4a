#pragma once

#include <memory>
#include <string>
#include <vector>

#include <ftxui/component/component.hpp>

class ChangeValueModal;
class Memory;
class MessageModal;
class PCI;
class PciDeviceSelectModal;
class PciDeviceSummaryModal;

// The one screen: title, page menu, the selected page and the dialogs stacked over them, in a
// fixed 80 x 24 frame centred in the terminal. Build it once `sharedState` is complete; it
// owns the pages and dialogs, which must outlive every use of `sharedState`'s pointers.
// The PCI page is offered only where PCI functions were found and the ECAM base is known.
class MainScreen {
 public:
  MainScreen();
  ~MainScreen();

  ftxui::Component getComponent();

 private:
  std::vector<std::string> mPageNames{" Memory "};
  int mSelectedPage = 0;
  std::unique_ptr<Memory> mMemory;
  std::unique_ptr<PCI> mPci;
  std::unique_ptr<ChangeValueModal> mChangeValueModal;
  std::unique_ptr<PciDeviceSelectModal> mPciDeviceSelectModal;
  std::unique_ptr<PciDeviceSummaryModal> mPciDeviceSummaryModal;
  std::unique_ptr<MessageModal> mMessageModal;
  ftxui::Component mRoot;
};
