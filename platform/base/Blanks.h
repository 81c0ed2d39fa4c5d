#pragma once
// Blanks at the ends of a text: the blank and every control character below
// it, as the programs' texts (page words, list entries, typed fields, header
// values) are cleaned before use. A format with blanks of its own (INI lines,
// HTML attributes) trims with its own set.
#include <string>
#include <string_view>

namespace platform {

// The blank and the control characters (code page 1252 bytes up to 0x20).
constexpr bool IsBlankOrControl(unsigned char c) { return c <= ' '; }

// The blank, the tab and the line breaks: what the system puts around its
// messages and a hand-written line may carry.
constexpr bool IsBlankOrLineBreak(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// text without the bytes isBlank(char) accepts at either end.
template <class IsBlank>
constexpr std::string_view TrimmedView(std::string_view text, IsBlank isBlank) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// text without blanks and control characters at either end.
constexpr std::string_view TrimmedView(std::string_view text) {
  return TrimmedView(text, [](char c) { return IsBlankOrControl(static_cast<unsigned char>(c)); });
}

inline std::string Trimmed(std::string_view text) { return std::string(TrimmedView(text)); }

template <class IsBlank>
std::string Trimmed(std::string_view text, IsBlank isBlank) {
  return std::string(TrimmedView(text, isBlank));
}

}  // namespace platform
