#pragma once
// Pellinova's own texts, by number in its string table (texts/pellinova.rc).
// The shared code never loads them, so they need no symbolic id of the core.
// Load(n) follows the language; Fixed(n) always reads the program file, for
// what stored or generated files depend on (folder and file names, the lines
// of the XML export), so a language module cannot change a file format.
#include <string>

#include "core/Texts.h"
#include "platform/base/Resources.h"

namespace pellinova::txt {

// Progress captions and messages.
constexpr unsigned kCapSearchFiles = 65240;      // " - Suche nach Dateien"
constexpr unsigned kCapSearchExtension = 65241;  // " - Suche nach %s-Dateien"
constexpr unsigned kCapAnalyseFiles = 65242;     // " - Analysiere Dateien"
constexpr unsigned kCapCopyRest = 65243;         // " - Kopiere restliche Dateien"
constexpr unsigned kMsgParamMissing = 65244;     // "Die Parameterdatei\r\r%s\r\rexistiert nicht. ..."
constexpr unsigned kMsgFileInUse = 65245;        // "Eventuell wird die Datei\r\r%s\%s\r\r..."
constexpr unsigned kActPageTestEof = 65246;      // "%s\%s Dateiende prüfen"
constexpr unsigned kActPageRead = 65247;         // "%s\%s lesen"
constexpr unsigned kCapNoProject = 65248;        // " - Kein Projekt aktiv"
constexpr unsigned kFmtProjectCaption = 65249;   // "%s - %s": program title, project file
constexpr unsigned kMsgFilesSkipped = 65288;     // "Folgende Dateien wurden übersprungen, ...%s"

// The batch mode's parameter files.
constexpr unsigned kProjekteFolder = 65250;  // "projekte"
constexpr unsigned kParamDefault = 65251;    // "auto.lvq"
constexpr unsigned kParamExtension = 65252;  // ".lvq"

// Part names of the letter files beside "a" ... "z".
constexpr unsigned kPartNumber = 65253;  // "number"
constexpr unsigned kPartOther = 65254;   // "other"

// The lines of the XML export, and what its values become.
constexpr unsigned kXmlDeclaration = 65260;
constexpr unsigned kXmlCommentOpen = 65261;
constexpr unsigned kXmlCreatedBy = 65262;    // "Created by %s %s": program title, version
constexpr unsigned kXmlLastUpdated = 65263;  // "Last updated: %s, %s": date, time
constexpr unsigned kXmlCommentClose = 65264;
constexpr unsigned kXmlRootOpen = 65265;
constexpr unsigned kXmlProgramOpen = 65266;  // "  <Pellinova version=\"%s\">"
constexpr unsigned kXmlDocumentOpen = 65267;
constexpr unsigned kXmlUrl = 65268;
constexpr unsigned kXmlDescription = 65269;
constexpr unsigned kXmlKeyword = 65270;
constexpr unsigned kXmlDocumentClose = 65271;
constexpr unsigned kXmlProgramClose = 65272;
constexpr unsigned kXmlRootClose = 65273;
constexpr unsigned kXmlBold = 65274;            // "<b>": removed from a description
constexpr unsigned kXmlTitleBreak = 65275;      // "</b><br>": between title and META description ...
constexpr unsigned kXmlTitleSeparator = 65276;  // " -- ": ... becomes this
constexpr unsigned kXmlAmpersand = 65277;       // "&amp;"
constexpr unsigned kXmlLessThan = 65278;        // "&lt;"

// The project dialogs (texts/windows.rc).
constexpr unsigned kCapHtmlFolder = 65161;       // "HTML-Verzeichnis wählen"
constexpr unsigned kMsgDifferentDrives = 65162;  // "Sie haben unterschiedliche Laufwerke\r..."

// The main window.
constexpr unsigned kStNotApplicable = 65163;  // "n/a"
constexpr unsigned kStRelative = 65164;       // "relativ, falls selbes Laufwerk"
constexpr unsigned kStAbsolute = 65165;       // "absolut"
constexpr unsigned kReferencePage = 65166;    // "dunmeral\doc\index.htm", below the program folder

inline std::string Load(unsigned number) { return core::LoadStr(number); }
inline std::string Fixed(unsigned number) { return platform::LoadResString(number, true).value_or(std::string()); }

}  // namespace pellinova::txt
