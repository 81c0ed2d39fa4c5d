#pragma once
// From a web site to the project's page list: the walk over the site (the
// list's filter and merge are desktop/PageList.h). The batch run, the page
// selection dialog and the wizard share it.
#include <string>

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

// Walks the project's site (its start address, login and page extensions)
// through the program's HTTP client under a progress window with the given
// caption; urls receives the pages found. Closing the window sets abort.
// With bodies, the pages fetched are kept there for the index run. A run
// that hands its progress window from step to step passes it as window.
void WalkSite(const core::TProjekt& project, const net::TProxySettings& proxy, const std::string& caption,
              platform::TStringList& urls, bool& abort, net::TPageBodies* bodies = nullptr,
              core::THinweisDlg* window = nullptr);

}  // namespace corvanta
