#include "net/SyncSocket.h"

#include <algorithm>

#include "platform/gui/Application.h"

namespace net {

int TCustomSyncSocket::Synchronize(const std::function<void()>& proc, bool& flag) {
  flag = false;
  if (proc) proc();
  return WaitUntilReady(flag);
}

int TCustomSyncSocket::WaitUntilReady(bool& flag) {
  deadline_ = GetTickCount64() + timeout_;
  while (!flag) {
    const ULONGLONG now = GetTickCount64();
    if (timeout_ > 0 && now >= deadline_) return kWaitTimeout;
    if (platform::App().Terminated() || Terminated()) return kWaitTimeout;
    ProcessMessagesNow();
    if (flag) break;
    // Sleep until a message arrives; the slice bounds the wait when the flag
    // is set from elsewhere.
    DWORD slice = 100;
    if (timeout_ > 0) slice = static_cast<DWORD>(std::min<ULONGLONG>(slice, deadline_ - std::min(deadline_, now)));
    WaitForMessages(slice);
  }
  return 0;
}

}  // namespace net
