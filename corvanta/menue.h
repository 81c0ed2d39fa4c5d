#pragma once
// Corvanta's main window: the indexers' main window over a web site. Its
// pages come from a walk over the site, its runs fetch them over HTTP
// through the program's client and its proxy, and "Editieren" chooses them
// in the site's page selection.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/IndexerWindow.h"
#include "platform/base/StringList.h"

namespace corvanta {

class TMarbelkosteHaupt : public desktop::TIndexerWindow {
 public:
  // layouts: the running program's variants of the shared forms.
  // layoutChain: the window's layout, then the running program's variant.
  explicit TMarbelkosteHaupt(desktop::SharedLayouts layouts = {},
                             std::vector<std::string> layoutChain = {"TMarbelkosteHaupt"});

  void CollectPages(platform::TStringList& urls, bool& abort) override { FetchSitePages(urls, abort); }
  // Walks the project's site into urls (sorted, duplicates ignored) without
  // the search form's own files; abort is set when the walk was cancelled.
  void FetchSitePages(platform::TStringList& urls, bool& abort);

 protected:
  bool FetchesOverHttp() const override { return true; }
  void GenerateRun(bool silent, bool& abort) override;
  std::function<int()> MakePageSelection() override;
  std::unique_ptr<desktop::TWizardPage> MakeSourcePage(desktop::WizardServices services) override;
};

}  // namespace corvanta
