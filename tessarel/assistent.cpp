#include "tessarel/assistent.h"

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/AnalyseRules.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/analyse.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

namespace {

constexpr const char* kPages[5] = {"TWizardIntroProgrammDlg", "TWizardIntroDlg", "TWizardQuelleDlg",
                                   "TWizardAnalyseDlg", "TWizardFertigDlg"};

}  // namespace

RunOutcome RunAnalysis(TProjekt& p, bool& abort) {
  {
    tAnalyse run(p.DokumenteVerzeichnis, abort, p.GemeinsamesRahmenVerzeichnis, p.RahmenVerzeichnis);
    if (!abort) run.Analyse(abort);
    if (!abort) ReportSkippedDocuments(run.Skipped());
  }
  if (abort) return RunOutcome::Cancelled;
  return p.analysed != "0" && !p.analysed.empty() ? RunOutcome::Analysed : RunOutcome::Nothing;
}

void ReportAnalysis(const TProjekt& p) {
  platform::MessageDlg(
      core::FormatStr(txt::Load(IDS_SUMMARY), {p.considered, p.analysed, p.keywords, p.average, p.duration}),
      platform::MsgDlgType::Information, platform::mbOK, core::hcNone);
  if (p.automationErrors.Count() == 0) return;
  std::string lines;
  for (int i = 0; i < p.automationErrors.Count(); ++i) lines += p.automationErrors[i] + "\r\n";
  platform::MessageDlg(core::FormatStr(txt::Load(IDS_AUTOMATION_ERRORS), {lines}), platform::MsgDlgType::Error,
                       platform::mbOK, core::hcNone);
}

void ReportNothingAnalysed() {
  platform::MessageDlg(txt::Load(IDS_NOTHING_ANALYSED), platform::MsgDlgType::Information, platform::mbOK,
                       core::hcNone);
}

TWizardPage::TWizardPage(const std::string& layout, std::string helpPage, OpenPage openPage)
    : Form(layout),
      btnHilfe(Find<platform::Button>("btnHilfe")),
      helpPage_(std::move(helpPage)),
      openPage_(std::move(openPage)) {
  btnHilfe.OnClick = [this] {
    if (openPage_) openPage_(core::HelpPagePath(core::ProgramDirectory(), helpPage_));
  };
}

TWizardQuelleDlg::TWizardQuelleDlg(OpenPage openPage)
    : TWizardPage(kPages[2], core::helppage::kAnalyseAssistent[2], std::move(openPage)),
      DriveComboBox1(Find<fsctl::TFsDriveComboBox>("DriveComboBox1")),
      DirectoryListBox1(Find<fsctl::TFsDirectoryListBox>("DirectoryListBox1")) {}

int TWizardQuelleDlg::Execute(TProjekt& project) {
  ShowFolder(DriveComboBox1, DirectoryListBox1, project.DokumenteVerzeichnis);
  const int result = ShowModal();
  project.DokumenteVerzeichnis = StoredFolder(DirectoryListBox1.Directory());
  return result;
}

bool RunWizard(TProjekt& project, OpenPage openPage) {
  std::array<std::unique_ptr<TWizardPage>, 5> pages;
  for (int i = 0; i < 5; ++i)
    pages[i] = i == 2 ? std::make_unique<TWizardQuelleDlg>(openPage)
                      : std::make_unique<TWizardPage>(kPages[i], core::helppage::kAnalyseAssistent[i], openPage);
  bool cancel = false;
  int page = 0;
  for (;;) {
    TWizardPage& shown = *pages[page];
    const int result = page == 2 ? static_cast<TWizardQuelleDlg&>(shown).Execute(project) : shown.ShowModal();
    if (result == platform::mrCancel) return false;
    int next;
    if (result == platform::mrOk) {
      next = page + 1;
      if (page == 3) {
        // Only a run that analysed something goes on; otherwise the user
        // chooses the folder again. The flag is cleared for the next run.
        next = 2;
        if (ConfirmDocumentsFolder(project.DokumenteVerzeichnis, project.GemeinsamesRahmenVerzeichnis)) {
          const RunOutcome outcome = RunAnalysis(project, cancel);
          if (outcome == RunOutcome::Nothing) ReportNothingAnalysed();
          if (outcome == RunOutcome::Analysed) next = 4;
        }
        cancel = false;
      }
      if (page == 4) return true;
    } else if (result == kWizardBack && page > 0) {
      next = page == 4 ? 2 : page - 1;
    } else {
      return true;
    }
    for (auto& other : pages)
      if (other.get() != &shown) other->PlaceLike(shown);
    page = next;
  }
}

}  // namespace tessarel
