#include "platform/base/IniDocument.h"

#include <algorithm>
#include <stdexcept>

#include "platform/base/Blanks.h"

namespace platform {

namespace {

// The blanks around an INI file's names and values; line breaks end a line
// and never stand in one.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) { return TrimmedView(s, IsBlank); }

std::string Fold(std::string_view s) {
  s = Trim(s);
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The section name of a header line ("[name]", blanks allowed around and
// inside the brackets), or nothing.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;  // trimmed, quotes still on
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const std::string_view key = Trim(line.substr(0, eq));
  if (key.empty()) return std::nullopt;
  return KeyLine{key, Trim(line.substr(eq + 1))};
}

// A line break can stand in no line of the file (the text is split there and
// Write flattens it), so this marks a deleted line unmistakably.
const std::string kGravestone = "\n";

bool IsDead(const std::string& line) { return line == kGravestone; }

// Whether the key of a key line is the folded name, without folding a copy.
bool IsKey(std::string_view key, std::string_view folded) {
  if (key.size() != folded.size()) return false;
  for (size_t i = 0; i < key.size(); ++i) {
    char c = key[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != folded[i]) return false;
  }
  return true;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

std::string_view Unquote(std::string_view v) {
  if (v.size() >= 2 && IsQuote(v.front()) && v.back() == v.front()) return v.substr(1, v.size() - 2);
  return v;
}

// A line break inside a name or value would split the line.
std::string OneLine(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' || s[i] == '\n') {
      out += ' ';
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

// The value as it must stand in the line to read back unchanged.
std::string Encode(std::string_view value) {
  std::string v = OneLine(value);
  const bool needsQuotes = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                                          (v.size() >= 2 && IsQuote(v.front()) && v.back() == v.front()));
  return needsQuotes ? '"' + v + '"' : v;
}

}  // namespace

std::optional<int32_t> ParseIniInteger(std::string_view text) {
  std::string_view s = text;
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return std::nullopt;
  uint64_t v = 0;
  for (char c : s) {
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (v > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 16) {
    // Hexadecimal fills the 32 bits as they are.
    const uint32_t bits = negative ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
    return static_cast<int32_t>(bits);
  }
  if (negative) {
    if (v > 2147483648ull) return std::nullopt;
    return static_cast<int32_t>(-static_cast<int64_t>(v));
  }
  if (v > 2147483647ull) return std::nullopt;
  return static_cast<int32_t>(v);
}

IniDocument::IniDocument() : sections_(1) {}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  const size_t n = text.size();
  size_t p = 0;
  while (p < n) {
    const size_t end = text.find_first_of("\r\n", p);
    const size_t stop = end == std::string_view::npos ? n : end;
    const std::string_view line = text.substr(p, stop - p);
    if (const auto name = HeaderName(line)) {
      Section s;
      s.header = std::string(line);
      s.name = std::string(*name);
      doc.sections_.push_back(std::move(s));
    } else {
      doc.sections_.back().lines.emplace_back(line);
    }
    p = stop;
    if (p < n && text[p] == '\r') ++p;
    if (p < n && text[p] == '\n') ++p;
  }
  for (size_t i = 1; i < doc.sections_.size(); ++i) IndexKeys(doc.sections_[i]);
  doc.IndexSections();
  return doc;
}

std::string IniDocument::Text() const {
  std::string out;
  auto put = [&out](const std::string& line) {
    out += line;
    out += "\r\n";
  };
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) put(sections_[i].header);
    for (const auto& line : sections_[i].lines) {
      if (!IsDead(line)) put(line);
    }
  }
  return out;
}

void IniDocument::IndexKeys(Section& s) {
  s.keys.clear();
  s.keysEnd = 0;
  for (size_t i = 0; i < s.lines.size(); ++i) {
    if (const auto k = ParseKeyLine(s.lines[i])) {
      const auto [it, fresh] = s.keys.try_emplace(Fold(k->key), KeyLines{i, 1});
      if (!fresh) ++it->second.count;
      s.keysEnd = i + 1;
    }
  }
}

void IniDocument::Compact(Section& s) {
  if (s.dead == 0) return;
  std::erase_if(s.lines, IsDead);
  s.dead = 0;
  IndexKeys(s);
}

void IniDocument::IndexSections() {
  index_.clear();
  for (size_t i = 1; i < sections_.size(); ++i) index_.emplace(Fold(sections_[i].name), i);
}

const IniDocument::Section* IniDocument::Find(std::string_view section) const {
  const auto it = index_.find(Fold(section));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Section* IniDocument::Find(std::string_view section) {
  return const_cast<Section*>(static_cast<const IniDocument*>(this)->Find(section));
}

std::optional<std::string> IniDocument::Read(std::string_view section, std::string_view key) const {
  const Section* s = Find(section);
  if (!s) return std::nullopt;
  const auto it = s->keys.find(Fold(key));
  if (it == s->keys.end()) return std::nullopt;
  return std::string(Unquote(ParseKeyLine(s->lines[it->second.first])->value));
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
  // Flattened before trimming: a line break at either end becomes a blank
  // that the name must not keep, or it would not read back.
  const std::string sectionName(Trim(OneLine(section)));
  const std::string keyName(Trim(OneLine(key)));
  const std::string probe = keyName + "=";
  const auto parsed = ParseKeyLine(probe);
  if (!parsed || parsed->key != keyName) throw std::invalid_argument("Ungültiger Schlüsselname: " + keyName);
  const std::string encoded = Encode(value);
  Section* s = Find(sectionName);
  if (!s) {
    // A blank line keeps the new section apart from the one before it.
    Section& last = sections_.back();
    Compact(last);
    const std::string& lastLine = !last.lines.empty() ? last.lines.back() : last.header;
    if (sections_.size() > 1 || !last.lines.empty()) {
      if (!Trim(lastLine).empty()) last.lines.emplace_back();
    }
    Section added;
    added.name = sectionName;
    added.header = "[" + sectionName + "]";
    sections_.push_back(std::move(added));
    index_.emplace(Fold(sectionName), sections_.size() - 1);
    s = &sections_.back();
  }
  const auto it = s->keys.find(Fold(keyName));
  if (it != s->keys.end()) {
    std::string& line = s->lines[it->second.first];
    const KeyLine k = *ParseKeyLine(line);
    if (k.value == encoded) return;
    line = std::string(k.key) + "=" + encoded;
  } else {
    // Only lines without keys follow keysEnd: no place in the index moves.
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(s->keysEnd), keyName + "=" + encoded);
    s->keys.emplace(Fold(keyName), KeyLines{s->keysEnd, 1});
    ++s->keysEnd;
  }
  modified_ = true;
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
  Section* s = Find(section);
  if (!s) return false;
  const std::string folded = Fold(key);
  const auto it = s->keys.find(folded);
  if (it == s->keys.end()) return false;
  // Duplicates go too (none must come to light), and only they call for a
  // look at the lines after the first.
  size_t left = it->second.count;
  for (size_t i = it->second.first; left > 0 && i < s->keysEnd; ++i) {
    const auto k = ParseKeyLine(s->lines[i]);
    if (!k || !IsKey(k->key, folded)) continue;
    s->lines[i] = kGravestone;
    ++s->dead;
    --left;
  }
  s->keys.erase(it);
  // New keys go after the last key line still there.
  while (s->keysEnd > 0 && !ParseKeyLine(s->lines[s->keysEnd - 1])) --s->keysEnd;
  // Gravestones are swept out once they outnumber the other lines.
  if (s->dead * 2 > s->lines.size()) Compact(*s);
  modified_ = true;
  return true;
}

bool IniDocument::EraseSection(std::string_view section) {
  const std::string folded = Fold(section);
  if (!index_.count(folded)) return false;
  const auto kept = std::remove_if(sections_.begin() + 1, sections_.end(),
                                   [&folded](const Section& s) { return Fold(s.name) == folded; });
  sections_.erase(kept, sections_.end());
  IndexSections();
  modified_ = true;
  return true;
}

std::vector<std::string> IniDocument::Sections() const {
  std::vector<std::string> out;
  for (size_t i = 1; i < sections_.size(); ++i) {
    const auto it = index_.find(Fold(sections_[i].name));
    if (it != index_.end() && it->second == i) out.push_back(sections_[i].name);
  }
  return out;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
  std::vector<std::string> out;
  const Section* s = Find(section);
  if (!s) return out;
  for (size_t i = 0; i < s->lines.size(); ++i) {
    const auto k = ParseKeyLine(s->lines[i]);
    if (!k) continue;
    const auto it = s->keys.find(Fold(k->key));
    if (it != s->keys.end() && it->second.first == i) out.emplace_back(k->key);
  }
  return out;
}

bool IniDocument::HasSection(std::string_view section) const { return Find(section) != nullptr; }

}  // namespace platform
