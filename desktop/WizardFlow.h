#pragma once
// The search-form wizard's chain of seven pages: which page follows which
// result, where the walk and the run come in, and when the wizard ends as a
// cancelled one. The main window supplies the pages and the steps.
#include "platform/base/StringList.h"

namespace desktop {

// The pages in their order.
enum WizardPage { kIntroProgramm, kIntroAssistent, kProjektName, kWebSite, kZiel, kAnalyse, kFertig, kWizardPages };

class WizardSteps {
 public:
  virtual ~WizardSteps() = default;
  // Shows the page modally and returns its modal result.
  virtual int ShowPage(int page) = 0;
  // Moves every page to where the given page stands.
  virtual void AlignPages(int page) = 0;
  // The name page's project opened (the open one saved first); false when
  // it could not be.
  virtual bool OpenNamedProject() = 0;
  // The site walk into urls; false when it was cancelled.
  virtual bool FetchSitePages(platform::TStringList& urls) = 0;
  virtual void MergeFileList(platform::TStringList& urls) = 0;
  // The silent index run; false when a check failed or it was cancelled.
  virtual bool RunIndex() = 0;
  // The shared abort flag cleared after a cancelled or failed step.
  virtual void ClearAbort() = 0;
  // The warning that the walk found no page.
  virtual void NoPagesFound() = 0;
  virtual void SaveProject() = 0;
  virtual void TestSearchForm() = 0;
};

// Runs the chain from the first page; true when the wizard ended as a
// cancelled one (Cancel on a page, or a project that could not be opened).
bool RunWizardChain(WizardSteps& steps);

}  // namespace desktop
