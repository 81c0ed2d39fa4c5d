#pragma once
// The Wine drive table: which Unix directory stands behind each drive letter,
// read from the Wine configuration file named in the settings, and the
// translation of Windows paths for Unix programs that cannot read them.
#include <array>
#include <string>
#include <string_view>

namespace core {

class WineDrives {
 public:
  // The configuration file last handed to Load.
  const std::string& Configuration() const { return configuration_; }

  // Remembers path; when a file of that name exists, reads every drive's root
  // from it (a drive the file does not mention becomes empty). A missing file
  // keeps the roots read before.
  void Load(const std::string& path);

  // Reads the roots from the text of a configuration file: per drive the
  // section "Drive X", key "Path" with its double quotes as part of the name
  // (the later configuration style) or without them (the older one).
  void ReadRoots(const std::string& configText);

  // The Unix directory of a drive letter (either case); "" for none.
  const std::string& Root(char letter) const;
  void SetRoot(char letter, const std::string& root);

  // The Unix form of a Windows path: the drive prefix replaced by the drive's
  // root wherever it occurs, backslashes turned into slashes. A path that
  // does not start with a drive letter and colon keeps its prefix.
  std::string UnixPath(std::string_view path) const;
  // UnixPath enclosed in single quotes, as a shell command line wants it.
  std::string ToUnixPath(std::string_view path) const;

  // The Unix path of targetPath relative to the folder fromDir, both mapped
  // through the table, every blank written as backslash-blank for a shell.
  std::string WineRelativePath(std::string_view targetPath, std::string_view fromDir) const;
  // The same without the escaping of blanks: what a link may hold.
  std::string WineRelativeLink(std::string_view targetPath, std::string_view fromDir) const;

 private:
  std::string configuration_;
  std::array<std::string, 26> roots_;
};

// The relative walk that links and Wine paths share: target made relative to
// the folder fromDir, both split at sep. Leading components equal ignoring
// case (in the user's locale) are dropped; every component left in fromDir,
// its last one also without a trailing sep, becomes ".." + sep; what is left
// of target follows.
std::string RelativeWalk(std::string target, std::string fromDir, char sep);

}  // namespace core
