#include "platform/gui/Panel.h"

#include "platform/gui/Colors.h"
#include "platform/gui/ContainerWindow.h"

namespace platform {

namespace {
constexpr std::string_view kAlignments[] = {"left", "center", "right"};
constexpr std::string_view kBevels[] = {"none", "raised", "lowered"};
// Between the edge and the caption.
constexpr int kCaptionMargin = 3;
}  // namespace

const ControlKind& Panel::KindInfo() {
  static const std::span<const std::string_view> colors = ColorWords();
  static const PropSpec props[] = {
      Prop<&Panel::SetCaption>("Caption"),
      Prop<&Panel::SetAlignment>("Alignment", kAlignments),
      Prop<&Panel::SetBevelOuter>("BevelOuter", kBevels),
      Prop<&Panel::SetColor>("Color", colors),
  };
  static const ControlKind kind{{.kind = kKind, .holds = Holds::Controls, .props = {props}}, &Make<Panel>};
  return kind;
}

void Panel::Create(const LayoutObject& stored, Component* parent) {
  // WS_EX_CONTROLPARENT lets Tab walk into the controls it holds.
  CreateWindowFor({.className = ContainerWindowClass(), .exStyle = WS_EX_CONTROLPARENT, .parent = parent}, stored);
}

void Panel::SetCaption(const std::string& caption) {
  if (caption == Caption()) return;
  WriteText(caption);
  Invalidate();
}

void Panel::SetAlignment(const std::string& alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void Panel::SetBevelOuter(const std::string& bevel) {
  if (bevel == bevel_) return;
  bevel_ = bevel;
  Invalidate();
}

void Panel::SetColor(const std::string& color) {
  if (color == color_) return;
  color_ = color;
  const auto rgb = ColorFromWord(color_);
  brush_.Reset(rgb ? CreateSolidBrush(*rgb) : nullptr);
  // The controls inside paint their backgrounds in the new face too.
  if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

COLORREF Panel::FaceColor() const { return ColorFromWord(color_).value_or(GetSysColor(COLOR_BTNFACE)); }

HBRUSH Panel::FaceBrush() const { return brush_ ? brush_.Get() : GetSysColorBrush(COLOR_BTNFACE); }

void Panel::Paint(HDC dc) {
  RECT r{};
  GetClientRect(Handle(), &r);
  FillRect(dc, &r, FaceBrush());
  if (bevel_ != "none") {
    DrawEdge(dc, &r, bevel_ == "raised" ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&r, -1, -1);
  }
  const std::string caption = Caption();
  if (caption.empty()) return;
  InflateRect(&r, -kCaptionMargin, 0);
  const UINT align = alignment_ == "left" ? DT_LEFT : alignment_ == "right" ? DT_RIGHT : DT_CENTER;
  HGDIOBJ oldFont = SelectObject(dc, CurrentFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsWindowEnabled(Handle()) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
            align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);
}

std::optional<LRESULT> Panel::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Paint draws the whole face; erasing first would only flicker.
  if (auto painted = HandleOwnPaint(Handle(), msg, wParam, [this](HDC dc) { Paint(dc); })) return painted;
  switch (msg) {
    case WM_ENABLE:
      Invalidate();
      return std::nullopt;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // A control inside with colours of its own keeps them; the others stand
      // on the panel's face.
      if (auto reflected = Reflect(msg, wParam, lParam)) return reflected;
      if (!brush_) return std::nullopt;
      auto dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, FaceColor());
      return reinterpret_cast<LRESULT>(brush_.Get());
    }
    default: return std::nullopt;
  }
}

}  // namespace platform
