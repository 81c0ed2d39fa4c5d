#pragma once
// Waiting in tests that open windows: messages are pumped as the programs
// pump them, until a condition holds or a time runs out.
#include <windows.h>

#include <functional>

#include "platform/gui/Application.h"

namespace guitest {

// True when done became true within ms.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms = 30000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    platform::App().ProcessMessagesNow();
    Sleep(1);
  }
  return true;
}

// Pumps for a while (to let events that should not come show up).
inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

}  // namespace guitest
