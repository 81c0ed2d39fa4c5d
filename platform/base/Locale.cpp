// The locale functions of StringList.h on the system: CompareStringA and
// LCMapStringA in the user's locale.
#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/base/StringList.h"

namespace platform {

namespace {

int LocaleCompare(const std::string& a, const std::string& b, DWORD flags) {
  const int r = CompareStringA(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(std::min<size_t>(a.size(), INT_MAX)),
                               b.data(), static_cast<int>(std::min<size_t>(b.size(), INT_MAX)));
  if (r != 0) return r - CSTR_EQUAL;
  // The locale could not compare the two: byte order still gives a total order.
  return a.compare(b);
}

}  // namespace

int AnsiCompareText(const std::string& a, const std::string& b) { return LocaleCompare(a, b, NORM_IGNORECASE); }

int AnsiCompareStr(const std::string& a, const std::string& b) { return LocaleCompare(a, b, 0); }

std::string AnsiTextSortKey(const std::string& s) {
  // The locale maps no empty text (and none whose length is no int);
  // comparisons with it go to CompareStringA.
  if (s.empty() || s.size() > INT_MAX) return std::string();
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int length = static_cast<int>(s.size());
  char buffer[256];
  int n = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, s.data(), length, buffer, sizeof buffer);
  if (n > 0) return std::string(buffer, static_cast<size_t>(n));
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::string();
  n = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, s.data(), length, nullptr, 0);
  if (n <= 0) return std::string();
  std::string key(static_cast<size_t>(n), '\0');
  n = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, s.data(), length, key.data(), n);
  key.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return key;
}

std::string AnsiUpperCase(std::string s) {
  if (!s.empty()) CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

std::string AnsiLowerCase(std::string s) {
  if (!s.empty()) CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

}  // namespace platform
