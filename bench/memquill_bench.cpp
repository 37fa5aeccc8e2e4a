// Each figure beside its floor: the raw system calls the same work cannot do without.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
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
BENCHMARK(BM_PciEnumeration)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_PciEnumerationFloor)->Unit(benchmark::kMillisecond);

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

}  // namespace

BENCHMARK_MAIN();
