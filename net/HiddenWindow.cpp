#include "net/HiddenWindow.h"

namespace net {

THiddenWindow::THiddenWindow(const char* className, IMessageTarget& target) : target_(&target) {
  CreateTopWindow({.className = className,
                   .style = WS_POPUP,
                   .exStyle = WS_EX_TOOLWINDOW,
                   .left = 0,
                   .top = 0,
                   .width = 0,
                   .height = 0,
                   .visibleBackground = false});
}

THiddenWindow::~THiddenWindow() { DestroyTopWindow(); }

void THiddenWindow::Purge(UINT first, UINT last) const {
  MSG msg;
  while (PeekMessageA(&msg, Handle(), first, last, PM_REMOVE)) {
  }
}

std::optional<LRESULT> THiddenWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return target_->HandleMessage(msg, wParam, lParam);
}

}  // namespace net
