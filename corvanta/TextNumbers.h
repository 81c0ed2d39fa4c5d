#pragma once
// Corvanta's own texts, by number in its string table (texts/corvanta.rc).
// The shared code never loads them, so they need no symbolic id of the core.
// Load(n) follows the language; Fixed(n) always reads the program file, for
// what files and folders on disk depend on (the folder of projects, the
// project extension, the default parameter file), so a language module
// cannot move them.

// Command line and batch mode.
#define IDS_PROJEKTE_FOLDER 65240  // "projekte"
#define IDS_PROJECT_EXT 65241      // ".ovk"
#define IDS_PARAM_DEFAULT 65242    // "auto.ovk"
#define IDS_PARAM_MISSING 65243    // "Die Parameterdatei\r\r%s\r\rexistiert nicht. ..."
#define IDS_CAP_SUCHE 65244        // " - Suche nach Web-Seiten"
#define IDS_CAP_ANALYSE 65245      // " - Analysiere Web-Seiten"
#define IDS_CAP_KOPIERE 65246      // " - Kopiere restliche Dateien"

// Neither needed nor readable by the resource compiler.
#ifndef RC_INVOKED
#include <string>

#include "core/Texts.h"
#include "platform/base/Resources.h"

namespace corvanta::txt {

inline std::string Load(unsigned number) { return core::LoadStr(number); }
inline std::string Fixed(unsigned number) { return platform::LoadResString(number, true).value_or(std::string()); }

}  // namespace corvanta::txt
#endif
