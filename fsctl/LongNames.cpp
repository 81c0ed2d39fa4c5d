#include "fsctl/LongNames.h"

#include <windows.h>

#include "fsctl/FsCommon.h"

namespace fsctl {

namespace {

bool BareDrive(const std::string& path) {
  return (path.size() == 2 || (path.size() == 3 && path[2] == '\\')) && path[1] == ':';
}

// The file system's name of the element, or nothing.
bool ReportedName(const std::string& path, std::string& name) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  name = found.cFileName;
  return true;
}

}  // namespace

std::string LongNameOfLastElement(const std::string& path) {
  std::string name;
  if (BareDrive(path) || !ReportedName(path, name)) return path;
  return name;
}

std::string LongPath(const std::string& path) {
  const DWORD length = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (length == 0) return path;
  std::string full(length, '\0');
  full.resize(GetFullPathNameA(path.c_str(), length, full.data(), nullptr));
  if (full.size() <= 3) return full;
  if (LastChar(full) == '\\') full.pop_back();
  // From the root ("C:\" or "\\server\share\") upward, element by element.
  size_t start = 3;
  if (full.starts_with("\\\\")) {
    const size_t share = full.find('\\', 2);
    const size_t end = share == std::string::npos ? std::string::npos : full.find('\\', share + 1);
    if (end == std::string::npos) return full;
    start = end + 1;
  }
  std::string rebuilt = full.substr(0, start);
  while (start < full.size()) {
    size_t next = full.find('\\', start);
    if (next == std::string::npos) next = full.size();
    std::string element = full.substr(start, next - start);
    std::string reported;
    if (ReportedName(rebuilt + element, reported)) element = reported;
    rebuilt += element;
    if (next < full.size()) rebuilt += '\\';
    start = next + 1;
  }
  return rebuilt;
}

}  // namespace fsctl
