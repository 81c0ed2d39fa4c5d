#pragma once
// Waiting in the network tests: messages are pumped as the programs pump
// them, until a condition holds or a time runs out.
#include <windows.h>

#include <functional>

#include "platform/gui/Application.h"

namespace nettest {

// True when cond became true within timeoutMs.
inline bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 30000) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!cond()) {
    if (GetTickCount64() >= end) return false;
    platform::App().ProcessMessagesNow();
    if (cond()) break;
    MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  return true;
}

// Pumps for a while (to let events that should not come show up).
inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

}  // namespace nettest
