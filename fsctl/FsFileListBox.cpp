#include "fsctl/FsFileListBox.h"

#include <shellapi.h>

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "fsctl/FsCommon.h"
#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/IconCache.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"

namespace fsctl {

namespace {

constexpr std::string_view kFileTypes[] = {"readonly", "hidden", "system", "volumeid", "directory", "archive",
                                           "normal"};
// The volume label bit of the old file attributes.
constexpr DWORD kVolumeIdAttribute = 0x8;
// Reading more entries than this shows the hourglass.
constexpr size_t kQuietEntries = 100;
// With glyphs: where the text starts, and where the icon sits left of it.
constexpr int kGlyphSpace = 24;
constexpr int kIconOffset = 20;
constexpr int kIconSize = 16;

bool Has(const std::vector<std::string>& words, std::string_view word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

DWORD AttributeMask(const std::vector<std::string>& types) {
  DWORD mask = 0;
  if (Has(types, "readonly")) mask |= FILE_ATTRIBUTE_READONLY;
  if (Has(types, "hidden")) mask |= FILE_ATTRIBUTE_HIDDEN;
  if (Has(types, "system")) mask |= FILE_ATTRIBUTE_SYSTEM;
  if (Has(types, "volumeid")) mask |= kVolumeIdAttribute;
  if (Has(types, "directory")) mask |= FILE_ATTRIBUTE_DIRECTORY;
  if (Has(types, "archive")) mask |= FILE_ATTRIBUTE_ARCHIVE;
  return mask;
}

std::string LowerExtension(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : platform::AnsiLowerCase(name.substr(dot));
}

platform::OwnedIcon ShellIcon(const std::string& path, UINT extra = 0) {
  SHFILEINFOA info{};
  if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON | extra)) return {};
  return platform::OwnedIcon(info.hIcon);
}

std::vector<std::string> SplitMasks(const std::string& masks) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= masks.size()) {
    size_t semi = masks.find(';', start);
    if (semi == std::string::npos) semi = masks.size();
    if (semi > start) parts.push_back(masks.substr(start, semi - start));
    start = semi + 1;
  }
  return parts;
}

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

// The hourglass while a large folder is read; the cursor before it after.
class WaitCursor {
 public:
  ~WaitCursor() {
    if (shown_) SetCursor(previous_);
  }
  void Show() {
    if (shown_) return;
    shown_ = true;
    previous_ = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
  }

 private:
  bool shown_ = false;
  HCURSOR previous_ = nullptr;
};

}  // namespace

const platform::ControlKind& TFsFileListBox::KindInfo() {
  static constexpr platform::PropSpec props[] = {
      platform::Prop<&TFsFileListBox::SetShowGlyphs>("ShowGlyphs"),
      platform::Prop<&TFsFileListBox::SetShowLongNames>("ShowLongNames"),
      platform::Prop<&TFsFileListBox::SetAllowOpen>("AllowOpen"),
      platform::Prop<&TFsFileListBox::SetFileType>("FileType", kFileTypes),
      platform::Prop<&TFsFileListBox::SetMask>("Mask"),
  };
  static const platform::ControlKind kind{{.kind = kKind, .props = {props}}, &platform::Make<TFsFileListBox>};
  return kind;
}

DWORD TFsFileListBox::CreationStyle(const platform::LayoutObject& stored) const {
  return ListBox::CreationStyle(stored) | LBS_OWNERDRAWFIXED;
}

int TFsFileListBox::LineHeight() const {
  const int height = FontLineHeight(Handle() ? CurrentFont() : Owner().FormFont()) - 3;
  return showGlyphs_ ? std::max(height, 18) : height;
}

void TFsFileListBox::Create(const platform::LayoutObject& stored, platform::Component* parent) {
  SetItemHeight(LineHeight());
  ListBox::Create(stored, parent);
  directory_ = ChangeFolder(".");
  ReadFileNames();
}

void TFsFileListBox::FontChanged() { SetItemHeight(LineHeight()); }

// ---- Settings --------------------------------------------------------------------

void TFsFileListBox::SetDirectory(const std::string& folder) {
  if (folder.empty() || folder == directory_) return;
  directory_ = ChangeFolder(folder);
  ReadFileNames();
}

void TFsFileListBox::SetMask(const std::string& mask) {
  const std::string wanted = mask.empty() ? "*.*" : mask;
  if (wanted == mask_) return;
  mask_ = wanted;
  ReadFileNames();
}

void TFsFileListBox::SetFileType(const std::vector<std::string>& types) {
  if (types == fileType_) return;
  fileType_ = types;
  ReadFileNames();
}

void TFsFileListBox::SetShowGlyphs(bool on) {
  if (on == showGlyphs_) return;
  showGlyphs_ = on;
  SetItemHeight(LineHeight());
  if (showGlyphs_) ReadFileNames();
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TFsFileListBox::SetShowLongNames(bool on) {
  if (on == showLongNames_) return;
  showLongNames_ = on;
  ReadFileNames();
}

// ---- Reading the folder ------------------------------------------------------------

void TFsFileListBox::TakeEntry(const WIN32_FIND_DATAA& found) {
  TFsFileInfo entry;
  entry.name = !showLongNames_ && found.cAlternateFileName[0] ? found.cAlternateFileName : found.cFileName;
  entry.attributes = found.dwFileAttributes;
  entry.time = found.ftLastWriteTime;
  entry.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  entry.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (showGlyphs_) {
    const std::string path = JoinPath(directory_, entry.name);
    const std::string ext = LowerExtension(entry.name);
    // Programs, links, icons and screen savers each have an icon of their
    // own; other files share the icon of their extension.
    const bool ownIcon = entry.isDirectory || ext == ".exe" || ext == ".lnk" || ext == ".ico" || ext == ".scr";
    if (ownIcon) {
      entry.ownIcon = ShellIcon(path);
      entry.icon = entry.ownIcon.Get();
    } else if (HICON cached = ProgramIconCache().Find(ext)) {
      entry.icon = cached;
    } else {
      ProgramIconCache().Put(ext, ShellIcon(path));
      // The cache keeps the first icon of an extension.
      entry.icon = ProgramIconCache().Find(ext);
    }
  }
  entries_.push_back(std::move(entry));
}

void TFsFileListBox::ReadFileNames() {
  if (!Handle() || directory_.empty()) return;
  const DWORD mask = AttributeMask(fileType_);
  const bool normal = Has(fileType_, "normal");
  // What a search returns without being asked: no hidden, system or folder
  // entries.
  constexpr DWORD kSpecial = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  ChangeFolder(directory_);
  entries_.clear();
  BeginUpdate();
  Clear();
  WaitCursor wait;
  const std::vector<std::string> patterns = SplitMasks(mask_);
  // A file that matches two masks is listed once.
  std::unordered_set<std::string> seen;
  for (const auto& pattern : patterns) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(JoinPath(directory_, pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      const std::string name = found.cFileName;
      const DWORD attributes = found.dwFileAttributes;
      if (attributes & kSpecial & ~mask) continue;
      if (!normal && !(attributes & mask)) continue;
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && (name == "." || name == "..")) continue;
      if (patterns.size() > 1 && !seen.insert(name).second) continue;
      TakeEntry(found);
      if (entries_.size() == kQuietEntries + 1) wait.Show();
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  // Folders first, then by name in the locale, case ignored (names equal
  // but for case, which a Unix folder may hold, in a fixed order).
  std::sort(entries_.begin(), entries_.end(), [](const TFsFileInfo& a, const TFsFileInfo& b) {
    if (a.isDirectory != b.isDirectory) return a.isDirectory;
    const int byText = platform::AnsiCompareText(a.name, b.name);
    if (byText != 0) return byText < 0;
    return platform::AnsiCompareStr(a.name, b.name) < 0;
  });
  for (const auto& entry : entries_) Add(entry.name);
  EndUpdate();
  FireChange();
}

const TFsFileInfo& TFsFileListBox::Entry(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= entries_.size())
    throw std::out_of_range("Listenindex au\xDF" "erhalb des Bereichs (" + std::to_string(index) + ")");
  return entries_[static_cast<size_t>(index)];
}

// ---- File names and paths ----------------------------------------------------------

std::string TFsFileListBox::FileName() const {
  const int current = ItemIndex();
  if (current < 0 || !Selected(current)) return {};
  return JoinPath(directory_, Item(current));
}

bool TFsFileListBox::SetFileName(const std::string& name) {
  const std::vector<std::string> items = Items();
  auto exact = std::find(items.begin(), items.end(), name);
  const int index = exact != items.end() ? static_cast<int>(exact - items.begin()) : IndexOf(name);
  Send(LB_SETCURSEL, static_cast<WPARAM>(index));
  FireChange();
  return index >= 0;
}

TFsDirectoryListBox* TFsFileListBox::LeadingFolderList() const {
  for (platform::Component* c : Owner().Components())
    if (auto* folders = dynamic_cast<TFsDirectoryListBox*>(c); folders && folders->FileList() == Name()) return folders;
  return nullptr;
}

void TFsFileListBox::ApplyFilePath(const std::string& path) {
  if (path.empty() || platform::SameText(path, FileName())) return;
  const PathParts parts = SplitPath(path);
  const std::string folder = parts.drive.empty() ? parts.folder : parts.drive + ":" + parts.folder;
  if (!folder.empty()) {
    if (TFsDirectoryListBox* folders = LeadingFolderList()) folders->SetDirectory(folder);
    else SetDirectory(folder);
  }
  if (parts.file.empty()) return;
  if (HasWildcard(parts.file)) {
    SetMask(parts.file);
    return;
  }
  const std::string file = JoinPath(directory_, parts.file);
  if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
    // The folder change stands; nothing of the old folder stays selected.
    if (ItemIndex() >= 0) SetFileName(std::string());
    throw platform::EInOutError(ERROR_FILE_NOT_FOUND, "The " + file + " file does not exist");
  }
  if (SetFileName(parts.file)) return;
  // The file is there but the mask hides it.
  SetMask(parts.file);
  SetFileName(parts.file);
}

bool TFsFileListBox::SetValue(const std::string& value) {
  try {
    ApplyFilePath(value);
    return true;
  } catch (const platform::EInOutError&) {
    return false;
  }
}

void TFsFileListBox::DoubleClicked() {
  const int current = ItemIndex();
  if (current >= 0) {
    const TFsFileInfo& entry = Entry(current);
    if (entry.isDirectory) {
      BeginUpdate();
      try {
        ApplyFilePath(JoinPath(JoinPath(directory_, entry.name), ""));
      } catch (...) {
        EndUpdate();
        throw;
      }
      EndUpdate();
    } else if (allowOpen_) {
      const std::string file = JoinPath(directory_, entry.name);
      const auto started = reinterpret_cast<INT_PTR>(
          ShellExecuteA(Owner().Handle(), "open", file.c_str(), nullptr, directory_.c_str(), SW_SHOWNORMAL));
      if (started <= 32)
        platform::MessageDlg("Could not open file.", platform::MsgDlgType::Information, platform::mbOK, 0);
    }
  }
  ListBox::DoubleClicked();
}

// ---- Drawing ---------------------------------------------------------------------------

void TFsFileListBox::DrawItem(const platform::ListDrawItem& item) {
  platform::PrepareListItem(item);
  if (item.index < 0 || static_cast<size_t>(item.index) >= entries_.size()) return;
  const TFsFileInfo& entry = entries_[static_cast<size_t>(item.index)];
  const int height = item.rect.bottom - item.rect.top;
  const int textLeft = item.rect.left + (showGlyphs_ ? kGlyphSpace : 0);
  SIZE pp{};
  GetTextExtentPoint32A(item.dc, "Pp", 2, &pp);
  SetBkMode(item.dc, TRANSPARENT);
  TextOutA(item.dc, textLeft + 2, item.rect.top + (height - pp.cy) / 2, entry.name.data(),
           static_cast<int>(entry.name.size()));
  if (!showGlyphs_) return;
  const int x = textLeft - kIconOffset;
  const int y = item.rect.top + (height - kIconSize) / 2;
  const platform::OwnedIcon selectedIcon =
      item.selected ? ShellIcon(JoinPath(directory_, entry.name), SHGFI_SELECTED) : platform::OwnedIcon();
  const HICON icon = selectedIcon ? selectedIcon.Get() : entry.icon;
  if (icon) {
    DrawIconEx(item.dc, x, y, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  } else {
    // Without a shell icon: one of our own pictures.
    const std::string ext = LowerExtension(entry.name);
    const char* name = entry.isDirectory ? "RZ_CLOSEDFOLDER" : ext == ".exe" ? "RZ_EXECUTABLE" : "RZ_UNKNOWNFILE";
    Picture::Named(name).Draw(item.dc, x, y);
  }
}

}  // namespace fsctl
