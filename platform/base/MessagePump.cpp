#include "platform/base/MessagePump.h"

#include <windows.h>

namespace platform {

bool PumpWaitingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return false;
}

}  // namespace platform
