#include "tessarel/projektVerwaltung.h"

#include <utility>
#include <vector>

#include "core/HelpContexts.h"
#include "coregui/CommandLine.h"
#include "coregui/Hilfsmittel.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/TextNumbers.h"

namespace tessarel {

namespace {

std::unique_ptr<TProjekt> g_projekt;

platform::TIniFile OpenProjectFile(const std::string& fileName) {
  try {
    return platform::TIniFile(fileName);
  } catch (const platform::EInOutError&) {
    // Unreadable: the defaults hold, and the file is bound to nothing, so
    // that saving cannot replace what could not be read.
    return platform::TIniFile::FromText("");
  }
}

// Loads a list file. A missing file leaves the list empty; one that exists
// but cannot be read does too. The entries as loaded go to stored.
void LoadList(platform::TStringList& list, const std::string& path, std::vector<std::string>& stored) {
  list.Clear();
  if (platform::FileExists(path)) {
    try {
      list.LoadFromFile(path);
    } catch (const std::exception&) {
      list.Clear();
    }
  }
  stored = list.Lines();
}

// The file is the user's: it is written only when the entries differ from
// what it holds. The list's comparison takes some lines for duplicates, so
// writing an unchanged list would lose them; an unread file is not emptied.
void SaveList(const platform::TStringList& list, const std::string& path, std::vector<std::string>& stored) {
  std::vector<std::string> entries = list.Lines();
  if (entries == stored) return;
  try {
    list.SaveToFile(path);
    stored = std::move(entries);
  } catch (const std::exception&) {
    // A list file that cannot be written is passed over; the keys after it
    // are still written.
  }
}

platform::TStringList SortedList() {
  platform::TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(platform::TDuplicates::dupIgnore);
  return list;
}

}  // namespace

TProjekt::TProjekt(const std::string& fileName)
    : platform::TIniFile(OpenProjectFile(fileName)), stopCharacters(SortedList()), stopWords(SortedList()) {}

std::string TProjekt::StopwortDatei() const { return VorlagenVerzeichnis + "\\" + StopwortListe; }
std::string TProjekt::StopzeichenDatei() const { return VorlagenVerzeichnis + "\\" + StopzeichenListe; }

std::optional<core::RefusedFileName> TProjekt::RefusedFileName() const {
  const std::pair<unsigned, const std::string*> names[] = {
      {IDS_KEY_STOPWORT_LISTE, &StopwortListe}, {IDS_KEY_STOPZEICHEN_LISTE, &StopzeichenListe}, {IDS_KEY_RAHMEN, &Rahmen}};
  for (const auto& [key, value] : names)
    if (!core::NamesFileInFolder(*value)) return core::RefusedFileName{FileName(), txt::Fixed(key), *value};
  return std::nullopt;
}

void TProjekt::LoadProject() {
  documentsReplaced_ = ReadProjectSettings(*this, *this, ProgramDir(),
                                           [](const std::string& path) { return core::Dir().DirExists(path); });
  // A name that climbs out of the template folder must not have any file
  // read as a list, nor written back sorted.
  if (core::NamesFileInFolder(StopwortListe)) LoadList(stopWords, StopwortDatei(), storedStopwords_);
  if (core::NamesFileInFolder(StopzeichenListe)) LoadList(stopCharacters, StopzeichenDatei(), storedStopchars_);
}

void TProjekt::SaveProject() {
  WriteProjectSettings(*this, *this);
  // The keys so far reach the file before the lists, as each write would.
  UpdateFile();

  if (core::NamesFileInFolder(StopwortListe)) SaveList(stopWords, StopwortDatei(), storedStopwords_);
  if (core::NamesFileInFolder(StopzeichenListe)) SaveList(stopCharacters, StopzeichenDatei(), storedStopchars_);

  WriteFrameSettings(*this, *this);
  UpdateFile();
}

void ReportRefusedFileName(const core::RefusedFileName& refused) {
  platform::MessageDlg(
      core::FormatStr(txt::Load(IDS_FILE_NAME_OUTSIDE), {refused.key + "=" + refused.value, refused.file}),
      platform::MsgDlgType::Error, platform::mbOK, core::hcNone);
}

TProjekt* Projekt() { return g_projekt.get(); }

void SetProjekt(std::unique_ptr<TProjekt> project) { g_projekt = std::move(project); }

TProjekt& ReloadProjekt(const std::string& fileName) {
  // The old project goes first: both may be bound to the same file, and the
  // new one must read it from disk, not share the old one's cached document
  // with changes that were never saved.
  g_projekt.reset();
  auto project = std::make_unique<TProjekt>(fileName);
  project->LoadProject();
  g_projekt = std::move(project);
  return *g_projekt;
}

std::string ProgramDir() { return core::ProgramDirectory(); }

std::string DialogProjectFile() { return ProgramDir() + txt::Fixed(IDS_PROJEKTE_FOLDER) + txt::Fixed(IDS_DIALOG_PROJECT); }

}  // namespace tessarel
