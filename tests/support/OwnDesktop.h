#pragma once
// Test programs run side by side, and a window that another one shows takes
// the foreground and with it this thread's focus, in the middle of a key
// test. On a desktop of its own the program keeps its focus. Including this
// header makes one before main, ahead of the first window, with its desktop
// process up (WineDesktop.h).
#include <windows.h>

#include <string>

#include "tests/support/WineDesktop.h"

namespace guitest {

inline const bool kOwnDesktop = [] {
  const std::string name = "quarvelin-test-" + std::to_string(GetCurrentProcessId());
  HDESK desktop = CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  return desktop && SetThreadDesktop(desktop) && StartDesktopProcess(name);
}();

}  // namespace guitest
