#pragma once
// The text helpers every part of the programs uses: string surgery on paths
// and URLs, HTML entities, blanks and punctuation. What asks the system (the
// user's thousands separator, the file search in a directory tree) or shows a
// window (the file copy with progress and retry) is in coregui/Hilfsmittel.h.
// One program-wide instance, reached through Text().
#include <string>
#include <string_view>

namespace core {

class TText {
 public:
  // Removes one trailing (leading) c, if there is one.
  void StripTrailingCharInPlace(char c, std::string& s) const;
  void StripLeadingCharInPlace(char c, std::string& s) const;
  std::string StripTrailingChar(char c, std::string_view s) const;
  std::string StripLeadingChar(char c, std::string_view s) const;

  // n blanks; "" for n below 1.
  std::string Spaces(int n) const;

  // Every occurrence of search replaced, left to right; the replacement is
  // never searched again. Case-sensitive. An empty search changes nothing.
  std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement) const;

  // Removes the last character; "" stays "".
  void DropLastChar(std::string& s) const;

  // HTML entities to characters: one full replace pass per table row.
  std::string DecodeEntities(std::string_view text) const;
  // DecodeEntities, then back to the canonical entity form in which titles
  // and descriptions are compared and stored.
  std::string NormalizeEntities(std::string_view text) const;
  // Whether DecodeEntities knows "&trade;" (Pellinova does); set at start-up.
  void SetTradeEntity(bool on) { tradeEntity_ = on; }
  bool TradeEntity() const { return tradeEntity_; }

  // 1-based position of the last occurrence of search in text; 0 when it does
  // not occur (or search is empty).
  int LastPos(std::string_view search, std::string_view text) const;

  // Shortens a URL for a label to about n characters by dropping leading
  // folders behind the first "/"; a text without "/" is returned unchanged.
  std::string ShortenUrl(std::string_view text, int n) const;

  // "C:\a\b.htm" -> "file:///C|/a/b.htm".
  std::string PathToFileUrl(std::string_view path) const;

  // , . ; " ' - / \ : ? ! become blanks.
  std::string PunctuationToSpaces(std::string_view text) const;

  // TAB and character 254 become blanks, then one pass turns two blanks into
  // one (a run of n blanks keeps (n + 1) / 2).
  std::string NormalizeWhitespace(std::string_view text) const;

 private:
  bool tradeEntity_ = false;
};

TText& Text();

}  // namespace core
