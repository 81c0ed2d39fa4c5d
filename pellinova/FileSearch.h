#pragma once
// The search of a project's source folder for the files to index: the one
// operation the batch run, the main window's wizard and the page selection
// dialog share.
#include <string>

namespace core {
class THinweisDlg;
struct ProjectSettings;
}  // namespace core

namespace platform {
class TStringList;
}

namespace pellinova {

// Adds to list the files below base that match mask: a sub-path below base
// (empty at the top) and a pattern "*." + one extension. Sub-folders are
// searched first, each before the folder's own files; folders whose name
// begins with "." are not entered. A file counts only when its extension
// equals the pattern's exactly, letter case included ("*.htm" takes neither
// "a.html" nor "INDEX.HTM"). Entries are relative to base (relative) or full
// paths. window shows the folder searched and must stay visible: when it is
// hidden, abort is set and the whole search stops; a search that finds abort
// set does nothing. A file that the run could not open by its name (a
// character outside the code page or reserved by Windows, or a path of
// MAX_PATH characters or more) is not listed but added to skipped, relative
// to base, and so is a folder whose name no path can hold (with its "\").
void SearchFilesRecursive(core::THinweisDlg& window, const std::string& base, bool& abort, bool relative,
                          platform::TStringList& list, const std::string& mask,
                          platform::TStringList* skipped = nullptr);

// Every extension of the project's list ("htm,html"; the pieces are not
// trimmed, an empty last piece is not searched) below HTMLVerzeichnis, each
// under its own window caption; the entries are relative paths.
void SearchSourceFiles(core::THinweisDlg& window, const core::ProjectSettings& settings, bool& abort,
                       platform::TStringList& list, platform::TStringList* skipped = nullptr);

// The same below root for a list of extensions as typed.
void SearchExtensions(core::THinweisDlg& window, const std::string& root, const std::string& extensions, bool& abort,
                      platform::TStringList& list, platform::TStringList* skipped = nullptr);

// One warning naming the files a search skipped; nothing when there are none.
void ReportSkippedFiles(const platform::TStringList& skipped);

// Removes the search form's own files from a search result (relative paths):
// every entry whose file name is that of the JavaScript database or one of
// the four frame pages (compared ignoring case), in whatever folder, and,
// when the target folder lies below the source folder, every entry in it,
// where each run writes the search form anew. Stops early when abort is set.
void DropSearchFormFiles(const core::ProjectSettings& settings, platform::TStringList& list, const bool& abort);

}  // namespace pellinova
