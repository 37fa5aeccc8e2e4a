#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "utils/pci_discovery.hpp"

class DataView;

// The one program-wide record through which pages and dialogs reach the memory device, the
// PCI data and each other's visibility flags. Apart from `activeDataView` and
// `versionString` every field points to a value owned by `main` (or, for the four PCI
// fields, by the PCI page); a null field has no owner yet.
struct SharedState {
  int* memFd = nullptr;
  uint64_t* mcfgBaseAddress = nullptr;
  DataView* activeDataView = nullptr;
  bool* showChangeValueModal = nullptr;
  uint64_t* changeAddress = nullptr;
  bool* showPciDeviceSelectModal = nullptr;
  std::vector<PciDeviceEntry>* pciDevices = nullptr;
  std::string* pciDeviceText = nullptr;
  std::string* pciAddressText = nullptr;
  bool* showPciDeviceSummaryModal = nullptr;
  int* selectedPciDevice = nullptr;
  std::array<uint8_t, 64>* pciConfigHeader = nullptr;
  bool* showMessageModal = nullptr;
  std::string* messageText = nullptr;
  std::string versionString = "v1.0.0";
};

extern SharedState sharedState;

// Tells the user an input was refused: the message dialog shows `text` until closed.
void showMessage(const std::string& text);
