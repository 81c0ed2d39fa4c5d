#pragma once
// Pictures from bitmap resources: owned bitmaps, brushes and image lists,
// masked drawing (the colour of a picture's bottom-left pixel is its
// background and stays transparent), the greyed look of a disabled picture,
// and the window class of the controls that paint themselves.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/base/OwnedHandle.h"

namespace platform {

inline void FreeBitmap(HBITMAP bitmap) { DeleteObject(bitmap); }
inline void FreeImageList(HIMAGELIST list) { ImageList_Destroy(list); }
inline void FreeBrush(HBRUSH brush) { DeleteObject(brush); }
inline void FreeIcon(HICON icon) { DestroyIcon(icon); }
using OwnedBitmap = OwnedHandle<HBITMAP, &FreeBitmap>;
using OwnedImageList = OwnedHandle<HIMAGELIST, &FreeImageList>;
using OwnedBrush = OwnedHandle<HBRUSH, &FreeBrush>;
using OwnedIcon = OwnedHandle<HICON, &FreeIcon>;

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
// first. Its result when msg was one of them. Panels,
// tool buttons and images paint through it.
std::optional<LRESULT> HandleOwnPaint(HWND hwnd, UINT msg, WPARAM wParam, const std::function<void(HDC)>& paint);

}  // namespace platform
