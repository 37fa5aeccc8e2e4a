#include <gtest/gtest.h>

#include <string>

#include "e2e/sandbox_run.hpp"

namespace {

constexpr const char* kVersionText =
    "\nmemquill v1.0.0\nWritten by the memquill developers.\nHome page: https://memquill.org\n\n";
constexpr const char* kRootMessage = "[ERROR] memquill must be run with root privileges.\n";
constexpr const char* kDeviceMessage =
    "[ERROR] Either /dev/mem or /dev/kmem doesn't exist.\n"
    "Please check if the kernel was configured with 'device mem'.\n";

struct StartUpCase {
  const char* name;
  const char* sandboxOptions;
  const char* args;
  int status;
  const char* out;
  const char* err;  // a prefix is enough for the option parser's own diagnostic
};

TEST(StartUp, OptionsPrivilegesAndTheMemoryDevice) {
  const StartUpCase cases[] = {
      {"version", "", "-v", 0, kVersionText, ""},
      {"version as a user", "--user nobody", "-v", 0, kVersionText, ""},
      {"version before a bad option", "", "-v -x", 0, kVersionText, ""},
      {"bad option", "", "-x", 1, "", MEMQUILL_BINARY ": invalid option -- 'x'\n"},
      {"bad option before version", "", "-x -v", 1, "",
       MEMQUILL_BINARY ": invalid option -- 'x'\n"},
      {"no root", "--user nobody", "", 1, "", kRootMessage},
      {"no root, with an argument", "--user nobody", "somefile", 1, "", kRootMessage},
      {"no memory device", "--no-mem", "", 1, "", kDeviceMessage},
  };
  SandboxFixture sandbox;
  for (const auto& c : cases) {
    const auto result = runCaptured(sandbox.command(c.sandboxOptions, c.args), sandbox.dir());
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.err, c.err) << c.name;
  }
}

}  // namespace
