#include "desktop/WizardCommand.h"

#include <array>
#include <memory>

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "coregui/projektVerwaltung.h"
#include "desktop/IndexerWindow.h"
#include "desktop/PageList.h"
#include "desktop/WizardFlow.h"
#include "desktop/wizard.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

namespace {

class WindowWizard : public WizardSteps {
 public:
  explicit WindowWizard(TIndexerWindow& window) : window_(window) {
    WizardServices services{[this] { return window_.Projekt(); },
                            [this](const std::string& page) { return window_.OpenInBrowser(page); },
                            window_.LayoutVariant()};
    // The program's own pages where it has them.
    for (int page = 0; page < kWizardPages; ++page) {
      owned_[static_cast<size_t>(page)] = window_.MakeWizardPage(page, services);
      pages_[static_cast<size_t>(page)] = owned_[static_cast<size_t>(page)].get();
    }
  }

  int ShowPage(int page) override { return pages_[static_cast<size_t>(page)]->Execute(); }
  void AlignPages(int page) override { AlignWizardPages(pages_, *pages_[static_cast<size_t>(page)]); }
  bool OpenNamedProject() override {
    bool failed = false;
    window_.OpenProject(static_cast<TWizardProjektDlg&>(*pages_[kProjektName]).ProjectName(), true, failed);
    return !failed && window_.Projekt();
  }
  bool FetchSitePages(platform::TStringList& urls) override {
    bool& abort = window_.AbortFlag();
    window_.CollectPages(urls, abort);
    return !abort;
  }
  void MergeFileList(platform::TStringList& urls) override { desktop::MergeFileList(*window_.Projekt(), urls); }
  bool RunIndex() override {
    bool& abort = window_.AbortFlag();
    return window_.RunIndex(true, abort) && !abort;
  }
  void ClearAbort() override { window_.AbortFlag() = false; }
  void NoPagesFound() override {
    platform::MessageDlg(core::LoadStr(core::Txt::Msg319), platform::MsgDlgType::Warning,
                         platform::mbOK | platform::mbHelp, core::hcKeineDateienGefunden);
  }
  void SaveProject() override { window_.Projekt()->SaveProject(); }
  void TestSearchForm() override { window_.TestSearchForm(); }

 private:
  TIndexerWindow& window_;
  std::array<std::unique_ptr<TWizardPage>, kWizardPages> owned_;
  std::array<TWizardPage*, kWizardPages> pages_{};
};

}  // namespace

void AlignWizardPages(std::span<TWizardPage* const> pages, const platform::Form& from) {
  for (TWizardPage* page : pages)
    if (page != &from) page->PlaceLike(from);
}

void RunWizard(TIndexerWindow& window) {
  const std::string remembered =
      window.Projekt() ? platform::ExtractFileName(window.Projekt()->GetProjectFileName()) : std::string();
  // A flag left set by a command that failed before would make the first
  // run of the wizard end at once as a cancelled one.
  window.AbortFlag() = false;
  WindowWizard wizard(window);
  if (!RunWizardChain(wizard)) return;
  bool failed = false;
  window.OpenProject(remembered, false, failed);
}

}  // namespace desktop
