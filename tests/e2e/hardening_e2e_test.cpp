#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "e2e/sandbox_run.hpp"

namespace {

const std::regex kReport(R"(Error at line [0-9]+, file src/[a-z_/]+\.cpp \([0-9]+\) \[[^\]]+\])");

class HardeningE2E : public ::testing::Test {
 protected:
  void start(const std::string& sandboxOptions = "") {
    session = std::make_unique<TmuxSession>(sandbox.command(sandboxOptions, ""), sandbox.dir());
    ASSERT_TRUE(session->waitFor("0x000000F0")) << session->screen();
  }

  SandboxFixture sandbox;
  std::unique_ptr<TmuxSession> session;
};

TEST_F(HardeningE2E, PageThatFaultsWhenTouchedEndsWithTheReport) {
  start();
  session->keys({"F2", "End"});
  for (int i = 0; i < 17; ++i) {
    session->keys({"BSpace"});
  }
  session->type("100000");  // past the end of the 1 MiB image: maps, then faults
  session->keys({"Tab", "Enter"});
  EXPECT_EQ(session->waitForExit(), 1);
  EXPECT_TRUE(session->terminalRestored());
  EXPECT_NE(session->screen().find("Error at line "), std::string::npos);
  EXPECT_NE(session->screen().find(", file src/dataview.cpp (14) [Bad address]"), std::string::npos)
      << session->screen();
}

TEST_F(HardeningE2E, SmallTerminalClipsTheFrameAndGrowingShowsItAgain) {
  start();
  session->resize(50, 12);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  session->keys({"PageDown"});
  EXPECT_TRUE(session->waitFor("0x00000100"));
  EXPECT_EQ(session->waitForExit(std::chrono::milliseconds(200)), -1);  // still running

  session->resize(100, 30);
  EXPECT_TRUE(session->waitFor("memquill v1.0.0")) << session->screen();
  EXPECT_TRUE(session->waitFor("  0x000001F0  F1  F2")) << session->screen();
  EXPECT_TRUE(session->waitFor(
      "╰──────────────────────────────────────────────────────────────────────────────╯"));
  session->keys({"C-c"});
  EXPECT_EQ(session->waitForExit(), 0);
}

TEST_F(HardeningE2E, IdleScreenUsesUnderOnePercentOfACore) {
#ifdef MEMQUILL_SANITIZED
  GTEST_SKIP() << "the sanitizers' own work is not the program's";
#endif
  start();
  const int pid = session->programPid(MEMQUILL_BINARY);
  ASSERT_GT(pid, 0);
  auto cpuTicks = [pid] {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    long ticks = 0;
    for (int i = 1; i <= 15 && stat >> field; ++i) {
      if (i == 14 || i == 15) {  // utime, stime
        ticks += std::stol(field);
      }
    }
    return ticks;
  };
  std::this_thread::sleep_for(std::chrono::seconds(1));
  const long before = cpuTicks();
  std::this_thread::sleep_for(std::chrono::seconds(10));
  const long used = cpuTicks() - before;
  const long ticksPerSecond = sysconf(_SC_CLK_TCK);
  EXPECT_LT(used * 100, ticksPerSecond * 10) << used << " ticks in 10 s";
  session->keys({"C-c"});
  EXPECT_EQ(session->waitForExit(), 0);
}

// Random keys and text for a fixed number of events: the program must stay up (or end with
// the fatal report on a restored terminal), and only bytes the change-value dialog was open
// on may change in the image.
TEST_F(HardeningE2E, MonkeyKeepsTheProgramUpAndMemoryUntouchedButForDialogWrites) {
  const char* seedText = std::getenv("MEMQUILL_MONKEY_SEED");
  const unsigned seed = seedText != nullptr ? std::stoul(seedText) : 20261210;
  SCOPED_TRACE("replay with MEMQUILL_MONKEY_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);
  auto pick = [&random](int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
  };

  const uint64_t ecamBase = 0x80000;
  std::vector<uint8_t> header(64, 0);
  header[0] = 0x86;
  header[1] = 0x80;
  sandbox.addPciFunction(ecamBase, 0, 0, 0, header);
  header[0x0E] = 0x01;
  sandbox.addPciFunction(ecamBase, 0, 3, 0, header);
  std::ifstream original(sandbox.imagePath(), std::ios::binary);
  const std::string before((std::istreambuf_iterator<char>(original)), {});
  start("--mcfg " + sandbox.writeMcfg(ecamBase));

  const std::vector<std::string> keys = {"PageUp", "PageDown", "F2",   "F5",   "Tab",
                                         "BTab",   "Up",       "Down", "Left", "Right",
                                         "Enter",  "BSpace",   "End",  "Home", "Escape"};
  const std::regex dialogAddress(R"(Change the value of 0x([0-9A-F]+))");
  std::set<uint64_t> writable;
  bool ended = false;
  int event = 0;
  for (; event < 300 && !ended; ++event) {
    const int kind = pick(10);
    if (kind < 6) {
      const std::string& key = keys[pick(static_cast<int>(keys.size()))];
      if (key == "Enter") {  // a write can only happen on Enter, with the dialog open
        std::smatch match;
        const std::string screen = session->screen();
        if (std::regex_search(screen, match, dialogAddress)) {
          writable.insert(std::stoull(match[1].str(), nullptr, 16));
        }
      }
      session->keys({key});
    } else if (kind < 9) {
      const std::string hex = "0123456789abcdefABCDEF";
      std::string text;
      for (int i = pick(5) + 1; i > 0; --i) {
        text += hex[pick(static_cast<int>(hex.size()))];
      }
      session->type(text);
    } else {
      std::string text;
      for (int i = pick(30) + 1; i > 0; --i) {
        text += static_cast<char>(' ' + pick(95));  // printable, hex or not, long
      }
      session->type(text);
    }
    ended = session->waitForExit(std::chrono::milliseconds(0)) != -1;
  }

  std::cout << "monkey seed " << seed << ": " << event << " events, " << writable.size()
            << " dialog addresses" << (ended ? ", ended by a fatal report" : "") << "\n";
  if (ended) {
    // Only a fatal report may end it: a typed address past the image faults.
    EXPECT_EQ(session->waitForExit(), 1);
    EXPECT_TRUE(session->terminalRestored());
    EXPECT_TRUE(std::regex_search(session->screen(), kReport)) << session->screen();
  } else {
    // A random Escape may have left the input parser inside an escape sequence, which eats
    // the next key; let it time out first.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    session->keys({"C-c"});
    EXPECT_EQ(session->waitForExit(), 0) << session->screen();
    EXPECT_TRUE(session->terminalRestored());
  }
  std::ifstream changed(sandbox.imagePath(), std::ios::binary);
  const std::string after((std::istreambuf_iterator<char>(changed)), {});
  ASSERT_EQ(after.size(), before.size());
  for (size_t a = 0; a < before.size(); ++a) {
    if (before[a] != after[a]) {
      EXPECT_TRUE(writable.count(a) == 1) << "byte 0x" << std::hex << a << " changed";
    }
  }
}

}  // namespace
