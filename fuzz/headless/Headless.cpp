// What the page steps, the line builders and the project file link besides
// themselves, for the fuzz targets: the string table lives in the programs'
// resources.
#include "core/Texts.h"

namespace core {

// The marks of the JavaScript lines and the project file's defaults as the
// string tables hold them; every other text a format that shows its
// arguments.
std::string LoadStr(Txt id) {
  switch (id) {
    case Txt::JsContinuation: return "\" +";
    case Txt::JsClosing: return "\";";
    case Txt::DefDrive: return "C:";
    case Txt::DefWebSite: return "http://";
    case Txt::DefStand: return "Noch nicht erzeugt";
    case Txt::DefVorlagenVerzeichnis: return "vorlage\\Search_Standard";
    default: return "%s";
  }
}

std::string FormatStr(const std::string& format, std::initializer_list<std::string> args) {
  std::string out = format;
  for (const std::string& a : args) out += a;
  return out;
}

}  // namespace core
