#pragma once
// The user's locale comparison of code page 1252 text, as a table: the sort
// keys that the system builds for word sort (punctuation such as "-" and "'"
// counts only after everything else), so that a build without the system's
// locale functions sorts and compares exactly as the programs do on it.
#include <string>
#include <string_view>

namespace platform::collation1252 {

// The sort key of s: primary weights, diacritics, case (unless ignoreCase),
// then the weights of the punctuation that word sort sets aside. Keys compare
// as unsigned bytes.
std::string SortKey(std::string_view s, bool ignoreCase);

// <0, 0, >0 as the texts order in the locale.
int Compare(std::string_view a, std::string_view b, bool ignoreCase);

std::string Upper(std::string s);
std::string Lower(std::string s);

}  // namespace platform::collation1252
