#pragma once
// Tessarel's own texts, by number in its string table (texts/tessarel.rc).
// The shared code never loads them, so they need no symbolic id of the core.
// Load(n) follows the language; Fixed(n) always reads the program file, for
// what stored files depend on (key names, page markers and formats, default
// file names), so a language module cannot change a file format.
#include <string>

#include "core/Texts.h"
#include "platform/base/Resources.h"

namespace tessarel::txt {

// The project file.
constexpr unsigned kSecEinstellungen = 65240;
constexpr unsigned kKeySchlagwortbreiteMin = 65241;
constexpr unsigned kKeySchlagwortbreiteMax = 65242;
constexpr unsigned kKeyAnzahlSchlagworteMax = 65243;
constexpr unsigned kKeySchlagwortbreiteVerwenden = 65244;
constexpr unsigned kKeyAnzahlSchlagworteVerwenden = 65245;
constexpr unsigned kKeyOLEAutomationVerwenden = 65246;
constexpr unsigned kKeyOLEAutoPDFVerwenden = 65247;
constexpr unsigned kKeyOLEAutoDOCVerwenden = 65248;
constexpr unsigned kKeyOLEAutoXLSVerwenden = 65249;
constexpr unsigned kKeyOLEAutoPPTVerwenden = 65250;
constexpr unsigned kKeyUpdateHTMLDatei = 65251;
constexpr unsigned kKeyExcludeDateiendungen = 65252;
constexpr unsigned kKeyDokumenteVerzeichnis = 65253;
constexpr unsigned kKeyVorlagenVerzeichnis = 65254;
constexpr unsigned kKeyStopwortListe = 65255;
constexpr unsigned kKeyStopzeichenListe = 65256;
constexpr unsigned kKeyRahmen = 65257;
constexpr unsigned kKeyRahmenVerzeichnis = 65258;
constexpr unsigned kKeyGemeinsamesRahmenVerzeichnis = 65259;
constexpr unsigned kDefDrive = 65260;             // "C:"
constexpr unsigned kDefVorlagen = 65261;          // "vorlage"
constexpr unsigned kDefStopwortListe = 65262;     // "stopword.lst"
constexpr unsigned kDefStopzeichenListe = 65263;  // "stopchars.lst"
constexpr unsigned kDefRahmen = 65264;            // "extract.htm"
constexpr unsigned kDefExclude = 65265;           // the default exclusion list
constexpr unsigned kProjekteFolder = 65266;       // "projekte"
constexpr unsigned kDialogProject = 65267;        // "\dialog.tzn"

// The analysis run and its keyword pages.
constexpr unsigned kTitleSuche = 65268;        // " - Suche..."
constexpr unsigned kCaptionSuche = 65269;      // " - Suche nach Dateien"
constexpr unsigned kTitleAnalyse = 65270;      // " - Analysiere..."
constexpr unsigned kCaptionAnalyse = 65271;    // " - Analysiere Dateien"
constexpr unsigned kTitlePercent = 65272;      // "%s - %s%%"
constexpr unsigned kSucheSchlagworte = 65273;  // "Suche Schlagworte ..."
constexpr unsigned kShownWord = 65274;         // "%s..."
constexpr unsigned kExcludeAlways = 65275;     // ",htm,html"
constexpr unsigned kPageExt = 65276;           // ".htm"
constexpr unsigned kMarkFilename = 65277;
constexpr unsigned kMarkKeywords = 65278;
constexpr unsigned kMarkDate = 65279;
constexpr unsigned kFmtAnchor = 65280;     // "A%s"
constexpr unsigned kFmtLetterLink = 65281;
constexpr unsigned kFmtHeading = 65282;
constexpr unsigned kFmtWords = 65283;
constexpr unsigned kFmtLinks = 65284;
constexpr unsigned kFmtDateLine = 65285;
constexpr unsigned kFmtFooter = 65286;

// Start-up and batch mode.
constexpr unsigned kParamExt = 65287;      // ".tzn"
constexpr unsigned kParamDefault = 65288;  // "auto.tzn"
constexpr unsigned kErrorExt = 65289;      // ".ERR"
constexpr unsigned kParamMissing = 65290;
constexpr unsigned kVersion = 65291;

// The settings and the main window's file dialog.
constexpr unsigned kBrowserQuestion = 65292;
constexpr unsigned kAllFiles = 65293;      // "|Alle Dateien (*.*)|*.*"
constexpr unsigned kAllFilesWine = 65294;  // "|Alle Dateien (*)|*"

// The analysis settings dialog (texts/windows.rc).
constexpr unsigned kExclusionRemoved = 65188;
constexpr unsigned kExclusionQuestion = 65189;
constexpr unsigned kWidthAboveMaximum = 65190;
constexpr unsigned kWidthBelowMinimum = 65191;
constexpr unsigned kDifferentDrives = 65192;
constexpr unsigned kNewFolderCaption = 65193;
constexpr unsigned kNewFolderProposal = 65194;  // "Quarvelin-Rahmen"
constexpr unsigned kFolderNotCreated = 65195;

// The main window.
constexpr unsigned kSummary = 65196;
constexpr unsigned kAutomationErrors = 65197;
constexpr unsigned kNothingAnalysed = 65198;
constexpr unsigned kViewTitle = 65199;
constexpr unsigned kViewFilter = 65225;
constexpr unsigned kViewPattern = 65226;  // "\*.htm"

// The stop-character editor.
constexpr unsigned kStopCharTitle = 65227;
constexpr unsigned kStopCharImport = 65228;
constexpr unsigned kStopCharEmpty = 65229;

inline std::string Load(unsigned number) { return core::LoadStr(number); }
inline std::string Fixed(unsigned number) { return platform::LoadResString(number, true).value_or(std::string()); }

}  // namespace tessarel::txt
