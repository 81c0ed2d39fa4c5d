#include "platform/gui/Pictures.h"

#include <stdexcept>

#include "platform/gui/ContainerWindow.h"

namespace platform {

namespace {

// A memory DC with one bitmap selected, restored and freed on the way out.
class MemoryDc {
 public:
  MemoryDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)) {
    if (dc_) old_ = SelectObject(dc_, bitmap);
  }
  ~MemoryDc() {
    if (!dc_) return;
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// Paints brush onto dc where the monochrome mask is black (the picture's own
// pixels), and leaves dc as it was where the mask is white.
void PaintThroughMask(HDC dc, int x, int y, int width, int height, HDC mask, COLORREF color) {
  // Source 0 bits become the text colour (black), 1 bits the background
  // colour (white); the raster operation takes the brush where the source is
  // black and the destination where it is white.
  constexpr DWORD kBrushWhereSourceBlack = 0x00B8074A;
  OwnedBrush brush(CreateSolidBrush(color));
  HGDIOBJ oldBrush = SelectObject(dc, brush.Get());
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, width, height, mask, 0, 0, kBrushWhereSourceBlack);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  SelectObject(dc, oldBrush);
}

}  // namespace

OwnedBitmap LoadBitmapResource(const std::string& name) {
  auto bitmap = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) throw std::runtime_error("Das Bild " + name + " fehlt im Programm");
  return OwnedBitmap(bitmap);
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

OwnedImageList CreatePictureList(int width, int height) {
  return OwnedImageList(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4));
}

int AddMaskedPictures(HIMAGELIST list, HBITMAP bitmap) {
  const SIZE size = BitmapSize(bitmap);
  if (!list || size.cx <= 0 || size.cy <= 0) return 0;
  COLORREF background = 0;
  {
    HDC screen = GetDC(nullptr);
    MemoryDc dc(screen, bitmap);
    background = GetPixel(dc.Get(), 0, size.cy - 1);
    ReleaseDC(nullptr, screen);
  }
  const int before = ImageList_GetImageCount(list);
  // The list copies the pixels; the bitmap stays the caller's.
  if (ImageList_AddMasked(list, bitmap, background) < 0) return 0;
  return ImageList_GetImageCount(list) - before;
}

void DrawPicture(HDC dc, HIMAGELIST list, int index, int x, int y, bool enabled) {
  if (!list || index < 0 || index >= ImageList_GetImageCount(list)) return;
  if (enabled) {
    ImageList_Draw(list, index, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(list, &width, &height);
  // The picture's shape, once in the highlight colour one pixel down and to
  // the right, then in the shadow colour: the engraved look of disabled
  // pictures.
  OwnedBitmap maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
  MemoryDc mask(dc, maskBitmap.Get());
  if (!mask.Get()) return;
  PatBlt(mask.Get(), 0, 0, width, height, WHITENESS);
  ImageList_Draw(list, index, mask.Get(), 0, 0, ILD_MASK);
  PaintThroughMask(dc, x + 1, y + 1, width, height, mask.Get(), GetSysColor(COLOR_BTNHIGHLIGHT));
  PaintThroughMask(dc, x, y, width, height, mask.Get(), GetSysColor(COLOR_BTNSHADOW));
}

OwnedBitmap PictureOnColor(HIMAGELIST list, int index, COLORREF background) {
  int width = 0;
  int height = 0;
  if (!list || index < 0 || index >= ImageList_GetImageCount(list) || !ImageList_GetIconSize(list, &width, &height))
    return {};
  HDC screen = GetDC(nullptr);
  OwnedBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  {
    MemoryDc dc(screen, bitmap.Get());
    OwnedBrush brush(CreateSolidBrush(background));
    RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, brush.Get());
    ImageList_Draw(list, index, dc.Get(), 0, 0, ILD_TRANSPARENT);
  }
  ReleaseDC(nullptr, screen);
  return bitmap;
}

const char* PaintedControlClass() {
  static const char* const name = PlainWindowClass("QuarvelinPainted");
  return name;
}

std::optional<LRESULT> HandleOwnPaint(HWND hwnd, UINT msg, WPARAM wParam, const std::function<void(HDC)>& paint) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      paint(dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default: return std::nullopt;
  }
}

}  // namespace platform
