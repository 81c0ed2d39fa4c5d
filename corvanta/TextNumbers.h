#pragma once
// Corvanta's own texts, by number in its string table (texts/corvanta.rc).
// The shared code never loads them, so they need no symbolic id of the core.
// Load(n) follows the language; Fixed(n) always reads the program file, for
// what files and folders on disk depend on (the folder of projects, the
// project extension, the default parameter file), so a language module
// cannot move them.
#include <string>

#include "core/Texts.h"
#include "platform/base/Resources.h"

namespace corvanta::txt {

// Command line and batch mode.
constexpr unsigned kProjekteFolder = 65240;  // "projekte"
constexpr unsigned kProjectExt = 65241;      // ".ovk"
constexpr unsigned kParamDefault = 65242;    // "auto.ovk"
constexpr unsigned kParamMissing = 65243;    // "Die Parameterdatei\r\r%s\r\rexistiert nicht. ..."
constexpr unsigned kCapSuche = 65244;        // " - Suche nach Web-Seiten"
constexpr unsigned kCapAnalyse = 65245;      // " - Analysiere Web-Seiten"
constexpr unsigned kCapKopiere = 65246;      // " - Kopiere restliche Dateien"

inline std::string Load(unsigned number) { return core::LoadStr(number); }
inline std::string Fixed(unsigned number) { return platform::LoadResString(number, true).value_or(std::string()); }

}  // namespace corvanta::txt
