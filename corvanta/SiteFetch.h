#pragma once
// From a web site to the project's page list: the walk over the site, the
// filter that keeps the search form's own files out of the list, and the
// merge of the list into the project's pages. The batch run, the page
// selection dialog and the wizard share them.
#include <string>
#include <string_view>

#include "net/UHTTP.h"
#include "platform/base/StringList.h"

namespace core {
class THinweisDlg;
class TProjekt;
}

namespace corvanta {

// The walk in a progress window: the label shows each page (shortened), the
// bar steps with each link, and the window closed is the user's cancel.
class TWindowWalkProgress : public net::TWalkProgress {
 public:
  explicit TWindowWalkProgress(core::THinweisDlg& window) : window_(window) {}
  void ShowPage(const std::string& url) override;
  bool NextLink() override;

 private:
  core::THinweisDlg& window_;
};

// The list the walk fills: sorted, duplicates ignored.
void MakeUrlList(platform::TStringList& urls);

// Walks the project's site (its start address, login and page extensions)
// through the program's HTTP client under a progress window with the given
// caption; urls receives the pages found. Closing the window sets abort.
// With bodies, the pages fetched are kept there for the index run. A run
// that hands its progress window from step to step passes it as window.
void WalkSite(const core::TProjekt& project, const net::TProxySettings& proxy, const std::string& caption,
              platform::TStringList& urls, bool& abort, net::TPageBodies* bodies = nullptr,
              core::THinweisDlg* window = nullptr);

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

}  // namespace corvanta
