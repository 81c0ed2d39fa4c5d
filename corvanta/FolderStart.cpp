#include "corvanta/FolderStart.h"

#include <windows.h>

#include "core/Hilfsmittel.h"
#include "core/Texts.h"
#include "platform/base/Files.h"

namespace corvanta {

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

}  // namespace corvanta
