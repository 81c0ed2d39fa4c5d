#pragma once
// The project's page list as the page selections, the wizard and the batch
// runs fill it: the list itself, the filter that keeps the search form's own
// files out of it, and the merge of the list into the project's pages.
#include <string>
#include <string_view>

#include "platform/base/StringList.h"

namespace core {
class TProjekt;
}

namespace desktop {

// The list the walk fills: sorted, duplicates ignored.
void MakeUrlList(platform::TStringList& urls);

// Whether the URL names one of the search form's own files: its last path
// segment equals, ignoring case, the project's JavaScript database or one of
// its four frame pages. The walker returns absolute URLs, so the bare file
// names alone would never match one.
bool IsSearchFormFile(const core::TProjekt& project, std::string_view url);

// Deletes the search form's own files from the list; stops early once abort
// is set.
void DropSearchFormFiles(const core::TProjekt& project, platform::TStringList& urls, const bool& abort);

// Brings the project's pages in line with the list: a page whose URL is in
// the list (exact, case-sensitive) stays with everything it holds, the others
// are freed, and each URL left over becomes a new page at the end, in list
// order. The entries that matched a page are deleted from the list. The
// addresses are whatever the program's pages hold (URLs, or paths relative
// to the source folder); the profile makes the new pages.
void MergeFileList(core::TProjekt& project, platform::TStringList& urls);

}  // namespace desktop
