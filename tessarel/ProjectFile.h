#pragma once
// Tessarel's project file: the keys of section "Einstellungen", read from and
// written to the project's INI document. No window and no resource: the
// project (projektVerwaltung.h) puts it to work, the native build feeds it
// hostile files.

// The project file's names and defaults in the string table.
#define IDS_SEC_EINSTELLUNGEN 65240
#define IDS_KEY_SCHLAGWORTBREITE_MIN 65241
#define IDS_KEY_SCHLAGWORTBREITE_MAX 65242
#define IDS_KEY_ANZAHL_SCHLAGWORTE_MAX 65243
#define IDS_KEY_SCHLAGWORTBREITE_VERWENDEN 65244
#define IDS_KEY_ANZAHL_SCHLAGWORTE_VERWENDEN 65245
#define IDS_KEY_OLE_AUTOMATION_VERWENDEN 65246
#define IDS_KEY_OLE_AUTO_PDF_VERWENDEN 65247
#define IDS_KEY_OLE_AUTO_DOC_VERWENDEN 65248
#define IDS_KEY_OLE_AUTO_XLS_VERWENDEN 65249
#define IDS_KEY_OLE_AUTO_PPT_VERWENDEN 65250
#define IDS_KEY_UPDATE_HTML_DATEI 65251
#define IDS_KEY_EXCLUDE_DATEIENDUNGEN 65252
#define IDS_KEY_DOKUMENTE_VERZEICHNIS 65253
#define IDS_KEY_VORLAGEN_VERZEICHNIS 65254
#define IDS_KEY_STOPWORT_LISTE 65255
#define IDS_KEY_STOPZEICHEN_LISTE 65256
#define IDS_KEY_RAHMEN 65257
#define IDS_KEY_RAHMEN_VERZEICHNIS 65258
#define IDS_KEY_GEMEINSAMES_RAHMEN_VERZEICHNIS 65259
#define IDS_DEF_DRIVE 65260              // "C:"
#define IDS_DEF_VORLAGEN 65261           // "vorlage"
#define IDS_DEF_STOPWORT_LISTE 65262     // "stopword.lst"
#define IDS_DEF_STOPZEICHEN_LISTE 65263  // "stopchars.lst"
#define IDS_DEF_RAHMEN 65264             // "extract.htm"
#define IDS_DEF_EXCLUDE 65265            // the default exclusion list

// Neither needed nor readable by the resource compiler.
#ifndef RC_INVOKED
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "platform/base/IniFile.h"

namespace tessarel {

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
#endif
