#pragma once
// The settings of a project (its section "Einstellungen") as plain values.
// TProjekt loads and saves them; the page steps and the index run read them.
// The members start at the defaults a project file without the key gets,
// where that default is a number or a switch; the defaults that are texts
// (site address, folders, file names, extensions, "Stand") are filled by the
// load from the string table and the template descriptor.
#include <cstdint>
#include <string>

namespace core {

struct ProjectSettings {
  std::string WebSite;
  std::string Benutzername;
  std::string Passwort;  // plain text in the project file: the user's data
  std::string ZielVerzeichnis;
  std::string VorlagenVerzeichnis;
  std::string StopwortListe;
  std::string JavascriptDatei;
  std::string FrameDatei;
  std::string FrameEingabeDatei;
  std::string FrameHilfeDatei;
  std::string FrameLadenDatei;
  std::string Dateiendungen;
  std::string Stand;
  std::string AnalyseDauer;

  std::int32_t SpeicherGroesse = 0;
  std::int32_t SpeicherGroesseMitGlossar = 0;
  std::int32_t DateiGroesse = 0;
  std::int32_t DateiGroesseOptimiert = 0;
  std::int32_t GlossarGroesse = 0;
  std::int32_t JavascriptGroesse = 0;

  bool StopwortListeVerwenden = true;
  bool DetailsModus = false;
  bool Zahlen = false;
  bool Wortbreite = true;
  bool TitleModus = true;
  bool DescriptionModus = true;
  bool VolltextModus = true;
  bool KeywordsModus = false;
  bool OptimiertModus = false;
  bool GlossarModus = false;
  bool AutoOptimierung = false;
  bool SchlagworteModus = false;

  std::uint8_t Beschreibung = 0;  // 0 as found, 1 reviewed for every page, 2 entered where none was found
  std::uint8_t WortbreiteMin = 3;
  std::uint8_t WortbreiteMax = 40;
  std::uint8_t GefundeneSchlagworte = 0;  // 0 taken, 1 reviewed per page

  std::int32_t SchlagworteMaximal = 300;
  std::int32_t SchlagworteGesamt = 0;

  // Pellinova's projects: a folder of local files instead of a site. The page
  // addresses are paths relative to HTMLVerzeichnis; the links of the search
  // form are built relative to the target folder (RelativerPfad), under a
  // server name, or as file URLs. Mega splits the keywords into one database
  // file per initial letter; XML writes the XML export instead of the
  // database.
  std::string HTMLVerzeichnis;
  std::string XMLDatei;
  std::string ServerName;
  bool ServerNameVerwenden = false;
  bool RelativerPfad = true;
  bool Mega = false;
  bool XML = false;
};

}  // namespace core
