#include "platform/gui/Image.h"

namespace platform {

const ControlKind& Image::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&Image::SetPicture>("Picture"),
      Prop<&Image::SetStretch>("Stretch"),
      Prop<&Image::SetCenter>("Center"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<Image>};
  return kind;
}

void Image::Create(const LayoutObject& stored, Component* parent) {
  CreateWindowFor({.className = PaintedControlClass(), .parent = parent}, stored);
}

void Image::SetPicture(const std::string& name) {
  if (name == picture_) return;
  bitmap_ = name.empty() ? OwnedBitmap() : LoadBitmapResource(name);
  size_ = BitmapSize(bitmap_.Get());
  picture_ = name;
  Invalidate();
}

void Image::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void Image::SetCenter(bool center) {
  if (center == center_) return;
  center_ = center;
  Invalidate();
}

std::optional<LRESULT> Image::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM) {
  return HandleOwnPaint(Handle(), msg, wParam, [this](HDC dc) { Paint(dc); });
}

void Image::Paint(HDC dc) {
  RECT r{};
  GetClientRect(Handle(), &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (!bitmap_) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap_.Get());
  if (stretch_) {
    // Enlarged pictures keep their sharp pixels; shrunk ones are averaged.
    const bool shrinking = r.right < size_.cx || r.bottom < size_.cy;
    SetStretchBltMode(dc, shrinking ? HALFTONE : COLORONCOLOR);
    if (shrinking) SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, r.right, r.bottom, source, 0, 0, size_.cx, size_.cy, SRCCOPY);
  } else {
    const int x = center_ ? (r.right - size_.cx) / 2 : 0;
    const int y = center_ ? (r.bottom - size_.cy) / 2 : 0;
    BitBlt(dc, x, y, size_.cx, size_.cy, source, 0, 0, SRCCOPY);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace platform
