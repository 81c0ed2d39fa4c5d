#include "pellinova/menue.h"

#include "core/TText.h"
#include "coregui/CommandLine.h"
#include "coregui/hinweis.h"
#include "coregui/ini.h"
#include "desktop/PageList.h"
#include "desktop/WizardFlow.h"
#include "pellinova/FileSearch.h"
#include "pellinova/HelpContexts.h"
#include "pellinova/Projekt.h"
#include "pellinova/SharedForms.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/commandline.h"
#include "pellinova/directory.h"
#include "pellinova/projektVerwaltung.h"
#include "pellinova/wizard.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/MenuItem.h"

namespace pellinova {

namespace {

constexpr int kStatusFolderWidth = 30;

std::string Shortened(const std::string& path) { return core::Text().ShortenUrl(path, kStatusFolderWidth); }

}  // namespace

TMarbelkosteHaupt::TMarbelkosteHaupt()
    : TIndexerWindow(SharedLayouts(), {"TMarbelkosteHaupt", "TMarbelkosteHauptPellinova"}) {
  BindCommand("menDunmeralReferenz", "", [this] { menDunmeralReferenzClick(); });
  OnShow = [this] { FormShow(); };
}

TProjekt* TMarbelkosteHaupt::Project() const { return static_cast<TProjekt*>(Projekt()); }

std::string TMarbelkosteHaupt::HelpPage(int helpContext) const { return HelpTable().Page(helpContext); }

std::unique_ptr<core::TProjekt> TMarbelkosteHaupt::CreateProject(const std::string& path, bool& failed) {
  return std::make_unique<TProjekt>(path, failed);
}

const std::string* TMarbelkosteHaupt::SourceFolder() const { return &Project()->GetHTMLVerzeichnis(); }

void TMarbelkosteHaupt::GenerateRun(bool silent, bool& abort) {
  if (const core::TIni* settings = Settings()) GenerateLocalIndex(*Project(), RunDialogs(), silent, *settings, abort);
}

std::string TMarbelkosteHaupt::IndexFileToView() const {
  const TProjekt& project = *Project();
  if (!project.GetXML()) return desktop::TIndexerWindow::IndexFileToView();
  return core::Text().StripTrailingChar('\\', project.GetZielVerzeichnis()) + "\\" + project.GetXMLDatei();
}

void TMarbelkosteHaupt::AddStatus(desktop::StatusValues& values) const {
  const TProjekt& project = *Project();
  const std::string html = Shortened(project.GetHTMLVerzeichnis());
  values.labels.emplace_back("lblHTML", html);
  // The per-letter files have neither a glossary nor the optimisation.
  if (project.GetMega()) {
    values.labels.emplace_back("lblAutoOptimierung", txt::Load(IDS_ST_NOT_APPLICABLE));
    values.labels.emplace_back("lblGlossar", txt::Load(IDS_ST_NOT_APPLICABLE));
  }
  std::string how = txt::Load(IDS_ST_ABSOLUTE);
  std::string where = html;
  if (project.GetRelativerPfad()) {
    how = txt::Load(IDS_ST_RELATIVE);
  } else if (project.GetServerNameVerwenden()) {
    how = where = project.GetServerName();
  }
  values.labels.emplace_back("lblURLs", how);
  values.labels.emplace_back("lblURLs2", where);
}

std::function<int()> TMarbelkosteHaupt::MakePageSelection() {
  desktop::PageSelectionServices services = PageSelectionServicesOf();
  services.viewPage = [this](const std::string& file) {
    if (const core::TIni* settings = Settings())
      OpenInEditor(settings->GetWWWBrowser(), settings->GetWWWBrowserParam(), settings->GetWWWBrowserUnix(), file);
  };
  auto dialog = std::make_shared<TDirectoryDlg>(*Project(), std::move(services));
  return [dialog] { return dialog->Execute(); };
}

int TMarbelkosteHaupt::ShowProjectSettings(bool analysisOnly) {
  const core::TIni* settings = Settings();
  if (!Projekt() || !settings) return platform::mrCancel;
  return pellinova::ShowProjectDialog(*Projekt(), *settings, ProjectDialogServices(), analysisOnly);
}

void TMarbelkosteHaupt::ScanSourceFiles(platform::TStringList& list, bool& abort) {
  const std::string title = core::LoadStr(core::Txt::ProgramTitle);
  platform::App().SetTitle(title + core::LoadStr(core::Txt::TitleSuche));
  // Sorted, and a file that two patterns meet listed once.
  desktop::MakeUrlList(list);
  platform::TStringList skipped;
  skipped.SetSorted(true);
  {
    core::THinweisDlg window;
    window.SetCaption(title + txt::Load(IDS_CAP_SEARCH_FILES));
    window.HideTimeLabels();
    window.Show();
    SearchSourceFiles(window, Project()->Settings(), abort, list, &skipped);
    DropSearchFormFiles(Project()->Settings(), list, abort);
  }
  platform::App().SetTitle(title);
  if (!abort) ReportSkippedFiles(skipped);
}

std::unique_ptr<desktop::TWizardPage> TMarbelkosteHaupt::MakeWizardPage(int page,
                                                                        desktop::WizardServices services) {
  if (page == desktop::kZiel) return std::make_unique<TWizardZielDlg>(std::move(services));
  return desktop::TIndexerWindow::MakeWizardPage(page, std::move(services));
}

std::unique_ptr<desktop::TWizardPage> TMarbelkosteHaupt::MakeSourcePage(desktop::WizardServices services) {
  return std::make_unique<TWizardQuelleDlg>(std::move(services));
}

std::string TMarbelkosteHaupt::ReferencePage() { return core::ProgramDirectory() + txt::Fixed(IDS_REFERENCE_PAGE); }

void TMarbelkosteHaupt::FormShow() {
  if (platform::FileExists(ReferencePage())) Find<platform::MenuItem>("menDunmeralReferenz").SetEnabled(true);
}

void TMarbelkosteHaupt::menDunmeralReferenzClick() { OpenInBrowser(ReferencePage()); }

}  // namespace pellinova
