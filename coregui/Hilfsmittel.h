#pragma once
// The utilities that ask the system (the user's thousands separator, the
// file search in a directory tree) or show a window (the file copy with
// progress and retry); the text helpers are in core/TText.h.
#include <cstdint>
#include <string>

#include "core/TText.h"

namespace platform {
class TStringList;
}

namespace core {

class THinweisDlg;

class TDir {
 public:
  // Appends to list the files below directory that match mask ("*.htm" or
  // "sub\*.htm"), sub-folders first (when recurse), each level sorted by
  // name. A file matches when its extension equals the mask's exactly
  // (case-sensitive). Entries are "sub\name" when relative, else full paths.
  // Folders whose name starts with "." are not entered.
  void FindFiles(const std::string& directory, const std::string& mask, platform::TStringList& list,
                 bool relative, bool recurse) const;

  // True when path names an existing directory; "C:" tests "C:\".
  bool DirExists(const std::string& path) const;
};

class Tfile {
 public:
  // Copies source to destination in 2048-byte blocks, showing the progress in
  // window. The copy is written beside destination and put in its place only
  // when complete (platform::TReplacement). Every file step runs in the retry
  // loop; giving up, or the user closing the window, sets abort, and then
  // destination stays as it was. A missing source does nothing (abort stays
  // as it was).
  void CopyFileWithProgress(THinweisDlg& window, const std::string& source, const std::string& destination,
                            bool& abort) const;
};

// Has no operations; it exists because the programs create it beside the
// others.
class TDateString {};

// Decimal text with the thousands separator of the user's settings.
std::string FormatThousands(std::int64_t number);

TDir& Dir();
Tfile& File();
TDateString& DateString();

}  // namespace core
