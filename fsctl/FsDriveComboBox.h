#pragma once
// The drives of the machine, each with its picture: a removable drive as
// "a:", a fixed, CD-ROM or RAM drive with its volume label ("c: System"), a
// network drive with the name of its connection. The letters are lower-case
// unless TextCase is upper. A change of drive moves the folder list named
// by DirList to that drive, then fires OnChange; a drive the folder list
// cannot reach is ignored (the list shows the folder list's drive again).
#include <windows.h>

#include <string>
#include <vector>

#include "platform/gui/ComboBox.h"

namespace fsctl {

class Picture;

class TFsDriveComboBox : public platform::ComboBox {
 public:
  using ComboBox::ComboBox;
  static constexpr std::string_view kKind = "FsDriveComboBox";
  std::string_view Kind() const override { return kKind; }
  static const platform::ControlKind& KindInfo();

  // The letter of the current line, as listed; '\0' for none.
  char Drive() const;
  // Makes the drive's line current (letter case ignored); nothing when the
  // drive is not listed.
  void SetDrive(char drive);
  // Words of "removable", "fixed", "network", "cdrom", "ramdisk" (the
  // default: all five).
  void SetDriveTypes(const std::vector<std::string>& types);
  // "lower" (the default) or "upper".
  void SetTextCase(const std::string& textCase);
  const std::string& DirList() const { return dirList_; }
  void SetDirList(const std::string& listName) { dirList_ = listName; }
  // Lists the drives again.
  void BuildList();

  // The drive's volume label, lower-case with the first character upper;
  // "" when the drive gives none (critical-error boxes stay away meanwhile).
  static std::string VolumeLabel(char drive);
  // A volume label as the list shows it: "SYSTEM" as "System".
  static std::string ShownLabel(const std::string& label);
  // The remote name of the drive's network connection, in the case of the
  // letter asked with; the volume label when it is not connected.
  static std::string NetworkName(char drive);
  // The line of a drive of the type (GetDriveType) named name; "" for a type
  // that is not listed.
  static std::string DriveLine(char drive, UINT type, const std::string& name);

  // Value is the drive letter; setting it chooses that drive.
  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override;

 protected:
  DWORD CreationStyle(const platform::LayoutObject& stored) const override;
  void Create(const platform::LayoutObject& stored, platform::Component* parent) override;
  void DrawItem(const platform::ListDrawItem& item) override;
  void FontChanged() override;
  void SelectionChanged() override;

 private:
  int LineHeight() const;
  // Makes the drive's line current without a change event.
  void ShowLine(char drive);

  std::vector<std::string> driveTypes_ = {"removable", "fixed", "network", "cdrom", "ramdisk"};
  bool upperCase_ = false;
  std::string dirList_;
  std::vector<const Picture*> pictures_;  // one per line
};

}  // namespace fsctl
