#pragma once
// The window classes of the library's own plain windows: containers (panel,
// tab sheet) and controls that paint and handle their mouse themselves (tool
// buttons, images). Such a window has no behaviour of its own (its object
// does the work in a subclass), stands on the dialog face and is redrawn
// whole when its size changes, so a centred caption or picture moves with it.
// The top-level windows' classes are registered through the same helper.
#include <windows.h>

namespace platform {

// A window class of this program.
struct WindowClassArgs {
  const char* name;
  WNDPROC proc;
  UINT style;
  // Its windows show the arrow cursor on the dialog face; else they have
  // neither (a hidden window).
  bool visibleBackground;
};

// What RegisterWindowClass found or did.
struct WindowClassRegistration {
  // A class of that name was registered before, with this procedure.
  bool existed = false;
  WNDPROC existingProc = nullptr;
  // The class registered now; 0 when it was there before or registering
  // failed (GetLastError says why).
  ATOM atom = 0;
};

// Registers the class unless this program has one of that name already.
WindowClassRegistration RegisterWindowClass(const WindowClassArgs& args);

// Registers the plain class of that name, unless it is registered already;
// throws std::runtime_error when it cannot.
const char* PlainWindowClass(const char* name);

// The containers' class.
const char* ContainerWindowClass();

}  // namespace platform
