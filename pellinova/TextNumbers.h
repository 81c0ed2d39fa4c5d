#pragma once
// Pellinova's own texts, by number in its string table (texts/pellinova.rc).
// The shared code never loads them, so they need no symbolic id of the core.
// Load(n) follows the language; Fixed(n) always reads the program file, for
// what stored or generated files depend on (folder and file names, the lines
// of the XML export), so a language module cannot change a file format.

// Progress captions and messages.
#define IDS_CAP_SEARCH_FILES 65240      // " - Suche nach Dateien"
#define IDS_CAP_SEARCH_EXTENSION 65241  // " - Suche nach %s-Dateien"
#define IDS_CAP_ANALYSE_FILES 65242     // " - Analysiere Dateien"
#define IDS_CAP_COPY_REST 65243         // " - Kopiere restliche Dateien"
#define IDS_MSG_PARAM_MISSING 65244     // "Die Parameterdatei\r\r%s\r\rexistiert nicht. ..."
#define IDS_MSG_FILE_IN_USE 65245       // "Eventuell wird die Datei\r\r%s\%s\r\r..."
#define IDS_ACT_PAGE_TEST_EOF 65246     // "%s\%s Dateiende prüfen"
#define IDS_ACT_PAGE_READ 65247         // "%s\%s lesen"
#define IDS_CAP_NO_PROJECT 65248        // " - Kein Projekt aktiv"
#define IDS_FMT_PROJECT_CAPTION 65249   // "%s - %s": program title, project file
#define IDS_MSG_FILES_SKIPPED 65288     // "Folgende Dateien wurden übersprungen, ...%s"

// The batch mode's parameter files.
#define IDS_PROJEKTE_FOLDER 65250  // "projekte"
#define IDS_PARAM_DEFAULT 65251    // "auto.lvq"
#define IDS_PARAM_EXTENSION 65252  // ".lvq"

// Part names of the letter files beside "a" ... "z".
#define IDS_PART_NUMBER 65253  // "number"
#define IDS_PART_OTHER 65254   // "other"

// The lines of the XML export, and what its values become.
#define IDS_XML_DECLARATION 65260
#define IDS_XML_COMMENT_OPEN 65261
#define IDS_XML_CREATED_BY 65262       // "Created by %s %s": program title, version
#define IDS_XML_LAST_UPDATED 65263     // "Last updated: %s, %s": date, time
#define IDS_XML_COMMENT_CLOSE 65264
#define IDS_XML_ROOT_OPEN 65265
#define IDS_XML_PROGRAM_OPEN 65266     // "  <Pellinova version=\"%s\">"
#define IDS_XML_DOCUMENT_OPEN 65267
#define IDS_XML_URL 65268
#define IDS_XML_DESCRIPTION 65269
#define IDS_XML_KEYWORD 65270
#define IDS_XML_DOCUMENT_CLOSE 65271
#define IDS_XML_PROGRAM_CLOSE 65272
#define IDS_XML_ROOT_CLOSE 65273
#define IDS_XML_BOLD 65274             // "<b>": removed from a description
#define IDS_XML_TITLE_BREAK 65275      // "</b><br>": between title and META description ...
#define IDS_XML_TITLE_SEPARATOR 65276  // " -- ": ... becomes this
#define IDS_XML_AMPERSAND 65277        // "&amp;"
#define IDS_XML_LESS_THAN 65278        // "&lt;"

// The project dialogs (texts/windows.rc).
#define IDS_CAP_HTML_FOLDER 65161       // "HTML-Verzeichnis wählen"
#define IDS_MSG_DIFFERENT_DRIVES 65162  // "Sie haben unterschiedliche Laufwerke\r..."

// The main window.
#define IDS_ST_NOT_APPLICABLE 65163  // "n/a"
#define IDS_ST_RELATIVE 65164        // "relativ, falls selbes Laufwerk"
#define IDS_ST_ABSOLUTE 65165        // "absolut"
#define IDS_REFERENCE_PAGE 65166     // "dunmeral\doc\index.htm", below the program folder

// Neither needed nor readable by the resource compiler.
#ifndef RC_INVOKED
#include <string>

#include "core/Texts.h"
#include "platform/base/Resources.h"

namespace pellinova::txt {

inline std::string Load(unsigned number) { return core::LoadStr(number); }
inline std::string Fixed(unsigned number) { return platform::LoadResString(number, true).value_or(std::string()); }

}  // namespace pellinova::txt
#endif
