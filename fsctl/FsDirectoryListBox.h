#pragma once
// The folder tree of one drive: the drive's root, the folders down to the
// current one (open folders, the current one marked), then the current
// folder's sub-folders (closed folders), each with its long name. A double
// click or Enter opens the folder of that line; Enter never reaches the
// dialog's default button.
//
// A label (DirLabel) shows the current folder, shortened to the label's
// width; a file list (FileList) shows the current folder's files. OnChange
// follows each change of the folder, after the file list has followed it.
#include <string>
#include <vector>

#include "platform/gui/ListBox.h"

namespace fsctl {

class TFsDirectoryListBox : public platform::ListBox {
 public:
  using ListBox::ListBox;
  static constexpr std::string_view kKind = "FsDirectoryListBox";
  std::string_view Kind() const override { return kKind; }
  static const platform::ControlKind& KindInfo();

  // The current folder, full, without a trailing "\" but at a drive root
  // ("C:\").
  const std::string& Directory() const { return directory_; }
  // Makes the folder the process's current folder and shows it; throws
  // EInOutError when it cannot be reached, the tree staying as it was.
  void SetDirectory(const std::string& folder);
  // The drive letter of the current folder.
  char Drive() const { return directory_.empty() ? '\0' : directory_[0]; }
  // Moves to the drive's current folder (its root unless the process has
  // been there).
  void SetDrive(char drive);
  // The current folder with every element in its long form.
  std::string LongDirectory() const;

  bool ShowLongNames() const { return showLongNames_; }
  void SetShowLongNames(bool on);
  const std::string& DirLabel() const { return dirLabel_; }
  void SetDirLabel(const std::string& labelName);
  const std::string& FileList() const { return fileList_; }
  void SetFileList(const std::string& listName);
  // Shows the current folder in the label.
  void UpdateLabel();

  // The full path of the line's folder.
  std::string ItemPath(int index) const;
  // Where the line's picture starts, in pixels from the list's left edge.
  int ItemIndent(int index) const;
  // Opens the folder of the current line.
  void OpenCurrent();

  // The current folder; setting it moves there (false when it cannot).
  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override { return directory_; }

 protected:
  DWORD CreationStyle(const platform::LayoutObject& stored) const override;
  void Create(const platform::LayoutObject& stored, platform::Component* parent) override;
  void DrawItem(const platform::ListDrawItem& item) override;
  void FontChanged() override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Moving the highlight is no change of the folder.
  void SelectionChanged() override {}
  void DoubleClicked() override;

 private:
  void ReadFolders();
  void Changed();
  int LineHeight() const;

  std::string directory_;
  // Lines 0 .. ancestors_ - 1 are the root and the folders down to the
  // current one; the sub-folders follow.
  int ancestors_ = 0;
  bool showLongNames_ = true;
  std::string dirLabel_;
  std::string fileList_;
};

}  // namespace fsctl
