#pragma once
// Pictures from bitmap resources: owning wrappers of bitmaps and image
// lists, masked drawing (the colour of a picture's bottom-left pixel is its
// background and stays transparent), the greyed look of a disabled picture,
// and the window class of the controls that paint themselves.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace platform {

class OwnedBitmap {
 public:
  OwnedBitmap() = default;
  explicit OwnedBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~OwnedBitmap() { Reset(); }
  OwnedBitmap(OwnedBitmap&& other) noexcept : bitmap_(other.bitmap_) { other.bitmap_ = nullptr; }
  OwnedBitmap& operator=(OwnedBitmap&& other) noexcept {
    if (this != &other) {
      Reset();
      bitmap_ = other.bitmap_;
      other.bitmap_ = nullptr;
    }
    return *this;
  }
  OwnedBitmap(const OwnedBitmap&) = delete;
  OwnedBitmap& operator=(const OwnedBitmap&) = delete;

  HBITMAP Get() const { return bitmap_; }
  explicit operator bool() const { return bitmap_ != nullptr; }
  void Reset() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }

 private:
  HBITMAP bitmap_ = nullptr;
};

class OwnedImageList {
 public:
  OwnedImageList() = default;
  explicit OwnedImageList(HIMAGELIST list) : list_(list) {}
  ~OwnedImageList() { Reset(); }
  OwnedImageList(OwnedImageList&& other) noexcept : list_(other.list_) { other.list_ = nullptr; }
  OwnedImageList& operator=(OwnedImageList&& other) noexcept {
    if (this != &other) {
      Reset();
      list_ = other.list_;
      other.list_ = nullptr;
    }
    return *this;
  }
  OwnedImageList(const OwnedImageList&) = delete;
  OwnedImageList& operator=(const OwnedImageList&) = delete;

  HIMAGELIST Get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  void Reset() {
    if (list_) ImageList_Destroy(list_);
    list_ = nullptr;
  }

 private:
  HIMAGELIST list_ = nullptr;
};

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

}  // namespace platform
