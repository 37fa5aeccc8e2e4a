#include <gtest/gtest.h>

#include <string>

#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>

#include "pci.hpp"
#include "pci_device_select_modal.hpp"
#include "support/fake_memory.hpp"
#include "support/screen_text.hpp"
#include "utils/get_pci_config_space.hpp"

using ftxui::Event;

namespace {

constexpr uint64_t kEcamBase = 0x40000;

// Four functions: 00:00:0 at the base, 00:01:0 0x8000 above it, 00:00:1 0x1000 above it and
// 01:00:0 0x100000 above it, with the memory pattern as their configuration space.
struct PciMemory : FakeMemory {
  PciMemory() : FakeMemory(0x200000) {
    fillPattern(0, 0x200000);
    mcfgBaseAddress = kEcamBase;
    pciDevices = {{0, 0, 0, 0x8086, 0x1234},
                  {0, 1, 0, 0x1AF4, 0x1041},
                  {0, 0, 1, 0x0001, 0x0010},
                  {1, 0, 0, 0xABCD, 0x00FF}};
  }
};

class PciPageTest : public ::testing::Test {
 protected:
  RenderedScreen page() { return RenderedScreen(pageComponent, 80, 20); }
  std::string firstLabel() { return page().cells(2, 3, 12); }
  std::string field() {
    const std::string shown = page().cells(47, 0, 9);
    return shown.substr(0, shown.find(' '));
  }

  void typeIntoField(const std::string& text) {
    pageComponent->OnEvent(Event::F2);
    pageComponent->OnEvent(Event::End);
    for (int i = 0; i < 12; ++i) {
      pageComponent->OnEvent(Event::Backspace);
    }
    for (char c : text) {
      pageComponent->OnEvent(Event::Character(c));
    }
  }
  void pressMove() {
    pageComponent->OnEvent(Event::Tab);
    pageComponent->OnEvent(Event::Return);
  }
  // Opens the selection with the device button, picks entry `index` and presses `button`.
  void select(int index, const char* button) {
    pageComponent->OnEvent(Event::F2);
    pageComponent->OnEvent(Event::TabReverse);  // "Summary"
    pageComponent->OnEvent(Event::TabReverse);  // the device button
    pageComponent->OnEvent(Event::Return);
    ASSERT_TRUE(memory.showPciDeviceSelectModal);
    RenderedScreen(selectComponent, 60, 20);
    selectComponent->OnEvent(Event::Return);  // open the list
    RenderedScreen(selectComponent, 60, 20);
    // The open list starts on the entry chosen last time.
    for (; dialogEntry < index; ++dialogEntry) {
      selectComponent->OnEvent(Event::ArrowDown);
    }
    for (; dialogEntry > index; --dialogEntry) {
      selectComponent->OnEvent(Event::ArrowUp);
    }
    selectComponent->OnEvent(Event::Return);  // choose and close the list
    selectComponent->OnEvent(Event::Tab);     // " Submit "
    if (std::string(button) == " Close ") {
      selectComponent->OnEvent(Event::ArrowRight);
    }
    selectComponent->OnEvent(Event::Return);
  }

  int dialogEntry = 0;
  PciMemory memory;
  PCI pci{kEcamBase};
  ftxui::Component pageComponent = pci.getComponent();
  PciDeviceSelectModal selectModal;
  ftxui::Component selectComponent = selectModal.getComponent();
};

TEST_F(PciPageTest, StartsOnTheFirstFunctionWithItsAddressAndTable) {
  EXPECT_EQ(page().cells(0, 0, 77),
            " * Device :  00:00:0   [Summary] | Address : 0x00040000 [↵] [◀] [▶] [Refresh]");
  EXPECT_EQ(firstLabel(), " 0x00040000 ");
  EXPECT_EQ(*sharedState.pciDeviceText, "00:00:0");
  EXPECT_EQ(*sharedState.selectedPciDevice, 0);
}

TEST_F(PciPageTest, MoveTakesTheTypedAddressInEightDigitsOrRefusesIt) {
  const struct {
    const char* typed;
    const char* field;
    const char* label;
    bool refused;
  } cases[] = {
      {"1000", "00001000", " 0x00001000 ", false},  {"0x1f", "0000001F", " 0x0000001F ", false},
      {" 2000", "00002000", " 0x00002000 ", false}, {"1G", "00000001", " 0x00000001 ", false},
      {"G1", "G1", " 0x00000001 ", true},
  };
  for (const auto& c : cases) {
    memory.showMessageModal = false;
    typeIntoField(c.typed);
    pressMove();
    EXPECT_EQ(field(), c.field) << c.typed;
    EXPECT_EQ(firstLabel(), c.label) << c.typed;
    EXPECT_EQ(memory.showMessageModal, c.refused) << c.typed;
  }
  EXPECT_EQ(
      memory.messageText,
      "The address you are trying to move to is not a Hex value. Please enter a valid value.");
}

TEST_F(PciPageTest, PagingRefreshAndTheFieldsEightCharacterCut) {
  typeIntoField("100");
  pressMove();
  EXPECT_TRUE(pageComponent->OnEvent(Event::PageUp));
  EXPECT_EQ(firstLabel(), " 0x00000000 ");
  EXPECT_TRUE(pageComponent->OnEvent(Event::PageUp));  // consumed, also when refused
  EXPECT_TRUE(memory.showMessageModal);
  EXPECT_EQ(memory.messageText,
            "It is not possible to move from the current address to the address before 0x100.");
  EXPECT_EQ(firstLabel(), " 0x00000000 ");

  typeIntoField("123456789");
  EXPECT_EQ(field(), "12345678");
  EXPECT_EQ(*sharedState.pciAddressText, "12345678");
  EXPECT_TRUE(pageComponent->OnEvent(Event::F5));
  EXPECT_EQ(field(), "00000000");
  EXPECT_TRUE(pageComponent->OnEvent(Event::PageDown));
  EXPECT_EQ(field(), "00000100");
}

TEST_F(PciPageTest, SubmitSelectsTheFunctionAndMovesTheTableToItsConfigurationSpace) {
  select(2, " Submit ");
  EXPECT_FALSE(memory.showPciDeviceSelectModal);
  EXPECT_EQ(*sharedState.selectedPciDevice, 2);
  EXPECT_EQ(page().cells(0, 0, 56), " * Device :  00:00:1   [Summary] | Address : 0x00041000 ");
  EXPECT_EQ(firstLabel(), " 0x00041000 ");

  select(3, " Submit ");
  EXPECT_EQ(firstLabel(), " 0x00140000 ");
  EXPECT_EQ(*sharedState.pciDeviceText, "01:00:0");

  // " Close " keeps the selection; the table is read again where it is.
  typeIntoField("2000");
  pressMove();
  select(1, " Close ");
  EXPECT_EQ(*sharedState.selectedPciDevice, 3);
  EXPECT_EQ(*sharedState.pciDeviceText, "01:00:0");
  EXPECT_EQ(firstLabel(), " 0x00002000 ");
}

TEST_F(PciPageTest, SelectionListsEveryFunctionZeroPadded) {
  pageComponent->OnEvent(Event::Return);  // the device button has the focus at first
  selectComponent->OnEvent(Event::Return);
  const RenderedScreen shown(selectComponent, 60, 24);
  for (const char* entry : {"00:00:0 - 0x8086:0x1234", "00:01:0 - 0x1AF4:0x1041",
                            "00:00:1 - 0x0001:0x0010", "01:00:0 - 0xABCD:0x00FF"}) {
    EXPECT_TRUE(shown.contains(entry)) << entry << "\n" << shown.text();
  }
}

TEST_F(PciPageTest, SummaryReadsTheSelectedFunctionsHeaderEachTime) {
  pageComponent->OnEvent(Event::ArrowRight);  // "Summary"
  EXPECT_TRUE(pageComponent->OnEvent(Event::Return));
  EXPECT_TRUE(memory.showPciDeviceSummaryModal);
  const auto& header = *sharedState.pciConfigHeader;
  EXPECT_EQ(header[0], FakeMemory::patternByte(kEcamBase));
  EXPECT_EQ(header[63], FakeMemory::patternByte(kEcamBase + 63));

  memory.poke(kEcamBase + 0x100000, 0x77);
  select(3, " Submit ");
  getPciConfigSpace(*sharedState.pciConfigHeader);
  EXPECT_EQ(header[0], 0x77);
  EXPECT_EQ(header[1], FakeMemory::patternByte(kEcamBase + 0x100001));
}

TEST_F(PciPageTest, HeaderOfAWindowNearAPageEndIsReadFromBothPages) {
  memory.mcfgBaseAddress = kEcamBase + 0xFE0;
  getPciConfigSpace(*sharedState.pciConfigHeader);
  for (size_t i = 0; i < 64; ++i) {
    EXPECT_EQ((*sharedState.pciConfigHeader)[i], FakeMemory::patternByte(kEcamBase + 0xFE0 + i));
  }
}

TEST_F(PciPageTest, HeaderReadOutsideTheListThrowsAndARefusedMappingIsFatal) {
  *sharedState.selectedPciDevice = 4;
  EXPECT_THROW(getPciConfigSpace(*sharedState.pciConfigHeader), std::out_of_range);

  *sharedState.selectedPciDevice = 0;
  memory.mcfgBaseAddress = 0x8000000000000000;
  EXPECT_EXIT(getPciConfigSpace(*sharedState.pciConfigHeader), ::testing::ExitedWithCode(1),
              "^Error at line [0-9]+, file src/utils/get_pci_config_space\\.cpp \\([0-9]+\\) "
              "\\[[^]]+\\]\n$");
}

}  // namespace
