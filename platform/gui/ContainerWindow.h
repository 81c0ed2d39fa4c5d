#pragma once
// The window classes of the library's own plain windows: containers (panel,
// tab sheet) and controls that paint and handle their mouse themselves (tool
// buttons, images). Such a window has no behaviour of its own (its object
// does the work in a subclass), stands on the dialog face and is redrawn
// whole when its size changes, so a centred caption or picture moves with it.
namespace platform {

// Registers the plain class of that name, unless it is registered already;
// throws std::runtime_error when it cannot.
const char* PlainWindowClass(const char* name);

// The containers' class.
const char* ContainerWindowClass();

}  // namespace platform
