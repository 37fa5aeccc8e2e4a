#include "utils/physical_memory.hpp"

#include <sys/mman.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <csignal>

namespace {

// A page can be mapped and still fault when touched (a device that does not answer, a file
// shorter than the address). The fault then ends the program with the fatal report instead
// of a core dump on a terminal left in raw mode.
sigjmp_buf gTouchFault;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

void onTouchFault(int /*signal*/) {
  siglongjmp(gTouchFault, 1);  // NOLINT(cert-err52-cpp): leaves a signal handler, no C++ frames
}

class TouchFaultGuard {
 public:
  TouchFaultGuard() {
    struct sigaction action = {};
    action.sa_handler = onTouchFault;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &mPreviousBus);
    sigaction(SIGSEGV, &action, &mPreviousSegv);
  }
  ~TouchFaultGuard() {
    sigaction(SIGBUS, &mPreviousBus, nullptr);
    sigaction(SIGSEGV, &mPreviousSegv, nullptr);
  }
  TouchFaultGuard(const TouchFaultGuard&) = delete;
  TouchFaultGuard& operator=(const TouchFaultGuard&) = delete;

 private:
  struct sigaction mPreviousBus = {};
  struct sigaction mPreviousSegv = {};
};

void* mapPage(int fd, uint64_t pageBase, SourceLocation where) {
  void* page = mmap(nullptr, kPageSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd,
                    static_cast<off_t>(pageBase));
  if (page == MAP_FAILED) {
    reportErrorAndExit(where);
  }
  return page;
}

void unmapPage(void* page, SourceLocation where) {
  if (munmap(page, kPageSize) != 0) {
    reportErrorAndExit(where);
  }
}

}  // namespace

void readPhysical(int fd, uint64_t address, uint8_t* out, size_t count, SourceLocation where) {
  const TouchFaultGuard guard;
  if (sigsetjmp(gTouchFault, 1) != 0) {  // NOLINT(cert-err52-cpp)
    errno = EFAULT;
    reportErrorAndExit(where);
  }
  size_t done = 0;
  while (done < count) {
    const uint64_t at = address + done;
    const uint64_t offset = at & (kPageSize - 1);
    const size_t chunk = std::min<uint64_t>(count - done, kPageSize - offset);
    void* page = mapPage(fd, at - offset, where);
    const volatile uint8_t* bytes = static_cast<const volatile uint8_t*>(page) + offset;
    for (size_t i = 0; i < chunk; ++i) {
      out[done + i] = bytes[i];
    }
    unmapPage(page, where);
    done += chunk;
  }
}

void writePhysicalByte(int fd, uint64_t address, uint8_t value, SourceLocation where) {
  const uint64_t offset = address & (kPageSize - 1);
  const TouchFaultGuard guard;
  if (sigsetjmp(gTouchFault, 1) != 0) {  // NOLINT(cert-err52-cpp)
    errno = EFAULT;
    reportErrorAndExit(where);
  }
  void* page = mapPage(fd, address - offset, where);
  static_cast<volatile uint8_t*>(page)[offset] = value;
  unmapPage(page, where);
}
