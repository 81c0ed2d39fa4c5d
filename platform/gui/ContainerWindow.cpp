#include "platform/gui/ContainerWindow.h"

#include <windows.h>

namespace platform {

const char* ContainerWindowClass() {
  static const char* const name = [] {
    constexpr const char* kName = "QuarvelinContainer";
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    // A centred or right-aligned caption moves when the width changes.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kName;
    RegisterClassExA(&wc);
    return kName;
  }();
  return name;
}

}  // namespace platform
