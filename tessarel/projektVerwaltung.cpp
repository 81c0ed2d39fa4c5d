#include "tessarel/projektVerwaltung.h"

#include <utility>

#include "core/CommandLine.h"
#include "core/Hilfsmittel.h"
#include "platform/base/Files.h"
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
// but cannot be read does too, and its path is returned.
std::string LoadList(platform::TStringList& list, const std::string& path) {
  list.Clear();
  if (!platform::FileExists(path)) return {};
  try {
    list.LoadFromFile(path);
    return {};
  } catch (const std::exception&) {
    list.Clear();
    return path;
  }
}

void SaveList(const platform::TStringList& list, const std::string& path, const std::string& unread) {
  if (!unread.empty() && platform::SameText(path, unread) && platform::FileExists(path)) return;
  try {
    list.SaveToFile(path);
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

void TProjekt::LoadProject() {
  using namespace txt;
  const std::string sec = Fixed(kSecEinstellungen);
  const std::string drive = Fixed(kDefDrive);
  const std::string vorlagen = ProgramDir() + Fixed(kDefVorlagen);

  SchlagwortbreiteMin = ReadInteger(sec, Fixed(kKeySchlagwortbreiteMin), 3);
  SchlagwortbreiteMax = ReadInteger(sec, Fixed(kKeySchlagwortbreiteMax), 40);
  AnzahlSchlagworteMax = ReadInteger(sec, Fixed(kKeyAnzahlSchlagworteMax), 160);
  SchlagwortbreiteVerwenden = ReadBool(sec, Fixed(kKeySchlagwortbreiteVerwenden), true);
  AnzahlSchlagworteVerwenden = ReadBool(sec, Fixed(kKeyAnzahlSchlagworteVerwenden), true);
  OLEAutomationVerwenden = ReadBool(sec, Fixed(kKeyOLEAutomationVerwenden), false);
  OLEAutoPDFVerwenden = ReadBool(sec, Fixed(kKeyOLEAutoPDFVerwenden), true);
  OLEAutoDOCVerwenden = ReadBool(sec, Fixed(kKeyOLEAutoDOCVerwenden), true);
  OLEAutoXLSVerwenden = ReadBool(sec, Fixed(kKeyOLEAutoXLSVerwenden), true);
  OLEAutoPPTVerwenden = ReadBool(sec, Fixed(kKeyOLEAutoPPTVerwenden), true);
  UpdateHTMLDatei = ReadBool(sec, Fixed(kKeyUpdateHTMLDatei), false);
  ExcludeDateiendungen = ReadString(sec, Fixed(kKeyExcludeDateiendungen), Fixed(kDefExclude));
  DokumenteVerzeichnis = ReadString(sec, Fixed(kKeyDokumenteVerzeichnis), drive);
  documentsReplaced_ = !core::Dir().DirExists(DokumenteVerzeichnis);
  if (documentsReplaced_) DokumenteVerzeichnis = drive;
  VorlagenVerzeichnis = ReadString(sec, Fixed(kKeyVorlagenVerzeichnis), vorlagen);
  if (!core::Dir().DirExists(VorlagenVerzeichnis)) VorlagenVerzeichnis = vorlagen;
  StopwortListe = ReadString(sec, Fixed(kKeyStopwortListe), Fixed(kDefStopwortListe));
  StopzeichenListe = ReadString(sec, Fixed(kKeyStopzeichenListe), Fixed(kDefStopzeichenListe));
  Rahmen = ReadString(sec, Fixed(kKeyRahmen), Fixed(kDefRahmen));

  unreadStopwords_ = LoadList(stopWords, StopwortDatei());
  unreadStopchars_ = LoadList(stopCharacters, StopzeichenDatei());

  RahmenVerzeichnis = ReadString(sec, Fixed(kKeyRahmenVerzeichnis), drive);
  GemeinsamesRahmenVerzeichnis = ReadBool(sec, Fixed(kKeyGemeinsamesRahmenVerzeichnis), false);
}

void TProjekt::SaveProject() {
  using namespace txt;
  const std::string sec = Fixed(kSecEinstellungen);
  WriteInteger(sec, Fixed(kKeySchlagwortbreiteMin), SchlagwortbreiteMin);
  WriteInteger(sec, Fixed(kKeySchlagwortbreiteMax), SchlagwortbreiteMax);
  WriteInteger(sec, Fixed(kKeyAnzahlSchlagworteMax), AnzahlSchlagworteMax);
  WriteBool(sec, Fixed(kKeySchlagwortbreiteVerwenden), SchlagwortbreiteVerwenden);
  WriteBool(sec, Fixed(kKeyAnzahlSchlagworteVerwenden), AnzahlSchlagworteVerwenden);
  WriteBool(sec, Fixed(kKeyUpdateHTMLDatei), UpdateHTMLDatei);
  WriteBool(sec, Fixed(kKeyOLEAutomationVerwenden), OLEAutomationVerwenden);
  WriteBool(sec, Fixed(kKeyOLEAutoPDFVerwenden), OLEAutoPDFVerwenden);
  WriteBool(sec, Fixed(kKeyOLEAutoDOCVerwenden), OLEAutoDOCVerwenden);
  WriteBool(sec, Fixed(kKeyOLEAutoXLSVerwenden), OLEAutoXLSVerwenden);
  WriteBool(sec, Fixed(kKeyOLEAutoPPTVerwenden), OLEAutoPPTVerwenden);
  WriteString(sec, Fixed(kKeyExcludeDateiendungen), ExcludeDateiendungen);
  WriteString(sec, Fixed(kKeyDokumenteVerzeichnis), DokumenteVerzeichnis);
  WriteString(sec, Fixed(kKeyVorlagenVerzeichnis), VorlagenVerzeichnis);
  WriteString(sec, Fixed(kKeyStopwortListe), StopwortListe);
  WriteString(sec, Fixed(kKeyStopzeichenListe), StopzeichenListe);
  WriteString(sec, Fixed(kKeyRahmen), Rahmen);
  // The keys so far reach the file before the lists, as each write would.
  UpdateFile();

  SaveList(stopWords, StopwortDatei(), unreadStopwords_);
  SaveList(stopCharacters, StopzeichenDatei(), unreadStopchars_);

  WriteString(sec, Fixed(kKeyRahmenVerzeichnis), RahmenVerzeichnis);
  WriteBool(sec, Fixed(kKeyGemeinsamesRahmenVerzeichnis), GemeinsamesRahmenVerzeichnis);
  UpdateFile();
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

std::string DialogProjectFile() { return ProgramDir() + txt::Fixed(txt::kProjekteFolder) + txt::Fixed(txt::kDialogProject); }

}  // namespace tessarel
