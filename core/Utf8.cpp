#include "core/Utf8.h"

#include <cstring>

#include "platform/base/Blanks.h"

namespace core {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// Position of needle in text, ASCII case ignored.
size_t FindAscii(std::string_view text, std::string_view needle, size_t from = 0) {
  for (size_t i = from; i + needle.size() <= text.size(); ++i) {
    if (SameAscii(text.substr(i, needle.size()), needle)) return i;
  }
  return std::string_view::npos;
}

// HTML's white space.
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// A charset name may stand in quotes of either kind.
bool IsSpaceOrQuote(char c) { return IsSpace(c) || c == '"' || c == '\''; }

// A lead byte of a well-formed sequence: how many continuation bytes follow
// and the range the first of them must lie in (which rules out overlong
// forms, surrogates and characters above U+10FFFF). False for a byte that
// cannot begin a multi-byte sequence.
bool LeadByte(unsigned char b, int& follow, unsigned char& low, unsigned char& high) {
  low = 0x80;
  high = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    follow = 1;
  } else if (b >= 0xE0 && b <= 0xEF) {
    follow = 2;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    follow = 3;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return false;
  }
  return true;
}

// The multi-byte sequence at text[pos]: its length and character, or 0 when
// the bytes there are not a well-formed sequence.
size_t Decode(std::string_view text, size_t pos, char32_t& character) {
  const unsigned char lead = Byte(text[pos]);
  int follow = 0;
  unsigned char low = 0, high = 0;
  if (!LeadByte(lead, follow, low, high) || pos + follow >= text.size()) return 0;
  character = lead & (0x3F >> follow);
  for (int i = 1; i <= follow; ++i) {
    const unsigned char b = Byte(text[pos + i]);
    if (b < low || b > high) return 0;
    character = (character << 6) | (b & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  return static_cast<size_t>(follow) + 1;
}

// A character the scanner would take for markup, or a "?", which it skips
// inside a word, must not come out of a character that was neither: a blank
// keeps the words apart instead.
char AnsiFor(char32_t character, const AnsiTable& table) {
  char ansi = ' ';
  if (!table.Lookup(character, ansi)) return ' ';
  switch (ansi) {
    case '<':
    case '>':
    case '&':
    case '"':
    case '?':
      return ' ';
    default:
      return Byte(ansi) < 0x20 ? ' ' : ansi;
  }
}

// The value of the attribute at text[pos] (after its "="), and where the
// attribute ends.
std::string_view AttributeValue(std::string_view tag, size_t& pos) {
  while (pos < tag.size() && IsSpace(tag[pos])) ++pos;
  if (pos < tag.size() && (tag[pos] == '"' || tag[pos] == '\'')) {
    const char quote = tag[pos++];
    const size_t end = tag.find(quote, pos);
    const std::string_view value = tag.substr(pos, end == std::string_view::npos ? end : end - pos);
    pos = end == std::string_view::npos ? tag.size() : end + 1;
    return value;
  }
  const size_t start = pos;
  while (pos < tag.size() && !IsSpace(tag[pos]) && tag[pos] != '>') ++pos;
  return tag.substr(start, pos - start);
}

// The charset one META tag declares; tag runs from behind "<meta" to its end.
std::string_view MetaTagCharset(std::string_view tag) {
  std::string_view httpEquiv, content;
  size_t pos = 0;
  while (pos < tag.size() && tag[pos] != '>') {
    if (IsSpace(tag[pos]) || tag[pos] == '/') {
      ++pos;
      continue;
    }
    const size_t start = pos;
    while (pos < tag.size() && !IsSpace(tag[pos]) && tag[pos] != '=' && tag[pos] != '>' && tag[pos] != '/') ++pos;
    const std::string_view name = tag.substr(start, pos - start);
    size_t after = pos;
    while (after < tag.size() && IsSpace(tag[after])) ++after;
    std::string_view value;
    if (after < tag.size() && tag[after] == '=') {
      pos = after + 1;
      value = AttributeValue(tag, pos);
    }
    if (SameAscii(name, "charset")) return platform::TrimmedView(value, IsSpace);
    if (SameAscii(name, "http-equiv")) httpEquiv = value;
    if (SameAscii(name, "content")) content = value;
  }
  if (SameAscii(platform::TrimmedView(httpEquiv, IsSpace), "content-type")) return CharsetParameter(content);
  return {};
}

}  // namespace

bool StartsWithUtf8Bom(std::string_view text) { return text.substr(0, kBom.size()) == kBom; }

bool IsUtf8Name(std::string_view charset) {
  charset = platform::TrimmedView(charset, IsSpaceOrQuote);
  return SameAscii(charset, "utf-8") || SameAscii(charset, "utf8");
}

std::string_view CharsetParameter(std::string_view contentType) {
  for (size_t at = FindAscii(contentType, "charset"); at != std::string_view::npos;
       at = FindAscii(contentType, "charset", at + 1)) {
    size_t pos = at + 7;
    while (pos < contentType.size() && IsSpace(contentType[pos])) ++pos;
    if (pos >= contentType.size() || contentType[pos] != '=') continue;
    ++pos;
    while (pos < contentType.size() && IsSpace(contentType[pos])) ++pos;
    const size_t start = pos;
    while (pos < contentType.size() && contentType[pos] != ';' && !IsSpace(contentType[pos])) ++pos;
    return platform::TrimmedView(contentType.substr(start, pos - start), IsSpaceOrQuote);
  }
  return {};
}

std::string_view DeclaredMetaCharset(std::string_view page) {
  page = page.substr(0, kMetaWindow);
  size_t pos = 0;
  while ((pos = page.find('<', pos)) != std::string_view::npos) {
    if (page.substr(pos, 4) == "<!--") {
      const size_t end = page.find("-->", pos + 4);
      if (end == std::string_view::npos) break;
      pos = end + 3;
      continue;
    }
    const bool meta = SameAscii(page.substr(pos + 1, 4), "meta") && pos + 5 < page.size() &&
                      (IsSpace(page[pos + 5]) || page[pos + 5] == '/');
    ++pos;
    if (!meta) continue;
    const std::string_view charset = MetaTagCharset(page.substr(pos + 4));
    if (!charset.empty()) return charset;
  }
  return {};
}

bool IsUtf8Page(std::string_view page, std::string_view contentType) {
  if (StartsWithUtf8Bom(page)) return true;
  const std::string_view replyCharset = CharsetParameter(contentType);
  if (!replyCharset.empty()) return IsUtf8Name(replyCharset);
  return IsUtf8Name(DeclaredMetaCharset(page));
}

void Utf8ToAnsiInPlace(std::string& text, const AnsiTable& table) {
  // Every sequence becomes one byte, so the text is rewritten front to back
  // in its own buffer: a page costs no second copy of itself.
  const size_t skip = StartsWithUtf8Bom(text) ? kBom.size() : 0;
  char* const data = text.data();
  const size_t size = text.size();
  size_t out = 0;
  for (size_t pos = skip; pos < size;) {
    // Runs of ASCII are moved as a whole, and not at all before the first
    // multi-byte character.
    size_t run = pos;
    while (run < size && Byte(data[run]) < 0x80) ++run;
    if (run > pos) {
      if (out != pos) std::memmove(data + out, data + pos, run - pos);
      out += run - pos;
      pos = run;
      if (pos == size) break;
    }
    char32_t character = 0;
    const size_t length = Decode(text, pos, character);
    if (length == 0) {
      data[out++] = data[pos++];
    } else {
      data[out++] = AnsiFor(character, table);
      pos += length;
    }
  }
  text.resize(out);
}

std::string Utf8ToAnsi(std::string_view text, const AnsiTable& table) {
  std::string ansi(text);
  Utf8ToAnsiInPlace(ansi, table);
  return ansi;
}

std::string PageAsAnsi(std::string page, std::string_view contentType, const AnsiTable& table) {
  if (IsUtf8Page(page, contentType)) Utf8ToAnsiInPlace(page, table);
  return page;
}

bool Utf8Check::Feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (failed_) return false;
    const unsigned char b = Byte(c);
    if (pending_ > 0) {
      if (b < low_ || b > high_) {
        failed_ = true;
        return false;
      }
      --pending_;
      low_ = 0x80;
      high_ = 0xBF;
    } else if (b >= 0x80) {
      if (!LeadByte(b, pending_, low_, high_)) {
        failed_ = true;
        return false;
      }
      multiByte_ = true;
    }
  }
  return !failed_;
}

}  // namespace core
