#include "platform/gui/Label.h"

#include "platform/gui/Colors.h"

namespace platform {

namespace {
constexpr std::string_view kAlignments[] = {"left", "center", "right"};
constexpr std::string_view kEllipses[] = {"none", "end", "path"};
// The style bits StaticStyle decides.
constexpr DWORD kStyleBits = SS_TYPEMASK | SS_NOPREFIX | SS_ELLIPSISMASK;
}

const ControlKind& Label::KindInfo() {
  static const std::span<const std::string_view> colors = ColorWords();
  static const PropSpec props[] = {
      Prop<&Label::SetCaption>("Caption"),
      Prop<&Label::SetAlignment>("Alignment", kAlignments),
      Prop<&Label::SetShowAccelChar>("ShowAccelChar"),
      Prop<&Label::SetTransparent>("Transparent"),
      Prop<&Label::SetWordWrap>("WordWrap"),
      Prop<&Label::SetEllipsis>("Ellipsis", kEllipses),
      Prop<&Label::SetColor>("Color", colors),
      RefProp<&Label::SetFocusControl>("FocusControl"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<Label>};
  return kind;
}

DWORD Label::StaticStyle() const {
  DWORD style = alignment_ == "center" ? SS_CENTER : alignment_ == "right" ? SS_RIGHT
                : wordWrap_             ? SS_LEFT
                                        : SS_LEFTNOWORDWRAP;
  if (!showAccelChar_) style |= SS_NOPREFIX;
  if (ellipsis_ == "end") style |= SS_ENDELLIPSIS;
  if (ellipsis_ == "path") style |= SS_PATHELLIPSIS;
  return style;
}

void Label::Create(const LayoutObject& stored, Component* parent) {
  // Born with the stored style: changing it afterwards redraws the frame,
  // several round trips to the Wine server per label.
  alignment_ = stored.Text("Alignment").value_or(alignment_);
  wordWrap_ = stored.Bool("WordWrap").value_or(wordWrap_);
  showAccelChar_ = stored.Bool("ShowAccelChar").value_or(showAccelChar_);
  ellipsis_ = stored.Text("Ellipsis").value_or(ellipsis_);
  CreateWindowFor({.className = "STATIC", .style = StaticStyle(), .parent = parent}, stored);
  textKnown_ = true;
}

void Label::SetAlignment(const std::string& alignment) {
  alignment_ = alignment;
  SetStyleBits(kStyleBits, StaticStyle());
}

void Label::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  SetStyleBits(kStyleBits, StaticStyle());
}

void Label::SetEllipsis(const std::string& ellipsis) {
  ellipsis_ = ellipsis;
  SetStyleBits(kStyleBits, StaticStyle());
}

void Label::SetShowAccelChar(bool show) {
  showAccelChar_ = show;
  SetStyleBits(kStyleBits, StaticStyle());
}

void Label::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void Label::SetColor(const std::string& color) {
  if (color == color_) return;
  color_ = color;
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

COLORREF Label::TextColor() const { return ColorFromWord(color_).value_or(GetSysColor(COLOR_BTNTEXT)); }

std::string Label::Caption() const {
  if (!Handle()) return {};
  return textKnown_ ? text_ : ReadText();
}

void Label::SetCaption(const std::string& caption) {
  if (!Handle()) return;
  if (!textKnown_) {
    text_ = ReadText();
    textKnown_ = true;
  }
  if (caption == text_) return;
  text_ = caption;
  // One paint is on its way already; it takes the newest text.
  if (textPending_) return;
  textPending_ = true;
  ScheduleRepaint();
}

void Label::Invalidate() {
  if (!transparent_) {
    InvalidateRect(Handle(), nullptr, TRUE);
    return;
  }
  // The label paints no background: what lies behind it must be painted
  // afresh, or the old text would show through the new one.
  RECT r{};
  GetWindowRect(Handle(), &r);
  HWND parent = GetParent(Handle());
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Label::HandTextToWindow() {
  textPending_ = false;
  // Past the static control: its own WM_SETTEXT would paint at once, over a
  // background that is not erased yet. A text static keeps its text nowhere
  // but in the window, so storing it is all its WM_SETTEXT does besides.
  DefWindowProcA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.c_str()));
}

std::optional<LRESULT> Label::OnOwnMessage(UINT msg, WPARAM, LPARAM) {
  if (msg == WM_SETTEXT) {
    // Text from outside replaces ours, and we no longer know what it is.
    textPending_ = false;
    textKnown_ = false;
    return std::nullopt;
  }
  // Whatever comes to the window (its paint, a question for its text, a
  // change that makes it paint) finds the newest text in it.
  if (textPending_) HandTextToWindow();
  return std::nullopt;
}

HBRUSH Label::OnCtlColor(HDC dc) {
  if (!transparent_ && color_ == "default") return nullptr;
  SetTextColor(dc, TextColor());
  if (transparent_) {
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace platform
