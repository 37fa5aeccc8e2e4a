#include "support/fake_memory.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

FakeMemory::FakeMemory(uint64_t size) {
  char path[] = "/tmp/memquill-test-memXXXXXX";
  fd = mkstemp(path);
  if (fd < 0 || ftruncate(fd, static_cast<off_t>(size)) != 0) {
    throw std::runtime_error("cannot create the memory file");
  }
  mPath = path;
  sharedState = SharedState{};
  sharedState.memFd = &fd;
  sharedState.mcfgBaseAddress = &mcfgBaseAddress;
  sharedState.showChangeValueModal = &showChangeValueModal;
  sharedState.changeAddress = &changeAddress;
  sharedState.showPciDeviceSelectModal = &showPciDeviceSelectModal;
  sharedState.showPciDeviceSummaryModal = &showPciDeviceSummaryModal;
  sharedState.pciDevices = &pciDevices;
  sharedState.showMessageModal = &showMessageModal;
  sharedState.messageText = &messageText;
}

FakeMemory::~FakeMemory() {
  sharedState = SharedState{};
  close(fd);
  unlink(mPath.c_str());
}

uint8_t FakeMemory::patternByte(uint64_t address) {
  return static_cast<uint8_t>(address + (address >> 8));
}

void FakeMemory::fillPattern(uint64_t address, uint64_t count) {
  std::vector<uint8_t> bytes(count);
  for (uint64_t i = 0; i < count; ++i) {
    bytes[i] = patternByte(address + i);
  }
  if (pwrite(fd, bytes.data(), count, static_cast<off_t>(address)) != static_cast<ssize_t>(count)) {
    throw std::runtime_error("cannot fill the memory file");
  }
}

void FakeMemory::poke(uint64_t address, uint8_t value) {
  if (pwrite(fd, &value, 1, static_cast<off_t>(address)) != 1) {
    throw std::runtime_error("cannot write the memory file");
  }
}

uint8_t FakeMemory::peek(uint64_t address) const {
  uint8_t value = 0;
  if (pread(fd, &value, 1, static_cast<off_t>(address)) != 1) {
    throw std::runtime_error("cannot read the memory file");
  }
  return value;
}
