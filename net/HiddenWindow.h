#pragma once
// A hidden window that receives a component's private messages (WinSock
// notifications, delayed steps). The window class is registered once per
// module; the owner is bound at creation and detached before the window goes,
// so no message reaches a half-destroyed owner.
#include <windows.h>

#include "platform/gui/TopWindow.h"

namespace net {

// The owner of a hidden window. A handler may free its owner (and with it the
// window); the window touches nothing of either after the call.
class IMessageTarget {
 public:
  // The message's result when it handled the message.
  virtual std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ~IMessageTarget() = default;
};

class THiddenWindow : public platform::TopWindow {
 public:
  THiddenWindow(const char* className, IMessageTarget& target);
  ~THiddenWindow() override;

  void Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const { PostMessageA(Handle(), msg, wParam, lParam); }
  // Drops this window's queued messages in [first, last].
  void Purge(UINT first, UINT last) const;

 private:
  std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  IMessageTarget* target_;
};

}  // namespace net
