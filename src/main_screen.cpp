#include "main_screen.hpp"

#include <ftxui/component/event.hpp>
#include <ftxui/dom/elements.hpp>

#include "change_value_modal.hpp"
#include "memory.hpp"
#include "message_modal.hpp"
#include "pci.hpp"
#include "pci_device_select_modal.hpp"
#include "pci_device_summary_modal.hpp"
#include "shared_state.hpp"
#include "utils/pci_discovery.hpp"

using namespace ftxui;

namespace {

// The Linux console and tmux send Home and End as "ESC [1~" and "ESC [4~", which the
// library does not know; give the fields the keys the user pressed.
Component withConsoleHomeEnd(const Component& screen) {
  return CatchEvent(screen, [screen](const Event& event) {
    if (event == Event::Special("\x1B[1~")) {
      return screen->OnEvent(Event::Home);
    }
    if (event == Event::Special("\x1B[4~")) {
      return screen->OnEvent(Event::End);
    }
    return false;
  });
}

bool pciOffered() { return !sharedState.pciDevices->empty() && *sharedState.mcfgBaseAddress != 0; }

}  // namespace

MainScreen::MainScreen()
    : mMemory(std::make_unique<Memory>(0)),
      mChangeValueModal(std::make_unique<ChangeValueModal>()),
      mPciDeviceSelectModal(std::make_unique<PciDeviceSelectModal>()),
      mPciDeviceSummaryModal(std::make_unique<PciDeviceSummaryModal>()),
      mMessageModal(std::make_unique<MessageModal>()) {
  auto pages = Container::Tab({mMemory->getComponent()}, &mSelectedPage);
  if (pciOffered()) {
    // It starts on the first function, which its device button and "Summary" name.
    mPci = std::make_unique<PCI>(
        ecamAddress(*sharedState.mcfgBaseAddress, sharedState.pciDevices->front()));
    mPageNames.emplace_back(" PCI ");
    pages->Add(mPci->getComponent());
  }
  auto menu = Menu(&mPageNames, &mSelectedPage, MenuOption::Horizontal()) | border;
  auto layout = Container::Vertical({menu, pages});
  // Start in the page, where typing and paging work at once.
  layout->SetActiveChild(pages);

  mRoot = Renderer(layout, [menu, pages] {
    return vbox({text("memquill " + sharedState.versionString) | bold | hcenter, menu->Render(),
                 pages->Render() | frame | flex});
  });
  // The message layer is the outermost: a refusal shows over any other dialog.
  mRoot |= Modal(mChangeValueModal->getComponent(), sharedState.showChangeValueModal);
  mRoot |= Modal(mPciDeviceSelectModal->getComponent(), sharedState.showPciDeviceSelectModal);
  mRoot |= Modal(mPciDeviceSummaryModal->getComponent(), sharedState.showPciDeviceSummaryModal);
  mRoot |= Modal(mMessageModal->getComponent(), sharedState.showMessageModal);
}

MainScreen::~MainScreen() = default;

Component MainScreen::getComponent() {
  return withConsoleHomeEnd(mRoot) | size(WIDTH, EQUAL, 80) | size(HEIGHT, EQUAL, 24) | center;
}
