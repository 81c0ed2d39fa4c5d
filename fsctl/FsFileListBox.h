#pragma once
// The files of a folder with their shell icons, folders first, then by name
// (case ignored in the locale). Which entries it shows: the names that match
// one of the ";"-separated masks and whose attributes fit the file types.
// A double click on a folder enters it, on a file opens it with the shell
// when AllowOpen is set.
//
// A folder list that names it as its FileList leads it: its folder follows
// that list's folder, and a path applied here moves that list. OnChange
// follows each reading of the folder and each change of the current line.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gui/ListBox.h"
#include "platform/gui/Pictures.h"

namespace fsctl {

class TFsDirectoryListBox;

// One entry of the list.
struct TFsFileInfo {
  std::string name;
  DWORD attributes = 0;
  FILETIME time{};
  uint64_t size = 0;
  HICON icon = nullptr;          // ownIcon's, or one of the program's icon cache
  platform::OwnedIcon ownIcon;  // the entry's own icon (folders, programs, links, ...)
  bool isDirectory = false;
};

class TFsFileListBox : public platform::ListBox {
 public:
  using ListBox::ListBox;
  static constexpr std::string_view kKind = "FsFileListBox";
  std::string_view Kind() const override { return kKind; }
  static const platform::ControlKind& KindInfo();

  // The folder shown: full, without a trailing "\" but at a drive root.
  const std::string& Directory() const { return directory_; }
  // When it differs: makes the folder the process's current folder, shows
  // what that became, and reads it. EInOutError when it cannot be reached.
  void SetDirectory(const std::string& folder);
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& mask);
  // Words of "readonly", "hidden", "system", "volumeid", "directory",
  // "archive", "normal" (the default: normal alone).
  void SetFileType(const std::vector<std::string>& types);
  bool ShowGlyphs() const { return showGlyphs_; }
  void SetShowGlyphs(bool on);
  bool ShowLongNames() const { return showLongNames_; }
  void SetShowLongNames(bool on);
  bool AllowOpen() const { return allowOpen_; }
  void SetAllowOpen(bool on) { allowOpen_ = on; }

  // The full path of the current line when it is selected, else "".
  std::string FileName() const;
  // Makes the line of that name current (the exact name first, else one
  // that differs in case only; none when there is neither); then OnChange.
  // True when a line was found.
  bool SetFileName(const std::string& name);
  // A path typed or chosen by the user. Its folder becomes the folder list's
  // (or, without one, this list's); a file part with "*" or "?" becomes the
  // mask, another one is selected. A file that does not exist throws
  // EInOutError ("The ... file does not exist") once the folder has changed,
  // with the list showing the new folder and no line current.
  void ApplyFilePath(const std::string& path);
  // Reads the folder again.
  void Update() { ReadFileNames(); }

  const TFsFileInfo& Entry(int index) const;

  // Value is FileName; setting it applies the path (false when that fails).
  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override { return FileName(); }

 protected:
  DWORD CreationStyle(const platform::LayoutObject& stored) const override;
  void Create(const platform::LayoutObject& stored, platform::Component* parent) override;
  void DrawItem(const platform::ListDrawItem& item) override;
  void FontChanged() override;
  void DoubleClicked() override;

 private:
  void ReadFileNames();
  void TakeEntry(const WIN32_FIND_DATAA& found);
  TFsDirectoryListBox* LeadingFolderList() const;
  int LineHeight() const;

  std::string directory_;
  std::string mask_ = "*.*";
  std::vector<std::string> fileType_ = {"normal"};
  bool showGlyphs_ = true;
  bool showLongNames_ = true;
  bool allowOpen_ = false;
  std::vector<TFsFileInfo> entries_;  // in the order of the lines
};

}  // namespace fsctl
