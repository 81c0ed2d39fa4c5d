// The system's table behind core::SystemAnsiTable: the conversion the system
// itself uses for its ANSI functions, so that a letter reads as it would in
// any other program here.
#include <windows.h>

#include "core/Utf8.h"

namespace core {

namespace {

constexpr UINT kCodePage1252 = 1252;

class SystemTable : public AnsiTable {
 public:
  bool Lookup(char32_t character, char& ansi) const override {
    wchar_t wide[2];
    int length = 1;
    if (character >= 0x10000) {
      const char32_t rest = character - 0x10000;
      wide[0] = static_cast<wchar_t>(0xD800 + (rest >> 10));
      wide[1] = static_cast<wchar_t>(0xDC00 + (rest & 0x3FF));
      length = 2;
    } else {
      wide[0] = static_cast<wchar_t>(character);
    }
    char out[4];
    BOOL usedDefault = FALSE;
    // No WC_NO_BEST_FIT_CHARS: "Ł" may become "L".
    const int written = WideCharToMultiByte(kCodePage1252, 0, wide, length, out, sizeof out, nullptr, &usedDefault);
    if (written != 1 || usedDefault) return false;
    ansi = out[0];
    return true;
  }
};

}  // namespace

const AnsiTable& SystemAnsiTable() {
  static const SystemTable table;
  return table;
}

}  // namespace core
