#pragma once
// Blanks at the ends of a text: the blank and every control character below
// it, as the programs' texts (page words, list entries, typed fields, header
// values) are cleaned before use.
#include <string>
#include <string_view>

namespace platform {

// The blank and the control characters (code page 1252 bytes up to 0x20).
constexpr bool IsBlankOrControl(unsigned char c) { return c <= ' '; }

// text without blanks and control characters at either end.
constexpr std::string_view TrimmedView(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && IsBlankOrControl(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

inline std::string Trimmed(std::string_view text) { return std::string(TrimmedView(text)); }

}  // namespace platform
