#pragma once
// What makes the shared engine one program's engine. The programs' texts
// differ through their string tables: the same symbolic text (program title,
// version, "Keine Beschreibung vorhanden für Web-Seite" / "... für Datei",
// captions, default folders and extensions) maps to each program's own text,
// so the engine loads core::Txt names and never asks which program runs. The
// rest is here: the progress steps of a run, the key schema of the project
// file, and how a page record is made.
//
// A program installs its text table (core::SetTextTable) and its profile
// (core::SetProfile) at start-up; until then the engine runs with Corvanta's.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>

#include "core/ProjectSettings.h"
#include "core/Texts.h"
#include "core/Vorlage.h"

namespace core {

class TSchlagwortDatei;

// One key of the project's section "Einstellungen" and the member it fills.
using SettingField = std::variant<std::string ProjectSettings::*, std::int32_t ProjectSettings::*,
                                  std::uint8_t ProjectSettings::*, bool ProjectSettings::*>;

// Where a key's value comes from when the project file lacks it.
enum class KeyDefault : std::uint8_t {
  Member,          // the member's value in a fresh ProjectSettings
  Text,            // the text defaultText
  Descriptor,      // the template descriptor's value `descriptor`
  ProgramFolder,   // the program's folder + the text defaultText
  WithGlossary,    // the template descriptor's WithGlossary switch
  TemplateMega,    // the template descriptor's Mega switch
  OtherKey,        // the value just read into defaultField
};

// What happens around a key beyond reading or writing it.
enum class KeyRule : std::uint8_t {
  None,
  // Load: a folder that does not exist becomes "C:" (DefDrive). The project
  // notes a folder that came from no setting of its file this way (see
  // TProjekt::FolderSubstituted).
  ExistingFolder,
  // Load: the key is not read; it takes its default (a template's choice
  // that the project file cannot override).
  NotRead,
  // Load: with the per-letter files on (Mega, read before), the switch is
  // off and not read: neither a glossary nor the automatic optimisation
  // applies to them.
  OffInLetterMode,
  // Load: the template folder is applied through LoadTemplateSettings; one
  // that does not exist is replaced by the default.
  TemplateFolder,
  // Save, after the key: with neither title nor META description taken into
  // the description, the title is taken (in memory; the file keeps both off).
  TitleFallback,
  // Save, after the key: with neither the page text nor the META keywords
  // indexed, the page text is (in memory).
  FullTextFallback,
};

struct SettingKey {
  Txt name;
  SettingField field;
  KeyDefault def = KeyDefault::Member;
  Txt defaultText = Txt::Count;
  DescriptorValue descriptor = DescriptorValue::Count;
  KeyRule rule = KeyRule::None;
  std::string ProjectSettings::* defaultField = nullptr;
};

// The common shapes of a key, for the programs' key tables.
namespace keys {
// The member's own default.
constexpr SettingKey Plain(Txt name, SettingField field, KeyRule rule = KeyRule::None) {
  return {name, field, KeyDefault::Member, Txt::Count, DescriptorValue::Count, rule};
}
// A text as the default.
constexpr SettingKey FromText(Txt name, SettingField field, Txt def, KeyRule rule = KeyRule::None) {
  return {name, field, KeyDefault::Text, def, DescriptorValue::Count, rule};
}
// The template descriptor's value as the default.
constexpr SettingKey FromDescriptor(Txt name, SettingField field, DescriptorValue def) {
  return {name, field, KeyDefault::Descriptor, Txt::Count, def, KeyRule::None};
}
}  // namespace keys

struct Profile {
  // Progress bar steps per page of an index run (the bar's maximum is
  // pages x this + 1).
  int runStepsPerPage = 3;
  // The keys of "Einstellungen" after AnzahlEintraege (which always comes
  // first and is the page count): in the order the load reads them, in the
  // order the save writes them, and those that LoadTemplateSettings reads
  // again with the new template's values as defaults.
  std::span<const SettingKey> loadKeys;
  std::span<const SettingKey> saveKeys;
  std::span<const SettingKey> templateKeys;
  // Makes the record of a page (a program may keep more per page).
  std::unique_ptr<TSchlagwortDatei> (*newPage)(const std::string& address) = nullptr;
  // The page's name in progress labels and the review dialog (nullptr: its
  // address).
  std::string (*pageName)(const ProjectSettings& settings, const TSchlagwortDatei& page) = nullptr;
};

const Profile& CorvantaProfile();

// The profile in force (Corvanta's until a program installs its own). The
// profile passed must outlive its use.
const Profile& CurrentProfile();
void SetProfile(const Profile& profile);

}  // namespace core
