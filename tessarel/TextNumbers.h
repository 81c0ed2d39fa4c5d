#pragma once
// Tessarel's own texts, by number in its string table (texts/tessarel.rc).
// The shared code never loads them, so they need no symbolic id of the core.
// Load(n) follows the language; Fixed(n) always reads the program file, for
// what stored files depend on (key names, page markers and formats, default
// file names), so a language module cannot change a file format.
#include <string>

#include "core/Texts.h"
#include "platform/base/Resources.h"
#include "tessarel/ProjectFile.h"

namespace tessarel::txt {

// The project file's names and defaults are in tessarel/ProjectFile.h.
// The interactive project.
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
constexpr unsigned kDriveRootQuestion = 65230;
constexpr unsigned kDocumentsSkipped = 65236;
constexpr unsigned kFileNameOutside = 65237;

// The stop-character editor.
constexpr unsigned kStopCharTitle = 65227;
constexpr unsigned kStopCharImport = 65228;
constexpr unsigned kStopCharEmpty = 65229;

inline std::string Load(unsigned number) { return core::LoadStr(number); }
inline std::string Fixed(unsigned number) { return platform::LoadResString(number, true).value_or(std::string()); }

}  // namespace tessarel::txt
