#pragma once
// The steps of an index run that the main window's run and the batch run
// share: the checks before it, the generation of the database, the size of
// the database, and the copy of the template's other files into the target
// folder.
#include <cstdint>
#include <string>

#include "platform/base/StringList.h"

namespace core {
class PageSource;
class ReviewDialogs;
class TProjekt;
}  // namespace core

namespace corvanta {

// The first check of a run that fails.
enum class RunCheck {
  Passed,
  StopWordList,    // StopwortListeVerwenden, and the list is not in the template folder
  TargetFolder,    // ZielVerzeichnis is no folder
  TemplateFolder,  // VorlagenVerzeichnis is no folder
};

// The stop-word list is checked always; the folders only while abort is clear
// (a set abort flag lets the run do nothing anyway). A failed check sets abort.
RunCheck CheckRunSettings(const core::TProjekt& project, bool& abort);

// Empties the words and the glossary of the last run and generates the
// database under a progress window with the given caption that counts its
// time from now. dialogs may be null (no review dialogs are opened then);
// silent opens none either. abort tells whether the run was cancelled or
// failed.
void GenerateIndex(core::TProjekt& project, core::PageSource& pages, core::ReviewDialogs* dialogs, bool silent,
                   const std::string& caption, bool& abort);

// The path of the generated database: ZielVerzeichnis (one trailing "\"
// dropped) + "\" + JavascriptDatei.
std::string IndexFilePath(const core::TProjekt& project);
// Its size in bytes; 0 when it is missing or cannot be opened.
std::int32_t IndexFileSize(const core::TProjekt& project);

// The template's files that belong to a search form, with full paths:
// "*.htm", "*.html", "*.gif", "*.jpg", "*.js" in the template folder (not
// below it), sorted, without the JavaScript database (which the run writes
// from the template's copy).
void TemplateFiles(const core::TProjekt& project, platform::TStringList& files);

// Copies each template file whose name does not exist in the target folder
// yet, under a progress window with the given caption; an existing file is
// never overwritten (the user may have changed it), and so no file is copied
// onto itself. A copy that is cancelled or given up sets abort and ends the
// step after that file.
void CopyRemainingTemplateFiles(const core::TProjekt& project, const std::string& caption, bool& abort);

}  // namespace corvanta
