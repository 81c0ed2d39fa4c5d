#include "desktop/ProjektRules.h"

#include <windows.h>

#include <algorithm>

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/ini.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

namespace {

using core::Txt;

constexpr int kProjectPathWidth = 50;

// The message and its help context when a file of the form is missing.
struct MissingFile {
  Txt text;
  int helpContext;
};
constexpr MissingFile kMissingTemplateFile[kFormFiles] = {
    {Txt::PdlgVorlageDatenbank, core::hcJavascript},
    {Txt::PdlgVorlageHauptdatei, core::hcJavascript},
    {Txt::PdlgVorlageFrameEingabe, core::hcFormularEingabe},
    {Txt::PdlgVorlageFrameHilfe, core::hcFormularHilfe},
    {Txt::PdlgVorlageFrameLaden, core::hcFormularHilfe},
};
constexpr MissingFile kMissingTargetFile[kFormFiles] = {
    {Txt::PdlgErgebnisDatenbank, core::hcJavascriptErgebnis},
    {Txt::PdlgErgebnisHauptdatei, core::hcFrame},
    {Txt::PdlgErgebnisFrameEingabe, core::hcErgebnisFormularEingabe},
    {Txt::PdlgErgebnisFrameHilfe, core::hcErgebnisFormularHilfe},
    {Txt::PdlgErgebnisFrameLaden, core::hcErgebnisFormularHilfe},
};

void Error(Txt text, int helpContext) {
  platform::MessageDlg(core::LoadStr(text), platform::MsgDlgType::Error, platform::mbOK | platform::mbHelp,
                       helpContext);
}

bool AskWidth(Txt text, int helpContext) {
  return platform::MessageDlg(core::LoadStr(text), platform::MsgDlgType::Confirmation,
                              platform::mbYes | platform::mbNo | platform::mbHelp, helpContext) == platform::mrYes;
}

std::string FileInFolder(const std::string& folder, const std::string& file) {
  return core::Text().StripTrailingChar('\\', folder) + "\\" + file;
}

// The time the file was last written; 0 when it cannot be read.
unsigned long long FileAge(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace

ProjektRules::ProjektRules() = default;

void ProjektRules::LoadFromProject(const core::TProjekt& p) {
  webSite = p.GetWebSite();
  benutzername = p.GetBenutzername();
  passwort = p.GetPasswort();
  ziel = p.GetZielVerzeichnis();
  vorlagen = p.GetVorlagenVerzeichnis();
  files = {p.GetJavascriptDatei(), p.GetFrameDatei(), p.GetFrameEingabeDatei(), p.GetFrameHilfeDatei(),
           p.GetFrameLadenDatei()};
  stopwortListeVerwenden = p.GetStopwortListeVerwenden();
  stopwortListe = p.GetStopwortListe();
  SetRadio(beschreibung, p.GetBeschreibung(), 3);
  zahlen = p.GetZahlen();
  wortbreite = p.GetWortbreite();
  titleModus = p.GetTitleModus();
  descriptionModus = p.GetDescriptionModus();
  volltextModus = p.GetVolltextModus();
  keywordsModus = p.GetKeywordsModus();
  optimiertModus = p.GetOptimiertModus();
  glossarModus = p.GetGlossarModus();
  autoOptimierung = p.GetAutoOptimierung();
  SetWortbreiteMin(p.GetWortbreiteMin());
  SetWortbreiteMax(p.GetWortbreiteMax());
  SetRadio(gefundeneSchlagworte, p.GetGefundeneSchlagworte(), 2);
  dateiendungen = p.GetDateiendungen();
  detailsModus = p.GetDetailsModus();
  projektPfad = core::Text().ShortenUrl(p.GetProjectFileName(), kProjectPathWidth);
  projektEditEnabled = platform::FileExists(p.GetProjectFileName());
  schlagworteModus = p.GetSchlagworteModus();
  SetSchlagworteMaximal(p.GetSchlagworteMaximal());
}

void ProjektRules::StoreToProject(core::TProjekt& p) const {
  if (siteFields) {
    p.SetWebSite(webSite);
    p.SetBenutzername(benutzername);
    p.SetPasswort(passwort);
  }
  p.SetZielVerzeichnis(ziel);
  p.LoadTemplateSettings(vorlagen);
  p.SetStopwortListeVerwenden(stopwortListeVerwenden);
  p.SetBeschreibung(static_cast<std::uint8_t>(beschreibung));
  p.SetZahlen(zahlen);
  p.SetSchlagworteModus(schlagworteModus);
  p.SetSchlagworteMaximal(schlagworteMaximal_);
  p.SetWortbreite(wortbreite);
  p.SetWortbreiteMin(static_cast<std::uint8_t>(wortbreiteMin_));
  p.SetWortbreiteMax(static_cast<std::uint8_t>(wortbreiteMax_));
  p.SetGefundeneSchlagworte(static_cast<std::uint8_t>(gefundeneSchlagworte));
  p.SetDetailsModus(detailsModus);
  p.SetDateiendungen(dateiendungen);
  p.SetTitleModus(titleModus);
  p.SetDescriptionModus(descriptionModus);
  p.SetVolltextModus(volltextModus);
  p.SetKeywordsModus(keywordsModus);
  p.SetOptimiertModus(optimiertModus);
  p.SetGlossarModus(glossarModus);
  p.SetAutoOptimierung(autoOptimierung);
}

void ProjektRules::SetRadio(int& group, int index, int items) { group = std::clamp(index, 0, items - 1); }

void ProjektRules::TypeSchlagworteMaximal(int n) { schlagworteMaximal_ = std::clamp(n, 2, 5000); }
void ProjektRules::TypeWortbreiteMin(int n) { wortbreiteMin_ = std::clamp(n, 0, 80); }
void ProjektRules::TypeWortbreiteMax(int n) { wortbreiteMax_ = std::clamp(n, 0, 80); }

void ProjektRules::SetSchlagworteMaximal(int n) {
  TypeSchlagworteMaximal(n);
  CheckMinimum();
}

void ProjektRules::SetWortbreiteMin(int n) {
  TypeWortbreiteMin(n);
  CheckMinimum();
}

void ProjektRules::SetWortbreiteMax(int n) {
  TypeWortbreiteMax(n);
  CheckMaximum();
}

// A width of 0 switches its bound off, so only two bounds above 0 can cross.
void ProjektRules::CheckMinimum() {
  if (wortbreiteMax_ > 0 && wortbreiteMin_ > 0 && wortbreiteMax_ < wortbreiteMin_)
    SetWortbreiteMin(AskWidth(Txt::PdlgMaximalbreite, core::hcMaximalbreite) ? 0 : wortbreiteMax_);
}

void ProjektRules::CheckMaximum() {
  if (wortbreiteMin_ > 0 && wortbreiteMax_ > 0 && wortbreiteMax_ < wortbreiteMin_)
    SetWortbreiteMax(AskWidth(Txt::PdlgMindestbreite, core::hcMindestbreite) ? 0 : wortbreiteMin_);
}

bool ProjektRules::TemplateFileExists(FormFile file) const {
  return platform::FileExists(FileInFolder(vorlagen, files[int(file)]));
}

bool ProjektRules::TargetFileExists(FormFile file) const {
  return platform::FileExists(FileInFolder(ziel, files[int(file)]));
}

bool ProjektRules::LeaveDescriptionSources() {
  if (titleModus || descriptionModus) return false;
  platform::ShowMessage(core::LoadStr(Txt::PdlgQuelleBeschreibung));
  titleModus = true;
  return true;
}

bool ProjektRules::LeaveKeywordSources() {
  if (volltextModus || keywordsModus) return false;
  platform::ShowMessage(core::LoadStr(Txt::PdlgQuelleSchlagworte));
  volltextModus = true;
  return true;
}

void ProjektRules::EditTemplateFile(FormFile file, const core::TIni& settings,
                                    const ProjektDlgServices& services) const {
  EditFile(file, false, settings, services);
}

void ProjektRules::EditTargetFile(FormFile file, const core::TIni& settings,
                                  const ProjektDlgServices& services) const {
  EditFile(file, true, settings, services);
}

void ProjektRules::EditFile(FormFile file, bool target, const core::TIni& settings,
                            const ProjektDlgServices& services) const {
  // The database is JavaScript; the frames are HTML.
  const bool script = file == FormFile::Datenbank;
  const std::string& editor = script ? settings.GetJavascriptEditor() : settings.GetHTMLEditor();
  if (!platform::FileExists(editor)) {
    if (script) Error(Txt::PdlgJavascriptEditor, core::hcJavascriptEditor);
    else Error(Txt::PdlgHTMLEditor, core::hcHtmlEditor);
    return;
  }
  const std::string path = FileInFolder(target ? ziel : vorlagen, files[int(file)]);
  if (!platform::FileExists(path)) {
    const MissingFile& missing = (target ? kMissingTargetFile : kMissingTemplateFile)[int(file)];
    Error(missing.text, missing.helpContext);
    return;
  }
  if (!services.openInEditor) return;
  if (script)
    services.openInEditor(editor, settings.GetJavascriptEditorParam(), settings.GetJavascriptEditorUnix(), path);
  else
    services.openInEditor(editor, settings.GetHTMLEditorParam(), settings.GetHTMLEditorUnix(), path);
}

void ProjektRules::ChooseTargetFolder(const ProjektDlgServices& services) {
  std::string folder = ziel;
  if (services.chooseFolder && services.chooseFolder(core::LoadStr(Txt::PdlgZielWaehlen), folder)) ziel = folder;
}

void ProjektRules::ChooseTemplateFolder(const ProjektDlgServices& services) {
  std::string folder = vorlagen;
  if (services.chooseFolder && services.chooseFolder(core::LoadStr(Txt::PdlgVorlagenWaehlen), folder))
    vorlagen = folder;
}

bool ProjektRules::EditProjectFile(const std::string& projectFile, const core::TIni& settings,
                                   const ProjektDlgServices& services) {
  const std::string& editor = settings.GetTextEditor();
  if (!platform::FileExists(editor)) {
    Error(Txt::PdlgTextEditor, core::hcTextEditor);
    return false;
  }
  if (!platform::FileExists(projectFile)) {
    platform::MessageDlg(core::FormatStr(core::LoadStr(Txt::PdlgProjektFehlt), {projectFile}),
                         platform::MsgDlgType::Warning, platform::mbOK | platform::mbHelp, core::hcProjektExistiert);
    return false;
  }
  const unsigned long long age = FileAge(projectFile);
  if (services.openInEditor)
    services.openInEditor(editor, settings.GetTextEditorParam(), settings.GetTextEditorUnix(), projectFile);
  if (FileAge(projectFile) == age) return false;

  // The open project stays until its successor has loaded: a file the
  // editor left broken must not leave the main window without a project.
  bool failed = false;
  auto project = services.loadProject ? services.loadProject(projectFile, failed)
                                      : std::make_unique<core::TProjekt>(projectFile, failed);
  if (failed) {
    Error(Txt::PdlgProjektNeuLaden, core::hcProjektNeuLaden);
    return false;
  }
  LoadFromProject(*project);
  if (services.replaceProject) services.replaceProject(std::move(project));
  platform::App().ProcessMessages();
  return true;
}

}  // namespace desktop
