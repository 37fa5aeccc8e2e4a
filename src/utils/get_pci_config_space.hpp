#pragma once

#include <array>
#include <cstdint>

// Reads the 64-byte configuration header of the selected PCI function (`selectedPciDevice`
// in `pciDevices`) through the ECAM window. An index outside the list throws
// std::out_of_range before anything is mapped; a failed mapping is fatal.
void getPciConfigSpace(std::array<uint8_t, 64>& header);
