#include "core/WineDrives.h"

#include "core/TText.h"
#include "platform/base/Files.h"
#include "platform/base/IniDocument.h"
#include "platform/base/StringList.h"

namespace core {

namespace {

int DriveIndex(char letter) {
  const unsigned char c = static_cast<unsigned char>(letter);
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a';
  return -1;
}

// Only "X:..." names a drive. Anything else (empty, "\\server\share", a
// relative path) has no entry in the table and keeps its beginning.
bool HasDrivePrefix(std::string_view path) { return path.size() >= 2 && DriveIndex(path[0]) >= 0 && path[1] == ':'; }

// Text up to and including the first sep; with lastCounts, a last component
// written without a trailing sep counts as one and is taken from s whole.
std::string Head(std::string& s, char sep, bool lastCounts) {
  const size_t p = s.find(sep);
  if (p != std::string::npos) return s.substr(0, p + 1);
  if (lastCounts && !s.empty()) {
    std::string head = s + sep;
    s.clear();
    return head;
  }
  return {};
}

// Removes a head from the front of s; a head that Head took whole is gone already.
void DropHead(std::string& s, const std::string& head) {
  if (s.compare(0, head.size(), head) == 0) s.erase(0, head.size());
}

}  // namespace

std::string RelativeWalk(std::string target, std::string fromDir, char sep) {
  std::string headT = Head(target, sep, false);
  std::string headL = Head(fromDir, sep, false);
  while (!headL.empty() && platform::SameText(headT, headL)) {
    DropHead(target, headT);
    DropHead(fromDir, headL);
    headT = Head(target, sep, false);
    headL = Head(fromDir, sep, true);
  }
  std::string ups;
  while (!headL.empty()) {
    ups += "..";
    ups += sep;
    DropHead(fromDir, headL);
    headL = Head(fromDir, sep, true);
  }
  return ups + target;
}

void WineDrives::Load(const std::string& path) {
  configuration_ = path;
  if (!platform::FileExists(path)) return;
  std::string text;
  try {
    text = platform::ReadFileBytes(path);
  } catch (const platform::EInOutError&) {
    // A file that is there but cannot be read names no drive, as the profile
    // reader of the system would have it.
  }
  ReadRoots(text);
}

void WineDrives::ReadRoots(const std::string& configText) {
  const platform::IniDocument doc = platform::IniDocument::Parse(configText);
  for (int i = 0; i < 26; ++i) {
    const std::string section = std::string("Drive ") + static_cast<char>('A' + i);
    auto root = doc.Read(section, "\"Path\"");
    if (!root) root = doc.Read(section, "Path");
    roots_[i] = root.value_or(std::string());
  }
}

const std::string& WineDrives::Root(char letter) const {
  static const std::string none;
  const int i = DriveIndex(letter);
  return i < 0 ? none : roots_[i];
}

void WineDrives::SetRoot(char letter, const std::string& root) {
  const int i = DriveIndex(letter);
  if (i >= 0) roots_[i] = root;
}

std::string WineDrives::UnixPath(std::string_view path) const {
  std::string result(path);
  if (HasDrivePrefix(path)) result = Text().ReplaceAll(path, path.substr(0, 2), Root(path[0]));
  return Text().ReplaceAll(result, "\\", "/");
}

std::string WineDrives::ToUnixPath(std::string_view path) const {
  std::string quoted(1, '\'');
  quoted += UnixPath(path);
  quoted += '\'';
  return quoted;
}

std::string WineDrives::WineRelativeLink(std::string_view targetPath, std::string_view fromDir) const {
  return RelativeWalk(UnixPath(targetPath), UnixPath(fromDir), '/');
}

std::string WineDrives::WineRelativePath(std::string_view targetPath, std::string_view fromDir) const {
  return Text().ReplaceAll(WineRelativeLink(targetPath, fromDir), " ", "\\ ");
}

}  // namespace core
