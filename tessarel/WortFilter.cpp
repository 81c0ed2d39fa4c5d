#include "tessarel/WortFilter.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/base/Files.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// 1-based position of the first occurrence of s in w; 0 when it does not
// occur, and for an empty s.
long long Pos(const std::string& s, const std::string& w) {
  if (s.empty()) return 0;
  const size_t p = w.find(s);
  return p == std::string::npos ? 0 : static_cast<long long>(p) + 1;
}

// A whole number as the stop-character lists write it: decimal with an
// optional sign, or hexadecimal after "$" or "0x"; leading blanks allowed.
std::optional<long long> ParseInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    int digit;
    if (IsDigit(static_cast<char>(c))) digit = c - '0';
    else if (base == 16 && std::isxdigit(c)) digit = std::tolower(c) - 'a' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > 0x7FFFFFFFLL) return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace

bool RepeatedLetter(const std::string& w) {
  const std::string up = platform::AnsiUpperCase(w);
  char previous = '\0';
  int run = 1;
  for (char c : up) {
    if (c == previous) {
      if (++run > 2) return true;
    } else {
      previous = c;
      run = 1;
    }
  }
  return false;
}

bool RepeatedGroup(const std::string& w) {
  // Positions are 1-based as the rule counts them.
  std::string group = w.substr(0, 4);
  for (size_t k = 5; k < w.size(); ++k) {
    if (w.find(group, k - 1) != std::string::npos) return true;
    group = w.substr(k - 2, 4);
  }
  return false;
}

bool AscendingRun(const std::string& w) {
  int previous = 0;
  int steps = 0;
  for (char ch : w) {
    const int c = static_cast<unsigned char>(ch);
    if (c == previous + 1) {
      if (++steps > 3) return true;
    } else {
      steps = 0;
    }
    previous = c;
  }
  return false;
}

bool MostlyDigits(const std::string& w) {
  const auto digits = std::count_if(w.begin(), w.end(), IsDigit);
  return digits > static_cast<std::ptrdiff_t>(w.size()) - digits;
}

bool IsGarbage(const std::string& w) {
  return RepeatedLetter(w) || RepeatedGroup(w) || AscendingRun(w) || MostlyDigits(w);
}

WordFilter::WordFilter(const TProjekt& p) {
  TakeLists(p.stopWords, p.stopCharacters);
  SetWidthLimits(p.SchlagwortbreiteVerwenden, p.SchlagwortbreiteMin, p.SchlagwortbreiteMax);
  SetKeywordLimit(p.AnzahlSchlagworteVerwenden, p.AnzahlSchlagworteMax);
}

WordFilter::WordFilter(const platform::TStringList& stopWords, const platform::TStringList& stopCharacters) {
  TakeLists(stopWords, stopCharacters);
}

void WordFilter::TakeLists(const platform::TStringList& stopWords, const platform::TStringList& stopCharacters) {
  for (int i = 0; i < stopWords.Count(); ++i) stopWords_.push_back(platform::AnsiUpperCase(stopWords[i]));
  std::sort(stopWords_.begin(), stopWords_.end());
  for (int i = 0; i < stopCharacters.Count(); ++i) {
    const std::string e = platform::AnsiUpperCase(stopCharacters[i]);
    StopCharacter sc;
    const size_t comma = e.find(',');
    if (comma == std::string::npos) {
      sc.text = e;
    } else {
      sc.text = e.substr(0, comma);
      if (auto n = ParseInteger(e.substr(comma + 1))) {
        sc.positional = true;
        sc.position = *n;
      }
    }
    stopCharacters_.push_back(std::move(sc));
  }
}

void WordFilter::SetWidthLimits(bool use, int min, int max) {
  useWidth_ = use;
  minWidth_ = min;
  maxWidth_ = max;
}

void WordFilter::SetKeywordLimit(bool use, int max) {
  useLimit_ = use;
  maxKeywords_ = max;
}

bool WordFilter::IsStopWord(const std::string& w) const {
  return std::binary_search(stopWords_.begin(), stopWords_.end(), platform::AnsiUpperCase(w));
}

bool WordFilter::HasStopCharacter(const std::string& w) const {
  const std::string up = platform::AnsiUpperCase(w);
  for (const StopCharacter& e : stopCharacters_) {
    const long long at = Pos(e.text, up);
    if (e.positional ? at == e.position : at > 0) return true;
  }
  return false;
}

WordVerdict WordFilter::Judge(const std::string& w, bool rawRead) const {
  if (w.empty() || (rawRead && IsGarbage(w))) return WordVerdict::Dropped;
  if (useWidth_) {
    const auto len = static_cast<long long>(w.size());
    const bool wideEnough = minWidth_ < 1 || len >= minWidth_;
    const bool narrowEnough = maxWidth_ < 1 || len <= maxWidth_;
    if (!wideEnough || !narrowEnough) return WordVerdict::Dropped;
  }
  if (IsStopWord(w) || HasStopCharacter(w)) return WordVerdict::Rejected;
  return WordVerdict::Keyword;
}

bool WordFilter::LimitReached(int keywordCount) const { return useLimit_ && keywordCount >= maxKeywords_; }

namespace {

// The wildcard forms: a "*" stands for one character position; the other
// characters of the pattern must stand at theirs. Characters beyond the end
// of x match nothing.
bool WildcardMatch(const std::string& p, const std::string& x) {
  auto at = [&x](size_t i) { return i < x.size() ? x[i] : '\0'; };
  if (p.size() == 2) {
    if (p[0] == '*') return x.back() == p[1];
    if (p[1] == '*') return x.front() == p[0];
    return false;
  }
  if (p.size() == 3) {
    if (p[0] == '*' && p[2] == '*') return at(1) == p[1];
    if (p[0] == '*') return at(1) == p[1] && at(2) == p[2];
    if (p[1] == '*') return at(0) == p[0] && at(2) == p[2];
    if (p[2] == '*') return at(0) == p[0] && at(1) == p[1];
  }
  return false;
}

}  // namespace

void ExcludeByExtension(platform::TStringList& documents, const std::string& pattern) {
  const bool wildcard = pattern.find('*') != std::string::npos && pattern != "*" && pattern != "**";
  for (int i = 0; i < documents.Count();) {
    std::string x = platform::AnsiUpperCase(platform::ExtractFileExt(documents[i]));
    if (!x.empty()) x.erase(0, 1);
    const bool remove = x == pattern || (wildcard && x.size() >= 2 && WildcardMatch(pattern, x));
    if (remove) documents.Delete(i);
    else ++i;
  }
}

void ExcludeByExtensions(platform::TStringList& documents, const std::string& patterns, const bool& abort) {
  std::string rest = platform::AnsiUpperCase(patterns);
  size_t comma;
  while ((comma = rest.find(',')) != std::string::npos && !abort) {
    ExcludeByExtension(documents, rest.substr(0, comma));
    rest.erase(0, comma + 1);
  }
  ExcludeByExtension(documents, rest);
}

bool KeywordCollector::Add(const std::string& word) {
  if (!keys_.insert(platform::AnsiTextSortKey(word)).second) return false;
  words_.Add(word);
  return true;
}

void KeywordCollector::Clear() {
  keys_.clear();
  words_.Clear();
}

platform::TStringList KeywordCollector::Sorted() const {
  platform::TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(platform::TDuplicates::dupIgnore);
  list.AddStrings(words_);
  return list;
}

}  // namespace tessarel
