#include "fsctl/IconCache.h"

#include <utility>

#include "platform/base/StringList.h"

namespace fsctl {

bool IconCache::ExtensionLess::operator()(const std::string& a, const std::string& b) const {
  return platform::AnsiCompareText(a, b) < 0;
}

HICON IconCache::Find(const std::string& extension) const {
  const auto found = icons_.find(extension);
  return found != icons_.end() ? found->second.Get() : nullptr;
}

void IconCache::Put(const std::string& extension, platform::OwnedIcon icon) {
  if (!icon) return;
  const auto found = icons_.find(extension);
  if (found == icons_.end()) {
    icons_.emplace(extension, std::move(icon));
  } else if (found->second.Get() == icon.Get()) {
    // Kept already: the cache owns it once.
    (void)icon.Release();
  }
}

IconCache& ProgramIconCache() {
  static IconCache cache;
  return cache;
}

}  // namespace fsctl
