#pragma once
// Read-only registry access.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The string value (REG_SZ or REG_EXPAND_SZ, unexpanded) of key\value below
// root; value "" reads the key's default value. std::nullopt when the key or
// the value does not exist or is not a string.
std::optional<std::string> ReadRegString(HKEY root, const std::string& key, const std::string& value);

// True when the key exists below root.
bool RegKeyExists(HKEY root, const std::string& key);

// Names of the sub-keys of key below root, in the order the registry gives.
std::vector<std::string> RegSubKeys(HKEY root, const std::string& key);

}  // namespace platform
