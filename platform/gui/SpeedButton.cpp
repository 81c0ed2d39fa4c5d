#include "platform/gui/SpeedButton.h"

#include <windowsx.h>

namespace platform {

namespace {
constexpr std::string_view kLayouts[] = {"glyphleft", "glyphtop"};
constexpr int kSpacing = 4;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
}  // namespace

GlyphArrangement ArrangeGlyph(SIZE button, SIZE glyph, SIZE text, bool glyphTop) {
  const bool hasGlyph = glyph.cx > 0 && glyph.cy > 0;
  const bool hasText = text.cx > 0 && text.cy > 0;
  const int gap = hasGlyph && hasText ? kSpacing : 0;
  GlyphArrangement a;
  if (glyphTop) {
    const int total = (hasGlyph ? glyph.cy : 0) + gap + (hasText ? text.cy : 0);
    const int top = (button.cy - total) / 2;
    a.glyph = {(button.cx - glyph.cx) / 2, top};
    const int textTop = top + (hasGlyph ? glyph.cy : 0) + gap;
    a.text = {(button.cx - text.cx) / 2, textTop, (button.cx - text.cx) / 2 + text.cx, textTop + text.cy};
  } else {
    const int total = (hasGlyph ? glyph.cx : 0) + gap + (hasText ? text.cx : 0);
    const int left = (button.cx - total) / 2;
    a.glyph = {left, (button.cy - glyph.cy) / 2};
    const int textLeft = left + (hasGlyph ? glyph.cx : 0) + gap;
    a.text = {textLeft, (button.cy - text.cy) / 2, textLeft + text.cx, (button.cy - text.cy) / 2 + text.cy};
  }
  return a;
}

const ControlKind& SpeedButton::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&SpeedButton::SetCaption>("Caption"),
      Prop<&SpeedButton::SetGlyph>("Glyph"),
      Prop<&SpeedButton::SetLayout>("Layout", kLayouts),
      Prop<&SpeedButton::SetFlat>("Flat"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<SpeedButton>};
  return kind;
}

void SpeedButton::Create(const LayoutObject& stored, Component* parent) {
  CreateWindowFor({.className = PaintedControlClass(), .parent = parent}, stored);
}

void SpeedButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  // The window text too, for whatever reads windows (tests, screen readers).
  WriteText(caption_);
  Repaint();
}

void SpeedButton::SetGlyph(const std::string& name) {
  if (name == glyph_) return;
  glyphList_.Reset();
  glyphSize_ = {};
  glyph_ = name;
  if (!glyph_.empty()) {
    OwnedBitmap bitmap = LoadBitmapResource(glyph_);
    glyphSize_ = BitmapSize(bitmap.Get());
    glyphList_ = CreatePictureList(glyphSize_.cx, glyphSize_.cy);
    AddMaskedPictures(glyphList_.Get(), bitmap.Get());
  }
  Repaint();
}

void SpeedButton::SetLayout(const std::string& layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Repaint();
}

void SpeedButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Repaint();
}

void SpeedButton::Click() {
  if (Enabled() && OnClick) OnClick();
}

void SpeedButton::Repaint() {
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

bool SpeedButton::MouseInside(LPARAM lParam) const {
  RECT r{};
  GetClientRect(Handle(), &r);
  const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&r, p) != FALSE;
}

std::optional<LRESULT> SpeedButton::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (auto painted = HandleOwnPaint(Handle(), msg, wParam, [this](HDC dc) { Paint(dc); })) return painted;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      tracking_ = pressed_ = true;
      SetCapture(Handle());
      Repaint();
      return 0;
    case WM_MOUSEMOVE: {
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        if (flat_) Repaint();
      }
      if (tracking_ && pressed_ != MouseInside(lParam)) {
        pressed_ = !pressed_;
        Repaint();
      }
      return std::nullopt;
    }
    case WM_MOUSELEAVE:
      hot_ = false;
      if (flat_) Repaint();
      return std::nullopt;
    case WM_LBUTTONUP: {
      if (!tracking_) return std::nullopt;
      const bool clicked = MouseInside(lParam);
      tracking_ = pressed_ = false;
      ReleaseCapture();
      Repaint();
      if (clicked) Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (tracking_) {
        tracking_ = pressed_ = false;
        Repaint();
      }
      return std::nullopt;
    case WM_ENABLE:
      if (!lParam) tracking_ = pressed_ = false;
      Repaint();
      return std::nullopt;
    default: return std::nullopt;
  }
}

void SpeedButton::Paint(HDC dc) {
  RECT r{};
  GetClientRect(Handle(), &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  const bool enabled = Enabled();
  if (pressed_) DrawEdge(dc, &r, flat_ ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
  else if (!flat_) DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
  else if (hot_ && enabled) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);

  HGDIOBJ oldFont = SelectObject(dc, CurrentFont());
  SIZE text{};
  if (!caption_.empty()) {
    RECT measure{0, 0, 0, 0};
    DrawTextA(dc, caption_.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
    text = {measure.right - measure.left, measure.bottom - measure.top};
  }
  GlyphArrangement a = ArrangeGlyph({r.right, r.bottom}, glyphSize_, text, layout_ == "glyphtop");
  const int shift = pressed_ ? 1 : 0;
  if (glyphList_) DrawPicture(dc, glyphList_.Get(), 0, a.glyph.x + shift, a.glyph.y + shift, enabled);
  if (!caption_.empty()) {
    OffsetRect(&a.text, shift, shift);
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    } else {
      // Engraved, as the glyph.
      RECT lit = a.text;
      OffsetRect(&lit, 1, 1);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextA(dc, caption_.c_str(), -1, &lit, kTextFormat);
      SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    }
    DrawTextA(dc, caption_.c_str(), -1, &a.text, kTextFormat);
  }
  SelectObject(dc, oldFont);
}

}  // namespace platform
