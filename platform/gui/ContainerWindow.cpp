#include "platform/gui/ContainerWindow.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace platform {

const char* PlainWindowClass(const char* name) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(instance, name, &wc)) return name;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = name;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error(std::string("Fensterklasse ") + name + " l\xE4sst sich nicht anlegen");
  return name;
}

const char* ContainerWindowClass() {
  static const char* const name = PlainWindowClass("QuarvelinContainer");
  return name;
}

}  // namespace platform
