#include "platform/gui/FileDialog.h"

#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "platform/gui/Dialogs.h"
#include "platform/gui/UiSeam.h"

namespace platform {

std::string SystemFilter(const std::string& filter) {
  if (filter.empty()) return std::string(2, '\0');
  std::string out = filter;
  for (char& c : out) {
    if (c == '|') c = '\0';
  }
  // An odd count of parts leaves a description without pattern: the system
  // would read past the list, so the last one gets "*.*".
  std::size_t parts = 1;
  for (char c : filter) parts += c == '|';
  if (parts % 2 != 0) out += std::string(1, '\0') + "*.*";
  out += std::string(2, '\0');
  return out;
}

namespace {

int ShowOpenDialog(UiRequest& request, const OpenDialog& dialog) {
  const std::string filter = SystemFilter(dialog.Filter);
  // Room for long paths; the dialog says so when a name does not fit.
  std::vector<char> name(32768, '\0');
  request.fileName.copy(name.data(), name.size() - 1);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  HWND active = GetActiveWindow();
  ofn.hwndOwner = active ? GetAncestor(active, GA_ROOT) : nullptr;
  ofn.lpstrFilter = dialog.Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = dialog.InitialDir.empty() ? nullptr : dialog.InitialDir.c_str();
  ofn.lpstrTitle = dialog.Title.empty() ? nullptr : dialog.Title.c_str();
  ofn.lpstrDefExt = dialog.DefaultExt.empty() ? nullptr : dialog.DefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER;
  if (dialog.Options & ofFileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (dialog.Options & ofPathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (dialog.Options & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (dialog.Options & ofNoChangeDir) ofn.Flags |= OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&ofn)) return mrCancel;
  request.fileName = name.data();
  return mrOk;
}

}  // namespace

bool OpenDialog::Execute() {
  UiRequest request;
  request.kind = UiKind::FileDialog;
  request.caption = Title;
  request.fileName = FileName;
  request.filter = Filter;
  request.initialDir = InitialDir;
  const int result = RunModal(request, [this](UiRequest& r) { return ShowOpenDialog(r, *this); });
  if (result != mrOk || request.fileName.empty()) return false;
  FileName = request.fileName;
  return true;
}

}  // namespace platform
