#pragma once
// The folder choice of the project settings (target and template folders),
// in Corvanta and Pellinova alike: the caller sets the caption and the start
// folder, shows it and, after OK, reads the chosen folder.
#include <functional>
#include <optional>
#include <string>

#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/FsDriveComboBox.h"
#include "fsctl/FsFileListBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace desktop {

class TVerzeichnisDlg : public platform::Form {
 public:
  explicit TVerzeichnisDlg(std::function<bool(const std::string& page)> openInBrowser);

  fsctl::TFsDriveComboBox& DriveComboBox1;
  platform::Label& Label2;
  fsctl::TFsDirectoryListBox& DirectoryListBox1;
  fsctl::TFsFileListBox& FileListBox1;
  platform::Button& OKBtn;
  platform::Button& CancelBtn;
  platform::Button& HilfeBtn;

  // The folder the tree shows first (see ShowFolder: a bare drive, a folder
  // that is gone).
  void SetStartFolder(const std::string& path);
  // The tree's folder; a drive's root keeps its "\".
  std::string GetChosenFolder() const { return DirectoryListBox1.Directory(); }

 private:
  void HilfeBtnClick();

  std::function<bool(const std::string& page)> openInBrowser_;
};

// Create, start folder, caption, show: the folder chosen with OK, nothing
// after Abbrechen (the caller keeps its old value).
std::optional<std::string> ChooseFolder(const std::string& caption, const std::string& start,
                                        std::function<bool(const std::string& page)> openInBrowser);

}  // namespace desktop
