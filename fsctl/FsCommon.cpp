#include "fsctl/FsCommon.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/base/Files.h"

namespace fsctl {

int FontLineHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight + 2;
}

char LastChar(const std::string& text) { return text.empty() ? '\0' : text.back(); }

// ---- Pictures ---------------------------------------------------------------

Picture::Picture(const char* name) {
  platform::OwnedBitmap bitmap;
  try {
    bitmap = platform::LoadBitmapResource(name);
  } catch (const std::runtime_error&) {
    return;  // a program without the picture draws nothing in its place
  }
  const SIZE size = platform::BitmapSize(bitmap.Get());
  width_ = size.cx;
  height_ = size.cy;
  list_ = platform::CreatePictureList(width_, height_);
  platform::AddMaskedPictures(list_.Get(), bitmap.Get());
}

const Picture& Picture::Named(const char* name) {
  static std::map<std::string, std::unique_ptr<Picture>> loaded;
  auto& slot = loaded[name];
  if (!slot) slot.reset(new Picture(name));
  return *slot;
}

void Picture::Draw(HDC dc, int x, int y) const { platform::DrawPicture(dc, list_.Get(), 0, x, y, true); }

// ---- Paths --------------------------------------------------------------------

namespace {

int TextWidth(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

std::string ShortenPathToWidth(HDC dc, const std::string& path, int width) {
  if (TextWidth(dc, path) <= width) return path;
  const PathParts parts = SplitPath(path);
  const std::string drive = parts.drive.empty() ? std::string() : parts.drive + ":";
  // The folders after the first "\", and the last element.
  std::vector<std::string> folders;
  std::string rest = parts.folder;
  if (!rest.empty() && rest.front() == '\\') rest.erase(0, 1);
  for (size_t slash; (slash = rest.find('\\')) != std::string::npos; rest.erase(0, slash + 1))
    folders.push_back(rest.substr(0, slash));
  std::string tail = parts.file;
  for (size_t drop = 1; drop <= folders.size(); ++drop) {
    std::string kept;
    for (size_t i = drop; i < folders.size(); ++i) kept += folders[i] + "\\";
    const std::string candidate = drive + "\\...\\" + kept + tail;
    if (TextWidth(dc, candidate) <= width) return candidate;
  }
  return "...\\" + tail;
}

PathParts SplitPath(const std::string& path) {
  PathParts parts;
  std::string rest = path;
  if (rest.size() >= 2 && rest[1] == ':') {
    parts.drive = rest.substr(0, 1);
    rest.erase(0, 2);
  }
  const size_t slash = rest.find_last_of('\\');
  if (slash != std::string::npos) {
    parts.folder = rest.substr(0, slash + 1);
    rest.erase(0, slash + 1);
  }
  parts.file = rest;
  return parts;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (LastChar(folder) == '\\') return folder + name;
  return folder + "\\" + name;
}

std::string ChangeFolder(const std::string& folder) {
  if (!SetCurrentDirectoryA(folder.c_str())) {
    const DWORD error = GetLastError();
    throw platform::EInOutError(error, platform::SysErrorMessage(error) + " (" + folder + ")");
  }
  const DWORD length = GetCurrentDirectoryA(0, nullptr);
  std::string current(length, '\0');
  current.resize(GetCurrentDirectoryA(length, current.data()));
  return current;
}

}  // namespace fsctl
