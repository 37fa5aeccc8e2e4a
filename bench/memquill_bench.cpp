// Each figure beside its floor: the raw system calls the same work cannot do without.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <ftxui/component/component.hpp>
#include <ftxui/component/event.hpp>
#include <ftxui/dom/node.hpp>
#include <ftxui/screen/screen.hpp>

#include "main_screen.hpp"
#include "support/fake_memory.hpp"
#include "utils/pci_discovery.hpp"

namespace {

void BM_PciEnumeration(benchmark::State& state) {
  std::vector<PciDeviceEntry> list;
  for (auto _ : state) {
    getPciDeviceList(list);
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["functions"] = static_cast<double>(list.size());
}
BENCHMARK(BM_PciEnumeration)->Unit(benchmark::kMillisecond)->MinTime(2);

// 65,536 openat probes of the vendor files, names made beforehand.
void BM_PciEnumerationFloor(benchmark::State& state) {
  std::vector<std::string> names;
  for (unsigned b = 0; b < 256; ++b) {
    for (unsigned d = 0; d < 32; ++d) {
      for (unsigned f = 0; f < 8; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "0000:%02x:%02x.%x/vendor", b, d, f);
        names.emplace_back(name);
      }
    }
  }
  const int dir = open(kPciDevicesDir, O_RDONLY | O_DIRECTORY);
  for (auto _ : state) {
    for (const auto& name : names) {
      const int fd = openat(dir, name.c_str(), O_RDONLY);
      if (fd >= 0) {
        close(fd);
      }
    }
  }
  close(dir);
}
BENCHMARK(BM_PciEnumerationFloor)->Unit(benchmark::kMillisecond)->MinTime(2);

// F5 on the Memory page (map, 256 loads, unmap, 256 new cells) and one 80 x 24 frame.
void BM_RefreshAndRender(benchmark::State& state) {
  FakeMemory memory(1 << 16);
  memory.fillPattern(0, 1 << 16);
  MainScreen mainScreen;
  auto component = mainScreen.getComponent();
  auto screen = ftxui::Screen::Create(ftxui::Dimension::Fixed(80), ftxui::Dimension::Fixed(24));
  for (auto _ : state) {
    component->OnEvent(ftxui::Event::F5);
    ftxui::Render(screen, component->Render());
    benchmark::DoNotOptimize(screen.PixelAt(0, 0));
  }
}
BENCHMARK(BM_RefreshAndRender)->Unit(benchmark::kMicrosecond);

void BM_RefreshFloor(benchmark::State& state) {
  FakeMemory memory(1 << 16);
  memory.fillPattern(0, 1 << 16);
  unsigned sum = 0;
  for (auto _ : state) {
    void* page = mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED, memory.fd, 0);
    const volatile unsigned char* bytes = static_cast<const volatile unsigned char*>(page);
    for (int i = 0; i < 256; ++i) {
      sum += bytes[i];
    }
    munmap(page, 4096);
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_RefreshFloor)->Unit(benchmark::kMicrosecond);

// The real binary in the sandbox, on a terminal of its own: from the start of the sandbox
// to the first frame on the screen. Its floor is the enumeration alone, which start-up runs.
void BM_StartUpToFirstFrame(benchmark::State& state) {
  char image[] = "/tmp/memquill-bench-XXXXXX";
  const int imageFd = mkstemp(image);
  if (imageFd < 0 || ftruncate(imageFd, 1 << 20) != 0) {
    state.SkipWithError("cannot make the memory image");
    return;
  }
  close(imageFd);
  winsize size{};
  size.ws_row = 30;
  size.ws_col = 100;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, &size);
    if (child == 0) {
      execl(MEMQUILL_SANDBOX, MEMQUILL_SANDBOX, "--binary", MEMQUILL_BINARY, "--image", image,
            static_cast<char*>(nullptr));
      _exit(127);
    }
    std::string shown;
    pollfd ready{terminal, POLLIN, 0};
    while (shown.find("memquill v1.0.0") == std::string::npos && poll(&ready, 1, 10000) > 0) {
      char buffer[4096];
      const ssize_t length = read(terminal, buffer, sizeof buffer);
      if (length <= 0) {
        break;
      }
      shown.append(buffer, static_cast<size_t>(length));
    }
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (write(terminal, "\x03", 1) != 1) {  // Ctrl-C ends the loop
      kill(child, SIGTERM);
    }
    for (char buffer[4096]; read(terminal, buffer, sizeof buffer) > 0;) {
    }
    waitpid(child, nullptr, 0);
    close(terminal);
  }
  unlink(image);
}
BENCHMARK(BM_StartUpToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
