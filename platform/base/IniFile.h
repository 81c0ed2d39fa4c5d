#pragma once
// Our own reader and writer of private-profile (INI) files. All objects on the
// same file share one cached document per process: reads and writes go to it,
// and UpdateFile() writes it out once, so thousands of keys cost one write.
// Nothing is written by the destructor. The rules of the text itself are
// those of IniDocument.
#include <memory>
#include <string>

#include "platform/base/IniDocument.h"
#include "platform/base/StringList.h"

namespace platform {

class TIniFile {
 public:
  // Binds the file. A file that does not exist reads as empty; one that
  // exists but cannot be read throws EInOutError.
  explicit TIniFile(const std::string& fileName);
  virtual ~TIniFile();
  TIniFile(const TIniFile&) = default;
  TIniFile& operator=(const TIniFile&) = default;
  TIniFile(TIniFile&&) noexcept = default;
  TIniFile& operator=(TIniFile&&) noexcept = default;

  // A document of its own, bound to no file (UpdateFile throws).
  static TIniFile FromText(const std::string& text);

  // The name given to the constructor.
  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  // Decimal, or hexadecimal after "$" or "0x"; def for anything else.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  void WriteInteger(const std::string& section, const std::string& key, int value);
  // "0" is false, every other whole number true; def for anything else.
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  void WriteBool(const std::string& section, const std::string& key, bool value);  // "1" or "0"

  // Each clears the list first.
  void ReadSection(const std::string& section, TStringList& keys) const;
  void ReadSections(TStringList& sections) const;
  void ReadSectionValues(const std::string& section, TStringList& lines) const;  // "key=value"
  // True when the section holds a key (an empty section counts as absent).
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  void DeleteKey(const std::string& section, const std::string& key);
  void EraseSection(const std::string& section);

  // Writes the document when it changed; EInOutError on failure, the changes
  // then staying in the cache for another attempt. The old file stays whole
  // when the write fails.
  void UpdateFile();
  // Drops the cached document, unsaved changes included, and reads the file
  // anew, for every object on it.
  void Reload();
  // True while there are changes UpdateFile has not written.
  bool Modified() const;
  // The text UpdateFile would write.
  std::string Text() const;

 private:
  struct Shared;
  TIniFile() = default;
  // The cached document of the file, read when no object holds it yet.
  static std::shared_ptr<Shared> Acquire(const std::string& fileName);

  std::string fileName_;
  std::shared_ptr<Shared> shared_;
};

}  // namespace platform
