#include "core/RelativeLink.h"

#include "core/TText.h"
#include "core/WineDrives.h"
#include "platform/base/Files.h"

namespace core {

std::string LinkFolder(const std::string& folder) {
  if (folder.size() == 2 && folder[1] == ':') return folder + "\\";
  return platform::ExpandFileName(folder);
}

std::string RelativeLink(std::string_view baseDir, std::string_view linkDir, std::string_view file,
                         const WineDrives* unixBrowser) {
  std::string link;
  if (baseDir == linkDir) {
    link = file;
  } else {
    const std::string target = Text().StripTrailingChar('\\', baseDir) + "\\" + std::string(file);
    // The drive letters decide, compared as written: "c:" and "C:" count as
    // two drives.
    if (!linkDir.empty() && target[0] == linkDir[0]) {
      link = RelativeWalk(target, std::string(linkDir), '\\');
    } else if (unixBrowser) {
      // Blanks stay blanks: the backslash a shell would want before them is
      // no part of a link.
      link = unixBrowser->WineRelativeLink(target, linkDir);
    } else {
      link = "file:///" + Text().ReplaceAll(target, ":", "|");
    }
  }
  return Text().ReplaceAll(link, "\\", "/");
}

}  // namespace core
