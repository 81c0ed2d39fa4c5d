#include "platform/gui/Control.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"

namespace platform {

namespace {
constexpr UINT_PTR kSubclassId = 1;
// Far from the small numbers the standard controls use for their own timers.
constexpr UINT_PTR kRepaintTimerId = 0x51A7;

// The window property that leads from a control's window to its object (the
// subclass reference data cannot be read back through MinGW's comctl32).
LPCSTR ObjectProperty() {
  static const ATOM atom = GlobalAddAtomA("QuarvelinControl");
  return MAKEINTATOM(atom);
}
}  // namespace

bool Component::SetValue(const std::string&) { return false; }
std::optional<std::string> Component::Value() const { return std::nullopt; }

Control::~Control() {
  if (hwnd_) {
    HWND hwnd = hwnd_;
    Detach();
    DestroyWindow(hwnd);
  }
}

void Control::Detach() {
  if (!hwnd_) return;
  RemovePropA(hwnd_, ObjectProperty());
  RemoveWindowSubclass(hwnd_, &Control::SubclassProc, kSubclassId);
  hwnd_ = nullptr;
}

Control* Control::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropA(hwnd, ObjectProperty())) : nullptr;
}

void Control::CreateWindowFor(const WindowArgs& args, const LayoutObject& stored) {
  const LayoutBounds b = stored.Bounds().value_or(LayoutBounds{});
  DWORD style = args.style | WS_CHILD;
  if (stored.Bool("Visible").value_or(true)) style |= WS_VISIBLE;
  if (!stored.Bool("Enabled").value_or(true)) style |= WS_DISABLED;
  const int id = Owner().NextControlId();
  HWND hwnd = CreateWindowExA(args.exStyle, args.className, args.text.c_str(), style, b.left, b.top, b.width, b.height,
                              args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd)
    throw std::runtime_error("Formular " + Owner().ClassName() + ": " + std::string(Kind()) + " " + Name() +
                             " l\xE4sst sich nicht anlegen (Fehler " + std::to_string(GetLastError()) + ")");
  if (!SetWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) ||
      !SetPropA(hwnd, ObjectProperty(), this)) {
    RemoveWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId);
    DestroyWindow(hwnd);
    throw std::runtime_error("Formular " + Owner().ClassName() + ": " + Name() + " l\xE4sst sich nicht anbinden");
  }
  hwnd_ = hwnd;
  SetParentFont(Owner().FormFont());
  ApplyCommon(stored);
}

void Control::ApplyCommon(const LayoutObject& stored) {
  if (auto b = stored.Bounds()) SetBounds(*b);
  if (auto v = stored.Bool("Visible")) SetVisible(*v);
  if (auto e = stored.Bool("Enabled")) SetEnabled(*e);
  if (auto h = stored.Int("HelpContext")) helpContext_ = *h;
  if (auto f = stored.Font()) {
    ownFont_ = true;
    if (hwnd_) Send(WM_SETFONT, reinterpret_cast<WPARAM>(Owner().FontFor(*f)), TRUE);
  }
}

void Control::SetParentFont(HFONT font) {
  if (hwnd_ && !ownFont_) Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool Control::Visible() const { return hwnd_ && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE); }

void Control::SetVisible(bool visible) {
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Control::SetEnabled(bool enabled) {
  if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void Control::SetFocus() {
  if (hwnd_) ::SetFocus(hwnd_);
}

bool Control::Focused() const { return hwnd_ && GetFocus() == hwnd_; }

LayoutBounds Control::Bounds() const {
  if (!hwnd_) return {};
  RECT r{};
  GetWindowRect(hwnd_, &r);
  MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Control::SetBounds(const LayoutBounds& b) {
  if (hwnd_) SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Control::ReadText() const {
  if (!hwnd_) return {};
  const int length = GetWindowTextLengthA(hwnd_);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void Control::WriteText(const std::string& text) {
  if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

LRESULT Control::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ ? SendMessageA(hwnd_, msg, wParam, lParam) : 0;
}

void Control::SetStyleBits(DWORD mask, DWORD bits) {
  if (!hwnd_) return;
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  const LONG_PTR changed = (style & ~static_cast<LONG_PTR>(mask)) | static_cast<LONG_PTR>(bits & mask);
  if (changed == style) return;
  SetWindowLongPtrA(hwnd_, GWL_STYLE, changed);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

bool Control::Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      Control* c = FromHandle(reinterpret_cast<HWND>(lParam));
      if (!c) return false;
      bool handled = false;
      App().Guard([&] { handled = c->OnCommand(HIWORD(wParam)); });
      if (handled) result = 0;
      return handled;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      Control* c = header ? FromHandle(header->hwndFrom) : nullptr;
      if (!c) return false;
      bool handled = false;
      App().Guard([&] { handled = c->OnNotify(*header, result); });
      return handled;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      Control* c = FromHandle(reinterpret_cast<HWND>(lParam));
      if (!c) return false;
      HBRUSH brush = nullptr;
      App().Guard([&] { brush = c->OnCtlColor(reinterpret_cast<HDC>(wParam)); });
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    default: return false;
  }
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData) {
  auto* self = reinterpret_cast<Control*>(refData);
  if (msg == WM_NCDESTROY) {
    // The window goes; the object may live on (its form frees it later).
    if (self->hwnd_ == hwnd) {
      self->Detach();
    } else {
      RemovePropA(hwnd, ObjectProperty());
      RemoveWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId);
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  if (msg == WM_PAINT) self->lastPaint_ = GetTickCount();
  if (msg == WM_TIMER && wParam == kRepaintTimerId) {
    KillTimer(hwnd, kRepaintTimerId);
    self->repaintTimer_ = false;
    self->Invalidate();
    return 0;
  }
  LRESULT result = 0;
  bool handled = false;
  App().Guard([&] { handled = self->OnOwnMessage(msg, wParam, lParam, result); });
  if (handled) return result;
  if (self->IsContainer() && Reflect(msg, wParam, lParam, result)) return result;
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void Control::ScheduleRepaint() {
  if (!hwnd_ || repaintTimer_) return;
  const DWORD since = GetTickCount() - lastPaint_;
  if (since >= kRepaintIntervalMs) {
    Invalidate();
    return;
  }
  // Without a timer the last change of a burst would wait for the next
  // change to be painted, however long that takes.
  repaintTimer_ = SetTimer(hwnd_, kRepaintTimerId, kRepaintIntervalMs - since, nullptr) != 0;
  if (!repaintTimer_) Invalidate();
}

void Control::Invalidate() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Control::CallStandard(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ ? DefSubclassProc(hwnd_, msg, wParam, lParam) : 0;
}

}  // namespace platform
