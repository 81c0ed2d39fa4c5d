#include "platform/gui/ContainerWindow.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace platform {

WindowClassRegistration RegisterWindowClass(const WindowClassArgs& args) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(instance, args.name, &wc)) return {true, wc.lpfnWndProc, 0};
  wc = WNDCLASSEXA{};
  wc.cbSize = sizeof wc;
  wc.style = args.style;
  wc.lpfnWndProc = args.proc;
  wc.hInstance = instance;
  if (args.visibleBackground) {
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  }
  wc.lpszClassName = args.name;
  return {false, nullptr, RegisterClassExA(&wc)};
}

const char* PlainWindowClass(const char* name) {
  const auto registration = RegisterWindowClass({name, DefWindowProcA, CS_HREDRAW | CS_VREDRAW, true});
  if (!registration.existed && !registration.atom && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error(std::string("Fensterklasse ") + name + " l\xE4sst sich nicht anlegen");
  return name;
}

const char* ContainerWindowClass() {
  static const char* const name = PlainWindowClass("QuarvelinContainer");
  return name;
}

}  // namespace platform
