#include "tessarel/menue.h"

#include "tessarel/HelpContexts.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

// Tessarel's warning about a missing help page has no Help button.
TBrisoltHauptmenue::TBrisoltHauptmenue() : TMainWindow({"TBrisoltHauptmenue"}, 0) {
  ReloadProjekt(DialogProjectFile());
}

TBrisoltHauptmenue::~TBrisoltHauptmenue() { SetProjekt(nullptr); }

std::string TBrisoltHauptmenue::HelpPage(int helpContext) const { return HelpTable().Page(helpContext); }

bool TBrisoltHauptmenue::OpenInBrowser(const std::string& page) {
  return core::OpenInBrowser(BrowserLauncher(), tessarel::Settings(), page);
}

std::string TBrisoltHauptmenue::FileFilter(const std::string& filter) const {
  return filter + txt::Load(BrowserIsUnix() ? txt::kAllFilesWine : txt::kAllFiles);
}

bool TBrisoltHauptmenue::BrowserIsUnix() const {
  const TIni* settings = tessarel::Settings();
  return settings && settings->GetWWWBrowserUnix();
}

bool TBrisoltHauptmenue::SelectFile(const std::string& title, const std::string& initialFile,
                                    const std::string& filter, std::string& fileName) {
  bool cancelled = false;
  std::string chosen;
  TMainWindow::SelectFile(title, initialFile, chosen, cancelled, filter);
  if (!cancelled) fileName = chosen;
  return !cancelled;
}

int TBrisoltHauptmenue::RunFirstRunDialog(TIni& settings) { return firstRun_.RunFirstRunDialog(settings); }

void TBrisoltHauptmenue::TerminateApplication() { TMainWindow::TerminateApplication(); }

}  // namespace tessarel
