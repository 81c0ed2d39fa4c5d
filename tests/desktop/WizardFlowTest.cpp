// The search-form wizard's chain of pages over scripted results.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "desktop/WizardFlow.h"
#include "platform/gui/Dialogs.h"

namespace {

using namespace desktop;
using platform::mrCancel;
using platform::mrOk;
using platform::mrRetry;
using platform::mrYes;

struct FakeSteps : WizardSteps {
  std::deque<int> results;
  std::deque<int> found;  // pages each walk finds; -1: cancelled
  bool opens = true;
  bool runs = true;
  std::vector<int> shown;
  std::string log;

  int ShowPage(int page) override {
    shown.push_back(page);
    if (results.empty()) return mrCancel;
    const int r = results.front();
    results.pop_front();
    return r;
  }
  void AlignPages(int) override {}
  bool OpenNamedProject() override {
    log += "open ";
    return opens;
  }
  bool FetchSitePages(platform::TStringList& urls) override {
    log += "walk ";
    const int n = found.empty() ? 1 : found.front();
    if (!found.empty()) found.pop_front();
    for (int i = 0; i < n; ++i) urls.Add("http://h/" + std::to_string(i));
    return n >= 0;
  }
  void MergeFileList(platform::TStringList& urls) override { log += "merge" + std::to_string(urls.Count()) + " "; }
  bool RunIndex() override {
    log += "run ";
    return runs;
  }
  void ClearAbort() override { log += "clear "; }
  void NoPagesFound() override { log += "319 "; }
  void SaveProject() override { log += "save "; }
  void TestSearchForm() override { log += "test "; }
};

TEST(WizardChain, PagesFollowTheResults) {
  struct Case {
    std::vector<int> results;
    std::vector<int> found;
    bool opens, runs;
    std::vector<int> shown;
    std::string log;
    bool cancelled;
  };
  const Case cases[] = {
      // Through to "Fertig", testing the form on the way.
      {{mrOk, mrOk, mrOk, mrOk, mrOk, mrOk, mrRetry, mrOk}, {2}, true, true,
       {0, 1, 2, 3, 4, 5, 6, 6}, "open walk merge2 run test save ", false},
      // No page found: the warning and the site page again.
      {{mrOk, mrOk, mrOk, mrOk, mrOk, mrOk}, {0}, true, true, {0, 1, 2, 3, 4, 5, 3}, "open walk 319 ", true},
      // A cancelled walk and a failed run both clear the flag and go back.
      {{mrOk, mrOk, mrOk, mrOk, mrOk, mrOk, mrOk, mrOk, mrOk}, {-1, 1}, true, false,
       {0, 1, 2, 3, 4, 5, 3, 4, 5, 3}, "open walk clear walk merge1 run clear ", true},
      // Back from the target page and from the last page.
      {{mrOk, mrYes, mrOk, mrOk, mrOk, mrYes, mrOk, mrOk, mrYes, mrOk, mrOk, mrOk, mrYes, mrCancel}, {1}, true, true,
       {0, 1, 0, 1, 2, 3, 2, 3, 4, 3, 4, 5, 6, 5}, "open open walk merge1 run ", true},
      // A project that cannot be made ends the wizard as cancelled.
      {{mrOk, mrOk, mrOk}, {}, false, true, {0, 1, 2}, "open ", true},
      // Any other result on the first pages ends it, not cancelled.
      {{mrOk, platform::mrAbort}, {}, true, true, {0, 1}, "", false},
  };
  for (const Case& c : cases) {
    FakeSteps steps;
    steps.results.assign(c.results.begin(), c.results.end());
    steps.found.assign(c.found.begin(), c.found.end());
    steps.opens = c.opens;
    steps.runs = c.runs;
    EXPECT_EQ(RunWizardChain(steps), c.cancelled) << c.log;
    EXPECT_EQ(steps.shown, c.shown) << c.log;
    EXPECT_EQ(steps.log, c.log);
  }
}

}  // namespace
