// The locale functions of StringList.h without the system: code page 1252
// with the sort keys of the United States and German locales.
#include "platform/base/Collation1252.h"
#include "platform/base/StringList.h"

namespace platform {

int AnsiCompareText(const std::string& a, const std::string& b) { return collation1252::Compare(a, b, true); }

int AnsiCompareStr(const std::string& a, const std::string& b) { return collation1252::Compare(a, b, false); }

std::string AnsiTextSortKey(const std::string& s) {
  if (s.empty()) return std::string();
  return collation1252::SortKey(s, true);
}

std::string AnsiUpperCase(std::string s) { return collation1252::Upper(std::move(s)); }

std::string AnsiLowerCase(std::string s) { return collation1252::Lower(std::move(s)); }

}  // namespace platform
