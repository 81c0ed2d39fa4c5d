#include "platform/base/IniFile.h"

#include <map>
#include <mutex>

#include "platform/base/Files.h"

namespace platform {

struct TIniFile::Shared {
  std::string path;  // full path; empty for a document bound to no file
  IniDocument doc;
};

namespace {

IniDocument LoadDocument(const std::string& path) {
  if (!FileExists(path) && !DirectoryExists(path)) return IniDocument();
  return IniDocument::Parse(ReadFileBytes(path));
}

}  // namespace

std::shared_ptr<TIniFile::Shared> TIniFile::Acquire(const std::string& fileName) {
  // The documents in use, by upper-cased full path. An entry lives as long as
  // an object holds it, so a file nobody uses any more is read anew.
  static std::mutex mutex;
  static std::map<std::string, std::weak_ptr<Shared>> cache;
  const std::string full = ExpandFileName(fileName);
  const std::string key = AnsiUpperCase(full);
  std::lock_guard<std::mutex> lock(mutex);
  std::erase_if(cache, [](const auto& entry) { return entry.second.expired(); });
  if (auto found = cache[key].lock()) return found;
  auto shared = std::make_shared<Shared>();
  shared->path = full;
  shared->doc = LoadDocument(full);
  cache[key] = shared;
  return shared;
}

TIniFile::TIniFile(const std::string& fileName) : fileName_(fileName), shared_(Acquire(fileName)) {}

TIniFile::~TIniFile() = default;

TIniFile TIniFile::FromText(const std::string& text) {
  TIniFile ini;
  ini.shared_ = std::make_shared<Shared>();
  ini.shared_->doc = IniDocument::Parse(text);
  return ini;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  return shared_->doc.Read(section, key).value_or(def);
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  shared_->doc.Write(section, key, value);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  const auto text = shared_->doc.Read(section, key);
  if (!text) return def;
  return ParseIniInteger(*text).value_or(def);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::ReadSection(const std::string& section, TStringList& keys) const {
  keys.Clear();
  for (const auto& k : shared_->doc.Keys(section)) keys.Add(k);
}

void TIniFile::ReadSections(TStringList& sections) const {
  sections.Clear();
  for (const auto& s : shared_->doc.Sections()) sections.Add(s);
}

void TIniFile::ReadSectionValues(const std::string& section, TStringList& lines) const {
  lines.Clear();
  for (const auto& k : shared_->doc.Keys(section)) lines.Add(k + "=" + shared_->doc.Read(section, k).value_or(""));
}

bool TIniFile::SectionExists(const std::string& section) const { return !shared_->doc.Keys(section).empty(); }

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return shared_->doc.Read(section, key).has_value();
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) { shared_->doc.DeleteKey(section, key); }

void TIniFile::EraseSection(const std::string& section) { shared_->doc.EraseSection(section); }

void TIniFile::UpdateFile() {
  if (shared_->path.empty()) throw std::logic_error("TIniFile::UpdateFile: an INI text bound to no file");
  if (!shared_->doc.Modified()) return;
  try {
    ReplaceFileBytes(shared_->path, shared_->doc.Text());
  } catch (const EInOutError& e) {
    // The message reaches the user as it stands ("Access denied." alone
    // would not say which file): it names the file.
    throw EInOutError(e.ErrorCode(), shared_->path + "\r\r" + e.what());
  }
  shared_->doc.ClearModified();
}

void TIniFile::Reload() {
  if (shared_->path.empty()) return;
  shared_->doc = LoadDocument(shared_->path);
}

bool TIniFile::Modified() const { return shared_->doc.Modified(); }

std::string TIniFile::Text() const { return shared_->doc.Text(); }

}  // namespace platform
