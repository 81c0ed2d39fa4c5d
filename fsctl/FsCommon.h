#pragma once
// What the file-system lists share: the line height of a font, the last
// character of a text, the pictures they draw, and the shortening of a path
// to the width of a label.
#include <windows.h>

#include <string>

#include "platform/gui/Pictures.h"

namespace fsctl {

// The font's text-metric height plus 2 pixels.
int FontLineHeight(HFONT font);
// '\0' for an empty text.
char LastChar(const std::string& text);

// One of the program's bitmap resources ("RZ_OPENFOLDER", ...), loaded once
// and kept for the life of the process.
class Picture {
 public:
  // The picture of that name; one without a bitmap when the program has
  // none (it then draws nothing).
  static const Picture& Named(const char* name);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Draws the picture with its top-left corner at x, y; the colour of its
  // bottom-left pixel is left out, so the background shows through.
  void Draw(HDC dc, int x, int y) const;

  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

 private:
  explicit Picture(const char* name);

  platform::OwnedImageList list_;  // the one picture, masked
  int width_ = 0;
  int height_ = 0;
};

// The path shortened to fit width pixels in the DC's font: the leading
// folders give way, one by one, to "..." ("C:\...\web\suche"); at the last
// the drive goes too ("...\suche"). A path that fits stays as it is.
std::string ShortenPathToWidth(HDC dc, const std::string& path, int width);

// Drive, folder and file name of a path: "C:\web\a.htm" gives "C", "\web\"
// and "a.htm"; "a.htm" gives "", "" and "a.htm".
struct PathParts {
  std::string drive;
  std::string folder;
  std::string file;
};
PathParts SplitPath(const std::string& path);

// The folder joined with a name: one "\" between them, none doubled.
std::string JoinPath(const std::string& folder, const std::string& name);

// The process's current folder; EInOutError when it cannot be made current.
std::string ChangeFolder(const std::string& folder);

}  // namespace fsctl
