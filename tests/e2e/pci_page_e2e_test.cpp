#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/sandbox_run.hpp"

namespace {

constexpr uint64_t kEcamBase = 0x80000;

std::vector<uint8_t> generalDeviceHeader() {
  std::vector<uint8_t> header(64, 0);
  header[0x00] = 0x86;  // vendor 8086, device 1234
  header[0x01] = 0x80;
  header[0x02] = 0x34;
  header[0x03] = 0x12;
  header[0x0E] = 0x80;  // multi-function general device
  header[0x10] = 0x04;  // Base Address[0] 0xFEB00004
  header[0x12] = 0xB0;
  header[0x13] = 0xFE;
  header[0x3D] = 0x01;  // Interrupt Pin
  return header;
}

std::vector<uint8_t> bridgeHeader() {
  std::vector<uint8_t> header(64, 0);
  header[0x00] = 0xF4;  // vendor 1AF4, device 1001
  header[0x01] = 0x1A;
  header[0x02] = 0x01;
  header[0x03] = 0x10;
  header[0x0E] = 0x01;
  header[0x19] = 0x01;  // Secondary Bus Number
  header[0x1A] = 0x02;  // Subordinate Bus Number
  header[0x1C] = 0xF0;  // I/O Base
  header[0x1D] = 0x00;  // I/O Limit
  return header;
}

class PciPageE2E : public ::testing::Test {
 protected:
  void start(const std::string& sandboxOptions) {
    session = std::make_unique<TmuxSession>(sandbox.command(sandboxOptions, ""), sandbox.dir());
    ASSERT_TRUE(session->waitFor("0x000000F0")) << session->screen();
  }
  void withTwoFunctions() {
    sandbox.addPciFunction(kEcamBase, 0, 0, 0, generalDeviceHeader());
    sandbox.addPciFunction(kEcamBase, 0, 1, 0, bridgeHeader());
  }
  void quit() {
    session->keys({"C-c"});
    EXPECT_EQ(session->waitForExit(), 0);
  }

  SandboxFixture sandbox;
  std::unique_ptr<TmuxSession> session;
};

TEST_F(PciPageE2E, ChoosesAFunctionAndDecodesGeneralAndBridgeHeaders) {
  withTwoFunctions();
  start("--mcfg " + sandbox.writeMcfg(kEcamBase));
  session->keys({"Up", "Right", "Down"});  // the menu, its PCI entry, the device button
  ASSERT_TRUE(session->waitFor(" * Device :  00:00:0   [Summary] | Address : 0x00080000"))
      << session->screen();
  EXPECT_TRUE(session->waitFor("  0x00080000  86  80  34  12"));

  // The selection: open the list, the second function, " Submit ".
  session->keys({"Enter"});
  ASSERT_TRUE(session->waitFor(" Select PCI Device")) << session->screen();
  session->keys({"Enter", "Down", "Enter", "Tab", "Enter"});
  ASSERT_TRUE(session->waitFor(" * Device :  00:01:0   [Summary] | Address : 0x00088000"))
      << session->screen();
  EXPECT_TRUE(session->waitFor("  0x00088000  F4  1A  01  10"));

  session->keys({"Right", "Enter"});  // "Summary"
  ASSERT_TRUE(session->waitFor(" I/O Base : 0xF0 , I/O Limit : 0x00")) << session->screen();
  EXPECT_TRUE(session->waitFor(" Subordinate Bus Number : 0x02"));
  EXPECT_TRUE(session->waitFor(" Vendor ID : 0x1AF4"));
  session->keys({"Enter"});
  ASSERT_TRUE(session->waitForGone("Vendor ID")) << session->screen();

  session->keys({"Left", "Enter"});  // back to the first function
  ASSERT_TRUE(session->waitFor(" Select PCI Device")) << session->screen();
  session->keys({"Enter", "Up", "Enter", "Tab", "Enter"});
  ASSERT_TRUE(session->waitFor(" * Device :  00:00:0 ")) << session->screen();
  session->keys({"Right", "Enter"});
  ASSERT_TRUE(session->waitFor(" Base Address[0] : 0xFEB00004")) << session->screen();
  EXPECT_TRUE(session->waitFor(" Header Type : 0x80"));
  EXPECT_TRUE(session->waitFor(" Interrupt Pin : 0x01"));
  EXPECT_TRUE(session->waitFor(" Min Grant : 0x00"));
  session->keys({"Enter"});
  ASSERT_TRUE(session->waitForGone("Vendor ID"));
  quit();
}

TEST_F(PciPageE2E, MenuHasNoPciPageWithoutFunctionsOrWithoutMcfg) {
  start("--mcfg " + sandbox.writeMcfg(kEcamBase));  // an empty PCI tree
  EXPECT_TRUE(session->waitFor("│ Memory                   "));
  EXPECT_EQ(session->screen().find(" PCI "), std::string::npos);
  quit();

  withTwoFunctions();
  start("--no-mcfg");
  EXPECT_TRUE(session->waitFor("│ Memory                   "));
  EXPECT_EQ(session->screen().find(" PCI "), std::string::npos);
  quit();
}

}  // namespace
