#include "pellinova/wizard.h"

#include "desktop/FolderStart.h"
#include "pellinova/ProjektRules.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/gui/Dialogs.h"

namespace pellinova {

namespace {
constexpr const char* kHelpHtmlPage = "hilfe\\assistent.htm#html";
}

TWizardQuelleDlg::TWizardQuelleDlg(desktop::WizardServices services)
    : TWizardPage("TWizardQuelleDlg", kHelpHtmlPage, std::move(services)),
      DriveComboBox1(Find<fsctl::TFsDriveComboBox>("DriveComboBox1")),
      DirectoryListBox1(Find<fsctl::TFsDirectoryListBox>("DirectoryListBox1")),
      lblPfad(Find<platform::Label>("lblPfad")) {
  DriveComboBox1.OnChange = [this] { desktop::FollowDrive(DriveComboBox1, DirectoryListBox1); };
  OnShow = [this] { FormShow(); };
}

void TWizardQuelleDlg::FormShow() {
  if (const auto* project = static_cast<const TProjekt*>(Project()))
    desktop::ShowFolder(DriveComboBox1, DirectoryListBox1, project->GetHTMLVerzeichnis());
}

void TWizardQuelleDlg::FormClose() {
  if (auto* project = static_cast<TProjekt*>(Project()))
    project->SetHTMLVerzeichnis(desktop::StoredFolder(DirectoryListBox1.Directory()));
}

TWizardZielDlg::TWizardZielDlg(desktop::WizardServices services)
    : desktop::TWizardZielDlg(std::move(services)), BitBtn1(Find<platform::Button>("BitBtn1")) {
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
}

void TWizardZielDlg::BitBtn1Click() {
  // The project keeps its target until the page closes.
  if (const auto* project = static_cast<const TProjekt*>(Project()))
    desktop::ShowFolder(DriveComboBox1, DirectoryListBox1, project->GetHTMLVerzeichnis());
}

bool TWizardZielDlg::FormCloseQuery(int result) {
  if (result == platform::mrCancel || result == platform::mrYes) return true;
  const auto* project = static_cast<const TProjekt*>(Project());
  return !project || KeepDrives(project->GetHTMLVerzeichnis(), std::string(1, DriveComboBox1.Drive()));
}

}  // namespace pellinova
