#include "desktop/IndexerWindow.h"

#include "core/HelpContexts.h"
#include "core/ProgressTimes.h"
#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/Hilfsmittel.h"
#include "coregui/SearchFormFiles.h"
#include "coregui/hinweis.h"
#include "coregui/ini.h"
#include "coregui/projektVerwaltung.h"
#include "desktop/Projekt.h"
#include "desktop/RunDialogs.h"
#include "desktop/RunSteps.h"
#include "desktop/SharedForms.h"
#include "desktop/StatusPages.h"
#include "desktop/WizardCommand.h"
#include "desktop/WizardFlow.h"
#include "desktop/projektneu.h"
#include "desktop/stopwort.h"
#include "desktop/umgebung.h"
#include "desktop/verzeichnis.h"
#include "desktop/wizard.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/MenuItem.h"

namespace desktop {

namespace {

using core::LoadStr;
using core::Txt;

std::string Title() { return LoadStr(Txt::ProgramTitle); }
std::string TitleWith(Txt suffix) { return Title() + LoadStr(suffix); }
std::string InFolder(const std::string& folder, const std::string& name) {
  return core::Text().StripTrailingChar('\\', folder) + "\\" + name;
}

}  // namespace

TIndexerWindow::TIndexerWindow(SharedLayouts layouts, std::vector<std::string> layoutChain)
    : TMainWindow(std::move(layoutChain)), layouts_(std::move(layouts)) {
  dialogs_ = MakeReviewDialogs(layouts_, ServicesOf(*this));
  BindCommands();
  SetProjectCommands({"menBearbeiten", "menAktualisieren", "menIndex", "menSuchformular", "menStatusAnzeigen",
                      "menProjektEinstellungen", "sbtBearbeiten", "sbtIndex", "sbtQuelltext", "sbtTesten",
                      "sbtStatus"});
}

TIndexerWindow::~TIndexerWindow() = default;

void TIndexerWindow::BindCommands() {
  BindCommand("Projektffnen1", "sbtOeffnen", [this] { Projektffnen1Click(); });
  BindCommand("Projektneu1", "sbtNeu", [this] { Projektneu1Click(); });
  BindCommand("menBearbeiten", "sbtBearbeiten", [this] { EditProject(); });
  BindCommand("Assistent1", "sbtAssistent", [this] { Assistent1Click(); });
  BindCommand("menAktualisieren", "sbtIndex", [this] { UpdateProject(); });
  BindCommand("menBeenden", "sbtBeenden", [this] { Quit(); });
  BindCommand("menAnsehen", "sbtQuelltext", [this] { ViewIndex(); });
  BindCommand("menVorlageBearbeiten", "", [this] { EditTemplateDatabase(); });
  BindCommand("menTesten", "sbtTesten", [this] { TestSearchForm(); });
  BindCommand("menErstellen", "", [this] { TemplateMenuOpening(); });
  BindCommand("menFrame", "", [this] { EditTemplatePage(&core::TProjekt::GetFrameDatei); });
  BindCommand("menEingabemaske", "", [this] { EditTemplatePage(&core::TProjekt::GetFrameEingabeDatei); });
  BindCommand("menHilfetext", "", [this] { EditTemplatePage(&core::TProjekt::GetFrameHilfeDatei); });
  BindCommand("menLademeldung", "", [this] { EditTemplatePage(&core::TProjekt::GetFrameLadenDatei); });
  BindCommand("Kopieren1", "", [this] { CopyTemplate(); });
  BindCommand("Stopwortliste1", "", [this] { EditStopWords(); });
  BindCommand("menStatusAnzeigen", "sbtStatus", [this] { ShowStatus(true); });
  BindCommand("menProjektEinstellungen", "", [this] { EditProjectSettings(); });
  BindCommand("menUmgebung", "", [this] { EditEnvironment(); });
  const std::string program = core::ProgramDirectory();
  const std::string help = InFolder(program, "hilfe");
  BindCommand("menInhaltundIndex", "sbtHilfe", [this, help] { OpenLocalPage(help + "\\index.htm"); });
  BindCommand("menSuchen", "", [this, help] { OpenLocalPage(help + "\\suche.htm"); });
  BindCommand("Wiekannich1", "", [this, help] { OpenLocalPage(help + "\\howto.htm"); });
  BindCommand("Homepage1", "", [this, program] { OpenLocalPage(program + "..\\homepage\\index.htm"); });
  BindCommand("EmailandenAutor1", "", [this, program] { OpenLocalPage(program + "..\\homepage\\mail.htm"); });
  BindCommand("menUeber", "", [this] { ShowAbout(); });
  BindCommand("Fehlerbericht1", "", [this, program] { OpenLocalPage(program + "..\\fehlerbericht\\fehler.htm"); });
}

std::string TIndexerWindow::HelpPage(int helpContext) const { return core::SiteIndexerHelp().Page(helpContext); }

void TIndexerWindow::Message(Txt text, int helpContext, bool error) {
  platform::MessageDlg(LoadStr(text), error ? platform::MsgDlgType::Error : platform::MsgDlgType::Information,
                       platform::mbOK | platform::mbHelp, helpContext);
}

void TIndexerWindow::OpenLocalPage(const std::string& path) { OpenInBrowser(path); }

void TIndexerWindow::Projektffnen1Click() {
  std::string file;
  bool cancelled = false;
  SelectFile(LoadStr(Txt::OpenTitle), core::ProgramDirectory() + LoadStr(Txt::MainProjectFolder) + "\\", file,
             cancelled, LoadStr(Txt::OpenFilter));
  if (cancelled || file.empty()) return;
  bool failed = false;
  OpenProject(file, true, failed);
}

void TIndexerWindow::Projektneu1Click() {
  const std::string variant = LayoutVariant();
  std::vector<std::string> layouts{"TprojektNeuDlg"};
  if (!variant.empty()) layouts.push_back(layouts.front() + variant);
  // A program with its own variant sends the user back to the name after
  // each warning instead of offering to give up there.
  TprojektNeuDlg dlg(core::ProgramDirectory(), LoadStr(Txt::MainProjectExt),
                     [this](const std::string& page) { return OpenInBrowser(page); }, std::move(layouts),
                     variant.empty());
  if (dlg.ShowModal() != platform::mrOk || dlg.GetNewProjectName().empty()) return;
  bool failed = false;
  OpenProject(dlg.GetNewProjectName(), true, failed);
  if (failed) return;
  Projekt()->LoadTemplateSettings(dlg.GetTemplateFolder());
  EditProject();
}

std::unique_ptr<TWizardPage> TIndexerWindow::MakeWizardPage(int page, WizardServices services) {
  switch (page) {
    case kIntroProgramm: return std::make_unique<TWizardIntroProgrammDlg>(std::move(services));
    case kIntroAssistent: return std::make_unique<TWizardIntroDlg>(std::move(services));
    case kProjektName: return std::make_unique<TWizardProjektDlg>(std::move(services));
    case kWebSite: return MakeSourcePage(std::move(services));
    case kZiel: return std::make_unique<TWizardZielDlg>(std::move(services));
    case kAnalyse: return std::make_unique<TWizardAnalyseDlg>(std::move(services));
    default: return std::make_unique<TWizardFertigDlg>(std::move(services));
  }
}

bool TIndexerWindow::TemplateDatabaseMissing() {
  const core::TProjekt& project = *Projekt();
  if (platform::FileExists(InFolder(project.GetVorlagenVerzeichnis(), project.GetJavascriptDatei()))) return false;
  Message(Txt::Msg303, core::hcJavascript);
  return true;
}

void TIndexerWindow::EditProject() {
  if (!Projekt()) return;
  Busy busy(*this);
  bool& abort = AbortFlag();
  abort = false;
  if (TemplateDatabaseMissing()) abort = true;
  const std::function<int()> showPageSelection = MakePageSelection();
  while (showPageSelection() == platform::mrOk) {
    if (Projekt()->Pages().empty()) {
      Message(Txt::Msg304Edit, core::hcKeineDateien, false);
      continue;
    }
    if (Projekt()->GetAutoOptimierung()) RunAutoOptimised(abort);
    else RunIndex(false, abort);
    if (!abort) {
      Projekt()->SaveProject();
      return;
    }
    // A failed or cancelled run (or the template check) brings the
    // selection back.
    abort = false;
  }
}

PageSelectionServices TIndexerWindow::PageSelectionServicesOf() {
  PageSelectionServices services;
  services.openInBrowser = [this](const std::string& page) { return OpenInBrowser(page); };
  services.viewPage = [this](const std::string& page) {
    if (const core::TIni* settings = Settings()) BrowserLauncher().OpenUrl(settings->WWWBrowserTool(), page);
  };
  services.editSettings = [this] { return ShowProjectSettings(true) == platform::mrOk; };
  services.showStatus = [this] { ShowStatus(false); };
  return services;
}

ProjektDlgServices TIndexerWindow::ProjectDialogServices() {
  ProjektDlgServices services;
  services.openInEditor = [this](const std::string& editor, const std::string& params, bool unix,
                                 const std::string& file) { OpenInEditor(editor, params, unix, file); };
  services.openInBrowser = [this](const std::string& page) { return OpenInBrowser(page); };
  services.chooseFolder = [this](const std::string& caption, std::string& folder) {
    const auto chosen = ChooseFolder(caption, folder, [this](const std::string& page) { return OpenInBrowser(page); });
    if (chosen) folder = *chosen;
    return chosen.has_value();
  };
  services.editStopWords = [this] { EditStopWords(); };
  services.replaceProject = [this](std::unique_ptr<core::TProjekt> project) { ReplaceProject(std::move(project)); };
  return services;
}

int TIndexerWindow::ShowProjectSettings(bool analysisOnly) {
  const core::TIni* settings = Settings();
  if (!Projekt() || !settings) return platform::mrCancel;
  return ShowProjectDialog(*Projekt(), *settings, ProjectDialogServices(), analysisOnly);
}

void TIndexerWindow::Assistent1Click() {
  Busy busy(*this);
  RunWizard(*this);
}

void TIndexerWindow::UpdateProject() {
  if (!Projekt()) return;
  Busy busy(*this);
  bool& abort = AbortFlag();
  abort = false;
  if (TemplateDatabaseMissing()) abort = true;
  if (Projekt()->Pages().empty()) {
    Message(Txt::Msg304Update, core::hcKeineDateien, false);
    return;
  }
  if (Projekt()->GetAutoOptimierung()) RunAutoOptimised(abort);
  else RunIndex(false, abort);
  if (abort) {
    // The state of the failed run is dropped with the project.
    const std::string file = Projekt()->GetProjectFileName();
    bool failed = false;
    OpenProject(file, false, failed);
  } else {
    Projekt()->SaveProject();
  }
}

bool TIndexerWindow::RunIndex(bool silent, bool& abort) {
  core::TProjekt& project = *Projekt();
  const platform::TDateTime start = platform::Now();
  switch (CheckRunSettings(project, abort, SourceFolder())) {
    case RunCheck::StopWordList: Message(Txt::Msg305, core::hcStopwortliste); break;
    case RunCheck::SourceFolder: Message(Txt::Msg306, core::hcQuelle); break;
    case RunCheck::TargetFolder: Message(Txt::Msg307, core::hcZiel); break;
    case RunCheck::TemplateFolder: Message(Txt::Msg308, core::hcVorlagen); break;
    case RunCheck::Passed: break;
  }
  if (!abort) {
    platform::App().ProcessMessagesNow();
    GenerateRun(silent, abort);
    if (abort) {
      platform::MessageDlg(LoadStr(Txt::Msg310), platform::MsgDlgType::Warning, platform::mbOK | platform::mbHelp,
                           core::hcIndexUnvollstaendig);
    } else {
      project.SetJavascriptGroesse(core::IndexFileSize(project));
      core::CopyRemainingTemplateFiles(project, TitleWith(Txt::CapKopiere), abort);
      project.SetAnalyseDauer(core::FormatDuration(platform::Now() - start));
      if (!abort && !silent) {
        if (project.Pages().empty()) Message(Txt::Msg322, core::hcIndexLeer, false);
        else Statistics();
      }
    }
  }
  ShowStatus(false);
  platform::App().SetTitle(Title());
  platform::App().ProcessMessagesNow();
  return !abort;
}

void TIndexerWindow::Statistics() {
  const core::TProjekt& project = *Projekt();
  const std::int64_t pages = static_cast<std::int64_t>(project.Pages().size());
  const std::int64_t words = project.GetSchlagworteGesamt();
  platform::MessageDlg(
      core::FormatStr(LoadStr(Txt::Msg309),
                      {project.GetZielVerzeichnis(), core::FormatThousands(project.GetJavascriptGroesse()),
                       core::FormatThousands(pages), core::FormatThousands(words),
                       core::FormatThousands(pages ? words / pages : 0), project.GetAnalyseDauer()}),
      platform::MsgDlgType::Information, platform::mbOK | platform::mbHelp, core::hcIndexFertig);
}

void TIndexerWindow::RunAutoOptimised(bool& abort) {
  if (AutoOptimise(*Projekt(), [&] { return RunIndex(true, abort); })) Statistics();
}

void TIndexerWindow::ViewIndex() {
  const core::TIni* settings = Settings();
  if (!settings || !platform::FileExists(settings->GetJavascriptEditor()))
    return Message(Txt::Msg320, core::hcJavascriptEditor);
  const std::string file = IndexFileToView();
  if (!platform::FileExists(file)) return Message(Txt::Msg311, core::hcJavascriptErgebnis);
  OpenInEditor(settings->GetJavascriptEditor(), settings->GetJavascriptEditorParam(),
               settings->GetJavascriptEditorUnix(), file);
}

std::string TIndexerWindow::IndexFileToView() const { return core::IndexFilePath(*Projekt()); }

void TIndexerWindow::EditTemplateDatabase() {
  const core::TIni* settings = Settings();
  if (!settings || !platform::FileExists(settings->GetJavascriptEditor()))
    return Message(Txt::Msg320, core::hcJavascriptEditor);
  const core::TProjekt& project = *Projekt();
  const std::string file = InFolder(project.GetVorlagenVerzeichnis(), project.GetJavascriptDatei());
  if (!platform::FileExists(file)) return Message(Txt::Msg303, core::hcJavascript);
  OpenInEditor(settings->GetJavascriptEditor(), settings->GetJavascriptEditorParam(),
               settings->GetJavascriptEditorUnix(), file);
}

void TIndexerWindow::EditTemplatePage(const std::string& (core::TProjekt::*file)() const) {
  const core::TIni* settings = Settings();
  if (!settings || !platform::FileExists(settings->GetHTMLEditor())) return Message(Txt::Msg313, core::hcHtmlEditor);
  const core::TProjekt& project = *Projekt();
  OpenInEditor(settings->GetHTMLEditor(), settings->GetHTMLEditorParam(), settings->GetHTMLEditorUnix(),
               InFolder(project.GetVorlagenVerzeichnis(), (project.*file)()));
}

void TIndexerWindow::TemplateMenuOpening() {
  const core::TProjekt* project = Projekt();
  if (!project) return;
  const std::pair<const char*, const std::string& (core::TProjekt::*)() const> items[] = {
      {"menFrame", &core::TProjekt::GetFrameDatei},
      {"menEingabemaske", &core::TProjekt::GetFrameEingabeDatei},
      {"menHilfetext", &core::TProjekt::GetFrameHilfeDatei},
      {"menLademeldung", &core::TProjekt::GetFrameLadenDatei},
  };
  for (const auto& [name, file] : items)
    Find<platform::MenuItem>(name).SetEnabled(
        platform::FileExists(InFolder(project->GetVorlagenVerzeichnis(), (project->*file)())));
}

void TIndexerWindow::TestSearchForm() {
  const core::TIni* settings = Settings();
  if (!settings || !platform::FileExists(settings->GetWWWBrowser())) return Message(Txt::Msg301, core::hcBrowser);
  const core::TProjekt& project = *Projekt();
  const std::string page = InFolder(project.GetZielVerzeichnis(), project.GetFrameDatei());
  if (!platform::FileExists(page)) return Message(Txt::Msg300, core::hcFrame);
  OpenInBrowser(page);
}

void TIndexerWindow::CopyTemplate() {
  const core::TProjekt& project = *Projekt();
  const int answer = platform::MessageDlg(
      core::FormatStr(LoadStr(Txt::Msg314), {project.GetZielVerzeichnis(), project.GetVorlagenVerzeichnis()}),
      platform::MsgDlgType::Confirmation, platform::mbYes | platform::mbNo | platform::mbHelp, core::hcSuchformular);
  if (answer != platform::mrYes) return;
  bool& abort = AbortFlag();
  abort = false;
  {
    core::THinweisDlg window;
    window.SetCaption(TitleWith(Txt::CapKopiereForm));
    window.HideTimeLabels();
    window.Show();
    platform::TStringList files;
    core::TemplateFiles(project, files);
    for (int i = 0; i < files.Count() && !abort; ++i) {
      const std::string destination = InFolder(project.GetZielVerzeichnis(), platform::ExtractFileName(files[i]));
      // With the target folder the template folder itself, writing a file
      // onto itself would empty it: such a file is already where it belongs.
      if (platform::SameFile(files[i], destination)) continue;
      core::File().CopyFileWithProgress(window, files[i], destination, abort);
    }
  }
  if (abort) Message(Txt::Msg315, core::hcSuchformularFehler);
  else Message(Txt::Msg316, core::hcSuchformularOk, false);
}

void TIndexerWindow::ShowStatus(bool toggle) {
  core::TProjekt* project = Projekt();
  if (!project) return;
  if (toggle) {
    project->SetDetailsModus(!project->GetDetailsModus());
    project->SaveProject();
  }
  auto& item = Find<platform::MenuItem>("menStatusAnzeigen");
  if (project->GetDetailsModus()) {
    item.SetCaption(LoadStr(Txt::StSchliessen));
    if (project->GetDateiGroesseOptimiert() == 0) project->SetDateiGroesseOptimiert(project->GetDateiGroesse());
    StatusValues values = ComputeStatus(*project);
    AddStatus(values);
    for (const auto& [name, text] : values.labels)
      if (auto* label = dynamic_cast<platform::Label*>(FindComponent(name))) label->SetCaption(text);
    if (auto* label = dynamic_cast<platform::Label*>(FindComponent("lblDateiGroesse")))
      label->SetColor(values.sizeHighlighted ? "highlighttext" : "windowtext");
    if (auto* list = dynamic_cast<platform::ListBox*>(FindComponent("lbxDateien"))) list->SetItems(values.pages);
    if (auto* list = dynamic_cast<platform::ListBox*>(FindComponent("lbxStopwoerter")))
      list->SetItems(values.stopWords);
  } else {
    item.SetCaption(LoadStr(Txt::StAnzeigen));
  }
  if (const core::TIni* settings = Settings())
    ApplyToolbarLayout(core::ComputeToolbarLayout(settings->GetSpeedButton(), project->GetDetailsModus()));
}

void TIndexerWindow::EditProjectSettings() {
  if (ShowProjectSettings(false) != platform::mrOk) return;
  Projekt()->SaveProject();
  ShowStatus(false);
}

void TIndexerWindow::EditStopWords() {
  if (Projekt()) EditProjectStopWords(*Projekt(), layouts_, ServicesOf(*this));
}

void TIndexerWindow::EditEnvironment() {
  if (core::TIni* settings = Settings())
    ShowEnvironmentDialog(layouts_.environment, *settings, ServicesOf(*this), FetchesOverHttp());
}

int TIndexerWindow::RunFirstRunDialog(core::TIni& settings) {
  return ShowFirstRunDialog(layouts_.firstRun, settings, ServicesOf(*this));
}

}  // namespace desktop
