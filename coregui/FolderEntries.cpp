#include "coregui/FolderEntries.h"

#include <windows.h>

#include <cwchar>

namespace core {

namespace {

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

// The name in the code page; false when it does not come back the same.
bool Ansi(const std::wstring& name, std::string& out) {
  out.clear();
  if (name.empty()) return true;
  const int length = static_cast<int>(name.size());
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), length, nullptr, 0, nullptr, nullptr);
  out.resize(static_cast<size_t>(n));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), length, out.data(), n, nullptr, nullptr);
  return Wide(out) == name;
}

bool ReservedCharacter(wchar_t c) { return c < 32 || std::wcschr(L"\"<>|*?\\/", c) != nullptr; }

// A path the wide functions take beyond MAX_PATH.
std::wstring LongPath(std::wstring path) {
  if (path.size() < MAX_PATH || path.rfind(L"\\\\?\\", 0) == 0) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

}  // namespace

std::vector<FolderEntry> ListFolder(const std::string& folder, const std::string& pattern) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(LongPath(Wide(folder + pattern)).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    FolderEntry entry;
    const std::wstring name = data.cFileName;
    entry.attributes = data.dwFileAttributes;
    entry.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    bool nameOk = Ansi(name, entry.name);
    for (const wchar_t c : name) nameOk = nameOk && !ReservedCharacter(c);
    if (!nameOk) entry.fault = EntryFault::Name;
    else if (folder.size() + entry.name.size() >= MAX_PATH) entry.fault = EntryFault::Path;
    entries.push_back(std::move(entry));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

std::string MessageLines(const std::vector<std::string>& list, size_t shown) {
  std::string text;
  for (size_t i = 0; i < list.size() && i < shown; ++i) text += (i > 0 ? "\r" : "") + list[i];
  if (list.size() > shown) text += "\r...";
  return text;
}

}  // namespace core
