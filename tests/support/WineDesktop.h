#pragma once
// The desktop that a test program's windows live on. Under Wine a desktop's
// windows need its desktop process (explorer.exe), which tells them the
// display driver; a program that asks for a desktop whose process is not up
// starts one, waits ten seconds for it and, if it is later (a busy machine),
// goes on without a driver: every window it creates after that fails.
#include <windows.h>

#include <cstdio>
#include <string>

namespace guitest {

// True once the calling thread's desktop has its process and driver (always
// outside Wine, which has no such process).
inline bool DesktopHasDriver() {
  HWND desktop = GetDesktopWindow();
  return !GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") ||
         (desktop && GetPropA(desktop, "__wine_display_device_guid"));
}

// Starts the desktop process of the named desktop and waits until it serves
// (for minutes, not seconds), before anything of this program asks for that
// desktop's window. Its output goes nowhere: one that inherited the test's
// would keep ctest waiting until it ends.
inline bool StartDesktopProcess(const std::string& desktopName, DWORD waitMs = 180000) {
  if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return true;
  char command[] = "C:\\windows\\system32\\explorer.exe /desktop";
  std::string desktop = desktopName;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.lpDesktop = desktop.data();
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                      "C:\\windows\\system32", &si, &pi))
    return false;
  const DWORD waited = WaitForInputIdle(pi.hProcess, waitMs);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return waited == 0;
}

// Whether this program can create a window at all; says why not on the
// error output (a test main asks before its first test).
inline bool CanCreateWindows() {
  HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
  if (probe) {
    DestroyWindow(probe);
    return true;
  }
  std::fprintf(stderr,
               "This program cannot create windows (error %lu): its desktop had no display driver when it first "
               "asked for one%s.\n",
               GetLastError(), DesktopHasDriver() ? "" : " and still has none");
  return false;
}

}  // namespace guitest
