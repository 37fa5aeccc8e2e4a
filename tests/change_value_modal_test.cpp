#include <gtest/gtest.h>

#include <string>

#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>

#include "change_value_modal.hpp"
#include "dataview.hpp"
#include "support/fake_memory.hpp"
#include "support/screen_text.hpp"

using ftxui::Event;

namespace {

constexpr const char* kEmptyMessage = "Enter the value you want to write.";
constexpr const char* kHexMessage =
    "The value to be written is not a Hex value. Please enter a valid value.";

class ChangeValueModalTest : public ::testing::Test {
 protected:
  ChangeValueModalTest() {
    memory.fillPattern(0, 0x3000);
    sharedState.activeDataView = &view;
  }

  // Opens the dialog on `address` as a cell would, types `value` and presses a button.
  void submit(uint64_t address, const std::string& value) {
    open(address);
    for (char c : value) {
      component->OnEvent(Event::Character(c));
    }
    RenderedScreen(component, 60, 12);  // the drawing cuts the value to two characters
    component->OnEvent(Event::ArrowDown);
    component->OnEvent(Event::ArrowLeft);  // " Submit ", whichever button had the focus
    component->OnEvent(Event::Return);
  }
  void open(uint64_t address) {
    memory.changeAddress = address;
    memory.showChangeValueModal = true;
  }

  FakeMemory memory{0x3000};
  DataView view{0x1000};
  ChangeValueModal modal;
  ftxui::Component component = modal.getComponent();
};

struct WriteCase {
  const char* typed;
  int written;  // the byte that lands, or -1 for none
  const char* message;
};

TEST_F(ChangeValueModalTest, SubmitWritesTheLowByteOfTheTypedHexValueOrRefusesIt) {
  const WriteCase cases[] = {
      {"ff", 0xFF, ""},        {"FF", 0xFF, ""},        {"7", 0x07, ""},  {"1G", 0x01, ""},
      {" F", 0x0F, ""},        {"0x", 0x00, ""},        {"-1", 0xFF, ""}, {"123", 0x12, ""},
      {"G1", -1, kHexMessage}, {"", -1, kEmptyMessage},
  };
  const uint64_t address = 0x1FFF;  // the last byte of its page
  for (const auto& c : cases) {
    memory.poke(address, 0x5A);
    memory.showMessageModal = false;
    memory.messageText.clear();
    submit(address, c.typed);

    EXPECT_EQ(memory.peek(address), c.written < 0 ? 0x5A : c.written) << '"' << c.typed << '"';
    EXPECT_EQ(memory.messageText, c.message) << '"' << c.typed << '"';
    EXPECT_EQ(memory.showMessageModal, *c.message != '\0');
    EXPECT_FALSE(memory.showChangeValueModal);
  }
  EXPECT_EQ(memory.peek(address - 1), FakeMemory::patternByte(address - 1));
  EXPECT_EQ(memory.peek(address + 1), FakeMemory::patternByte(address + 1));
}

TEST_F(ChangeValueModalTest, ShowsTheFullAddressAndCutsTheValueToTwoCharacters) {
  open(0x123456789);
  for (char c : std::string("abc")) {
    component->OnEvent(Event::Character(c));
  }
  RenderedScreen screen(component, 60, 12);
  EXPECT_EQ(screen.cells(0, 1, 34), "│ Change the value of 0x123456789 ");
  EXPECT_EQ(screen.cells(0, 3, 15), "│ Value : 0xab ");
}

TEST_F(ChangeValueModalTest, EveryCloseRefreshesTheTableAndTheNextOpeningStartsInTheField) {
  auto table = view.getComponent();
  memory.poke(0x1000, 0xEE);
  open(0x1010);
  component->OnEvent(Event::ArrowDown);
  component->OnEvent(Event::ArrowRight);  // " Close "
  EXPECT_TRUE(component->OnEvent(Event::Return));
  EXPECT_FALSE(memory.showChangeValueModal);
  EXPECT_EQ(RenderedScreen(table, 78, 17).cells(13, 1, 4), "[EE]");

  // Return in the field changes nothing; the focus is back there for the next value.
  submit(0x1010, "3c");
  EXPECT_EQ(memory.peek(0x1010), 0x3C);
  EXPECT_EQ(RenderedScreen(table, 78, 17).cells(13, 2, 4), " 3C ");
}

TEST_F(ChangeValueModalTest, RefusedMappingIsFatalAndNamesTheDialog) {
  EXPECT_EXIT(
      submit(0x8000000000000000, "1"), ::testing::ExitedWithCode(1),
      "^Error at line [0-9]+, file src/change_value_modal\\.cpp \\([0-9]+\\) \\[[^]]+\\]\n$");
}

}  // namespace
