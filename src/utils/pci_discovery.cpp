#include "utils/pci_discovery.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>

#include "utils/hex.hpp"

void readMcfgTable(McfgTable& table, const char* path) {
  std::memset(&table, 0, sizeof table);
  std::ifstream file(path, std::ios::binary);
  file.read(reinterpret_cast<char*>(&table), sizeof table);
}

namespace {

// The first word of a sysfs identifier file ("0x8086\n") as a 16-bit value.
std::optional<uint16_t> readIdentifier(int dirFd, const char* name) {
  const int fd = openat(dirFd, name, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return std::nullopt;
  }
  char text[32];
  const ssize_t length = read(fd, text, sizeof text - 1);
  close(fd);
  if (length <= 0) {
    return std::nullopt;
  }
  text[length] = '\0';
  char* end = nullptr;
  errno = 0;
  const unsigned long value = std::strtoul(text, &end, 16);
  if (end == text || errno == ERANGE) {
    return std::nullopt;
  }
  return static_cast<uint16_t>(value);
}

void putHex(char* at, unsigned value, int digits) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (int i = digits - 1; i >= 0; --i) {
    at[i] = kDigits[value & 0xF];
    value >>= 4;
  }
}

}  // namespace

void getPciDeviceList(std::vector<PciDeviceEntry>& list, const char* devicesDir) {
  list.clear();
  const int dirFd = open(devicesDir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) {
    return;
  }
  // sysfs spells the names in lower case; "vendor" and "device" have the same length.
  char path[] = "0000:bb:dd.f/vendor";
  char* const leaf = path + 13;
  for (unsigned bus = 0; bus < 256; ++bus) {
    putHex(path + 5, bus, 2);
    for (unsigned device = 0; device < 32; ++device) {
      putHex(path + 8, device, 2);
      for (unsigned function = 0; function < 8; ++function) {
        putHex(path + 11, function, 1);
        std::memcpy(leaf, "vendor", 6);
        const auto vendorId = readIdentifier(dirFd, path);
        if (!vendorId) {
          continue;
        }
        std::memcpy(leaf, "device", 6);
        const auto deviceId = readIdentifier(dirFd, path);
        if (!deviceId) {
          continue;
        }
        list.push_back({static_cast<uint16_t>(bus), static_cast<uint8_t>(device),
                        static_cast<uint8_t>(function), *vendorId, *deviceId});
      }
    }
  }
  close(dirFd);
}

uint64_t ecamAddress(uint64_t base, const PciDeviceEntry& entry) {
  return base + (uint64_t{entry.bus} << 20) + (uint64_t{entry.device} << 15) +
         (uint64_t{entry.function} << 12);
}

std::string pciDeviceText(const PciDeviceEntry& entry) {
  return toHex(entry.bus, 2) + ":" + toHex(entry.device, 2) + ":" + toHex(entry.function, 1);
}
