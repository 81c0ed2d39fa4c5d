#pragma once
// The Unix name of a Windows path, from Wine itself; "" outside Wine (the
// tests that need it skip there).
#include <windows.h>

#include <string>

inline std::string WineUnixName(const std::string& windowsPath) {
  using Fn = char*(CDECL*)(const WCHAR*);
  // void (*)() converts to any function type without a warning.
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!fn) return {};
  std::wstring w(windowsPath.size() + 1, L'\0');
  MultiByteToWideChar(1252, 0, windowsPath.c_str(), -1, w.data(), static_cast<int>(w.size()));
  char* unix = fn(w.c_str());
  if (!unix) return {};
  std::string out = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return out;
}
