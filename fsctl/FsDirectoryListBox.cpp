#include "fsctl/FsDirectoryListBox.h"

#include <algorithm>
#include <cctype>

#include "fsctl/FsCommon.h"
#include "fsctl/FsFileListBox.h"
#include "fsctl/LongNames.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "platform/gui/Form.h"
#include "platform/gui/Label.h"

namespace fsctl {

namespace {
constexpr int kPictureWidth = 16;
// Posted to the list itself: fill the label.
constexpr UINT kLabelMessage = WM_USER + 0x51;
constexpr std::string_view kLabelKinds[] = {"Label"};
constexpr std::string_view kFileListKinds[] = {"FsFileListBox"};

// The folders of a full path below its root: "C:\a\b" gives a, b.
std::vector<std::string> FoldersBelowRoot(const std::string& path) {
  std::vector<std::string> folders;
  std::string rest = path.size() > 3 ? path.substr(3) : std::string();
  while (!rest.empty()) {
    const size_t slash = rest.find('\\');
    folders.push_back(rest.substr(0, slash));
    rest = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
  }
  return folders;
}
}  // namespace

const platform::ControlKind& TFsDirectoryListBox::KindInfo() {
  static constexpr platform::PropSpec props[] = {
      platform::Prop<&TFsDirectoryListBox::SetShowLongNames>("ShowLongNames"),
      platform::RefProp<&TFsDirectoryListBox::SetDirLabel>("DirLabel", kLabelKinds),
      platform::RefProp<&TFsDirectoryListBox::SetFileList>("FileList", kFileListKinds),
  };
  static const platform::ControlKind kind{{.kind = kKind, .props = {props}},
                                          &platform::Make<TFsDirectoryListBox>};
  return kind;
}

DWORD TFsDirectoryListBox::CreationStyle(const platform::LayoutObject& stored) const {
  return ListBox::CreationStyle(stored) | LBS_OWNERDRAWFIXED;
}

int TFsDirectoryListBox::LineHeight() const {
  return std::max(FontLineHeight(Handle() ? CurrentFont() : Owner().FormFont()), kPictureWidth);
}

void TFsDirectoryListBox::Create(const platform::LayoutObject& stored, platform::Component* parent) {
  SetItemHeight(LineHeight());
  ListBox::Create(stored, parent);
  directory_ = ChangeFolder(".");
  ReadFolders();
  // The label may come later in the layout: it is filled once the form
  // stands.
  PostMessageA(Handle(), kLabelMessage, 0, 0);
}

std::optional<LRESULT> TFsDirectoryListBox::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kLabelMessage:
      UpdateLabel();
      return 0;
    case WM_GETDLGCODE: {
      // Enter belongs to the tree, not to the dialog's default button: a
      // user who highlights a folder and presses Enter means that folder.
      LRESULT result = CallStandard(msg, wParam, lParam);
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      if (key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN)
        result |= DLGC_WANTALLKEYS;
      return result;
    }
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) break;
      ListBox::OnOwnMessage(msg, wParam, lParam);
      DoubleClicked();
      return 0;
    case WM_CHAR:
      if (wParam != '\r') break;
      return 0;
    default: break;
  }
  return ListBox::OnOwnMessage(msg, wParam, lParam);
}

void TFsDirectoryListBox::FontChanged() { SetItemHeight(LineHeight()); }

// ---- The folder --------------------------------------------------------------

void TFsDirectoryListBox::SetDirectory(const std::string& folder) {
  if (folder.empty()) return;
  const std::string now = ChangeFolder(folder);
  if (now == directory_) {
    UpdateLabel();
    return;
  }
  directory_ = now;
  ReadFolders();
  Changed();
}

void TFsDirectoryListBox::SetDrive(char drive) {
  auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
  if (!drive || upper(drive) == upper(Drive())) return;
  SetDirectory(std::string(1, drive) + ":");
}

std::string TFsDirectoryListBox::LongDirectory() const { return LongPath(directory_); }

void TFsDirectoryListBox::ReadFolders() {
  const std::vector<std::string> below = FoldersBelowRoot(directory_);
  platform::TStringList subFolders;
  subFolders.SetSorted(true);
  subFolders.SetDuplicates(platform::TDuplicates::dupAccept);
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(JoinPath(directory_, "*.*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      // Hidden and system folders stay hidden, as the file lists show them.
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == "." || name == ".." ||
          (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        continue;
      subFolders.Add(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  BeginUpdate();
  Clear();
  Add(directory_.substr(0, 3));
  for (const auto& folder : below) Add(folder);
  ancestors_ = Count();
  for (int i = 0; i < subFolders.Count(); ++i) Add(subFolders[i]);
  SetItemIndex(ancestors_ - 1);
  EndUpdate();
}

void TFsDirectoryListBox::Changed() {
  if (auto* files = dynamic_cast<TFsFileListBox*>(Owner().FindComponent(fileList_))) files->SetDirectory(directory_);
  FireChange();
  UpdateLabel();
}

std::string TFsDirectoryListBox::ItemPath(int index) const {
  if (index >= ancestors_) return JoinPath(directory_, Item(index));
  std::string path = Item(0);
  for (int i = 1; i <= index; ++i) path = JoinPath(path, Item(i));
  return path;
}

int TFsDirectoryListBox::ItemIndent(int index) const {
  if (index < ancestors_) return index * 4 + 2;
  return static_cast<int>(std::count(directory_.begin(), directory_.end(), '\\')) * 4 + 6;
}

void TFsDirectoryListBox::OpenCurrent() {
  const int current = ItemIndex();
  if (current >= 0) SetDirectory(ItemPath(current));
}

void TFsDirectoryListBox::DoubleClicked() {
  OpenCurrent();
  ListBox::DoubleClicked();
}

bool TFsDirectoryListBox::SetValue(const std::string& value) {
  try {
    SetDirectory(value);
    return true;
  } catch (const platform::EInOutError&) {
    return false;
  }
}

// ---- Long names and the label --------------------------------------------------

void TFsDirectoryListBox::SetShowLongNames(bool on) {
  if (on == showLongNames_) return;
  showLongNames_ = on;
  ReadFolders();
  UpdateLabel();
}

void TFsDirectoryListBox::SetDirLabel(const std::string& labelName) {
  dirLabel_ = labelName;
  UpdateLabel();
}

void TFsDirectoryListBox::SetFileList(const std::string& listName) { fileList_ = listName; }

void TFsDirectoryListBox::UpdateLabel() {
  auto* label = dynamic_cast<platform::Label*>(Owner().FindComponent(dirLabel_));
  if (!label || !label->Handle()) return;
  const std::string text = showLongNames_ ? LongDirectory() : directory_;
  HDC dc = GetDC(label->Handle());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label->Handle(), WM_GETFONT, 0, 0)));
  const std::string shown = ShortenPathToWidth(dc, text, label->Bounds().width);
  SelectObject(dc, old);
  ReleaseDC(label->Handle(), dc);
  label->SetCaption(shown);
}

// ---- Drawing ---------------------------------------------------------------------

void TFsDirectoryListBox::DrawItem(const platform::ListDrawItem& item) {
  platform::ListDrawItem background = item;
  background.selected = false;
  platform::PrepareListItem(background);
  if (item.index < 0) return;
  const char* pictureName = item.index >= ancestors_         ? "RZ_CLOSEDFOLDER"
                            : item.index == ancestors_ - 1 ? "RZ_CURRENTFOLDER"
                                                           : "RZ_OPENFOLDER";
  const Picture& picture = Picture::Named(pictureName);
  const int indent = ItemIndent(item.index);
  const int height = item.rect.bottom - item.rect.top;
  picture.Draw(item.dc, item.rect.left + indent, item.rect.top + (height - picture.Height()) / 2);

  const std::string text = showLongNames_ ? LongNameOfLastElement(ItemPath(item.index)) : item.text;
  SIZE pp{};
  GetTextExtentPoint32A(item.dc, "Pp", 2, &pp);
  RECT area = item.rect;
  area.left += kPictureWidth + indent + 4;
  SIZE size{};
  GetTextExtentPoint32A(item.dc, text.data(), static_cast<int>(text.size()), &size);
  // Only the name is highlighted, not the picture beside it.
  RECT mark{area.left - 1, area.top, std::min(area.left + size.cx + 2, area.right), area.bottom};
  if (item.selected) {
    FillRect(item.dc, &mark, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(item.dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  }
  SetBkMode(item.dc, TRANSPARENT);
  TextOutA(item.dc, area.left, area.top + (height - pp.cy) / 2, text.data(), static_cast<int>(text.size()));
}

}  // namespace fsctl
