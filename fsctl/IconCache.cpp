#include "fsctl/IconCache.h"

namespace fsctl {

IconCache::IconCache() {
  icons_.SetSorted(true);
  icons_.SetDuplicates(platform::TDuplicates::dupIgnore);
}

IconCache::~IconCache() {
  for (int i = 0; i < icons_.Count(); ++i) DestroyIcon(static_cast<HICON>(icons_.Objects(i)));
}

HICON IconCache::Find(const std::string& extension) const {
  int index = 0;
  return icons_.Find(extension, index) ? static_cast<HICON>(icons_.Objects(index)) : nullptr;
}

void IconCache::Put(const std::string& extension, HICON icon) {
  if (!icon) return;
  int index = 0;
  if (icons_.Find(extension, index)) {
    if (icons_.Objects(index) != icon) DestroyIcon(icon);
    return;
  }
  icons_.AddObject(extension, icon);
}

IconCache& ProgramIconCache() {
  static IconCache cache;
  return cache;
}

}  // namespace fsctl
