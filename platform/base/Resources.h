#pragma once
// The program's resource source: string tables and stored form layouts are read
// from the program file, or from a loaded language module that replaces them.
#include <windows.h>

#include "platform/base/ResourceStrings.h"

namespace platform {

// The module texts and forms come from now on; nullptr means the program file.
void SetResourceSource(HMODULE module);
HMODULE ResourceSource();

}  // namespace platform
