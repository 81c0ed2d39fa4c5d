#pragma once
// The lines of a private-profile (INI) file, kept in order so that comments,
// unknown lines and the file's own spelling survive every edit. Pure logic:
// no Win32, no files; TIniFile loads and saves it.
//
// Section and key names compare with ASCII case folding and without the
// blanks around them; the first section and the first key of a name win. A
// key line is split at its first "="; its value is read without the blanks
// around it and without one pair of matching surrounding quotes (' or ").
// Lines before the first section, comments (";") and lines without "=" are
// kept but hold no keys.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

// A whole number as the class library's INI reader takes it: decimal with an
// optional sign, or hexadecimal after "$" or "0x" (up to 32 bits, so
// "$FFFFFFFF" is -1). Anything else, and decimals outside 32 bits, give
// std::nullopt.
std::optional<int32_t> ParseIniInteger(std::string_view text);

class IniDocument {
 public:
  IniDocument();
  // Lines end at CR, LF or CRLF.
  static IniDocument Parse(std::string_view text);
  // Every line followed by CRLF.
  std::string Text() const;

  // True after an edit that changed the text.
  bool Modified() const { return modified_; }
  void ClearModified() { modified_ = false; }

  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  // Replaces the value of an existing key in its line (keeping the key's
  // spelling), or adds "key=value" after the last key of the section, or adds
  // the section at the end of the file. A line break in a name or value
  // becomes a blank, so no value can add lines or sections. A value that would
  // not read back as written (blanks at either end, or wrapped in matching
  // quotes) is written in double quotes. A key name that no line could hold
  // (empty, with "=", or starting with ";" or "[") throws std::invalid_argument.
  void Write(std::string_view section, std::string_view key, std::string_view value);
  // Removes every line of the key in its section; false when there was none.
  bool DeleteKey(std::string_view section, std::string_view key);
  // Removes every section of that name with all its lines.
  bool EraseSection(std::string_view section);

  // Section names in file order, each once, as spelt at its first occurrence.
  std::vector<std::string> Sections() const;
  // Key names of the section in file order, each once.
  std::vector<std::string> Keys(std::string_view section) const;
  bool HasSection(std::string_view section) const;

 private:
  struct KeyLines {
    size_t first = 0;  // the line that counts
    size_t count = 1;  // lines of the key, duplicates included
  };
  // A deleted line stays in place as a gravestone until the section is
  // compacted, so that the places of the others stay valid.
  struct Section {
    std::string header;  // the raw header line; none for the lines before the first section
    std::string name;
    std::vector<std::string> lines;
    std::unordered_map<std::string, KeyLines> keys;  // by folded key
    size_t keysEnd = 0;                              // the line after the last key line
    size_t dead = 0;                                 // gravestones among the lines
  };
  const Section* Find(std::string_view section) const;
  Section* Find(std::string_view section);
  static void IndexKeys(Section& s);
  static void Compact(Section& s);
  void IndexSections();

  std::vector<Section> sections_;  // [0] holds the lines before the first section
  std::unordered_map<std::string, size_t> index_;  // folded name -> first section
  bool modified_ = false;
};

}  // namespace platform
