#include "net/HiddenWindow.h"

#include <stdexcept>
#include <string>

namespace net {

THiddenWindow::THiddenWindow(const char* className, IMessageTarget& target) : target_(&target) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!GetClassInfoA(instance, className, &wc)) {
    wc = WNDCLASSA{};
    wc.lpfnWndProc = &THiddenWindow::Proc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) throw std::runtime_error(std::string("RegisterClass ") + className);
  }
  hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, className, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
  if (!hwnd_) throw std::runtime_error(std::string("CreateWindow ") + className);
}

THiddenWindow::~THiddenWindow() {
  if (!hwnd_) return;
  SetWindowLongPtrA(hwnd_, 0, 0);
  DestroyWindow(hwnd_);
}

void THiddenWindow::Purge(UINT first, UINT last) const {
  MSG msg;
  while (PeekMessageA(&msg, hwnd_, first, last, PM_REMOVE)) {
  }
}

LRESULT CALLBACK THiddenWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<THiddenWindow*>(GetWindowLongPtrA(hwnd, 0));
  if (self) {
    LRESULT result = 0;
    // Nothing may unwind through the system's dispatch code; the owners turn
    // their own exceptions into events before they get here.
    try {
      if (self->target_->HandleMessage(msg, wParam, lParam, result)) return result;
    } catch (...) {
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace net
