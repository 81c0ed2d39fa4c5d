#pragma once
// The files of a generated search form: the database the run wrote and the
// template's other files, which are copied into the target folder beside it.
#include <cstdint>
#include <string>

#include "platform/base/StringList.h"

namespace core {

class TProjekt;
class THinweisDlg;

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

// Whether destination is a copy of source that was cut off: shorter than
// source, and its bytes are source's first ones (an empty file too). Such a
// file is left by a copy that a kill or a full disk ended.
bool IsCutOffCopy(const std::string& source, const std::string& destination);

// How the copy of the remaining template files ended.
enum class CopyOutcome {
  Done,
  Cancelled,  // the user closed the progress window
  Failed,     // a file step given up
};

// Copies each template file whose name does not exist in the target folder
// yet, or whose copy there was cut off (IsCutOffCopy), under a progress
// window with the given caption; any other existing file is never
// overwritten (the user may have changed it), and no file is copied onto
// itself. A copy that is cancelled or given up sets abort and ends the step
// after that file. A run that hands its progress window from step to step
// passes it as window; without one the step builds its own.
CopyOutcome CopyRemainingTemplateFiles(const core::TProjekt& project, const std::string& caption, bool& abort,
                                       THinweisDlg* window = nullptr);

}  // namespace core
