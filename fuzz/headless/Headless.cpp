// What the page scanner's source links besides the tokenizer, for the fuzz
// targets that scan: the string table lives in the programs' resources, and
// the project is never asked by the steps the targets drive.
#include <cstdlib>

#include "core/Texts.h"
#include "core/projektVerwaltung.h"

namespace core {

// The marks of the JavaScript lines as the string tables hold them; every
// other text a format that shows its arguments.
std::string LoadStr(Txt id) {
  switch (id) {
    case Txt::JsContinuation: return "\" +";
    case Txt::JsClosing: return "\";";
    default: return "%s";
  }
}

std::string FormatStr(const std::string& format, std::initializer_list<std::string> args) {
  std::string out = format;
  for (const std::string& a : args) out += a;
  return out;
}

void TProjekt::RemoveStopWords(int) { std::abort(); }

}  // namespace core
