// What the page steps and the line builders link besides themselves, for
// the fuzz targets that scan: the string table lives in the programs'
// resources.
#include "core/Texts.h"

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

}  // namespace core
