#include "platform/base/Registry.h"

namespace platform {

namespace {
// Owns an open key; closes it on every path.
class Key {
 public:
  Key(HKEY root, const std::string& path) {
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};
}  // namespace

std::optional<std::string> ReadRegString(HKEY root, const std::string& key, const std::string& value) {
  Key k(root, key);
  if (!k.get()) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(k.get(), value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::string data(size, '\0');
  if (size > 0 &&
      RegQueryValueExA(k.get(), value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
          ERROR_SUCCESS)
    return std::nullopt;
  data.resize(size);
  // The stored size counts the terminating zero, when there is one.
  while (!data.empty() && data.back() == '\0') data.pop_back();
  return data;
}

bool RegKeyExists(HKEY root, const std::string& key) { return Key(root, key).get() != nullptr; }

std::vector<std::string> RegSubKeys(HKEY root, const std::string& key) {
  std::vector<std::string> names;
  Key k(root, key);
  if (!k.get()) return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD len = sizeof name;
    if (RegEnumKeyExA(k.get(), i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, len);
  }
  return names;
}

}  // namespace platform
