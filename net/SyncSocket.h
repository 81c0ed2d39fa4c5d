#pragma once
// The synchronous wait: pumps messages until a flag is set or a time runs
// out, sleeping on the message queue in between.
#include <functional>

#include "net/LineSocket.h"

namespace net {

class TCustomSyncSocket : public TCustomLineSocket {
 public:
  // Result of a wait that ran out of time or met the end of the application.
  static constexpr int kWaitTimeout = 12001;

  // Milliseconds; 0 waits without limit.
  unsigned Timeout() const { return timeout_; }
  void SetTimeout(unsigned milliseconds) { timeout_ = milliseconds; }

  // Clears flag, runs proc (if any), and waits for the flag.
  virtual int Synchronize(const std::function<void()>& proc, bool& flag);
  // 0 once flag is set; kWaitTimeout when the time ran out or the
  // application is ending.
  virtual int WaitUntilReady(bool& flag);

 private:
  unsigned timeout_ = 0;
  ULONGLONG deadline_ = 0;
};

}  // namespace net
