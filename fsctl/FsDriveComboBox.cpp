#include "fsctl/FsDriveComboBox.h"

#include <winnetwk.h>

#include <algorithm>
#include <cctype>

#include "fsctl/FsCommon.h"
#include "fsctl/FsDirectoryListBox.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "platform/gui/Form.h"

namespace fsctl {

namespace {

constexpr std::string_view kDriveTypes[] = {"removable", "fixed", "network", "cdrom", "ramdisk"};
constexpr std::string_view kTextCases[] = {"lower", "upper"};
constexpr std::string_view kFolderListKinds[] = {"FsDirectoryListBox"};

// The type's word and picture; nullptr for the types no list shows.
struct DriveKind {
  UINT type;
  std::string_view word;
  const char* picture;
};
constexpr DriveKind kDriveKinds[] = {
    {DRIVE_REMOVABLE, "removable", "RZ_FLOPPY"}, {DRIVE_FIXED, "fixed", "RZ_FIXEDDISK"},
    {DRIVE_REMOTE, "network", "RZ_NETDRIVE"},    {DRIVE_CDROM, "cdrom", "RZ_CDROM"},
    {DRIVE_RAMDISK, "ramdisk", "RZ_RAM"},
};

const DriveKind* KindOf(UINT type) {
  for (const auto& k : kDriveKinds)
    if (k.type == type) return &k;
  return nullptr;
}

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Critical-error boxes ("insert a disk") stay away while a drive is asked.
class QuietErrors {
 public:
  QuietErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~QuietErrors() { SetErrorMode(previous_); }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  UINT previous_;
};

}  // namespace

const platform::ControlKind& TFsDriveComboBox::KindInfo() {
  static constexpr platform::PropSpec props[] = {
      platform::Prop<&TFsDriveComboBox::SetTextCase>("TextCase", kTextCases),
      platform::Prop<&TFsDriveComboBox::SetDriveTypes>("DriveTypes", kDriveTypes),
      platform::RefProp<&TFsDriveComboBox::SetDirList>("DirList", kFolderListKinds),
  };
  static const platform::ControlKind kind{{.kind = kKind, .props = {props}}, &platform::Make<TFsDriveComboBox>};
  return kind;
}

int TFsDriveComboBox::LineHeight() const {
  return std::max(FontLineHeight(Handle() ? CurrentFont() : Owner().FormFont()),
                  Picture::Named("RZ_FLOPPY").Height());
}

void TFsDriveComboBox::Create(const platform::LayoutObject& stored, platform::Component* parent) {
  SetItemHeight(LineHeight());
  ComboBox::Create(stored, parent);
  BuildList();
  char current[MAX_PATH] = {};
  // The drive the process stands on.
  if (GetCurrentDirectoryA(MAX_PATH, current) && current[1] == ':') ShowLine(current[0]);
}

DWORD TFsDriveComboBox::CreationStyle(const platform::LayoutObject&) const {
  return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP;
}

void TFsDriveComboBox::FontChanged() { SetItemHeight(LineHeight()); }

// ---- The drives --------------------------------------------------------------------

std::string TFsDriveComboBox::VolumeLabel(char drive) {
  const std::string root = std::string(1, drive) + ":\\";
  char name[MAX_PATH + 1] = {};
  bool got = false;
  {
    QuietErrors quiet;
    got = GetVolumeInformationA(root.c_str(), name, sizeof(name), nullptr, nullptr, nullptr, nullptr, 0) != 0;
  }
  return got ? ShownLabel(name) : std::string();
}

std::string TFsDriveComboBox::ShownLabel(const std::string& label) {
  if (label.empty()) return {};
  std::string shown = platform::AnsiLowerCase(label);
  shown[0] = platform::AnsiUpperCase(shown.substr(0, 1))[0];
  return shown;
}

std::string TFsDriveComboBox::NetworkName(char drive) {
  const std::string local = std::string(1, Upper(drive)) + ":";
  char remote[MAX_PATH + 1] = {};
  DWORD length = sizeof(remote);
  if (WNetGetConnectionA(local.c_str(), remote, &length) != NO_ERROR) return VolumeLabel(drive);
  const bool lower = std::islower(static_cast<unsigned char>(drive)) != 0;
  return lower ? platform::AnsiLowerCase(remote) : platform::AnsiUpperCase(remote);
}

std::string TFsDriveComboBox::DriveLine(char drive, UINT type, const std::string& name) {
  if (!KindOf(type)) return {};
  const std::string letter(1, drive);
  if (type == DRIVE_REMOVABLE) return letter + ":";
  return letter + ": " + name;
}

void TFsDriveComboBox::BuildList() {
  if (!Handle()) return;
  const char before = Drive();
  Send(CB_RESETCONTENT);
  pictures_.clear();
  const DWORD present = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(present & (1u << i))) continue;
    const char letter = static_cast<char>((upperCase_ ? 'A' : 'a') + i);
    const UINT type = GetDriveTypeA((std::string(1, letter) + ":\\").c_str());
    const DriveKind* kind = KindOf(type);
    if (!kind || std::find(driveTypes_.begin(), driveTypes_.end(), kind->word) == driveTypes_.end()) continue;
    const std::string name = type == DRIVE_REMOVABLE ? std::string()
                             : type == DRIVE_REMOTE  ? NetworkName(letter)
                                                     : VolumeLabel(letter);
    Add(DriveLine(letter, type, name));
    pictures_.push_back(&Picture::Named(kind->picture));
  }
  if (before) ShowLine(before);
}

void TFsDriveComboBox::SetDriveTypes(const std::vector<std::string>& types) {
  if (types == driveTypes_) return;
  driveTypes_ = types;
  BuildList();
}

void TFsDriveComboBox::SetTextCase(const std::string& textCase) {
  const bool upper = textCase == "upper";
  if (upper == upperCase_) return;
  upperCase_ = upper;
  BuildList();
}

char TFsDriveComboBox::Drive() const {
  const int current = ItemIndex();
  if (current < 0) return '\0';
  const std::string line = Item(current);
  return line.empty() ? '\0' : line[0];
}

void TFsDriveComboBox::SetDrive(char drive) {
  for (int i = 0; i < Count(); ++i) {
    if (Upper(Item(i)[0]) != Upper(drive)) continue;
    SetItemIndex(i);
    return;
  }
}

void TFsDriveComboBox::SelectionChanged() {
  if (auto* folders = dynamic_cast<TFsDirectoryListBox*>(Owner().FindComponent(dirList_))) {
    try {
      folders->SetDrive(Drive());
    } catch (const platform::EInOutError&) {
      // A drive that cannot be read (no disc, no connection, no access) is
      // no error here: the folders stay where they were, and so does the
      // drive shown, quietly, so that both still name the same drive.
      ShowLine(folders->Drive());
      return;
    }
  }
  FireChange();
}

void TFsDriveComboBox::ShowLine(char drive) {
  for (int i = 0; i < Count(); ++i)
    if (Upper(Item(i)[0]) == Upper(drive)) Send(CB_SETCURSEL, static_cast<WPARAM>(i));
}

bool TFsDriveComboBox::SetValue(const std::string& value) {
  if (value.empty()) return false;
  SetDrive(value[0]);
  return Upper(Drive()) == Upper(value[0]);
}

std::optional<std::string> TFsDriveComboBox::Value() const {
  const char drive = Drive();
  return drive ? std::string(1, drive) : std::string();
}

// ---- Drawing ---------------------------------------------------------------------------

void TFsDriveComboBox::DrawItem(const platform::ListDrawItem& item) {
  platform::PrepareListItem(item);
  if (item.index < 0 || static_cast<size_t>(item.index) >= pictures_.size()) return;
  const Picture& picture = *pictures_[static_cast<size_t>(item.index)];
  const int height = item.rect.bottom - item.rect.top;
  picture.Draw(item.dc, item.rect.left + 2, item.rect.top + (height - picture.Height()) / 2);
  SIZE pp{};
  GetTextExtentPoint32A(item.dc, "Pp", 2, &pp);
  SetBkMode(item.dc, TRANSPARENT);
  TextOutA(item.dc, item.rect.left + picture.Width() + 6, item.rect.top + (height - pp.cy) / 2, item.text.data(),
           static_cast<int>(item.text.size()));
}

}  // namespace fsctl
