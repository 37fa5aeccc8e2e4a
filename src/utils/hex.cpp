#include "utils/hex.hpp"

std::string toHex(uint64_t value, int width, bool abbreviate) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char reversed[16];
  int count = 0;
  do {
    reversed[count++] = kDigits[value & 0xF];
    value >>= 4;
  } while (value != 0);

  std::string text;
  if (width > count) {
    text.assign(static_cast<size_t>(width - count), '0');
  }
  while (count > 0) {
    text.push_back(reversed[--count]);
  }
  // Texts too short to lose a digit stay whole.
  if (abbreviate && text.size() >= 6) {
    text.replace(2, text.size() - 6, "..");
  }
  return text;
}
