#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One PCI function found at start.
struct PciDeviceEntry {
  uint16_t bus;
  uint8_t device;
  uint8_t function;
  uint16_t vendorId;
  uint16_t deviceId;
};

#pragma pack(push, 1)
struct McfgAllocation {
  uint64_t baseAddress;
  uint16_t segmentGroup;
  uint8_t startBus;
  uint8_t endBus;
  uint32_t reserved;
};

// The ACPI MCFG table image, little-endian, with room for 256 allocation entries.
struct McfgTable {
  uint8_t header[36];
  uint8_t reserved[8];
  McfgAllocation allocations[256];
};
#pragma pack(pop)

static_assert(sizeof(McfgTable) == 4140, "MCFG image layout");

inline constexpr const char* kMcfgPath = "/sys/firmware/acpi/tables/MCFG";
inline constexpr const char* kPciDevicesDir = "/sys/bus/pci/devices";

// Fills `table` with the MCFG file's bytes; the buffer is cleared first, so a missing or short
// table leaves zeros (an ECAM base of 0) where the file had nothing.
void readMcfgTable(McfgTable& table, const char* path = kMcfgPath);

// Probes every bus, device and function number (0000:bb:dd.f, in that order) under
// `devicesDir` and lists those with readable vendor and device files. A function whose
// identifiers do not read as hexadecimal numbers is skipped.
void getPciDeviceList(std::vector<PciDeviceEntry>& list, const char* devicesDir = kPciDevicesDir);

// Physical address of a function's configuration space in the ECAM window at `base`.
uint64_t ecamAddress(uint64_t base, const PciDeviceEntry& entry);

// "BB:DD:F" in upper-case hexadecimal, as the PCI page and the selection dialog show it.
std::string pciDeviceText(const PciDeviceEntry& entry);
