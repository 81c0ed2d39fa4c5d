#pragma once
// A folder's entries as the programs' file functions can use them. The
// programs name files in the ANSI code page (1252) and within MAX_PATH, so a
// file whose name holds a character the code page lacks (Greek, Japanese, an
// emoji), or one that Windows reserves (a Unix file system allows them), or
// whose path is too long, can be found but never opened. The folder is read
// through the wide functions, so that such entries are seen and named rather
// than mistaken for another file (the ANSI names replace a missing character
// by a look-alike) or passed over without a word.
#include <string>
#include <vector>

namespace core {

enum class EntryFault {
  None,
  // A character the code page lacks, one Windows reserves (" < > | * ? \),
  // or a control character.
  Name,
  // The folder's path and the name come to MAX_PATH characters or more.
  Path,
};

struct FolderEntry {
  std::string name;  // in the ANSI code page; "?" for a character it lacks
  unsigned long attributes = 0;
  bool folder = false;
  EntryFault fault = EntryFault::None;
};

// The entries of folder (with its trailing "\") that match pattern ("*.*",
// "*.htm"), "." and ".." included, in the order the system gives them. A
// folder that cannot be read gives none. A folder whose path is too long for
// the ANSI functions is read all the same.
std::vector<FolderEntry> ListFolder(const std::string& folder, const std::string& pattern);

// Up to `shown` lines of list, one per line ("\r" between them), and "..."
// when there are more: the names that a message lists.
std::string MessageLines(const std::vector<std::string>& list, size_t shown = 30);

}  // namespace core
