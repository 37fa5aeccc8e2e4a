#include "pci_device_select_modal.hpp"

#include <algorithm>
#include <iterator>

#include <ftxui/component/event.hpp>
#include <ftxui/dom/elements.hpp>

#include "dataview.hpp"
#include "shared_state.hpp"
#include "utils/hex.hpp"
#include "utils/pci_discovery.hpp"

using namespace ftxui;

namespace {

// "BB:DD:F - 0xVVVV:0xDDDD"
std::string entryText(const PciDeviceEntry& entry) {
  return pciDeviceText(entry) + " - 0x" + toHex(entry.vendorId, 4) + ":0x" +
         toHex(entry.deviceId, 4);
}

}  // namespace

PciDeviceSelectModal::PciDeviceSelectModal()
    : mSubmitButton(Button(
          " Submit ",
          [this] {
            selectDevice();
            close();
          },
          ButtonOption::Border())),
      mCloseButton(Button(
          " Close ", [this] { close(); }, ButtonOption::Border())) {
  std::transform(sharedState.pciDevices->begin(), sharedState.pciDevices->end(),
                 std::back_inserter(mDeviceEntries), entryText);
  // Tab leaves the dropdown for " Submit " in one step, even with its list open.
  mDeviceDropdown = CatchEvent(Dropdown(&mDeviceEntries, &mSelectedEntry) | size(WIDTH, EQUAL, 40) |
                                   size(HEIGHT, LESS_THAN, 8),
                               [this](const Event& event) {
                                 if (event != Event::Tab) {
                                   return false;
                                 }
                                 mSubmitButton->TakeFocus();
                                 return true;
                               });
  mContainer =
      Container::Vertical({mDeviceDropdown, Container::Horizontal({mSubmitButton, mCloseButton})});
}

Component PciDeviceSelectModal::getComponent() {
  return Renderer(mContainer, [this] { return draw(); });
}

void PciDeviceSelectModal::selectDevice() {
  const PciDeviceEntry& entry = sharedState.pciDevices->at(static_cast<size_t>(mSelectedEntry));
  const uint64_t address = ecamAddress(*sharedState.mcfgBaseAddress, entry);
  *sharedState.pciDeviceText = pciDeviceText(entry);
  *sharedState.pciAddressText = toHex(address, 8);
  sharedState.activeDataView->setAddress(address);
  *sharedState.selectedPciDevice = mSelectedEntry;
}

void PciDeviceSelectModal::close() {
  *sharedState.showPciDeviceSelectModal = false;
  mDeviceDropdown->TakeFocus();
  sharedState.activeDataView->refresh();
}

Element PciDeviceSelectModal::draw() {
  return vbox({
             text(" Select PCI Device"),
             separator(),
             text(" PCI Device(Bus, Device, Function) : "),
             hbox({mDeviceDropdown->Render()}),
             separator(),
             hbox({mSubmitButton->Render(), text("  "), mCloseButton->Render()}) | center,
         }) |
         size(WIDTH, GREATER_THAN, 40) | border;
}
