#include "tessarel/menue.h"

#include "core/HelpContexts.h"
#include "coregui/CommandLine.h"
#include "desktop/umgebung.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/AnalyseRules.h"
#include "tessarel/HelpContexts.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/assistent.h"
#include "tessarel/einstellung.h"
#include "tessarel/projektVerwaltung.h"
#include "tessarel/stopliste.h"

namespace tessarel {

// Tessarel's warning about a missing help page has no Help button.
TBrisoltHauptmenue::TBrisoltHauptmenue() : TMainWindow({"TBrisoltHauptmenue"}, 0) {
  ReloadProjekt(DialogProjectFile());
  BindCommands();
}

TBrisoltHauptmenue::~TBrisoltHauptmenue() { SetProjekt(nullptr); }

void TBrisoltHauptmenue::BindCommands() {
  using namespace core::helppage;
  namespace page = core::projectpage;
  const std::string program = core::ProgramDirectory();
  const auto help = [this, program](const char* name) {
    return [this, program, name] { OpenInBrowser(core::HelpPagePath(program, name)); };
  };
  const auto local = [this, program](const char* name) { return [this, program, name] { OpenInBrowser(program + name); }; };
  BindCommand("menAssistent", "sbtAssistent", [this] { Wizard(); });
  BindCommand("menAnalyse", "sbtNeu", [this] { Analyse(); });
  BindCommand("menAnsehen", "", [this] { ViewPage(); });
  BindCommand("menBeenden", "sbtBeenden", [this] { Quit(); });
  BindCommand("menStopworte", "", [this] { EditStopWords(); });
  BindCommand("menStopzeichen", "", [this] { EditStopChars(); });
  BindCommand("menUmgebung", "", [this] { Environment(); });
  BindCommand("menInhalt", "sbtHilfe", help(kInhalt));
  BindCommand("menSuchen", "", help(kSuchen));
  BindCommand("menWiekannich", "", help(kWieKannIch));
  BindCommand("menHomepage", "", local(page::kHomepage));
  BindCommand("menEmail", "", local(page::kMail));
  BindCommand("menFehlerbericht", "", local(page::kFehlerbericht));
  BindCommand("menUeber", "", [this] { ShowAbout(); });
}

void TBrisoltHauptmenue::Analyse() {
  TProjekt& project = ReloadProjekt(DialogProjectFile());
  bool& abort = AbortFlag();
  abort = false;
  {
    Busy busy(*this);
    TWizardEinstellungDlg dlg([this](const std::string& page) { return OpenPage(page); });
    while (dlg.Execute(project) == platform::mrOk) {
      if (!ConfirmDocumentsFolder(project.DokumenteVerzeichnis, project.GemeinsamesRahmenVerzeichnis)) continue;
      const RunOutcome outcome = RunAnalysis(project, abort);
      if (outcome == RunOutcome::Cancelled) {
        abort = false;
        continue;
      }
      if (outcome == RunOutcome::Analysed) {
        ReportAnalysis(project);
        break;
      }
      ReportNothingAnalysed();
    }
  }
  project.SaveProject();
}

void TBrisoltHauptmenue::Wizard() {
  TProjekt& project = ReloadProjekt(DialogProjectFile());
  bool finished = false;
  {
    Busy busy(*this);
    finished = RunWizard(project, [this](const std::string& page) { return OpenPage(page); });
  }
  if (finished) project.SaveProject();
}

void TBrisoltHauptmenue::ViewPage() {
  const TProjekt* project = tessarel::Projekt();
  if (!project) return;
  const std::string folder =
      project->GemeinsamesRahmenVerzeichnis ? project->RahmenVerzeichnis : project->DokumenteVerzeichnis;
  std::string file;
  bool cancelled = false;
  SelectFile(txt::Load(IDS_VIEW_TITLE), folder + txt::Load(IDS_VIEW_PATTERN), file, cancelled,
             txt::Load(IDS_VIEW_FILTER));
  if (!cancelled) OpenInBrowser(file);
}

void TBrisoltHauptmenue::EditStopWords() {
  if (TProjekt* project = tessarel::Projekt()) tessarel::EditStopWords(*project, desktop::ServicesOf(*this));
}

void TBrisoltHauptmenue::EditStopChars() {
  if (TProjekt* project = tessarel::Projekt()) tessarel::EditStopChars(*project, desktop::ServicesOf(*this));
}

void TBrisoltHauptmenue::Environment() {
  if (TIni* settings = tessarel::Settings())
    desktop::ShowEnvironmentDialog(SharedLayouts().environment, *settings, desktop::ServicesOf(*this), false);
  ReloadProjekt(DialogProjectFile());
}

desktop::SharedLayouts TBrisoltHauptmenue::SharedLayouts() {
  desktop::SharedLayouts layouts;
  for (auto* chain : {&layouts.about, &layouts.stopWords, &layouts.environment, &layouts.firstRun})
    chain->push_back(chain->front() + "Tessarel");
  return layouts;
}

std::string TBrisoltHauptmenue::HelpPage(int helpContext) const { return HelpTable().Page(helpContext); }

bool TBrisoltHauptmenue::OpenInBrowser(const std::string& page) {
  return core::OpenInBrowser(BrowserLauncher(), tessarel::Settings(), page);
}

std::string TBrisoltHauptmenue::FileFilter(const std::string& filter) const {
  return filter + txt::Load(BrowserIsUnix() ? IDS_ALL_FILES_WINE : IDS_ALL_FILES);
}

bool TBrisoltHauptmenue::BrowserIsUnix() const {
  const TIni* settings = tessarel::Settings();
  return settings && settings->GetWWWBrowserUnix();
}

int TBrisoltHauptmenue::RunFirstRunDialog(core::TIni& settings) {
  return desktop::ShowFirstRunDialog(SharedLayouts().firstRun, settings, desktop::ServicesOf(*this));
}

}  // namespace tessarel
