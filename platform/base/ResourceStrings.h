#pragma once
// Texts and data from the program's resource source (Resources.h chooses the
// source). The declarations need no windows.h, so that the core's string
// table compiles in the native build as well.
#include <optional>
#include <string>

namespace platform {

// Text number id as code page 1252. fromProgram reads the program file even
// while a language module is loaded (stored file formats must not change with
// the language). An id that neither source holds gives std::nullopt.
std::optional<std::string> LoadResString(unsigned id, bool fromProgram = false);

// The raw bytes of a user resource (type, name), from the current source,
// falling back to the program file; std::nullopt when neither has it.
std::optional<std::string> LoadResData(const char* type, const std::string& name);

// Text in code page 1252 from UTF-8 (for resources written as UTF-8 text).
std::string Utf8ToAnsi(const std::string& utf8);

}  // namespace platform
