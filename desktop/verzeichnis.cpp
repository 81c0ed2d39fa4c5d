#include "desktop/verzeichnis.h"

#include "core/HelpContexts.h"
#include "coregui/CommandLine.h"
#include "desktop/FolderStart.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

TVerzeichnisDlg::TVerzeichnisDlg(std::function<bool(const std::string& page)> openInBrowser)
    : Form("TVerzeichnisDlg"),
      DriveComboBox1(Find<fsctl::TFsDriveComboBox>("DriveComboBox1")),
      Label2(Find<platform::Label>("Label2")),
      DirectoryListBox1(Find<fsctl::TFsDirectoryListBox>("DirectoryListBox1")),
      FileListBox1(Find<fsctl::TFsFileListBox>("FileListBox1")),
      OKBtn(Find<platform::Button>("OKBtn")),
      CancelBtn(Find<platform::Button>("CancelBtn")),
      HilfeBtn(Find<platform::Button>("HilfeBtn")),
      openInBrowser_(std::move(openInBrowser)) {
  DriveComboBox1.OnChange = [this] { FollowDrive(DriveComboBox1, DirectoryListBox1); };
  HilfeBtn.OnClick = [this] { HilfeBtnClick(); };
}

void TVerzeichnisDlg::SetStartFolder(const std::string& path) { ShowFolder(DriveComboBox1, DirectoryListBox1, path); }

void TVerzeichnisDlg::HilfeBtnClick() {
  if (openInBrowser_) openInBrowser_(core::HelpPagePath(core::ProgramDirectory(), core::helppage::kOrdnerWahl));
}

std::optional<std::string> ChooseFolder(const std::string& caption, const std::string& start,
                                        std::function<bool(const std::string& page)> openInBrowser) {
  TVerzeichnisDlg dlg(std::move(openInBrowser));
  dlg.SetStartFolder(start);
  dlg.SetCaption(caption);
  if (dlg.ShowModal() != platform::mrOk) return std::nullopt;
  return dlg.GetChosenFolder();
}

}  // namespace desktop
