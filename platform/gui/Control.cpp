#include "platform/gui/Control.h"

#include <stdexcept>
#include <unordered_map>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"

namespace platform {

namespace {
constexpr std::string_view kPopupMenuKinds[] = {"PopupMenu"};
// Far from the small numbers the standard controls use for their own timers.
constexpr UINT_PTR kRepaintTimerId = 0x51A7;

// What leads from a control's window to its object and to the window
// procedure it replaced. Kept in the process, not in window properties or
// through comctl32's subclass helper: under Wine each property read is a
// round trip to the Wine server, and the helper reads one per message. The
// windows live on the one UI thread. An entry without object is a window
// whose object let go while another subclass sat above ours: it keeps passing
// messages down until the window is gone.
struct Binding {
  Control* control;
  WNDPROC standard;
};
std::unordered_map<HWND, Binding>& Bindings() {
  static std::unordered_map<HWND, Binding> bindings;
  return bindings;
}
}  // namespace

namespace {
// The upper-case letter of a code page 1252 character, as the locale has it.
unsigned char UpperOf(unsigned char c) {
  return static_cast<unsigned char>(reinterpret_cast<ULONG_PTR>(CharUpperA(reinterpret_cast<LPSTR>(ULONG_PTR{c}))));
}
}  // namespace

bool MatchesMnemonic(std::string_view caption, WPARAM typed) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return UpperOf(static_cast<unsigned char>(caption[i + 1])) == UpperOf(static_cast<unsigned char>(typed));
  }
  return false;
}

bool Component::SetValue(const std::string&) { return false; }
std::optional<std::string> Component::Value() const { return std::nullopt; }

Control::~Control() {
  if (hwnd_) {
    Owner().RemoveControlId(GetDlgCtrlID(hwnd_));
    HWND hwnd = hwnd_;
    Detach();
    DestroyWindow(hwnd);
  }
}

void Control::TellContainersFocusLeft(HWND newFocus) {
  // Only a move inside the form counts: the focus going to another program
  // or window leaves the user where he was.
  if (!newFocus || GetAncestor(newFocus, GA_ROOT) != GetAncestor(hwnd_, GA_ROOT)) return;
  for (HWND w = GetParent(hwnd_); w && w != GetAncestor(hwnd_, GA_ROOT); w = GetParent(w)) {
    Control* container = FromHandle(w);
    if (container && !IsChild(w, newFocus)) container->FocusLeft();
  }
}

void Control::Detach() {
  if (!hwnd_) return;
  Unbind(hwnd_);
  hwnd_ = nullptr;
}

void Control::Unbind(HWND hwnd) {
  auto& bindings = Bindings();
  const auto it = bindings.find(hwnd);
  if (it == bindings.end()) return;
  // Taken out of the chain only while ours is its head: a subclass put on
  // later still calls the procedure it found, so that one passes on.
  if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Control::WindowProc)) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.standard));
    bindings.erase(it);
  } else {
    it->second.control = nullptr;
  }
}

Control* Control::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  const auto& bindings = Bindings();
  const auto it = bindings.find(hwnd);
  return it == bindings.end() ? nullptr : it->second.control;
}

HWND Control::ParentWindow(Component* parent) const {
  if (!parent) return Owner().Handle();
  auto* container = dynamic_cast<Control*>(parent);
  HWND hwnd = container ? container->ContainerHandle() : nullptr;
  if (!hwnd)
    throw std::runtime_error("Formular " + Owner().ClassName() + ": " + parent->Name() + " kann " + Name() +
                             " nicht enthalten");
  return hwnd;
}

void Control::CreateWindowFor(const WindowArgs& args, const LayoutObject& stored) {
  const LayoutBounds b = stored.Bounds().value_or(LayoutBounds{});
  DWORD style = args.style | WS_CHILD;
  if (stored.Bool("Visible").value_or(true)) style |= WS_VISIBLE;
  if (!stored.Bool("Enabled").value_or(true)) style |= WS_DISABLED;
  HWND parent = ParentWindow(args.parent);
  // Known by its id before the window exists: an owner-drawn list asks its
  // parent for the item height while it is being created.
  const int id = Owner().AddControlId(this);
  HWND hwnd = CreateWindowExA(args.exStyle, args.className, args.text.c_str(), style, b.left, b.top, b.width, b.height,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                              nullptr);
  if (!hwnd)
    throw std::runtime_error("Formular " + Owner().ClassName() + ": " + std::string(Kind()) + " " + Name() +
                             " l\xE4sst sich nicht anlegen (Fehler " + std::to_string(GetLastError()) + ")");
  // Unicode, as the subclass helper of the common controls hands the
  // messages on: the controls' handlers see the characters as before.
  const auto standard =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::WindowProc)));
  if (!standard) {
    DestroyWindow(hwnd);
    throw std::runtime_error("Formular " + Owner().ClassName() + ": " + Name() + " l\xE4sst sich nicht anbinden");
  }
  Bindings()[hwnd] = {this, standard};
  standard_ = standard;
  hwnd_ = hwnd;
  SetParentFont(Owner().FormFont());
}

std::span<const PropSpec> Control::CommonProperties() {
  static constexpr PropSpec kProps[] = {
      Required(Prop<&Control::SetBounds>("Bounds")),
      Prop<&Control::SetVisible>("Visible"),
      Prop<&Control::SetEnabled>("Enabled"),
      Prop<&Control::SetFont>("Font"),
      Prop<&Control::SetHelpContext>("HelpContext"),
      Prop<&Control::SetHint>("Hint"),
      Prop<&Control::SetTabStop>("TabStop"),
      RefProp<&Control::SetPopupMenu>("PopupMenu", kPopupMenuKinds),
  };
  return kProps;
}

void Control::SetFont(const LayoutFont& font) {
  ownFont_ = true;
  ApplyFont(Owner().FontFor(font));
}

void Control::SetParentFont(HFONT font) {
  if (!ownFont_) ApplyFont(font);
}

void Control::ApplyFont(HFONT font) {
  font_ = font;
  if (!hwnd_) return;
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  FontChanged();
}

HFONT Control::CurrentFont() const { return font_ ? font_ : Owner().FormFont(); }

bool Control::TabStop() const { return hwnd_ && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_TABSTOP); }

void Control::SetTabStop(bool tabStop) { SetStyleBits(WS_TABSTOP, tabStop ? WS_TABSTOP : 0); }

void Control::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (hwnd_) Owner().SetToolTip(hwnd_, hint_);
}

bool Control::ShowPopupMenu(LPARAM lParam) {
  if (popupMenu_.empty()) return false;
  Component* menu = Owner().FindComponent(popupMenu_);
  if (!menu) return false;
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1) {
    // From the keyboard: at the control's top-left corner.
    RECT r{};
    GetWindowRect(hwnd_, &r);
    at = {r.left + 4, r.top + 4};
  }
  return menu->PopupAt(at);
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
  // The stored bounds come again after the window was created with them.
  if (!hwnd_ || Bounds() == b) return;
  SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string WindowText(HWND hwnd) {
  if (!hwnd) return {};
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::string Control::ReadText() const { return WindowText(hwnd_); }

void Control::WriteText(const std::string& text) {
  if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

LRESULT Control::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ ? SendMessageA(hwnd_, msg, wParam, lParam) : 0;
}

void Control::SetExStyleBits(DWORD mask, DWORD bits) {
  if (!hwnd_) return;
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
  const LONG_PTR changed = (style & ~static_cast<LONG_PTR>(mask)) | static_cast<LONG_PTR>(bits & mask);
  if (changed == style) return;
  SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, changed);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(hwnd_, nullptr, TRUE);
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

std::optional<LRESULT> Control::Reflect(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND: {
      Control* c = FromHandle(reinterpret_cast<HWND>(lParam));
      if (!c) return std::nullopt;
      bool handled = false;
      App().Guard([&] { handled = c->OnCommand(HIWORD(wParam)); });
      if (!handled) return std::nullopt;
      return 0;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      Control* c = header ? FromHandle(header->hwndFrom) : nullptr;
      if (!c) return std::nullopt;
      std::optional<LRESULT> result;
      App().Guard([&] { result = c->OnNotify(*header); });
      return result;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      Control* c = item && item->CtlType != ODT_MENU ? FromHandle(item->hwndItem) : nullptr;
      if (!c) return std::nullopt;
      bool handled = false;
      App().Guard([&] { handled = c->OnDrawItem(*item); });
      if (!handled) return std::nullopt;
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      Control* c = FromHandle(reinterpret_cast<HWND>(lParam));
      if (!c) return std::nullopt;
      HBRUSH brush = nullptr;
      App().Guard([&] { brush = c->OnCtlColor(reinterpret_cast<HDC>(wParam)); });
      if (!brush) return std::nullopt;
      return reinterpret_cast<LRESULT>(brush);
    }
    default: return std::nullopt;
  }
}

LRESULT CALLBACK Control::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto it = Bindings().find(hwnd);
  if (it == Bindings().end()) return DefWindowProcW(hwnd, msg, wParam, lParam);
  // Copied: a handler may let the object or the binding go.
  const WNDPROC standard = it->second.standard;
  Control* self = it->second.control;
  if (msg == WM_NCDESTROY) {
    // The window goes; the object may live on (its form frees it later).
    if (self && self->hwnd_ == hwnd) self->hwnd_ = nullptr;
    Bindings().erase(it);
    return CallWindowProcW(standard, hwnd, msg, wParam, lParam);
  }
  if (!self) return CallWindowProcW(standard, hwnd, msg, wParam, lParam);
  if (msg == WM_PAINT) self->lastPaint_ = GetTickCount();
  if (msg == WM_KILLFOCUS) App().Guard([&] { self->TellContainersFocusLeft(reinterpret_cast<HWND>(wParam)); });
  // The form gives the focus back to the control that had it last, whoever
  // gave it (an OnShow, a click, the dialog navigation).
  if (msg == WM_SETFOCUS) self->Owner().lastFocus_ = hwnd;
  if (msg == WM_TIMER && wParam == kRepaintTimerId) {
    KillTimer(hwnd, kRepaintTimerId);
    self->repaintTimer_ = false;
    self->Invalidate();
    return 0;
  }
  std::optional<LRESULT> own;
  App().Guard([&] { own = self->OnOwnMessage(msg, wParam, lParam); });
  if (own) return *own;
  if (msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == hwnd) {
    bool shown = false;
    App().Guard([&] { shown = self->ShowPopupMenu(lParam); });
    if (shown) return 0;
  }
  if (self->ContainerHandle() == hwnd) {
    if (msg == WM_MEASUREITEM && self->Owner().MeasureItem(lParam)) return TRUE;
    if (auto reflected = Reflect(msg, wParam, lParam)) return *reflected;
  }
  return CallWindowProcW(standard, hwnd, msg, wParam, lParam);
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
  return hwnd_ ? CallWindowProcW(standard_, hwnd_, msg, wParam, lParam) : 0;
}

}  // namespace platform
