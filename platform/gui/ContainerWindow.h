#pragma once
// The window class of the library's own containers (panel, tab sheet): a
// plain window on the dialog face that paints nothing else by itself.
namespace platform {

// Registered with the first call.
const char* ContainerWindowClass();

}  // namespace platform
