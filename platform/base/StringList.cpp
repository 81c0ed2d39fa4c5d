#include "platform/base/StringList.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/base/Files.h"

namespace platform {

namespace {

int LocaleCompare(const std::string& a, const std::string& b, DWORD flags) {
  const int r = CompareStringA(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(std::min<size_t>(a.size(), INT_MAX)),
                               b.data(), static_cast<int>(std::min<size_t>(b.size(), INT_MAX)));
  if (r != 0) return r - CSTR_EQUAL;
  // The locale could not compare the two: byte order still gives a total order.
  return a.compare(b);
}

// Bytes up to and including the blank: control characters and the blank.
bool IsSpaceOrControl(unsigned char c) { return c <= ' '; }

}  // namespace

int AnsiCompareText(const std::string& a, const std::string& b) { return LocaleCompare(a, b, NORM_IGNORECASE); }

int AnsiCompareStr(const std::string& a, const std::string& b) { return LocaleCompare(a, b, 0); }

bool SameText(const std::string& a, const std::string& b) { return AnsiCompareText(a, b) == 0; }

std::string AnsiUpperCase(std::string s) {
  if (!s.empty()) CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

std::string AnsiLowerCase(std::string s) {
  if (!s.empty()) CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

// --- TStringList ---

TStringList::TStringList(std::initializer_list<std::string> lines) {
  for (const auto& s : lines) Add(s);
}

int TStringList::Compare(const std::string& a, const std::string& b) const {
  return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::CheckIndex(int i, bool allowEnd) const {
  if (i < 0 || i > Count() || (i == Count() && !allowEnd))
    throw EStringListError("Listenindex außerhalb des gültigen Bereichs (" + std::to_string(i) + ")");
}

const std::string& TStringList::Strings(int i) const {
  CheckIndex(i);
  return items_[static_cast<size_t>(i)].text;
}

void TStringList::Put(int i, const std::string& s) {
  if (sorted_) throw EStringListError("Bei sortierten Listen nicht erlaubt");
  CheckIndex(i);
  items_[static_cast<size_t>(i)].text = s;
}

void* TStringList::Objects(int i) const {
  CheckIndex(i);
  return items_[static_cast<size_t>(i)].object;
}

void TStringList::PutObject(int i, void* object) {
  CheckIndex(i);
  items_[static_cast<size_t>(i)].object = object;
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, void* object) {
  if (sorted_) return InsertSorted(s, object);
  items_.push_back({s, object});
  return Count() - 1;
}

int TStringList::InsertSorted(const std::string& s, void* object) {
  int index = 0;
  if (Find(s, index)) {
    switch (duplicates_) {
      case TDuplicates::dupIgnore:
        return index;
      case TDuplicates::dupError:
        throw EStringListError("Die Liste erlaubt keine Duplikate");
      case TDuplicates::dupAccept:
        // After the equal lines, so that equal lines keep the order they came in.
        while (index < Count() && Compare(items_[static_cast<size_t>(index)].text, s) == 0) ++index;
        break;
    }
  }
  items_.insert(items_.begin() + index, Item{s, object});
  return index;
}

void TStringList::AddStrings(const TStringList& other) {
  if (&other == this) {
    const TStringList copy = other;
    AddStrings(copy);
    return;
  }
  for (const auto& item : other.items_) AddObject(item.text, item.object);
}

void TStringList::Insert(int i, const std::string& s) { InsertObject(i, s, nullptr); }

void TStringList::InsertObject(int i, const std::string& s, void* object) {
  if (sorted_) throw EStringListError("Bei sortierten Listen nicht erlaubt");
  CheckIndex(i, true);
  items_.insert(items_.begin() + i, Item{s, object});
}

void TStringList::Delete(int i) {
  CheckIndex(i);
  items_.erase(items_.begin() + i);
}

void TStringList::Clear() { items_.clear(); }

void TStringList::Assign(const TStringList& other) {
  if (&other == this) return;
  Clear();
  AddStrings(other);
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !sorted_) {
    sorted_ = true;
    Sort();
  }
  sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == caseSensitive_) return;
  caseSensitive_ = caseSensitive;
  if (sorted_) Sort();
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
}

bool TStringList::Find(const std::string& s, int& index) const {
  // The first line not below s.
  int lo = 0, hi = Count();
  bool found = false;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    const int c = Compare(items_[static_cast<size_t>(mid)].text, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      if (c == 0) found = true;
      hi = mid;
    }
  }
  index = lo;
  return found;
}

int TStringList::IndexOf(const std::string& s) const {
  if (sorted_) {
    int index = 0;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (Compare(items_[static_cast<size_t>(i)].text, s) == 0) return i;
  return -1;
}

int TStringList::IndexOfObject(const void* object) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)].object == object) return i;
  return -1;
}

std::string TStringList::CommaText() const {
  // A single empty line must not read back as no line at all.
  if (Count() == 1 && items_[0].text.empty()) return "\"\"";
  std::string out;
  for (size_t i = 0; i < items_.size(); ++i) {
    const std::string& s = items_[i].text;
    if (i > 0) out += ',';
    const bool quote = std::any_of(s.begin(), s.end(), [](char c) {
      return IsSpaceOrControl(static_cast<unsigned char>(c)) || c == '"' || c == ',';
    });
    if (!quote) {
      out += s;
      continue;
    }
    out += '"';
    for (char c : s) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out;
}

void TStringList::SetCommaText(const std::string& text) {
  Clear();
  const size_t n = text.size();
  size_t p = 0;
  auto skipBlanks = [&] {
    while (p < n && IsSpaceOrControl(static_cast<unsigned char>(text[p]))) ++p;
  };
  skipBlanks();
  while (p < n) {
    std::string s;
    if (text[p] == '"') {
      // Up to the closing quote; a doubled quote stands for one. An unclosed
      // quote runs to the end.
      ++p;
      while (p < n) {
        if (text[p] == '"') {
          if (p + 1 < n && text[p + 1] == '"') {
            s += '"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        s += text[p++];
      }
    } else {
      const size_t start = p;
      while (p < n && !IsSpaceOrControl(static_cast<unsigned char>(text[p])) && text[p] != ',') ++p;
      s = text.substr(start, p - start);
    }
    Add(s);
    skipBlanks();
    if (p < n && text[p] == ',') {
      ++p;
      skipBlanks();
    }
  }
}

std::string TStringList::Text() const {
  size_t size = 0;
  for (const auto& item : items_) size += item.text.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& item : items_) {
    out += item.text;
    out += "\r\n";
  }
  return out;
}

void TStringList::SetText(const std::string& text) {
  Clear();
  const size_t n = text.size();
  size_t p = 0;
  while (p < n) {
    const size_t end = text.find_first_of("\r\n", p);
    const size_t stop = end == std::string::npos ? n : end;
    Add(text.substr(p, stop - p));
    p = stop;
    if (p < n && text[p] == '\r') ++p;
    if (p < n && text[p] == '\n') ++p;
  }
}

std::string TStringList::Names(int i) const {
  const std::string& s = Strings(i);
  const size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

int TStringList::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& s = items_[static_cast<size_t>(i)].text;
    const size_t eq = s.find('=');
    if (eq != std::string::npos && AnsiCompareText(s.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

std::string TStringList::Values(const std::string& name) const {
  const int i = IndexOfName(name);
  if (i < 0) return std::string();
  const std::string& s = items_[static_cast<size_t>(i)].text;
  return s.substr(s.find('=') + 1);
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  if (sorted_) {
    // The new line may belong elsewhere in the order.
    if (i >= 0) Delete(i);
    Add(name + "=" + value);
    return;
  }
  if (i < 0) i = Add(std::string());
  Put(i, name + "=" + value);
}

void TStringList::LoadFromFile(const std::string& path) { SetText(ReadFileBytes(path)); }

// A failing save must not leave a truncated list behind.
void TStringList::SaveToFile(const std::string& path) const { ReplaceFileBytes(path, Text()); }

std::vector<std::string> TStringList::Lines() const {
  std::vector<std::string> out;
  out.reserve(items_.size());
  for (const auto& item : items_) out.push_back(item.text);
  return out;
}

bool TStringList::operator==(const TStringList& other) const {
  return items_.size() == other.items_.size() &&
         std::equal(items_.begin(), items_.end(), other.items_.begin(),
                    [](const Item& a, const Item& b) { return a.text == b.text; });
}

}  // namespace platform
