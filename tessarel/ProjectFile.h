#pragma once
// Tessarel's project file: the keys of section "Einstellungen", read from and
// written to the project's INI document. No window and no resource: the
// project (projektVerwaltung.h) puts it to work, the native build feeds it
// hostile files.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "platform/base/IniFile.h"

namespace tessarel {

namespace txt {
// The project file's names and defaults in the string table.
constexpr unsigned kSecEinstellungen = 65240;
constexpr unsigned kKeySchlagwortbreiteMin = 65241;
constexpr unsigned kKeySchlagwortbreiteMax = 65242;
constexpr unsigned kKeyAnzahlSchlagworteMax = 65243;
constexpr unsigned kKeySchlagwortbreiteVerwenden = 65244;
constexpr unsigned kKeyAnzahlSchlagworteVerwenden = 65245;
constexpr unsigned kKeyOLEAutomationVerwenden = 65246;
constexpr unsigned kKeyOLEAutoPDFVerwenden = 65247;
constexpr unsigned kKeyOLEAutoDOCVerwenden = 65248;
constexpr unsigned kKeyOLEAutoXLSVerwenden = 65249;
constexpr unsigned kKeyOLEAutoPPTVerwenden = 65250;
constexpr unsigned kKeyUpdateHTMLDatei = 65251;
constexpr unsigned kKeyExcludeDateiendungen = 65252;
constexpr unsigned kKeyDokumenteVerzeichnis = 65253;
constexpr unsigned kKeyVorlagenVerzeichnis = 65254;
constexpr unsigned kKeyStopwortListe = 65255;
constexpr unsigned kKeyStopzeichenListe = 65256;
constexpr unsigned kKeyRahmen = 65257;
constexpr unsigned kKeyRahmenVerzeichnis = 65258;
constexpr unsigned kKeyGemeinsamesRahmenVerzeichnis = 65259;
constexpr unsigned kDefDrive = 65260;             // "C:"
constexpr unsigned kDefVorlagen = 65261;          // "vorlage"
constexpr unsigned kDefStopwortListe = 65262;     // "stopword.lst"
constexpr unsigned kDefStopzeichenListe = 65263;  // "stopchars.lst"
constexpr unsigned kDefRahmen = 65264;            // "extract.htm"
constexpr unsigned kDefExclude = 65265;           // the default exclusion list
}  // namespace txt

// The fixed texts of the project file (section and key names, default
// values) by the numbers above, spelt as the string table spells them; ""
// for another number.
std::string ProjectFileText(unsigned number);
// The numbers ProjectFileText knows.
std::span<const unsigned> ProjectFileTextNumbers();

// Every setting the project file holds.
struct ProjectSettings {
  std::int32_t SchlagwortbreiteMin = 0;
  std::int32_t SchlagwortbreiteMax = 0;
  std::int32_t AnzahlSchlagworteMax = 0;
  bool SchlagwortbreiteVerwenden = false;
  bool AnzahlSchlagworteVerwenden = false;
  bool UpdateHTMLDatei = false;
  bool OLEAutomationVerwenden = false;
  bool OLEAutoPDFVerwenden = false;
  bool OLEAutoDOCVerwenden = false;
  bool OLEAutoXLSVerwenden = false;
  bool OLEAutoPPTVerwenden = false;
  std::string ExcludeDateiendungen;
  std::string DokumenteVerzeichnis;
  std::string VorlagenVerzeichnis;
  std::string StopwortListe;
  std::string StopzeichenListe;
  std::string Rahmen;
  std::string RahmenVerzeichnis;
  bool GemeinsamesRahmenVerzeichnis = false;

  bool operator==(const ProjectSettings&) const = default;
};

// Reads every key; a missing one takes its default. A documents folder that
// is not named or does not exist becomes "C:" (the result is true then), a
// template folder that does not exist programDir + "vorlage".
bool ReadProjectSettings(const platform::TIniFile& ini, ProjectSettings& s, const std::string& programDir,
                         const std::function<bool(const std::string&)>& dirExists);
// The keys up to Rahmen, which reach the file before the list files do.
void WriteProjectSettings(platform::TIniFile& ini, const ProjectSettings& s);
// The frame keys, written after the list files.
void WriteFrameSettings(platform::TIniFile& ini, const ProjectSettings& s);

}  // namespace tessarel
