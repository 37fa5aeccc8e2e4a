#include <gtest/gtest.h>

#include <string>

#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>

#include "dataview.hpp"
#include "support/fake_memory.hpp"
#include "support/screen_text.hpp"
#include "utils/hex.hpp"

using ftxui::Event;

namespace {

constexpr int kWidth = 78;
constexpr int kHeight = 17;

// The text of table row r (0 to 15), as drawn: " " + label + 16 cells + " ", with the
// focused cell's brackets blanked.
std::string tableRow(RenderedScreen& screen, int r) {
  std::string row = screen.row(r + 1);
  for (char& c : row) {
    if (c == '[' || c == ']') {
      c = ' ';
    }
  }
  return row;
}

std::string expectedRow(uint64_t rowAddress, const std::string& label) {
  std::string row = " " + label;
  for (uint64_t i = 0; i < 16; ++i) {
    row += " " + toHex(FakeMemory::patternByte(rowAddress + i), 2) + " ";
  }
  return row + " ";
}

class DataViewTest : public ::testing::Test {
 protected:
  FakeMemory memory{0x200000000};  // 8 GiB, sparse: room above 2^32.
};

TEST_F(DataViewTest, ShowsHeaderLabelsAndBytesFromTheStartAddress) {
  memory.fillPattern(0x1000, 0x200);
  DataView view(0x1008);
  auto component = view.getComponent();
  RenderedScreen screen(component, kWidth, kHeight);

  EXPECT_EQ(screen.row(0),
            "              00  01  02  03  04  05  06  07  08  09  0A  0B  0C "
            " 0D  0E  0F  ");
  for (int r = 0; r < 16; ++r) {
    const uint64_t rowAddress = 0x1008 + 16 * r;
    EXPECT_EQ(tableRow(screen, r), expectedRow(rowAddress, " 0x" + toHex(rowAddress, 8) + " "));
  }
}

TEST_F(DataViewTest, TableAcrossAPageEndAnd2To32ReadsBothPagesAndAbbreviatesLabels) {
  memory.fillPattern(0xFFFFF000, 0x2000);
  DataView view(0xFFFFFF80);
  auto component = view.getComponent();
  RenderedScreen screen(component, kWidth, kHeight);

  EXPECT_EQ(tableRow(screen, 0), expectedRow(0xFFFFFF80, " 0xFFFFFF80 "));
  EXPECT_EQ(tableRow(screen, 7), expectedRow(0xFFFFFFF0, " 0xFFFFFFF0 "));
  EXPECT_EQ(tableRow(screen, 8), expectedRow(0x100000000, " 0x10..0000 "));
  EXPECT_EQ(tableRow(screen, 15), expectedRow(0x100000070, " 0x10..0070 "));
}

TEST_F(DataViewTest, RefreshAndPagingReadMemoryAgain) {
  memory.fillPattern(0, 0x300);
  DataView view(0x100);
  auto component = view.getComponent();
  memory.poke(0x100, 0xAB);
  RenderedScreen before(component, kWidth, kHeight);
  EXPECT_EQ(tableRow(before, 0).substr(13, 4), " 01 ");

  view.refresh();
  RenderedScreen after(component, kWidth, kHeight);
  EXPECT_EQ(tableRow(after, 0).substr(13, 4), " AB ");

  view.nextPage();
  EXPECT_EQ(view.getAddress(), 0x200u);
  RenderedScreen next(component, kWidth, kHeight);
  EXPECT_EQ(tableRow(next, 0), expectedRow(0x200, " 0x00000200 "));
  view.previousPage();
  view.previousPage();
  EXPECT_EQ(view.getAddress(), 0x0u);
}

TEST_F(DataViewTest, ActivatingACellPublishesItsAddressAndTable) {
  DataView view(0x2000);
  auto component = view.getComponent();
  RenderedScreen(component, kWidth, kHeight);
  // Cell 37: row 2, column 5. Focus starts on cell 0.
  component->OnEvent(Event::ArrowDown);
  component->OnEvent(Event::ArrowDown);
  for (int i = 0; i < 5; ++i) {
    component->OnEvent(Event::ArrowRight);
  }
  EXPECT_TRUE(component->OnEvent(Event::Return));

  EXPECT_EQ(memory.changeAddress, 0x2025u);
  EXPECT_EQ(sharedState.activeDataView, &view);
  EXPECT_TRUE(memory.showChangeValueModal);
}

// Which cell has the focus, read from the brackets the focused ASCII button draws.
int focusedCell(const ftxui::Component& component) {
  RenderedScreen screen(component, kWidth, kHeight);
  for (int r = 0; r < 16; ++r) {
    const std::string row = screen.row(r + 1);
    const auto at = row.find('[');
    if (at != std::string::npos) {
      return 16 * r + static_cast<int>(at - 13) / 4;
    }
  }
  return -1;
}

TEST_F(DataViewTest, UpAndDownMoveWithinAColumnAndStopAtTheEdges) {
  DataView view(0);
  auto component = view.getComponent();
  EXPECT_EQ(focusedCell(component), 0);

  EXPECT_FALSE(component->OnEvent(Event::ArrowUp));  // first row: goes on to the page
  EXPECT_EQ(focusedCell(component), 0);
  EXPECT_TRUE(component->OnEvent(Event::ArrowDown));
  EXPECT_EQ(focusedCell(component), 16);
  EXPECT_TRUE(component->OnEvent(Event::ArrowUp));
  EXPECT_EQ(focusedCell(component), 0);

  component->OnEvent(Event::ArrowRight);
  for (int i = 0; i < 14; ++i) {
    EXPECT_TRUE(component->OnEvent(Event::ArrowDown));
  }
  EXPECT_EQ(focusedCell(component), 225);
  EXPECT_TRUE(component->OnEvent(Event::ArrowDown));
  EXPECT_EQ(focusedCell(component), 241);
  EXPECT_FALSE(component->OnEvent(Event::ArrowDown));  // last row
  EXPECT_EQ(focusedCell(component), 241);

  // Left from a row's first byte selects the label, which hands the focus straight back.
  component->OnEvent(Event::ArrowLeft);
  component->OnEvent(Event::ArrowLeft);
  EXPECT_EQ(focusedCell(component), 240);
  EXPECT_EQ(focusedCell(component), 240);
}

TEST_F(DataViewTest, FocusLandsOnTheFirstByteOfTheSelectedRowAfterARebuild) {
  DataView view(0);
  auto component = view.getComponent();
  focusedCell(component);
  for (int i = 0; i < 3; ++i) {
    component->OnEvent(Event::ArrowDown);
  }
  component->OnEvent(Event::ArrowRight);
  EXPECT_EQ(focusedCell(component), 49);

  view.refresh();
  EXPECT_EQ(focusedCell(component), 48);
}

TEST(DataViewFailure, RefusedMappingOrFaultingPageIsFatalAndNamesTheDataView) {
  FakeMemory memory{0x10000};
  // An offset the device refuses to map, and a page past the end of the file, which maps
  // but faults when touched.
  EXPECT_EXIT(DataView view(0x8000000000000000), ::testing::ExitedWithCode(1),
              "^Error at line [0-9]+, file src/dataview\\.cpp \\([0-9]+\\) \\[[^]]+\\]\n$");
  EXPECT_EXIT(DataView view(0x20000), ::testing::ExitedWithCode(1),
              "^Error at line [0-9]+, file src/dataview\\.cpp \\(14\\) \\[Bad address\\]\n$");
}

}  // namespace
