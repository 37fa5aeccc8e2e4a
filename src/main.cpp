#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>
#include <ftxui/component/screen_interactive.hpp>

#include "main_screen.hpp"
#include "shared_state.hpp"
#include "utils/pci_discovery.hpp"
#include "utils/report_error.hpp"

namespace {

bool fileExists(const std::string& path) {
  std::ifstream file(path);
  return file.good();
}

void printVersion() {
  std::cout << std::endl;
  std::cout << "memquill " << sharedState.versionString << std::endl;
  std::cout << "Written by the memquill developers." << std::endl;
  std::cout << "Home page: https://memquill.org" << std::endl;
  std::cout << std::endl;
}

// Shows the main screen until the terminal library ends the loop (Ctrl-C) or F10 is pressed.
void runMainScreen() {
  MainScreen mainScreen;
  auto screen = ftxui::ScreenInteractive::Fullscreen();
  auto root = ftxui::CatchEvent(mainScreen.getComponent(), [&screen](const ftxui::Event& event) {
    if (event != ftxui::Event::F10) {
      return false;
    }
    screen.Exit();
    return true;
  });
  screen.Loop(root);
}

}  // namespace

// sharedState points into this frame, which outlives every user of it.
// NOLINTBEGIN(clang-analyzer-core.StackAddressEscape)
int main(int argc, char** argv) {
  const int option = getopt(argc, argv, "v");
  if (option == 'v') {
    printVersion();
    return 0;
  }
  if (option != -1) {
    return 1;
  }

  if (getuid() != 0) {
    std::cerr << "[ERROR] memquill must be run with root privileges." << std::endl;
    return 1;
  }

  bool showChangeValueModal = false;
  uint64_t changeAddress = 0;
  bool showPciDeviceSelectModal = false;
  bool showPciDeviceSummaryModal = false;
  std::vector<PciDeviceEntry> pciDevices;
  sharedState.showChangeValueModal = &showChangeValueModal;
  sharedState.changeAddress = &changeAddress;
  sharedState.showPciDeviceSelectModal = &showPciDeviceSelectModal;
  sharedState.showPciDeviceSummaryModal = &showPciDeviceSummaryModal;
  sharedState.pciDevices = &pciDevices;

  getPciDeviceList(pciDevices);

  bool showMessageModal = false;
  std::string messageText;
  sharedState.showMessageModal = &showMessageModal;
  sharedState.messageText = &messageText;

  if (!fileExists("/dev/mem")) {
    std::cerr << "[ERROR] Either /dev/mem or /dev/kmem doesn't exist." << std::endl;
    std::cerr << "Please check if the kernel was configured with 'device mem'." << std::endl;
    return 1;
  }
  int memFd = open("/dev/mem", O_RDWR | O_SYNC);
  if (memFd < 0) {
    reportErrorAndExit(MEMQUILL_HERE);
  }
  sharedState.memFd = &memFd;

  McfgTable mcfgTable;
  readMcfgTable(mcfgTable);
  uint64_t mcfgBaseAddress = mcfgTable.allocations[0].baseAddress;
  sharedState.mcfgBaseAddress = &mcfgBaseAddress;

  runMainScreen();
  close(memFd);
  return 0;
}
// NOLINTEND(clang-analyzer-core.StackAddressEscape)
