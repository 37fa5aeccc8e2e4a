#include "pci_device_summary_modal.hpp"

#include <array>
#include <cstdint>
#include <string>

#include <ftxui/dom/elements.hpp>

#include "shared_state.hpp"
#include "utils/hex.hpp"

using namespace ftxui;

namespace {

struct Field {
  const char* label;
  size_t offset;
  size_t size;  // bytes: 1, 2 or 4
};

// A line shows one field, or two (bridge lines whose second label starts with " , ").
// (cppcheck misses the reads in column(), a template.)
struct Line {
  // cppcheck-suppress unusedStructMember
  Field first;
  // cppcheck-suppress unusedStructMember
  Field second;
};

using Header = std::array<uint8_t, 64>;

constexpr std::array<Line, 12> kCommonLines = {{
    {{" Vendor ID : 0x", 0x00, 2}, {}},
    {{" Device ID : 0x", 0x02, 2}, {}},
    {{" Command : 0x", 0x04, 2}, {}},
    {{" Status : 0x", 0x06, 2}, {}},
    {{" Revision ID : 0x", 0x08, 1}, {}},
    {{" Programming Interface : 0x", 0x09, 1}, {}},
    {{" Sub-Class Code : 0x", 0x0A, 1}, {}},
    {{" Base Class Code : 0x", 0x0B, 1}, {}},
    {{" Cache Line Size : 0x", 0x0C, 1}, {}},
    {{" Latency Timer : 0x", 0x0D, 1}, {}},
    {{" Header Type : 0x", 0x0E, 1}, {}},
    {{" BIST : 0x", 0x0F, 1}, {}},
}};

constexpr std::array<Line, 15> kDeviceLines = {{
    {{" Base Address[0] : 0x", 0x10, 4}, {}},
    {{" Base Address[1] : 0x", 0x14, 4}, {}},
    {{" Base Address[2] : 0x", 0x18, 4}, {}},
    {{" Base Address[3] : 0x", 0x1C, 4}, {}},
    {{" Base Address[4] : 0x", 0x20, 4}, {}},
    {{" Base Address[5] : 0x", 0x24, 4}, {}},
    {{" Cardbus CIS Pointer : 0x", 0x28, 4}, {}},
    {{" Subsystem Vendor ID : 0x", 0x2C, 2}, {}},
    {{" Subsystem ID : 0x", 0x2E, 2}, {}},
    {{" Expansion ROM Base Address : 0x", 0x30, 4}, {}},
    {{" Capabilities Pointer : 0x", 0x34, 1}, {}},
    {{" Interrupt Line : 0x", 0x3C, 1}, {}},
    {{" Interrupt Pin : 0x", 0x3D, 1}, {}},
    {{" Min Grant : 0x", 0x3E, 1}, {}},
    {{" Max Latency : 0x", 0x3F, 1}, {}},
}};

constexpr std::array<Line, 18> kBridgeLines = {{
    {{" Base Address[0] : 0x", 0x10, 4}, {}},
    {{" Base Address[1] : 0x", 0x14, 4}, {}},
    {{" Primary Bus Number : 0x", 0x18, 1}, {}},
    {{" Secondary Bus Number : 0x", 0x19, 1}, {}},
    {{" Subordinate Bus Number : 0x", 0x1A, 1}, {}},
    {{" Secondary Latency Timer : 0x", 0x1B, 1}, {}},
    {{" I/O Base : 0x", 0x1C, 1}, {" , I/O Limit : 0x", 0x1D, 1}},
    {{" Secondary Status : 0x", 0x1E, 2}, {}},
    {{" Memory Base : 0x", 0x20, 2}, {" , Memory Limit : 0x", 0x22, 2}},
    {{" Prefetchable Memory Base : 0x", 0x24, 2}, {}},
    {{" Prefetchable Memory Limit : 0x", 0x26, 2}, {}},
    {{" Prefetchable Memory Base Upper : 0x", 0x28, 4}, {}},
    {{" Prefetchable Memory Limit Upper : 0x", 0x2C, 4}, {}},
    {{" I/O Base Upper : 0x", 0x30, 2}, {}},
    {{" I/O Limit Upper : 0x", 0x32, 2}, {}},
    {{" Capabilities Pointer : 0x", 0x34, 1}, {}},
    {{" Expansion ROM Base Address : 0x", 0x38, 4}, {}},
    {{" Interrupt Line : 0x", 0x3C, 1}, {" , Interrupt Pin : 0x", 0x3D, 1}},
}};

// Little-endian, as configuration space stores its fields.
uint64_t fieldValue(const Header& header, const Field& field) {
  uint64_t value = 0;
  for (size_t i = field.size; i-- > 0;) {
    value = (value << 8) | header[field.offset + i];
  }
  return value;
}

std::string fieldText(const Header& header, const Field& field) {
  return field.label + toHex(fieldValue(header, field), static_cast<int>(2 * field.size));
}

template <size_t N>
Element column(const Header& header, const std::array<Line, N>& lines) {
  Elements texts;
  for (const auto& line : lines) {
    std::string shown = fieldText(header, line.first);
    if (line.second.label != nullptr) {
      shown += fieldText(header, line.second);
    }
    texts.push_back(text(shown));
  }
  return vbox(std::move(texts));
}

// Header Type without its multi-function bit: 0 is a general device; anything else is laid
// out as a bridge.
bool isGeneralDevice(const Header& header) { return (header[0x0E] & 0x7F) == 0; }

}  // namespace

PciDeviceSummaryModal::PciDeviceSummaryModal()
    : mCloseButton(Button(
          " Close ", [this] { close(); }, ButtonOption::Border())),
      mContainer(Container::Vertical({mCloseButton})) {}

Component PciDeviceSummaryModal::getComponent() {
  return Renderer(mContainer, [this] { return draw(); });
}

void PciDeviceSummaryModal::close() {
  *sharedState.showPciDeviceSummaryModal = false;
  mCloseButton->TakeFocus();
}

Element PciDeviceSummaryModal::draw() {
  const Header& header = *sharedState.pciConfigHeader;
  return vbox({
             hbox({
                 column(header, kCommonLines),
                 text(" "),
                 separatorLight(),
                 isGeneralDevice(header) ? column(header, kDeviceLines)
                                         : column(header, kBridgeLines),
             }),
             separator(),
             hbox({mCloseButton->Render()}) | center,
         }) |
         size(WIDTH, GREATER_THAN, 40) | border;
}
