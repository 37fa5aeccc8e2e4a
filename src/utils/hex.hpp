#pragma once

#include <cstdint>
#include <string>

// Upper-case hexadecimal text of `value`, zero-padded to at least `width` digits. With
// `abbreviate`, the text is shortened to its first two and last four digits around "..";
// callers ask for that only for texts of nine or more digits.
std::string toHex(uint64_t value, int width, bool abbreviate = false);
