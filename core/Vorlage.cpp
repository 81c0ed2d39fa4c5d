#include "core/Vorlage.h"

#include <array>

#include "core/Texts.h"
#include "platform/base/Files.h"
#include "platform/base/IniFile.h"

namespace core {

namespace {

constexpr int kValues = static_cast<int>(DescriptorValue::Count);

// Each value's section and its "key=default" text, in the order of the enum.
struct DescriptorRow {
  Txt section;
  Txt keyAndDefault;
};
constexpr std::array<DescriptorRow, kValues> kRows = {{
    {Txt::DescStrings, Txt::DescEntryPage},
    {Txt::DescStrings, Txt::DescEntryDescription},
    {Txt::DescStrings, Txt::DescEntryKeywords},
    {Txt::DescStrings, Txt::DescIndexMax},
    {Txt::DescStrings, Txt::DescGlossaryMode},
    {Txt::DescStrings, Txt::DescLastUpdate},
    {Txt::DescStrings, Txt::DescInsertConsts},
    {Txt::DescStrings, Txt::DescInsertArray},
    {Txt::DescStrings, Txt::DescInsertGlossary},
    {Txt::DescOptions, Txt::DescSearchBase},
    {Txt::DescOptions, Txt::DescStopword},
    {Txt::DescOptions, Txt::DescSearch},
    {Txt::DescOptions, Txt::DescSearchInput},
    {Txt::DescOptions, Txt::DescSearchHelp},
    {Txt::DescOptions, Txt::DescSearchLoad},
    {Txt::DescMegaStrings, Txt::DescMegaEntryKeywords},
    {Txt::DescOptions, Txt::DescXMLBase},
    {Txt::DescOptions, Txt::DescMegaSearchBase},
}};

struct KeyAndDefault {
  std::string key;
  std::string def;
};

// The string table keeps a descriptor key and its default as one line of
// the built-in descriptor, "key=default".
KeyAndDefault Split(Txt text) {
  const std::string line = LoadStr(text);
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return {line, std::string()};
  return {line.substr(0, eq), line.substr(eq + 1)};
}

struct State {
  std::array<std::string, kValues> values;
  bool filled = false;
};

State& Values() {
  static State state;
  return state;
}

void FillDefaults(State& state) {
  for (int i = 0; i < kValues; ++i) state.values[i] = Split(kRows[i].keyAndDefault).def;
  state.filled = true;
}

}  // namespace

const std::string& Descriptor(DescriptorValue value) {
  State& state = Values();
  if (!state.filled) FillDefaults(state);
  return state.values[static_cast<int>(value)];
}

void ResetTemplateDescriptor() { FillDefaults(Values()); }

std::string DescriptorPath(const std::string& directory) { return directory + "\\" + LoadStr(Txt::DescFileName); }

bool ReadTemplateDescriptor(const std::string& directory, bool& withGlossary) {
  TemplateSwitches switches;
  const bool read = ReadTemplateDescriptor(directory, switches);
  withGlossary = switches.withGlossary;
  return read;
}

bool NamesFileInFolder(const std::string& name) {
  return name.find_first_of("\\/:") == std::string::npos && name.find("..") == std::string::npos;
}

bool ReadTemplateDescriptor(const std::string& directory, TemplateSwitches& switches, RefusedFileName* refused) {
  switches = TemplateSwitches();
  const std::string path = DescriptorPath(directory);
  if (!platform::FileExists(path)) return false;
  // A descriptor that exists but cannot be read reads as one without keys:
  // every value takes its default.
  platform::TIniFile ini = platform::TIniFile::FromText(std::string());
  try {
    ini = platform::TIniFile(path);
    ini.Reload();  // the template may have changed since it was last read
  } catch (const platform::EInOutError&) {
    ini = platform::TIniFile::FromText(std::string());
  }
  State read;
  for (int i = 0; i < kValues; ++i) {
    const KeyAndDefault kd = Split(kRows[i].keyAndDefault);
    // A value the program's table does not name is not the program's: it
    // keeps its (empty) default.
    read.values[i] = kd.key.empty() ? kd.def : ini.ReadString(LoadStr(kRows[i].section), kd.key, kd.def);
    // The file names are joined to the template or the target folder: one
    // that climbs out or names another drive would have the run read or
    // write any file. Such a template is not taken at all.
    if (kRows[i].section == Txt::DescOptions && !NamesFileInFolder(read.values[i])) {
      if (refused) *refused = {path, kd.key, read.values[i]};
      return false;
    }
  }
  read.filled = true;
  Values() = std::move(read);
  const KeyAndDefault glossary = Split(Txt::DescWithGlossary);
  switches.withGlossary = ini.ReadBool(LoadStr(Txt::DescOptions), glossary.key, glossary.def != "0");
  const KeyAndDefault mega = Split(Txt::DescMega);
  switches.mega = !mega.key.empty() && ini.ReadBool(LoadStr(Txt::DescOptions), mega.key, mega.def != "0");
  return true;
}

std::string FormatDescriptor(const std::string& format, const std::string& arg) {
  std::string out;
  out.reserve(format.size() + arg.size());
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == 's') {
        out += arg;
        ++i;
        continue;
      }
      if (format[i + 1] == '%') {
        out += '%';
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

void MakeStopWordList(platform::TStringList& list) {
  list.SetCaseSensitive(false);
  list.SetDuplicates(platform::TDuplicates::dupIgnore);
  list.SetSorted(true);
}

void LoadStopWords(const std::string& path, platform::TStringList& list) {
  list.Clear();
  MakeStopWordList(list);
  list.LoadFromFile(path);
}

void SaveStopWords(const std::string& path, const platform::TStringList& list) { list.SaveToFile(path); }

}  // namespace core
