#include "pci.hpp"

#include <ftxui/dom/elements.hpp>

#include "dataview.hpp"
#include "shared_state.hpp"
#include "utils/get_pci_config_space.hpp"
#include "utils/hex.hpp"
#include "utils/pci_discovery.hpp"
#include "utils/simple_button.hpp"

using namespace ftxui;

namespace {
constexpr int kAddressDigits = 8;
}

PCI::PCI(uint64_t address)
    : mDataView(std::make_unique<DataView>(address)),
      mDeviceButton(Button(
          &mPciDeviceText, [this] { openSelection(); }, SimpleButton())),
      mPciDeviceText(pciDeviceText(sharedState.pciDevices->at(0))),
      mSummaryButton(Button(
          "Summary", [this] { showSummary(); }, SimpleButton())),
      mMoveButton(page_navigation::button("↵", page_navigation::move, navigation())),
      mPreviousButton(page_navigation::button("◀", page_navigation::previous, navigation())),
      mNextButton(page_navigation::button("▶", page_navigation::next, navigation())),
      mRefreshButton(page_navigation::button("Refresh", page_navigation::refresh, navigation())),
      mAddressInput(page_navigation::field(&mAddressText, "Address") |
                    size(WIDTH, LESS_THAN, kAddressDigits + 1)),
      mAddressText(toHex(address, kAddressDigits)),
      mDataViewComponent(mDataView->getComponent()) {
  sharedState.selectedPciDevice = &mSelectedPciDevice;
  sharedState.pciConfigHeader = &mPciConfigHeader;
  sharedState.pciDeviceText = &mPciDeviceText;
  sharedState.pciAddressText = &mAddressText;
  auto toolRow = Container::Horizontal({mDeviceButton, mSummaryButton, mAddressInput, mMoveButton,
                                        mPreviousButton, mNextButton, mRefreshButton});
  mContainer = page_navigation::withPageKeys(Container::Vertical({toolRow, mDataViewComponent}),
                                             navigation(), mAddressInput);
}

PCI::~PCI() = default;

Component PCI::getComponent() {
  return Renderer(mContainer, [this] { return draw(); });
}

void PCI::openSelection() {
  sharedState.activeDataView = mDataView.get();
  *sharedState.showPciDeviceSelectModal = true;
}

void PCI::showSummary() {
  getPciConfigSpace(*sharedState.pciConfigHeader);
  *sharedState.showPciDeviceSummaryModal = true;
}

page_navigation::Target PCI::navigation() {
  return {mDataView.get(), &mAddressText, kAddressDigits};
}

Element PCI::draw() {
  page_navigation::cutAddressText(navigation());
  return vbox({
      hbox({text(" * Device : "), mDeviceButton->Render(), text("  "), mSummaryButton->Render(),
            text(" | Address : 0x"), mAddressInput->Render(), text(" "), mMoveButton->Render(),
            text(" "), mPreviousButton->Render(), text(" "), mNextButton->Render(), text(" "),
            mRefreshButton->Render()}),
      page_navigation::tableBox(mDataViewComponent),
  });
}
