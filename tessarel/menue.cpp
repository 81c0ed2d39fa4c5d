#include "tessarel/menue.h"

#include "tessarel/TextNumbers.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

TBrisoltHauptmenue::TBrisoltHauptmenue() : TMainWindow({"TBrisoltHauptmenue"}) {
  ReloadProjekt(DialogProjectFile());
}

TBrisoltHauptmenue::~TBrisoltHauptmenue() { SetProjekt(nullptr); }

// Tessarel's help table comes with its help pages.
std::string TBrisoltHauptmenue::HelpPage(int) const { return "index.htm"; }

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
