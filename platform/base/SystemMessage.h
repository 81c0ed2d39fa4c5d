#pragma once
// The system's own text for an error code: a Win32 error (the files' messages
// build on it) or an HRESULT (a failed automation call).
#include <windows.h>

#include <string>

namespace platform {

// The system's text for code, without the line break and blanks that end it;
// empty where the system has none (Wine has none for most COM errors).
std::string SystemMessage(HRESULT code);

}  // namespace platform
