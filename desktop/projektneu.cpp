#include "desktop/projektneu.h"

#include "core/HelpContexts.h"
#include "desktop/NewProject.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

TprojektNeuDlg::TprojektNeuDlg(std::string programDir, std::string projectExtension,
                               std::function<bool(const std::string& page)> openInBrowser,
                               std::vector<std::string> layouts, bool cancelInWarnings)
    : Form(std::move(layouts)),
      lbxVorlagen(Find<platform::ListBox>("lbxVorlagen")),
      meoBeschreibung(Find<platform::Memo>("meoBeschreibung")),
      edAutor(Find<platform::Edit>("edAutor")),
      edVersion(Find<platform::Edit>("edVersion")),
      btnVorschau(Find<platform::Button>("btnVorschau")),
      edProjekt(Find<platform::Edit>("edProjekt")),
      btnok(Find<platform::Button>("btnok")),
      btnAbbrechen(Find<platform::Button>("btnAbbrechen")),
      btnHilfe(Find<platform::Button>("btnHilfe")),
      programDir_(std::move(programDir)),
      projectExtension_(std::move(projectExtension)),
      templateRoot_(TemplateRoot(programDir_)),
      openInBrowser_(std::move(openInBrowser)),
      cancelInWarnings_(cancelInWarnings) {
  // Keys and the type-ahead pick a template as the mouse does.
  lbxVorlagen.OnChange = [this] { lbxVorlagenClick(); };
  btnVorschau.OnClick = [this] { btnVorschauClick(); };
  btnHilfe.OnClick = [this] { btnHilfeClick(); };
  OnClose = [this](platform::CloseAction& action) {
    if (!CanClose(ModalResult())) action = platform::CloseAction::None;
  };
  FormCreate();
}

std::string TprojektNeuDlg::SelectedTemplate() const {
  const int index = lbxVorlagen.ItemIndex();
  return index < 0 ? std::string() : lbxVorlagen.Item(index);
}

std::string TprojektNeuDlg::GetTemplateFolder() const { return TemplateFolder(templateRoot_, SelectedTemplate()); }

void TprojektNeuDlg::FormCreate() {
  const std::vector<std::string> names = TemplateNames(templateRoot_);
  lbxVorlagen.SetItems(names);
  lbxVorlagen.SetItemIndex(InitialTemplate(names));
  lbxVorlagenClick();
}

void TprojektNeuDlg::lbxVorlagenClick() {
  const std::string name = SelectedTemplate();
  // Without a template there is nothing to create a project from.
  btnok.SetEnabled(!name.empty());
  if (name.empty()) {
    btnVorschau.SetEnabled(false);
    return;
  }
  const TemplateInfo info = ReadTemplateInfo(TemplateFolder(templateRoot_, name));
  meoBeschreibung.SetText(info.description);
  edAutor.SetText(info.author);
  edVersion.SetText(info.version);
  edProjekt.SetText(name);
  btnVorschau.SetEnabled(platform::FileExists(TemplatePreviewPage(templateRoot_, name)));
}

void TprojektNeuDlg::btnVorschauClick() {
  const std::string name = SelectedTemplate();
  if (!name.empty() && openInBrowser_) openInBrowser_(TemplatePreviewPage(templateRoot_, name));
}

void TprojektNeuDlg::btnHilfeClick() {
  if (openInBrowser_) openInBrowser_(core::HelpPagePath(programDir_, core::helppage::kProjektNeu));
}

bool TprojektNeuDlg::CanClose(int result) {
  if (result != platform::mrOk) return true;
  const std::string name = edProjekt.Text();
  const std::string file = ProjectFileFor(programDir_ + core::LoadStr(core::Txt::MainProjectFolder), name, projectExtension_);
  const std::vector<NameWarning> warnings = NameWarnings(name, platform::FileExists(file));
  for (const NameWarning& w : warnings) {
    if (platform::MessageDlg(core::LoadStr(w.text), platform::MsgDlgType::Warning,
                             platform::mbOK | (cancelInWarnings_ ? platform::mbCancel : 0u) | platform::mbHelp,
                             w.helpContext) == platform::mrCancel) {
      SetModalResult(platform::mrCancel);
      return true;
    }
  }
  if (warnings.empty()) return true;
  edProjekt.SetFocus();
  return false;
}

}  // namespace desktop
