#pragma once
// Comparing sort keys fast: unsigned byte order eight bytes at a time (the
// runtime's memcmp compares byte by byte, and sorting compares keys often),
// and a key's first eight bytes as one number, where most comparisons end.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace platform {

inline std::uint64_t BigEndian64(const char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return __builtin_bswap64(v);
}

// Unsigned byte order, then the shorter first.
inline int ByteOrder(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const std::uint64_t x = BigEndian64(a.data() + i);
    const std::uint64_t y = BigEndian64(b.data() + i);
    if (x != y) return x < y ? -1 : 1;
  }
  for (; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// The first eight bytes as a number, zeros after a shorter text: two heads
// that differ order as their texts do.
inline std::uint64_t HeadOf(std::string_view s) {
  if (s.size() >= 8) return BigEndian64(s.data());
  char bytes[8] = {};
  std::memcpy(bytes, s.data(), s.size());
  return BigEndian64(bytes);
}

}  // namespace platform
