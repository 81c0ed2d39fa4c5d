#include "desktop/FolderStart.h"

#include <windows.h>

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "desktop/PageSelection.h"
#include "desktop/neueswort.h"
#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/FsDriveComboBox.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

namespace {

bool IsDriveRoot(const std::string& folder) { return folder.size() == 3 && folder[1] == ':' && folder[2] == '\\'; }

}  // namespace

std::string ReachableFolder(const std::string& folder, const std::function<bool(const std::string&)>& exists) {
  std::string candidate = folder;
  if (candidate.size() == 2 && candidate[1] == ':') candidate += '\\';
  while (candidate.size() > 3 && candidate.back() == '\\') candidate.pop_back();
  while (!candidate.empty() && !IsDriveRoot(candidate) && !exists(candidate)) {
    const size_t slash = candidate.find_last_of('\\');
    // A relative or UNC path without a parent of its own is left to the tree.
    if (slash == std::string::npos || slash == 0) break;
    candidate.erase(slash == 2 && candidate[1] == ':' ? slash + 1 : slash);
  }
  return candidate;
}

std::string ReachableFolder(const std::string& folder) { return ReachableFolder(folder, platform::DirectoryExists); }

std::string StoredFolder(const std::string& treeFolder) { return core::Text().StripTrailingChar('\\', treeFolder); }

std::string AskNewFolder(const std::string& parent) {
  std::string name = core::LoadStr(core::Txt::NewFolderProposal);
  for (;;) {
    const std::optional<std::string> typed = AskWord(core::LoadStr(core::Txt::CapNewFolder), name);
    if (!typed) return {};
    name = *typed;
    const std::string folder = StoredFolder(parent) + "\\" + name;
    if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
    platform::MessageDlg(core::LoadStr(core::Txt::MsgFolderNotMade), platform::MsgDlgType::Warning,
                         platform::mbOK | platform::mbHelp, core::hcVerzeichnisAnlegen);
  }
}

void ShowFolder(fsctl::TFsDriveComboBox& drives, fsctl::TFsDirectoryListBox& tree, const std::string& stored) {
  const std::string start = ReachableFolder(stored);
  if (!start.empty()) {
    try {
      tree.SetDirectory(start);
    } catch (const platform::EInOutError&) {
    }
  }
  drives.SetDrive(tree.Drive());
}

void FollowDrive(fsctl::TFsDriveComboBox& drives, fsctl::TFsDirectoryListBox& tree) {
  try {
    tree.SetDrive(drives.Drive());
  } catch (const platform::EInOutError&) {
    drives.SetDrive(tree.Drive());
  }
}

}  // namespace desktop
