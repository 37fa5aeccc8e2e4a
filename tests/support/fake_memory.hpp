#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shared_state.hpp"

// A regular file standing in for /dev/mem (mapped MAP_SHARED it behaves like the device),
// with every value behind `sharedState` owned here and reset when the fixture goes.
class FakeMemory {
 public:
  explicit FakeMemory(uint64_t size);
  ~FakeMemory();
  FakeMemory(const FakeMemory&) = delete;
  FakeMemory& operator=(const FakeMemory&) = delete;

  // Fills [address, address + count) with byte(a) = a + (a >> 8), so every row differs.
  void fillPattern(uint64_t address, uint64_t count);
  void poke(uint64_t address, uint8_t value);
  uint8_t peek(uint64_t address) const;
  static uint8_t patternByte(uint64_t address);

  int fd = -1;
  uint64_t mcfgBaseAddress = 0;
  bool showChangeValueModal = false;
  uint64_t changeAddress = 0;
  bool showPciDeviceSelectModal = false;
  bool showPciDeviceSummaryModal = false;
  std::vector<PciDeviceEntry> pciDevices;
  bool showMessageModal = false;
  std::string messageText;

 private:
  std::string mPath;
};
