#include "desktop/wizard.h"

#include "core/HelpContexts.h"
#include "coregui/CommandLine.h"
#include "coregui/projektVerwaltung.h"
#include "desktop/FolderStart.h"
#include "desktop/NewProject.h"
#include "desktop/PageSelection.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

TWizardPage::TWizardPage(const std::string& layout, const char* helpPage, WizardServices services)
    : Form(layout + services.layoutVariant),
      meoAufgabe(Find<platform::Memo>("meoAufgabe")),
      meoTun(Find<platform::Memo>("meoTun")),
      btnHilfe(Find<platform::Button>("btnHilfe")),
      helpPage_(helpPage),
      services_(std::move(services)) {
  btnHilfe.OnClick = [this] { btnHilfeClick(); };
  OnClose = [this](platform::CloseAction& action) {
    if (!CanClose(ModalResult())) action = platform::CloseAction::None;
  };
}

int TWizardPage::Execute() {
  const int result = ShowModal();
  FormClose();
  return result;
}

void TWizardPage::btnHilfeClick() {
  if (services_.openInBrowser) services_.openInBrowser(core::HelpPagePath(core::ProgramDirectory(), helpPage_));
}

TWizardIntroProgrammDlg::TWizardIntroProgrammDlg(WizardServices services)
    : TWizardPage("TWizardIntroProgrammDlg", core::helppage::kAssistent[0], std::move(services)) {}

TWizardIntroDlg::TWizardIntroDlg(WizardServices services)
    : TWizardPage("TWizardIntroDlg", core::helppage::kAssistent[1], std::move(services)) {}

TWizardProjektDlg::TWizardProjektDlg(WizardServices services)
    : TWizardPage("TWizardProjektDlg", core::helppage::kAssistent[2], std::move(services)),
      edProjektName(Find<platform::Edit>("edProjektName")) {
  OnShow = [this] { FormShow(); };
}

void TWizardProjektDlg::FormShow() {
  if (const core::TProjekt* project = Project())
    edProjektName.SetText(ProposedProjectName(project->GetProjectFileName()));
}

bool TWizardProjektDlg::FormCloseQuery(int result) {
  if (result != platform::mrOk) return true;
  const std::vector<core::Txt> bad = BadNameCharacters(edProjektName.Text());
  if (bad.empty()) return true;
  platform::MessageDlg(core::LoadStr(bad.front()), platform::MsgDlgType::Warning, platform::mbOK | platform::mbHelp,
                       core::hcNichtErlaubt);
  edProjektName.SetFocus();
  return false;
}

TWizardZielDlg::TWizardZielDlg(WizardServices services)
    : TWizardPage("TWizardZielDlg", core::helppage::kAssistent[4], std::move(services)),
      DriveComboBox1(Find<fsctl::TFsDriveComboBox>("DriveComboBox1")),
      DirectoryListBox1(Find<fsctl::TFsDirectoryListBox>("DirectoryListBox1")),
      lblPfad(Find<platform::Label>("lblPfad")),
      BitBtn3(Find<platform::Button>("BitBtn3")) {
  OnShow = [this] { FormShow(); };
  DriveComboBox1.OnChange = [this] { FollowDrive(DriveComboBox1, DirectoryListBox1); };
  BitBtn3.OnClick = [this] { BitBtn3Click(); };
}

void TWizardZielDlg::FormShow() {
  if (const core::TProjekt* project = Project()) ShowFolder(DriveComboBox1, DirectoryListBox1, project->GetZielVerzeichnis());
}

void TWizardZielDlg::BitBtn3Click() {
  const std::string folder = AskNewFolder(DirectoryListBox1.Directory());
  if (!folder.empty()) DirectoryListBox1.SetDirectory(folder);
}

void TWizardZielDlg::FormClose() {
  if (core::TProjekt* project = Project()) project->SetZielVerzeichnis(StoredFolder(DirectoryListBox1.Directory()));
}

TWizardAnalyseDlg::TWizardAnalyseDlg(WizardServices services)
    : TWizardPage("TWizardAnalyseDlg", core::helppage::kAssistent[5], std::move(services)) {}

TWizardFertigDlg::TWizardFertigDlg(WizardServices services)
    : TWizardPage("TWizardFertigDlg", core::helppage::kAssistent[6], std::move(services)) {}

}  // namespace desktop
