#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>

#include "e2e/sandbox_run.hpp"

namespace {

constexpr const char* kEmptyMessage = "Please enter the address you want to move to.";
constexpr const char* kBelowZeroLine = "It is not possible to move from the current";

// The frame of the interactive tests: a 100 x 30 terminal, so the 80 x 24 frame is centred.
class MemoryPageE2E : public ::testing::Test {
 protected:
  void start(const std::string& args = "") {
    session = std::make_unique<TmuxSession>(sandbox.command("", args), sandbox.dir());
    ASSERT_TRUE(session->waitFor("0x000000F0")) << session->screen();
  }
  // Clears the address field (the focus is there at start) and types `text`.
  void enterAddress(const std::string& text) {
    session->keys({"F2", "End"});
    for (int i = 0; i < 17; ++i) {
      session->keys({"BSpace"});
    }
    session->type(text);
  }
  // The move button is the control right of the field.
  void pressMove() { session->keys({"Tab", "Enter"}); }
  void closeMessage() {
    session->keys({"Enter"});
    ASSERT_TRUE(session->waitForGone("Close")) << session->screen();
  }
  void quit() {
    session->keys({"C-c"});
    EXPECT_EQ(session->waitForExit(), 0);
    EXPECT_TRUE(session->terminalRestored());
  }

  SandboxFixture sandbox;
  std::unique_ptr<TmuxSession> session;
};

TEST_F(MemoryPageE2E, ShowsMemoryFromZeroInTheCentredFrame) {
  start("somefile");  // a plain argument is ignored
  const std::string screen = session->screen();
  EXPECT_NE(screen.find("                                          memquill v1.0.0"),
            std::string::npos)
      << screen;
  EXPECT_NE(screen.find(" * Address : 0x0000000000000000 [↵] [◀] [▶] [Refresh]"),
            std::string::npos);
  EXPECT_NE(
      screen.find("  0x00000000  00  01  02  03  04  05  06  07  08  09  0A  0B  0C  0D  0E  0F"),
      std::string::npos);
  EXPECT_NE(screen.find("  0x000000F0  F0  F1  F2"), std::string::npos);
  quit();
}

TEST_F(MemoryPageE2E, PagesMovesAndRefreshes) {
  start();
  session->keys({"PageDown"});
  ASSERT_TRUE(session->waitFor("  0x00000100  01  02  03")) << session->screen();
  EXPECT_TRUE(session->waitFor("0x0000000000000100 "));
  session->keys({"PageUp"});
  ASSERT_TRUE(session->waitFor("  0x00000000  00  01  02")) << session->screen();

  enterAddress("1005");
  pressMove();
  ASSERT_TRUE(session->waitFor("  0x00001005  15  16  17")) << session->screen();
  EXPECT_TRUE(session->waitFor("0x0000000000001005 "));

  sandbox.setImageByte(0x1005, 0xC3);
  enterAddress("12");  // half typed; F5 puts the table's address back
  session->keys({"F5"});
  ASSERT_TRUE(session->waitFor("  0x00001005  C3  16  17")) << session->screen();
  EXPECT_TRUE(session->waitFor("0x0000000000001005 "));
  quit();
}

TEST_F(MemoryPageE2E, RefusesEmptyNonHexAndBelowZeroThroughTheMessageDialog) {
  start();
  session->keys({"PageUp"});
  ASSERT_TRUE(session->waitFor(kBelowZeroLine)) << session->screen();
  EXPECT_TRUE(session->waitFor("address to the address before 0x100."));
  closeMessage();

  enterAddress("");
  pressMove();
  ASSERT_TRUE(session->waitFor(kEmptyMessage)) << session->screen();
  closeMessage();

  enterAddress("XYZ");
  pressMove();
  ASSERT_TRUE(session->waitFor("The address you are trying to move to is not"))
      << session->screen();
  EXPECT_TRUE(session->waitFor("a Hex value. Please enter a valid value."));
  closeMessage();
  EXPECT_TRUE(session->waitFor("0xXYZ")) << session->screen();  // the typed text stays
  EXPECT_TRUE(session->waitFor("  0x00000000  00  01  02"));
  quit();
}

TEST_F(MemoryPageE2E, WritesAByteThroughTheChangeValueDialogAndRefusesANonHexValue) {
  start();
  session->keys({"Down", "Right", "Right", "Right", "Down", "Enter"});
  ASSERT_TRUE(session->waitFor(" Change the value of 0x00000013")) << session->screen();
  session->type("5a");
  session->keys({"Down", "Enter"});
  ASSERT_TRUE(session->waitForGone("Change the value")) << session->screen();
  EXPECT_EQ(sandbox.imageByte(0x13), 0x5A);
  EXPECT_EQ(sandbox.imageByte(0x12), 0x12);
  EXPECT_EQ(sandbox.imageByte(0x14), 0x14);
  // Read back, with the focus on the first byte of the written row.
  EXPECT_TRUE(session->waitFor("  0x00000010 [10] 11  12  5A  14")) << session->screen();

  session->keys({"Enter"});
  ASSERT_TRUE(session->waitFor(" Change the value of 0x00000010")) << session->screen();
  session->type("zz");
  session->keys({"Down", "Enter"});
  ASSERT_TRUE(session->waitFor("The value to be written is not a Hex value.")) << session->screen();
  EXPECT_EQ(session->screen().find("Change the value"), std::string::npos);
  closeMessage();
  EXPECT_EQ(sandbox.imageByte(0x10), 0x10);
  quit();
}

TEST_F(MemoryPageE2E, F10Quits) {
  start();
  session->keys({"F10"});
  EXPECT_EQ(session->waitForExit(), 0);
  EXPECT_TRUE(session->terminalRestored());
}

TEST_F(MemoryPageE2E, RefusedMappingEndsWithTheReportOnARestoredTerminal) {
  start();
  enterAddress("8000000000000000");
  pressMove();
  EXPECT_EQ(session->waitForExit(), 1);
  EXPECT_TRUE(session->terminalRestored());
  const std::string screen = session->screen();
  EXPECT_TRUE(std::regex_search(
      screen, std::regex(R"(Error at line [0-9]+, file src/dataview\.cpp \([0-9]+\) \[[^\]]+\])")))
      << screen;
  EXPECT_EQ(screen.find("memquill v1.0.0"), std::string::npos);  // the full screen is gone
}

}  // namespace
