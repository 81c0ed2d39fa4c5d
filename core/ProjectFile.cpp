#include "core/ProjectFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <type_traits>
#include <variant>

namespace core {

namespace {

struct FileName {
  Txt id;
  const char* text;
};

// As the string tables spell them (a check under Wine keeps them alike).
constexpr FileName kNames[] = {
    {Txt::IniEinstellungen, "Einstellungen"},
    {Txt::IniDateien, "Dateien"},
    {Txt::IniBeschreibung, "Beschreibung"},
    {Txt::IniSchlagworte, "Schlagworte"},
    {Txt::KeyAnzahlEintraege, "AnzahlEintraege"},
    {Txt::KeyWebSite, "WebSite"},
    {Txt::KeyBenutzername, "Benutzername"},
    {Txt::KeyPasswort, "Passwort"},
    {Txt::KeyZielVerzeichnis, "ZielVerzeichnis"},
    {Txt::KeyVorlagenVerzeichnis, "VorlagenVerzeichnis"},
    {Txt::KeyStopwortListe, "StopwortListe"},
    {Txt::KeyStopwortListeVerwenden, "StopwortListeVerwenden"},
    {Txt::KeyAnalyseDauer, "AnalyseDauer"},
    {Txt::KeyJavascriptGroesse, "JavascriptGroesse"},
    {Txt::KeySpeicherGroesse, "SpeicherGroesse"},
    {Txt::KeySpeicherGroesseMitGlossar, "SpeicherGroesseMitGlossar"},
    {Txt::KeyDateiGroesse, "DateiGroesse"},
    {Txt::KeyDateiGroesseOptimiert, "DateiGroesseOptimiert"},
    {Txt::KeyGlossarGroesse, "GlossarGroesse"},
    {Txt::KeyStand, "Stand"},
    {Txt::KeyDetailsModus, "DetailsModus"},
    {Txt::KeyTitleModus, "TitleModus"},
    {Txt::KeyDescriptionModus, "DescriptionModus"},
    {Txt::KeyVolltextModus, "VolltextModus"},
    {Txt::KeyKeywordsModus, "KeywordsModus"},
    {Txt::KeyOptimiertModus, "OptimiertModus"},
    {Txt::KeyGlossarModus, "GlossarModus"},
    {Txt::KeyAutoOptimierung, "AutoOptimierung"},
    {Txt::KeySchlagworteModus, "SchlagworteModus"},
    {Txt::KeyJavascriptDatei, "JavascriptDatei"},
    {Txt::KeyFrameDatei, "FrameDatei"},
    {Txt::KeyFrameEingabeDatei, "FrameEingabeDatei"},
    {Txt::KeyFrameHilfeDatei, "FrameHilfeDatei"},
    {Txt::KeyFrameLadenDatei, "FrameLadenDatei"},
    {Txt::KeyDateiendungen, "Dateiendungen"},
    {Txt::KeyZahlen, "Zahlen"},
    {Txt::KeyWortbreite, "Wortbreite"},
    {Txt::KeyWortbreiteMin, "WortbreiteMin"},
    {Txt::KeyWortbreiteMax, "WortbreiteMax"},
    {Txt::KeyGefundeneSchlagworte, "GefundeneSchlagworte"},
    {Txt::KeySchlagworteGesamt, "SchlagworteGesamt"},
    {Txt::KeySchlagworteMaximal, "SchlagworteMaximal"},
    {Txt::KeyHTMLVerzeichnis, "HTMLVerzeichnis"},
    {Txt::KeyXMLDatei, "XMLDatei"},
    {Txt::KeyServerName, "ServerName"},
    {Txt::KeyServerNameVerwenden, "ServerNameVerwenden"},
    {Txt::KeyRelativerPfad, "RelativerPfad"},
    {Txt::KeyMega, "Mega"},
    {Txt::KeyXML, "XML"},
};

constexpr auto kNameIds = [] {
  std::array<Txt, std::size(kNames)> ids{};
  for (size_t i = 0; i < ids.size(); ++i) ids[i] = kNames[i].id;
  return ids;
}();

std::string Name(Txt id) { return ProjectFileName(id); }

// The page numbers "Dateien" holds an entry for, in order, up to limit:
// every other number reads empty. So neither a damaged AnzahlEintraege nor
// a lone entry with a huge number can make the load walk through millions
// of empty entries.
std::vector<int> PageNumbers(const platform::TIniFile& ini, const std::string& section, int limit) {
  platform::TStringList keys;
  ini.ReadSection(section, keys);
  std::vector<int> numbers;
  for (int i = 0; i < keys.Count(); ++i) {
    const std::string& key = keys[i];
    // Only the spelling the save writes names a page ("01" does not).
    if (key.empty() || key.size() > 10 || key[0] == '0' ||
        !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    const long long n = std::atoll(key.c_str());
    if (n <= limit) numbers.push_back(static_cast<int>(n));
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

}  // namespace

std::string ProjectFileName(Txt id) {
  for (const FileName& n : kNames)
    if (n.id == id) return n.text;
  return {};
}

std::span<const Txt> ProjectFileNameIds() { return kNameIds; }

// --- load ---

void ProjectFile::ReadSettings(const Profile& profile, ProjectSettings& s) {
  substitutedFolders_.clear();
  refused_.reset();
  announcedPages_ = ini_.ReadInteger(Name(Txt::IniEinstellungen), Name(Txt::KeyAnzahlEintraege), 0);
  for (const SettingKey& key : profile.loadKeys) ReadKey(key, s, {});
}

void ProjectFile::ReadTemplateKeys(const Profile& profile, ProjectSettings& s, const TemplateSwitches& switches) {
  for (const SettingKey& key : profile.templateKeys) ReadKey(key, s, switches);
}

void ProjectFile::ReadKey(const SettingKey& key, ProjectSettings& s, const TemplateSwitches& switches) {
  const std::string section = Name(Txt::IniEinstellungen);
  const std::string name = Name(key.name);
  static const ProjectSettings kFresh;
  std::string defaultText;
  bool defaultSwitch = false;
  switch (key.def) {
    case KeyDefault::Member:
      break;
    case KeyDefault::Text:
      defaultText = LoadStr(key.defaultText);
      break;
    case KeyDefault::Descriptor:
      defaultText = Descriptor(key.descriptor);
      break;
    case KeyDefault::ProgramFolder:
      defaultText = host_.ProgramFolder() + LoadStr(key.defaultText);
      break;
    case KeyDefault::WithGlossary:
      defaultSwitch = switches.withGlossary;
      break;
    case KeyDefault::TemplateMega:
      defaultSwitch = switches.mega;
      break;
    case KeyDefault::OtherKey:
      defaultText = s.*key.defaultField;
      break;
  }
  const bool switchDefault = key.def == KeyDefault::WithGlossary || key.def == KeyDefault::TemplateMega;
  if (key.rule == KeyRule::OffInLetterMode && s.Mega) {
    if (auto member = std::get_if<bool ProjectSettings::*>(&key.field)) s.**member = false;
    return;
  }
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(s.*member)>;
        if constexpr (std::is_same_v<T, std::string>) {
          const std::string def = key.def == KeyDefault::Member ? kFresh.*member : defaultText;
          s.*member = key.rule == KeyRule::NotRead ? def : ini_.ReadString(section, name, def);
          if (key.def == KeyDefault::Descriptor && !refused_ && !NamesFileInFolder(s.*member))
            refused_ = RefusedFileName{{}, name, s.*member};
        } else if constexpr (std::is_same_v<T, bool>) {
          const bool def = switchDefault ? defaultSwitch : kFresh.*member;
          s.*member = key.rule == KeyRule::NotRead ? def : ini_.ReadBool(section, name, def);
        } else {
          // Bytes keep the low eight bits of the number, as the file's
          // readers always did.
          s.*member = static_cast<T>(ini_.ReadInteger(section, name, kFresh.*member));
        }
      },
      key.field);

  switch (key.rule) {
    case KeyRule::ExistingFolder: {
      const auto field = std::get<std::string ProjectSettings::*>(key.field);
      std::string& folder = s.*field;
      const std::string drive = LoadStr(Txt::DefDrive);
      bool substituted = !host_.DirExists(folder);
      if (substituted) {
        folder = drive;
      } else if (ini_.ReadString(section, name, {}).empty()) {
        // Not named by the file: the default is a setting only when it came
        // from another folder that was one.
        substituted = key.def == KeyDefault::OtherKey ? FolderSubstituted(key.defaultField) : folder == drive;
      }
      if (substituted) substitutedFolders_.push_back({key.name, field});
      break;
    }
    case KeyRule::TemplateFolder: {
      const std::string folder = s.*std::get<std::string ProjectSettings::*>(key.field);
      host_.UseTemplateFolder(host_.DirExists(folder) ? folder : defaultText);
      break;
    }
    default:
      break;
  }
}

bool ProjectFile::ReadPages(const Profile& profile, PageList& pages, const LoadStep& step) {
  const std::string files = Name(Txt::IniDateien);
  const std::string descriptions = Name(Txt::IniBeschreibung);
  const std::string changes = Name(Txt::IniSchlagworte);
  for (const int n : PageNumbers(ini_, files, announcedPages_)) {
    const std::string key = std::to_string(n);
    const std::string url = ini_.ReadString(files, key, {});
    if (step && !step(n, url)) return false;
    // An entry without address is dropped; the next save numbers the pages
    // anew.
    if (url.empty()) continue;
    std::unique_ptr<TSchlagwortDatei> page =
        profile.newPage ? profile.newPage(url) : std::make_unique<TSchlagwortDatei>(url);
    page->manualDescription = ini_.ReadString(descriptions, key, {});
    page->SetChangeLogText(ini_.ReadString(changes, key, {}));
    pages.push_back(std::move(page));
  }
  return true;
}

bool ProjectFile::FolderSubstituted(Txt key) const {
  return std::any_of(substitutedFolders_.begin(), substitutedFolders_.end(),
                     [&](const SubstitutedFolder& f) { return f.key == key; });
}

bool ProjectFile::FolderSubstituted(std::string ProjectSettings::* field) const {
  return std::any_of(substitutedFolders_.begin(), substitutedFolders_.end(),
                     [&](const SubstitutedFolder& f) { return f.field == field; });
}

// --- save ---

void ProjectFile::WriteSettings(const Profile& profile, ProjectSettings& s, int pages) {
  ini_.WriteInteger(Name(Txt::IniEinstellungen), Name(Txt::KeyAnzahlEintraege), pages);
  for (const SettingKey& key : profile.saveKeys) WriteKey(key, s);
}

void ProjectFile::WriteKey(const SettingKey& key, ProjectSettings& s) {
  const std::string section = Name(Txt::IniEinstellungen);
  const std::string name = Name(key.name);
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(s.*member)>;
        if constexpr (std::is_same_v<T, std::string>) {
          ini_.WriteString(section, name, s.*member);
        } else if constexpr (std::is_same_v<T, bool>) {
          ini_.WriteBool(section, name, s.*member);
        } else {
          ini_.WriteInteger(section, name, static_cast<int>(s.*member));
        }
      },
      key.field);

  switch (key.rule) {
    case KeyRule::TitleFallback:
      if (!s.TitleModus && !s.DescriptionModus) s.TitleModus = true;
      break;
    case KeyRule::FullTextFallback:
      if (!s.VolltextModus && !s.KeywordsModus) s.VolltextModus = true;
      break;
    default:
      break;
  }
}

void ProjectFile::WritePages(const PageList& pages, const SaveStep& step) {
  const std::string files = Name(Txt::IniDateien);
  const std::string descriptions = Name(Txt::IniBeschreibung);
  const std::string changes = Name(Txt::IniSchlagworte);

  // Empty the entries of the last save (keys are emptied, not removed).
  for (int n = 1;; ++n) {
    const std::string key = std::to_string(n);
    if (ini_.ReadString(files, key, {}).empty()) break;
    ini_.WriteString(files, key, {});
    if (!ini_.ReadString(descriptions, key, {}).empty()) ini_.WriteString(descriptions, key, {});
    if (!ini_.ReadString(changes, key, {}).empty()) ini_.WriteString(changes, key, {});
  }

  int number = 0;
  for (size_t i = 0; i < pages.size(); ++i) {
    const TSchlagwortDatei& page = *pages[i];
    if (step) step(i, page.url);
    if (page.url.empty()) continue;
    const std::string key = std::to_string(++number);
    ini_.WriteString(files, key, page.url);
    // A page without description or corrections of its own must not inherit
    // those a dropped page left under its new number.
    if (!page.manualDescription.empty() || !ini_.ReadString(descriptions, key, {}).empty())
      ini_.WriteString(descriptions, key, page.manualDescription);
    const std::string changeLog = page.ChangeLogText();
    if (!changeLog.empty() || !ini_.ReadString(changes, key, {}).empty()) ini_.WriteString(changes, key, changeLog);
  }
}

}  // namespace core
