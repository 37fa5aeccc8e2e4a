#include <gtest/gtest.h>

#include <string>

#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>

#include "memory.hpp"
#include "support/fake_memory.hpp"
#include "support/screen_text.hpp"

using ftxui::Event;

namespace {

constexpr const char* kEmptyMessage = "Please enter the address you want to move to.";
constexpr const char* kHexMessage =
    "The address you are trying to move to is not a Hex value. Please enter a valid value.";
constexpr const char* kBelowZeroMessage =
    "It is not possible to move from the current address to the address before 0x100.";

class MemoryPageTest : public ::testing::Test {
 protected:
  MemoryPageTest() { memory.fillPattern(0, 0x3000); }

  // The page's two lines that matter: the tool row and the first table row.
  std::string toolRow() { return RenderedScreen(component, 80, 20).row(0); }
  std::string firstLabel() { return RenderedScreen(component, 80, 20).cells(2, 3, 12); }

  void type(const std::string& text) {
    for (char c : text) {
      component->OnEvent(Event::Character(c));
    }
  }
  void clearField() {
    component->OnEvent(Event::End);
    for (int i = 0; i < 20; ++i) {
      component->OnEvent(Event::Backspace);
    }
  }
  // Focus starts in the address field; the move button is the next control to the right.
  void pressMove() {
    component->OnEvent(Event::Tab);
    component->OnEvent(Event::Return);
    component->OnEvent(Event::TabReverse);
  }

  FakeMemory memory{0x10000};
  Memory page{0};
  ftxui::Component component = page.getComponent();
};

TEST_F(MemoryPageTest, StartsAtZeroWithTheToolRowAndTable) {
  EXPECT_EQ(toolRow(),
            " * Address : 0x0000000000000000 [↵] [◀] [▶] [Refresh]" + std::string(27, ' '));
  EXPECT_EQ(firstLabel(), " 0x00000000 ");
}

struct MoveCase {
  const char* typed;
  const char* field;  // what the field shows afterwards
  const char* label;  // the first row's label afterwards
  const char* message;
};

TEST_F(MemoryPageTest, MoveTakesTheTypedHexAddressOrRefusesIt) {
  const MoveCase cases[] = {
      {"1000", "0000000000001000", " 0x00001000 ", ""},
      {"0x2000", "0000000000002000", " 0x00002000 ", ""},
      {"1000G", "0000000000001000", " 0x00001000 ", ""},
      {" 1005", "0000000000001005", " 0x00001005 ", ""},
      {"1f80", "0000000000001F80", " 0x00001F80 ", ""},
      {"XYZ", "XYZ", " 0x00001F80 ", kHexMessage},
      {"", "Address", " 0x00001F80 ", kEmptyMessage},
  };
  for (const auto& c : cases) {
    memory.showMessageModal = false;
    memory.messageText.clear();
    clearField();
    type(c.typed);
    pressMove();
    EXPECT_NE(toolRow().find(std::string("0x") + c.field + " "), std::string::npos) << c.typed;
    EXPECT_EQ(firstLabel(), c.label) << c.typed;
    EXPECT_EQ(memory.showMessageModal, *c.message != '\0') << c.typed;
    EXPECT_EQ(memory.messageText, c.message) << c.typed;
  }
}

TEST_F(MemoryPageTest, PagingStopsAtZeroAndWorksFromTheField) {
  EXPECT_TRUE(component->OnEvent(Event::PageUp));
  EXPECT_TRUE(memory.showMessageModal);
  EXPECT_EQ(memory.messageText, kBelowZeroMessage);
  EXPECT_EQ(firstLabel(), " 0x00000000 ");

  memory.showMessageModal = false;
  EXPECT_TRUE(component->OnEvent(Event::PageDown));
  EXPECT_EQ(firstLabel(), " 0x00000100 ");
  EXPECT_NE(toolRow().find("0x0000000000000100 "), std::string::npos);
  EXPECT_TRUE(component->OnEvent(Event::PageUp));
  EXPECT_EQ(firstLabel(), " 0x00000000 ");
  EXPECT_FALSE(memory.showMessageModal);

  clearField();
  type("80");
  pressMove();
  EXPECT_TRUE(component->OnEvent(Event::PageUp));
  EXPECT_TRUE(memory.showMessageModal);
  EXPECT_EQ(firstLabel(), " 0x00000080 ");
}

TEST_F(MemoryPageTest, F5RereadsAndF2ReturnsToTheField) {
  clearField();
  type("12");
  memory.poke(0, 0xEE);
  EXPECT_TRUE(component->OnEvent(Event::F5));
  RenderedScreen screen(component, 80, 20);
  EXPECT_NE(screen.row(0).find("0x0000000000000000 "), std::string::npos);
  EXPECT_EQ(screen.cells(14, 3, 4), " EE ");

  component->OnEvent(Event::ArrowDown);  // into the table
  EXPECT_TRUE(component->OnEvent(Event::F2));
  clearField();
  type("2000");
  pressMove();
  EXPECT_EQ(firstLabel(), " 0x00002000 ");
}

TEST_F(MemoryPageTest, FieldIsCutTo16CharactersAndReturnChangesNothing) {
  type("123");  // in front of the 16 digits already there
  component->OnEvent(Event::Return);
  RenderedScreen screen(component, 80, 20);
  EXPECT_EQ(screen.cells(15, 0, 17), "1230000000000000 ");
  EXPECT_EQ(screen.cells(0, 1, 1), "╭");  // no line break pushed the table down
  EXPECT_EQ(firstLabel(), " 0x00000000 ");
}

}  // namespace
