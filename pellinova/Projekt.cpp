#include "pellinova/Projekt.h"

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/ini.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"

namespace pellinova {

namespace {

void Error(core::Txt text, int helpContext) {
  platform::MessageDlg(core::LoadStr(text), platform::MsgDlgType::Error, platform::mbOK | platform::mbHelp,
                       helpContext);
}

}  // namespace

TProjektDlg::TProjektDlg(const core::TIni& settings, desktop::ProjektDlgServices services)
    : desktop::TProjektDlg(settings, std::move(services), {"TProjektDlg", "TProjektDlgPellinova"}),
      panHTML(Find<platform::Panel>("panHTML")),
      BitBtn1(Find<platform::Button>("BitBtn1")),
      ckbAbsolutePfade(Find<platform::CheckBox>("ckbAbsolutePfade")),
      ckbServernameVerwenden(Find<platform::CheckBox>("ckbServernameVerwenden")),
      edServername(Find<platform::Edit>("edServername")),
      ckbXML(Find<platform::CheckBox>("ckbXML")) {
  MutableRules().siteFields = false;
  ckbAbsolutePfade.OnClick = [this] { Changed([this] { extras_.absolutePfade = ckbAbsolutePfade.Checked(); }); };
  ckbServernameVerwenden.OnClick = [this] {
    Changed([this] { extras_.serverNameVerwenden = ckbServernameVerwenden.Checked(); });
  };
  ckbXML.OnClick = [this] { Changed([this] { extras_.xml = ckbXML.Checked(); }); };
  edServername.OnChange = [this] { extras_.serverName = edServername.Text(); };
  BitBtn1.OnClick = [this] {
    std::string folder = extras_.html;
    const auto& choose = Services().chooseFolder;
    if (choose && choose(txt::Load(IDS_CAP_HTML_FOLDER), folder)) {
      extras_.html = folder;
      panHTML.SetCaption(folder);
    }
  };
  targetButtons[int(desktop::FormFile::Datenbank)]->OnClick = [this] { btnErgebnisDatenbankClick(); };
}

void TProjektDlg::LoadFromProject(const core::TProjekt& project) {
  // The extras first: the shared load shows them with its own values.
  extras_.LoadFromProject(static_cast<const TProjekt&>(project));
  desktop::TProjektDlg::LoadFromProject(project);
}

void TProjektDlg::StoreToProject(core::TProjekt& project) {
  auto& own = static_cast<TProjekt&>(project);
  own.SetHTMLVerzeichnis(extras_.html);
  desktop::TProjektDlg::StoreToProject(project);
  extras_.StoreToProject(own);
}

bool TProjektDlg::CanClose(int result) {
  if (!desktop::TProjektDlg::CanClose(result)) return false;
  if (result == platform::mrCancel || !tasVerzeichnisse.TabVisible()) return true;
  if (KeepDrives(extras_.html, Rules().ziel)) return true;
  pgcProjekt.SetActivePage(tasVerzeichnisse);
  return false;
}

void TProjektDlg::RulesShown() {
  panHTML.SetCaption(extras_.html);
  ckbAbsolutePfade.SetChecked(extras_.absolutePfade);
  ckbServernameVerwenden.SetChecked(extras_.serverNameVerwenden);
  ckbServernameVerwenden.SetEnabled(extras_.ServerNameEnabled());
  if (edServername.Text() != extras_.serverName) edServername.SetText(extras_.serverName);
  edServername.SetEnabled(extras_.ServerFieldEnabled());
  ckbXML.SetChecked(extras_.xml);
  const std::string& database = extras_.TargetDatabase();
  targetPanels[int(desktop::FormFile::Datenbank)]->SetCaption(database);
  targetButtons[int(desktop::FormFile::Datenbank)]->SetEnabled(
      platform::FileExists(core::Text().StripTrailingChar('\\', Rules().ziel) + "\\" + database));
  if (!extras_.FrameButtonsEnabled())
    for (auto file : {desktop::FormFile::Hauptdatei, desktop::FormFile::FrameEingabe,
                      desktop::FormFile::FrameHilfe, desktop::FormFile::FrameLaden})
      targetButtons[int(file)]->SetEnabled(false);
  // The template's per-letter files have no glossary and are never
  // optimised automatically.
  if (extras_.mega) {
    ckbGlossar.SetEnabled(false);
    ckbAutoOptimize.SetEnabled(false);
  }
}

void TProjektDlg::btnErgebnisDatenbankClick() {
  const core::TIni& settings = Settings();
  const std::string& editor = settings.GetHTMLEditor();
  if (!platform::FileExists(editor)) return Error(core::Txt::PdlgHTMLEditor, core::hcHtmlEditor);
  const std::string path = core::Text().StripTrailingChar('\\', Rules().ziel) + "\\" + extras_.TargetDatabase();
  if (!platform::FileExists(path)) return Error(core::Txt::PdlgErgebnisDatenbank, core::hcJavascriptErgebnis);
  if (Services().openInEditor)
    Services().openInEditor(editor, settings.GetHTMLEditorParam(), settings.GetHTMLEditorUnix(), path);
}

int ShowProjectDialog(core::TProjekt& project, const core::TIni& settings, desktop::ProjektDlgServices services,
                      bool analysisOnly) {
  services.loadProject = [](const std::string& path, bool& failed) -> std::unique_ptr<core::TProjekt> {
    return std::make_unique<TProjekt>(path, failed);
  };
  return desktop::ShowProjectDialog(project, settings, std::move(services), analysisOnly,
                                     [](const core::TIni& s, desktop::ProjektDlgServices sv) {
                                       return std::make_unique<TProjektDlg>(s, std::move(sv));
                                     });
}

}  // namespace pellinova
