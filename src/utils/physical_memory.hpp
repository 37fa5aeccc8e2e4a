#pragma once

#include <cstddef>
#include <cstdint>

#include "utils/report_error.hpp"

// Physical memory through the memory device: every access maps the 4 KiB pages it needs, one
// at a time, touches them and unmaps them again, so nothing is ever cached. A failed mapping
// or unmapping is fatal and reported at `where`, the caller's own source location.

inline constexpr uint64_t kPageSize = 4096;

// Reads `count` bytes from `address` on (wrapping modulo 2^64), one single-byte volatile load
// per byte, in ascending order; each byte comes from a mapping of the page that holds it.
void readPhysical(int fd, uint64_t address, uint8_t* out, size_t count, SourceLocation where);

// Stores `value` at `address` with one single-byte volatile store; nothing is read.
void writePhysicalByte(int fd, uint64_t address, uint8_t value, SourceLocation where);
