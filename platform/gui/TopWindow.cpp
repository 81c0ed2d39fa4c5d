#include "platform/gui/TopWindow.h"

#include <algorithm>
#include <stdexcept>

#include "platform/gui/Application.h"
#include "platform/gui/ContainerWindow.h"

namespace platform {

namespace {

// The classes registered through this base; a window of another class is
// never taken for one of ours.
std::vector<ATOM>& OurClasses() {
  static std::vector<ATOM> atoms;
  return atoms;
}

}  // namespace

TopWindow::~TopWindow() { DestroyTopWindow(); }

TopWindow* TopWindow::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  const auto atom = static_cast<ATOM>(GetClassLongPtrA(hwnd, GCW_ATOM));
  const auto& ours = OurClasses();
  if (std::find(ours.begin(), ours.end(), atom) == ours.end()) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != GetCurrentProcessId()) return nullptr;
  return reinterpret_cast<TopWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void TopWindow::CreateTopWindow(const CreateArgs& args) {
  const auto registration =
      RegisterWindowClass({args.className, &TopWindow::Proc, args.classStyle, args.visibleBackground});
  if (!registration.existed) {
    if (!registration.atom)
      throw std::runtime_error(std::string("Fensterklasse ") + args.className + " l\xE4sst sich nicht anmelden");
    OurClasses().push_back(registration.atom);
  } else if (registration.existingProc != &TopWindow::Proc) {
    throw std::logic_error(std::string("Fensterklasse ") + args.className + " geh\xF6rt einem anderen");
  }
  HWND hwnd = CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, args.left, args.top,
                              args.width, args.height, args.owner, nullptr, GetModuleHandleA(nullptr), this);
  if (!hwnd)
    throw std::runtime_error(std::string("Fenster der Klasse ") + args.className +
                             " l\xE4sst sich nicht anlegen (Fehler " + std::to_string(GetLastError()) + ")");
}

void TopWindow::DestroyTopWindow() noexcept {
  if (!hwnd_) return;
  // Detach first: the messages of the teardown must not reach an object
  // that is being taken apart.
  HWND hwnd = hwnd_;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  DestroyWindow(hwnd);
}

LRESULT CALLBACK TopWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TopWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TopWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    App().Guard([&] { self->WindowGone(); });
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  std::optional<LRESULT> result;
  App().Guard([&] { result = self->HandleMessage(msg, wParam, lParam); });
  // self may be gone here (a form that freed itself).
  if (result) return *result;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

ModalScope::ModalScope(HWND modal) : modal_(modal), previous_(GetActiveWindow()) {
  WindowHold::ModalOpening(modal);
  ++open_;
  EnumThreadWindows(GetCurrentThreadId(), &ModalScope::DisableOne, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK ModalScope::DisableOne(HWND hwnd, LPARAM lParam) {
  auto* self = reinterpret_cast<ModalScope*>(lParam);
  if (hwnd != self->modal_ && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    self->disabled_.push_back(hwnd);
  }
  return TRUE;
}

void ModalScope::Release() {
  if (released_) return;
  released_ = true;
  for (HWND w : disabled_)
    if (IsWindow(w)) EnableWindow(w, TRUE);
}

ModalScope::~ModalScope() {
  --open_;
  Release();
  if (previous_ && IsWindow(previous_) && IsWindowVisible(previous_)) SetActiveWindow(previous_);
}

WindowHold::WindowHold(HWND window) : window_(window) {
  holds_.push_back(this);
  if (IsWindow(window_)) EnableWindow(window_, FALSE);
}

WindowHold::~WindowHold() {
  holds_.erase(std::find(holds_.begin(), holds_.end(), this));
  if (IsWindow(window_)) EnableWindow(window_, TRUE);
}

namespace {

// Whether a visible, enabled top-level window of the thread other than the
// modal one could take the keyboard back when the modal window goes.
BOOL CALLBACK FindTaker(HWND hwnd, LPARAM lParam) {
  auto* found = reinterpret_cast<std::pair<HWND, bool>*>(lParam);
  if (hwnd != found->first && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    found->second = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void WindowHold::ModalOpening(HWND modal) {
  if (holds_.empty()) return;
  std::pair<HWND, bool> found{modal, false};
  EnumThreadWindows(GetCurrentThreadId(), &FindTaker, reinterpret_cast<LPARAM>(&found));
  if (found.second) return;
  for (WindowHold* hold : holds_)
    if (IsWindow(hold->window_) && IsWindowVisible(hold->window_)) EnableWindow(hold->window_, TRUE);
}

void WindowHold::Deactivated(HWND window) {
  if (ModalScope::AnyOpen()) return;
  for (WindowHold* hold : holds_)
    if (hold->window_ == window && IsWindowEnabled(window)) EnableWindow(window, FALSE);
}

}  // namespace platform
