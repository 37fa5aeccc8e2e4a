#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "utils/pci_discovery.hpp"

namespace fs = std::filesystem;

// Found by argument-dependent lookup, so beside the type, in the global namespace.
inline bool operator==(const PciDeviceEntry& a, const PciDeviceEntry& b) {
  return a.bus == b.bus && a.device == b.device && a.function == b.function &&
         a.vendorId == b.vendorId && a.deviceId == b.deviceId;
}

inline void PrintTo(const PciDeviceEntry& e, std::ostream* os) {
  *os << pciDeviceText(e) << " " << std::hex << e.vendorId << ":" << e.deviceId;
}

namespace {

class TempDir {
 public:
  TempDir() {
    char name[] = "/tmp/memquill-test-XXXXXX";
    path = mkdtemp(name);
  }
  ~TempDir() { fs::remove_all(path); }
  void write(const std::string& relative, const std::string& content) const {
    fs::create_directories((path / relative).parent_path());
    std::ofstream(path / relative, std::ios::binary) << content;
  }
  fs::path path;
};

TEST(GetPciDeviceList, ListsReadableFunctionsInBusDeviceFunctionOrder) {
  TempDir tree;
  // Created out of order, with sysfs's lower-case names.
  tree.write("0000:ff:1f.7/vendor", "0x8086\n");
  tree.write("0000:ff:1f.7/device", "0x0d57\n");
  tree.write("0000:1a:0b.2/vendor", "0xABCD\n");
  tree.write("0000:1a:0b.2/device", "0x0123\n");
  tree.write("0000:00:1f.3/vendor", "0x1af4\n");
  tree.write("0000:00:1f.3/device", "0x1045\n");
  tree.write("0000:00:00.0/vendor", "8086");
  tree.write("0000:00:00.0/device", "  0x1234zz");
  // Skipped: no device file, an empty identifier, a non-hexadecimal one, an upper-case name.
  tree.write("0000:00:02.0/vendor", "0x1af4\n");
  tree.write("0000:00:03.0/vendor", "");
  tree.write("0000:00:03.0/device", "0x1041\n");
  tree.write("0000:00:04.0/vendor", "0x1af4\n");
  tree.write("0000:00:04.0/device", "zz\n");
  tree.write("0000:00:0A.0/vendor", "0x1af4\n");
  tree.write("0000:00:0A.0/device", "0x1041\n");

  std::vector<PciDeviceEntry> list{{9, 9, 9, 9, 9}};
  getPciDeviceList(list, tree.path.c_str());

  const std::vector<PciDeviceEntry> expected{
      {0x00, 0x00, 0, 0x8086, 0x1234},
      {0x00, 0x1F, 3, 0x1AF4, 0x1045},
      {0x1A, 0x0B, 2, 0xABCD, 0x0123},
      {0xFF, 0x1F, 7, 0x8086, 0x0D57},
  };
  EXPECT_EQ(list, expected);
}

TEST(GetPciDeviceList, MissingTreeGivesEmptyList) {
  std::vector<PciDeviceEntry> list{{1, 2, 3, 4, 5}};
  getPciDeviceList(list, "/nonexistent/memquill");
  EXPECT_TRUE(list.empty());
}

TEST(ReadMcfgTable, TakesTheFirstAllocationsBaseAndZerosWhatIsMissing) {
  TempDir dir;
  std::string image(60, '\0');
  image.replace(0, 4, "MCFG");
  const uint64_t base = 0xEEC00000;
  for (int i = 0; i < 8; ++i) {
    image[44 + i] = static_cast<char>(base >> (8 * i));
  }
  dir.write("full", image + std::string(4140 - 60, '\x5A'));
  dir.write("short", image);
  dir.write("truncated", image.substr(0, 47));

  McfgTable table;
  // By value: the packed fields cannot be bound to references.
  auto base0 = [&table]() -> uint64_t { return table.allocations[0].baseAddress; };
  readMcfgTable(table, (dir.path / "full").c_str());
  EXPECT_EQ(base0(), base);
  EXPECT_EQ(int{table.allocations[255].endBus}, 0x5A);

  readMcfgTable(table, (dir.path / "short").c_str());
  EXPECT_EQ(base0(), base);
  EXPECT_EQ(uint64_t{table.allocations[1].baseAddress}, 0u);

  readMcfgTable(table, (dir.path / "truncated").c_str());
  EXPECT_EQ(base0(), 0xC00000u);

  readMcfgTable(table, (dir.path / "missing").c_str());
  EXPECT_EQ(base0(), 0u);
}

TEST(EcamAddress, AddsBusDeviceAndFunctionStrides) {
  EXPECT_EQ(ecamAddress(0xE0000000, {1, 2, 3, 0, 0}), 0xE0113000u);
  EXPECT_EQ(ecamAddress(0xE0000000, {0, 0, 0, 0, 0}), 0xE0000000u);
  EXPECT_EQ(ecamAddress(0xE0000000, {255, 31, 7, 0, 0}), 0xEFFFF000u);
  EXPECT_EQ(ecamAddress(0xFFFFFFFFF0000000, {255, 0, 0, 0, 0}), 0xFFFFFFFFFFF00000u);
}

TEST(PciDeviceText, IsBusDeviceFunctionInUpperCaseHex) {
  EXPECT_EQ(pciDeviceText({0, 0x1F, 3, 0, 0}), "00:1F:3");
  EXPECT_EQ(pciDeviceText({0xAB, 0x0C, 7, 0, 0}), "AB:0C:7");
}

}  // namespace
