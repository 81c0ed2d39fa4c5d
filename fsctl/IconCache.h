#pragma once
// The program's cache of small shell icons by file extension: a file list
// asks the shell once per extension, not once per file.
#include <windows.h>

#include <string>

#include "platform/base/StringList.h"

namespace fsctl {

class IconCache {
 public:
  IconCache();
  ~IconCache();
  IconCache(const IconCache&) = delete;
  IconCache& operator=(const IconCache&) = delete;

  // The icon kept for the extension (".txt", case ignored); nullptr if none.
  HICON Find(const std::string& extension) const;
  // Keeps the icon for the extension and owns it from now on. An extension
  // kept already keeps its icon; the new one is destroyed.
  void Put(const std::string& extension, HICON icon);
  int Count() const { return icons_.Count(); }

 private:
  platform::TStringList icons_;
};

// The one cache of the program, made on first use, freed at the end.
IconCache& ProgramIconCache();

}  // namespace fsctl
