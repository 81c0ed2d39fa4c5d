#pragma once
// What the fuzz targets share: a check that stops the run with a message
// (libFuzzer then keeps the input that broke it).
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                          \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (0)

// Bytes for the report of a failed check: printable ones as they are, the
// rest as \xNN.
inline void FuzzDump(const char* label, std::string_view bytes) {
  std::fprintf(stderr, "%s: ", label);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    std::fprintf(stderr, c >= 32 && c < 127 && c != '\\' ? "%c" : "\\x%02x", c);
  }
  std::fprintf(stderr, "\n");
}
