#pragma once
// Fonts: the owned font, and the font a stored layout describes.
#include <windows.h>

#include "platform/base/OwnedHandle.h"
#include "platform/gui/FormLayout.h"

namespace platform {

inline void FreeFont(HFONT font) { DeleteObject(font); }
using OwnedFont = OwnedHandle<HFONT, &FreeFont>;

// The font of a layout at the screen's resolution.
OwnedFont CreateLayoutFont(const LayoutFont& font);

}  // namespace platform
