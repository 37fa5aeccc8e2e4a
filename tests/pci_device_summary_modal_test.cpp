#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>
#include <ftxui/dom/node.hpp>

#include "pci_device_summary_modal.hpp"
#include "shared_state.hpp"
#include "support/screen_text.hpp"

namespace {

using Header = std::array<uint8_t, 64>;

// A header whose byte at offset n is n, so every field's digits name its offsets.
Header offsetsHeader(uint8_t headerType) {
  Header header{};
  for (size_t i = 0; i < header.size(); ++i) {
    header[i] = static_cast<uint8_t>(i);
  }
  header[0x0E] = headerType;
  return header;
}

class SummaryTest : public ::testing::Test {
 protected:
  SummaryTest() {
    sharedState = SharedState{};
    sharedState.pciConfigHeader = &header;
    sharedState.showPciDeviceSummaryModal = &shown;
  }
  ~SummaryTest() override { sharedState = SharedState{}; }

  // The drawn dialog at its own size, and that size.
  std::string draw(int* width = nullptr, int* height = nullptr) {
    auto element = component->Render();
    element->ComputeRequirement();
    const int w = element->requirement().min_x;
    const int h = element->requirement().min_y;
    if (width != nullptr) {
      *width = w;
      *height = h;
    }
    return RenderedScreen(component, w, h).text();
  }

  Header header{};
  bool shown = true;
  PciDeviceSummaryModal modal;
  ftxui::Component component = modal.getComponent();
};

TEST_F(SummaryTest, GeneralDeviceLayoutShowsEveryFieldLittleEndianAndZeroPadded) {
  header = offsetsHeader(0x80);  // multi-function general device
  int width = 0;
  int height = 0;
  const std::string shown = draw(&width, &height);
  EXPECT_EQ(width, 73);
  EXPECT_EQ(height, 21);
  for (const char* line : {
           "│ Vendor ID : 0x0100           │ Base Address[0] : 0x13121110           │",
           "│ Device ID : 0x0302           │ Base Address[1] : 0x17161514           │",
           "│ Command : 0x0504             │ Base Address[2] : 0x1B1A1918           │",
           "│ Status : 0x0706              │ Base Address[3] : 0x1F1E1D1C           │",
           "│ Revision ID : 0x08           │ Base Address[4] : 0x23222120           │",
           "│ Programming Interface : 0x09 │ Base Address[5] : 0x27262524           │",
           "│ Sub-Class Code : 0x0A        │ Cardbus CIS Pointer : 0x2B2A2928       │",
           "│ Base Class Code : 0x0B       │ Subsystem Vendor ID : 0x2D2C           │",
           "│ Cache Line Size : 0x0C       │ Subsystem ID : 0x2F2E                  │",
           "│ Latency Timer : 0x0D         │ Expansion ROM Base Address : 0x33323130│",
           "│ Header Type : 0x80           │ Capabilities Pointer : 0x34            │",
           "│ BIST : 0x0F                  │ Interrupt Line : 0x3C                  │",
           "│                              │ Interrupt Pin : 0x3D                   │",
           "│                              │ Min Grant : 0x3E                       │",
           "│                              │ Max Latency : 0x3F                     │",
       }) {
    EXPECT_NE(shown.find(line), std::string::npos) << line << "\n" << shown;
  }
}

TEST_F(SummaryTest, BridgeLayoutPairsIoMemoryAndInterruptFields) {
  header = offsetsHeader(0x01);
  header[0x1C] = 0xF0;  // I/O Base
  header[0x1D] = 0x00;  // I/O Limit
  int width = 0;
  int height = 0;
  const std::string shown = draw(&width, &height);
  EXPECT_EQ(width, 78);
  EXPECT_EQ(height, 24);
  for (const char* line : {
           "│ Base Address[0] : 0x13121110                │",
           "│ Primary Bus Number : 0x18                   │",
           "│ Secondary Latency Timer : 0x1B              │",
           "│ I/O Base : 0xF0 , I/O Limit : 0x00          │",
           "│ Secondary Status : 0x1F1E                   │",
           "│ Memory Base : 0x2120 , Memory Limit : 0x2322│",
           "│ Prefetchable Memory Limit : 0x2726          │",
           "│ Prefetchable Memory Limit Upper : 0x2F2E2D2C│",
           "│ I/O Limit Upper : 0x3332                    │",
           "│ Expansion ROM Base Address : 0x3B3A3938     │",
           "│ Interrupt Line : 0x3C , Interrupt Pin : 0x3D│",
       }) {
    EXPECT_NE(shown.find(line), std::string::npos) << line << "\n" << shown;
  }
  EXPECT_EQ(shown.find("Min Grant"), std::string::npos);
}

TEST_F(SummaryTest, LayoutFollowsTheHeaderTypeWithoutItsMultiFunctionBit) {
  const struct {
    uint8_t headerType;
    bool bridge;
  } cases[] = {{0x00, false}, {0x80, false}, {0x01, true}, {0x81, true},
               {0x02, true},  {0x7F, true},  {0xFF, true}};
  for (const auto& c : cases) {
    header = offsetsHeader(c.headerType);
    EXPECT_EQ(draw().find("Primary Bus Number") != std::string::npos, c.bridge)
        << int{c.headerType};
  }
}

TEST_F(SummaryTest, AllOnesHeaderShowsEveryDigitAsF) {
  header.fill(0xFF);
  const std::string shown = draw();
  EXPECT_NE(shown.find(" Header Type : 0xFF"), std::string::npos);
  EXPECT_NE(shown.find(" Prefetchable Memory Base Upper : 0xFFFFFFFF"), std::string::npos);
  EXPECT_EQ(shown.find("0x0"), std::string::npos);
}

TEST_F(SummaryTest, CloseHidesTheDialog) {
  EXPECT_TRUE(component->OnEvent(ftxui::Event::Return));
  EXPECT_FALSE(shown);
}

}  // namespace
