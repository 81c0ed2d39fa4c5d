#include "desktop/WizardFlow.h"

#include "platform/gui/Dialogs.h"

namespace desktop {

bool RunWizardChain(WizardSteps& steps) {
  int page = kIntroProgramm;
  for (;;) {
    const int result = steps.ShowPage(page);
    if (result == platform::mrCancel) return true;
    if (page == kFertig) {
      if (result == platform::mrOk) {
        steps.SaveProject();
        return false;
      }
      if (result == platform::mrRetry) {
        steps.TestSearchForm();
        continue;
      }
      if (result != platform::mrYes) return false;
      steps.AlignPages(page);
      page = kAnalyse;
      continue;
    }
    if (result != platform::mrOk && result != platform::mrYes) return false;
    steps.AlignPages(page);
    if (result == platform::mrYes) {
      if (page > kIntroProgramm) --page;
      continue;
    }
    if (page == kProjektName && !steps.OpenNamedProject()) return true;
    if (page != kAnalyse) {
      ++page;
      continue;
    }
    platform::TStringList urls;
    if (!steps.FetchSitePages(urls)) {
      steps.ClearAbort();
      page = kWebSite;
    } else if (urls.Count() == 0) {
      steps.NoPagesFound();
      page = kWebSite;
    } else {
      steps.MergeFileList(urls);
      if (steps.RunIndex()) {
        page = kFertig;
      } else {
        steps.ClearAbort();
        page = kWebSite;
      }
    }
  }
}

}  // namespace desktop
