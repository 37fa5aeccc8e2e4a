#include <gtest/gtest.h>

#include <cstdint>
#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>

#include "support/screen_text.hpp"
#include "utils/hex.hpp"
#include "utils/simple_button.hpp"

namespace {

struct HexCase {
  uint64_t value;
  int width;
  bool abbreviate;
  const char* expected;
};

TEST(ToHex, FormatsUpperCaseZeroPaddedAndAbbreviates) {
  const HexCase cases[] = {
      {0x0, 1, false, "0"},
      {0x0, 2, false, "00"},
      {0x0, 16, false, "0000000000000000"},
      {0xA, 1, false, "A"},
      {0x1F, 1, false, "1F"},
      {0xAB, 2, false, "AB"},
      {0xabcdef, 2, false, "ABCDEF"},
      {0x12, 4, false, "0012"},
      {0x1000, 8, false, "00001000"},
      {0x1000, 16, false, "0000000000001000"},
      {0x123456789, 8, false, "123456789"},
      {UINT64_MAX, 8, false, "FFFFFFFFFFFFFFFF"},
      {0x123456789, 8, true, "12..6789"},
      {0x100000000, 8, true, "10..0000"},
      {0xFEDCBA9876543210, 8, true, "FE..3210"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toHex(c.value, c.width, c.abbreviate), c.expected)
        << std::hex << c.value << " width " << c.width;
  }
}

TEST(SimpleButton, BracketsUnfocusedAndInvertsFocusedAtTheSameWidth) {
  auto first = ftxui::Button(
      "Refresh", [] {}, SimpleButton());
  auto second = ftxui::Button(
      "Refresh", [] {}, SimpleButton());
  auto row = ftxui::Container::Horizontal({first, second});

  RenderedScreen screen(row, 18, 1);
  EXPECT_EQ(screen.row(0), " Refresh [Refresh]");
  EXPECT_TRUE(screen.pixelAt(0, 0).inverted);
  EXPECT_FALSE(screen.pixelAt(9, 0).inverted);
}

}  // namespace
