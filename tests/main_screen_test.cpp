#include <gtest/gtest.h>

#include <string>

#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>

#include "main_screen.hpp"
#include "support/fake_memory.hpp"
#include "support/screen_text.hpp"

using ftxui::Event;

namespace {

constexpr const char* kBelowZeroMessage =
    "It is not possible to move from the current address to the address before 0x100.";

class MainScreenTest : public ::testing::Test {
 protected:
  FakeMemory memory{0x10000};
  MainScreen mainScreen;
  ftxui::Component component = mainScreen.getComponent();
};

TEST_F(MainScreenTest, DrawsTheFixedFrameCentredWithTitleMenuAndMemoryPage) {
  RenderedScreen screen(component, 100, 30);
  // 80 x 24 frame at column 10, row 3.
  EXPECT_EQ(screen.cells(10, 3, 80),
            std::string(32, ' ') + "memquill v1.0.0" + std::string(33, ' '));
  EXPECT_EQ(screen.cells(10, 4, 1), "╭");
  EXPECT_EQ(screen.cells(89, 4, 1), "╮");
  EXPECT_EQ(screen.cells(11, 5, 8), " Memory ");
  EXPECT_EQ(screen.cells(10, 7, 16), " * Address : 0x0");
  EXPECT_EQ(screen.cells(10, 26, 1), "╰");  // the table's border closes the last row
  EXPECT_EQ(screen.cells(10, 27, 80), std::string(80, ' '));
}

TEST_F(MainScreenTest, StartsInTheAddressFieldAndUpReachesTheMenu) {
  component->OnEvent(Event::End);
  for (int i = 0; i < 16; ++i) {
    component->OnEvent(Event::Backspace);
  }
  for (char c : std::string("100")) {
    component->OnEvent(Event::Character(c));
  }
  RenderedScreen typed(component, 80, 24);
  EXPECT_EQ(typed.cells(15, 4, 4), "100 ");
  EXPECT_FALSE(typed.pixelAt(2, 2).inverted);  // the menu entry is not focused

  EXPECT_TRUE(component->OnEvent(Event::ArrowUp));
  RenderedScreen screen(component, 80, 24);
  EXPECT_TRUE(screen.pixelAt(2, 2).inverted);
}

TEST_F(MainScreenTest, MessageDialogShowsOverThePageTakesTheKeysAndCloses) {
  EXPECT_TRUE(component->OnEvent(Event::PageUp));
  RenderedScreen shown(component, 80, 24);
  EXPECT_TRUE(shown.contains("It is not possible to move from the current"));
  EXPECT_TRUE(shown.contains("address to the address before 0x100."));
  EXPECT_TRUE(shown.contains("Close"));

  // The page does not see keys while the dialog is up.
  component->OnEvent(Event::PageDown);
  EXPECT_TRUE(memory.showMessageModal);
  EXPECT_TRUE(component->OnEvent(Event::Return));
  EXPECT_FALSE(memory.showMessageModal);
  EXPECT_EQ(memory.messageText, kBelowZeroMessage);

  RenderedScreen closed(component, 80, 24);
  EXPECT_FALSE(closed.contains("Close"));
  EXPECT_EQ(closed.cells(3, 7, 10), "0x00000000");
}

TEST_F(MainScreenTest, MessageDialogIsAboveTheChangeValueDialogAndTakesTheKeys) {
  component->OnEvent(Event::ArrowDown);  // into the table: its row label hands the focus
  RenderedScreen(component, 80, 24);     // to the byte at 0 when drawn
  component->OnEvent(Event::Return);
  ASSERT_TRUE(memory.showChangeValueModal);
  memory.messageText = kBelowZeroMessage;
  memory.showMessageModal = true;

  RenderedScreen both(component, 80, 24);
  EXPECT_TRUE(both.contains("It is not possible to move from the current"));
  component->OnEvent(Event::Character('7'));
  component->OnEvent(Event::Return);  // the message's Close
  EXPECT_FALSE(memory.showMessageModal);
  EXPECT_TRUE(memory.showChangeValueModal);

  RenderedScreen changeOnly(component, 80, 24);
  EXPECT_FALSE(changeOnly.contains("It is not possible"));
  EXPECT_TRUE(changeOnly.contains(" Value : 0x00 "));  // the 7 went to the message dialog
}

TEST(MainScreenPages, PciPageIsOfferedOnlyWithFunctionsAndAnEcamBase) {
  const struct {
    bool functions;
    uint64_t base;
    const char* menu;
  } cases[] = {
      {true, 0x10000, " Memory   PCI  "},
      {false, 0x10000, " Memory        "},
      {true, 0, " Memory        "},
  };
  for (const auto& c : cases) {
    FakeMemory memory{0x20000};
    memory.mcfgBaseAddress = c.base;
    if (c.functions) {
      memory.pciDevices = {{0, 1, 0, 0x8086, 0x1234}};
    }
    MainScreen mainScreen;
    auto component = mainScreen.getComponent();
    EXPECT_EQ(RenderedScreen(component, 80, 24).cells(1, 2, 15), c.menu) << c.base;
  }
}

}  // namespace
