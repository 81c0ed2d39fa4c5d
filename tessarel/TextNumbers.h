#pragma once
// Tessarel's own texts, by number in its string table (texts/tessarel.rc).
// The shared code never loads them, so they need no symbolic id of the core.
// Load(n) follows the language; Fixed(n) always reads the program file, for
// what stored files depend on (key names, page markers and formats, default
// file names), so a language module cannot change a file format.

// The project file's names and defaults are in tessarel/ProjectFile.h.
// The interactive project.
#define IDS_PROJEKTE_FOLDER 65266  // "projekte"
#define IDS_DIALOG_PROJECT 65267   // "\dialog.tzn"

// The analysis run and its keyword pages.
#define IDS_TITLE_SUCHE 65268        // " - Suche..."
#define IDS_CAPTION_SUCHE 65269      // " - Suche nach Dateien"
#define IDS_TITLE_ANALYSE 65270      // " - Analysiere..."
#define IDS_CAPTION_ANALYSE 65271    // " - Analysiere Dateien"
#define IDS_TITLE_PERCENT 65272      // "%s - %s%%"
#define IDS_SUCHE_SCHLAGWORTE 65273  // "Suche Schlagworte ..."
#define IDS_SHOWN_WORD 65274         // "%s..."
#define IDS_EXCLUDE_ALWAYS 65275     // ",htm,html"
#define IDS_PAGE_EXT 65276           // ".htm"
#define IDS_MARK_FILENAME 65277
#define IDS_MARK_KEYWORDS 65278
#define IDS_MARK_DATE 65279
#define IDS_FMT_ANCHOR 65280         // "A%s"
#define IDS_FMT_LETTER_LINK 65281
#define IDS_FMT_HEADING 65282
#define IDS_FMT_WORDS 65283
#define IDS_FMT_LINKS 65284
#define IDS_FMT_DATE_LINE 65285
#define IDS_FMT_FOOTER 65286

// Start-up and batch mode.
#define IDS_PARAM_EXT 65287      // ".tzn"
#define IDS_PARAM_DEFAULT 65288  // "auto.tzn"
#define IDS_ERROR_EXT 65289      // ".ERR"
#define IDS_PARAM_MISSING 65290
#define IDS_VERSION 65291

// The settings and the main window's file dialog.
#define IDS_ALL_FILES 65293       // "|Alle Dateien (*.*)|*.*"
#define IDS_ALL_FILES_WINE 65294  // "|Alle Dateien (*)|*"

// The analysis settings dialog (texts/windows.rc).
#define IDS_EXCLUSION_REMOVED 65188
#define IDS_EXCLUSION_QUESTION 65189
#define IDS_WIDTH_ABOVE_MAXIMUM 65190
#define IDS_WIDTH_BELOW_MINIMUM 65191
#define IDS_DIFFERENT_DRIVES 65192
#define IDS_NEW_FOLDER_CAPTION 65193
#define IDS_NEW_FOLDER_PROPOSAL 65194  // "Quarvelin-Rahmen"
#define IDS_FOLDER_NOT_CREATED 65195

// The main window.
#define IDS_SUMMARY 65196
#define IDS_AUTOMATION_ERRORS 65197
#define IDS_NOTHING_ANALYSED 65198
#define IDS_VIEW_TITLE 65199
#define IDS_VIEW_FILTER 65225
#define IDS_VIEW_PATTERN 65226  // "\*.htm"
#define IDS_DRIVE_ROOT_QUESTION 65230
#define IDS_DOCUMENTS_SKIPPED 65236
#define IDS_FILE_NAME_OUTSIDE 65237

// The stop-character editor.
#define IDS_STOP_CHAR_TITLE 65227
#define IDS_STOP_CHAR_IMPORT 65228
#define IDS_STOP_CHAR_EMPTY 65229

// Neither needed nor readable by the resource compiler.
#ifndef RC_INVOKED
#include <string>

#include "core/Texts.h"
#include "platform/base/Resources.h"
#include "tessarel/ProjectFile.h"

namespace tessarel::txt {

inline std::string Load(unsigned number) { return core::LoadStr(number); }
inline std::string Fixed(unsigned number) { return platform::LoadResString(number, true).value_or(std::string()); }

}  // namespace tessarel::txt
#endif
