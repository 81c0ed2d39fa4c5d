#pragma once
// Pictures from bitmap resources: owning wrappers of bitmaps and image
// lists, masked drawing (the colour of a picture's bottom-left pixel is its
// background and stays transparent), the greyed look of a disabled picture,
// and the window class of the controls that paint themselves.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

namespace platform {

// Owns one handle of a kind that free releases; move-only.
template <class Handle, void (*free)(Handle)>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  ~OwnedHandle() { Reset(); }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset() {
    if (handle_) free(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};

inline void FreeBitmap(HBITMAP bitmap) { DeleteObject(bitmap); }
inline void FreeImageList(HIMAGELIST list) { ImageList_Destroy(list); }
using OwnedBitmap = OwnedHandle<HBITMAP, &FreeBitmap>;
using OwnedImageList = OwnedHandle<HIMAGELIST, &FreeImageList>;

// The bitmap resource of that name from the program file; throws
// std::runtime_error naming it when the program has none.
OwnedBitmap LoadBitmapResource(const std::string& name);
SIZE BitmapSize(HBITMAP bitmap);

// An empty list of masked pictures of one size.
OwnedImageList CreatePictureList(int width, int height);
// Adds the bitmap's pictures (a strip of several when it is wider than the
// list's pictures), masked by its bottom-left pixel. The number added.
int AddMaskedPictures(HIMAGELIST list, HBITMAP bitmap);

// Draws picture index of the list at x, y: as it is, or greyed and
// embossed as disabled controls show their pictures.
void DrawPicture(HDC dc, HIMAGELIST list, int index, int x, int y, bool enabled);

// The picture on the given background colour, as a bitmap of its own (menu
// items show bitmaps, not image lists).
OwnedBitmap PictureOnColor(HIMAGELIST list, int index, COLORREF background);

// A window class without behaviour of its own, for controls that paint and
// handle their mouse themselves (tool buttons, images).
const char* PaintedControlClass();
// The paint messages of such a control: WM_PAINT and WM_PRINTCLIENT go to
// paint, which fills the whole client area, so the background is not erased
// first. True when msg was one of them; result is then its result.
bool HandleOwnPaint(HWND hwnd, UINT msg, WPARAM wParam, LRESULT& result, const std::function<void(HDC)>& paint);

}  // namespace platform
