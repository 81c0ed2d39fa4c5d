#include "platform/gui/Font.h"

namespace platform {

OwnedFont CreateLayoutFont(const LayoutFont& font) {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  // A negative height asks for the character height, which is what a size in
  // points means.
  const int height = -MulDiv(font.size, dpi, 72);
  return OwnedFont(CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic ? TRUE : FALSE, FALSE,
                               FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, font.face.c_str()));
}

}  // namespace platform
