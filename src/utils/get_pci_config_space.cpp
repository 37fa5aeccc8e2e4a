#include "utils/get_pci_config_space.hpp"

#include "shared_state.hpp"
#include "utils/pci_discovery.hpp"
#include "utils/physical_memory.hpp"

void getPciConfigSpace(std::array<uint8_t, 64>& header) {
  const PciDeviceEntry& entry =
      sharedState.pciDevices->at(static_cast<size_t>(*sharedState.selectedPciDevice));
  readPhysical(*sharedState.memFd, ecamAddress(*sharedState.mcfgBaseAddress, entry), header.data(),
               header.size(), MEMQUILL_HERE);
}
