#pragma once
// The program's cache of small shell icons by file extension: a file list
// asks the shell once per extension, not once per file.
#include <windows.h>

#include <map>
#include <string>

#include "platform/gui/Pictures.h"

namespace fsctl {

class IconCache {
 public:
  IconCache() = default;
  IconCache(const IconCache&) = delete;
  IconCache& operator=(const IconCache&) = delete;

  // The icon kept for the extension (".txt", case ignored); nullptr if none.
  HICON Find(const std::string& extension) const;
  // Keeps the icon for the extension. An extension kept already keeps its
  // icon; the new one is destroyed.
  void Put(const std::string& extension, platform::OwnedIcon icon);
  int Count() const { return static_cast<int>(icons_.size()); }

 private:
  // Extensions in the order of the locale, case ignored (AnsiCompareText).
  struct ExtensionLess {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  std::map<std::string, platform::OwnedIcon, ExtensionLess> icons_;
};

// The one cache of the program, made on first use, freed at the end.
IconCache& ProgramIconCache();

}  // namespace fsctl
