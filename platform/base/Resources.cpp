#include "platform/base/Resources.h"

namespace platform {

namespace {
HMODULE g_source = nullptr;

std::optional<std::string> StringFrom(HMODULE module, unsigned id) {
  // Strings are stored in blocks of 16; each entry is a length-prefixed UTF-16 text.
  HRSRC res = FindResourceA(module, MAKEINTRESOURCEA((id >> 4) + 1), reinterpret_cast<LPCSTR>(RT_STRING));
  if (!res) return std::nullopt;
  HGLOBAL mem = LoadResource(module, res);
  if (!mem) return std::nullopt;
  auto p = static_cast<const WCHAR*>(LockResource(mem));
  const DWORD bytes = SizeofResource(module, res);
  const WCHAR* end = p + bytes / sizeof(WCHAR);
  for (unsigned i = 0; i < (id & 15); ++i) {
    if (p >= end) return std::nullopt;
    p += 1 + *p;
  }
  if (p >= end || *p == 0) return std::nullopt;
  const int len = *p++;
  if (p + len > end) return std::nullopt;
  std::string out(static_cast<size_t>(len) * 2 + 1, '\0');
  const int n = WideCharToMultiByte(1252, 0, p, len, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

std::optional<std::string> DataFrom(HMODULE module, const char* type, const std::string& name) {
  HRSRC res = FindResourceA(module, name.c_str(), type);
  if (!res) return std::nullopt;
  HGLOBAL mem = LoadResource(module, res);
  if (!mem) return std::nullopt;
  return std::string(static_cast<const char*>(LockResource(mem)), SizeofResource(module, res));
}
}  // namespace

void SetResourceSource(HMODULE module) { g_source = module; }
HMODULE ResourceSource() { return g_source; }

std::optional<std::string> LoadResString(unsigned id, bool fromProgram) {
  if (!fromProgram && g_source) {
    if (auto s = StringFrom(g_source, id)) return s;
  }
  return StringFrom(GetModuleHandleA(nullptr), id);
}

std::optional<std::string> LoadResData(const char* type, const std::string& name) {
  if (g_source) {
    if (auto d = DataFrom(g_source, type, name)) return d;
  }
  return DataFrom(GetModuleHandleA(nullptr), type, name);
}

std::string Utf8ToAnsi(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int wlen = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(wlen), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), wlen);
  std::string out(static_cast<size_t>(wlen) * 2 + 1, '\0');
  const int n = WideCharToMultiByte(1252, 0, w.data(), wlen, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

}  // namespace platform
