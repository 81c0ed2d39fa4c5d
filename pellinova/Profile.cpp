// Pellinova's profile: the key schema of its project file and its page
// records. Needs no window, so that the project file's format can be checked
// natively with it.
#include <memory>
#include <stdexcept>

#include "core/Texts.h"
#include "pellinova/projektVerwaltung.h"

namespace pellinova {

namespace {

using core::DescriptorValue;
using core::KeyDefault;
using core::KeyRule;
using core::SettingKey;
using core::Txt;
using P = core::ProjectSettings;

using namespace core::keys;

// The order in which the load reads "Einstellungen" (after AnzahlEintraege).
// Mega is read before the template step, which replaces it whenever the
// template has a descriptor; the glossary switches then see the final value.
constexpr SettingKey kLoad[] = {
    FromText(Txt::KeyHTMLVerzeichnis, &P::HTMLVerzeichnis, Txt::DefDrive, KeyRule::ExistingFolder),
    // Without a target folder of its own the search form goes beside the pages.
    {Txt::KeyZielVerzeichnis, &P::ZielVerzeichnis, KeyDefault::OtherKey, Txt::Count, DescriptorValue::Count,
     KeyRule::ExistingFolder, &P::HTMLVerzeichnis},
    Plain(Txt::KeyMega, &P::Mega),
    Plain(Txt::KeyXML, &P::XML),
    {Txt::KeyVorlagenVerzeichnis, &P::VorlagenVerzeichnis, KeyDefault::ProgramFolder, Txt::DefVorlagenVerzeichnis,
     DescriptorValue::Count, KeyRule::TemplateFolder},
    FromDescriptor(Txt::KeyStopwortListe, &P::StopwortListe, DescriptorValue::Stopword),
    Plain(Txt::KeyStopwortListeVerwenden, &P::StopwortListeVerwenden),
    FromText(Txt::KeyServerName, &P::ServerName, Txt::DefServerName),
    Plain(Txt::KeyAnalyseDauer, &P::AnalyseDauer),
    Plain(Txt::KeyJavascriptGroesse, &P::JavascriptGroesse),
    Plain(Txt::KeySpeicherGroesse, &P::SpeicherGroesse),
    Plain(Txt::KeySpeicherGroesseMitGlossar, &P::SpeicherGroesseMitGlossar),
    Plain(Txt::KeyDateiGroesse, &P::DateiGroesse),
    Plain(Txt::KeyDateiGroesseOptimiert, &P::DateiGroesseOptimiert),
    Plain(Txt::KeyGlossarGroesse, &P::GlossarGroesse),
    FromText(Txt::KeyStand, &P::Stand, Txt::DefStand),
    Plain(Txt::KeyServerNameVerwenden, &P::ServerNameVerwenden),
    Plain(Txt::KeyDetailsModus, &P::DetailsModus),
    Plain(Txt::KeyRelativerPfad, &P::RelativerPfad),
    Plain(Txt::KeyTitleModus, &P::TitleModus),
    Plain(Txt::KeyDescriptionModus, &P::DescriptionModus),
    Plain(Txt::KeyVolltextModus, &P::VolltextModus),
    Plain(Txt::KeyKeywordsModus, &P::KeywordsModus),
    Plain(Txt::KeyOptimiertModus, &P::OptimiertModus),
    // Read again after the template step, with false as default.
    Plain(Txt::KeyGlossarModus, &P::GlossarModus, KeyRule::OffInLetterMode),
    Plain(Txt::KeyAutoOptimierung, &P::AutoOptimierung, KeyRule::OffInLetterMode),
    Plain(Txt::KeySchlagworteModus, &P::SchlagworteModus),
    FromDescriptor(Txt::KeyJavascriptDatei, &P::JavascriptDatei, DescriptorValue::SearchBase),
    FromDescriptor(Txt::KeyXMLDatei, &P::XMLDatei, DescriptorValue::XMLBase),
    FromDescriptor(Txt::KeyFrameDatei, &P::FrameDatei, DescriptorValue::Search),
    FromDescriptor(Txt::KeyFrameEingabeDatei, &P::FrameEingabeDatei, DescriptorValue::SearchInput),
    FromDescriptor(Txt::KeyFrameHilfeDatei, &P::FrameHilfeDatei, DescriptorValue::SearchHelp),
    FromDescriptor(Txt::KeyFrameLadenDatei, &P::FrameLadenDatei, DescriptorValue::SearchLoad),
    FromText(Txt::KeyDateiendungen, &P::Dateiendungen, Txt::DefDateiendungen),
    Plain(Txt::IniBeschreibung, &P::Beschreibung),
    Plain(Txt::KeyZahlen, &P::Zahlen),
    Plain(Txt::KeyWortbreite, &P::Wortbreite),
    Plain(Txt::KeyWortbreiteMin, &P::WortbreiteMin),
    Plain(Txt::KeyWortbreiteMax, &P::WortbreiteMax),
    Plain(Txt::KeyGefundeneSchlagworte, &P::GefundeneSchlagworte),
    Plain(Txt::KeySchlagworteGesamt, &P::SchlagworteGesamt),
    Plain(Txt::KeySchlagworteMaximal, &P::SchlagworteMaximal),
};

// Mega is written although nothing but the template sets it.
constexpr SettingKey kSave[] = {
    Plain(Txt::KeyHTMLVerzeichnis, &P::HTMLVerzeichnis),
    Plain(Txt::KeyZielVerzeichnis, &P::ZielVerzeichnis),
    Plain(Txt::KeyVorlagenVerzeichnis, &P::VorlagenVerzeichnis),
    Plain(Txt::KeyStopwortListe, &P::StopwortListe),
    Plain(Txt::KeyServerName, &P::ServerName),
    Plain(Txt::KeyAnalyseDauer, &P::AnalyseDauer),
    Plain(Txt::KeyJavascriptGroesse, &P::JavascriptGroesse),
    Plain(Txt::KeySpeicherGroesse, &P::SpeicherGroesse),
    Plain(Txt::KeySpeicherGroesseMitGlossar, &P::SpeicherGroesseMitGlossar),
    Plain(Txt::KeyDateiGroesse, &P::DateiGroesse),
    Plain(Txt::KeyDateiGroesseOptimiert, &P::DateiGroesseOptimiert),
    Plain(Txt::KeyGlossarGroesse, &P::GlossarGroesse),
    Plain(Txt::KeyStand, &P::Stand),
    Plain(Txt::KeyJavascriptDatei, &P::JavascriptDatei),
    Plain(Txt::KeyXMLDatei, &P::XMLDatei),
    Plain(Txt::KeyFrameDatei, &P::FrameDatei),
    Plain(Txt::KeyFrameEingabeDatei, &P::FrameEingabeDatei),
    Plain(Txt::KeyFrameHilfeDatei, &P::FrameHilfeDatei),
    Plain(Txt::KeyFrameLadenDatei, &P::FrameLadenDatei),
    Plain(Txt::KeyDateiendungen, &P::Dateiendungen),
    Plain(Txt::KeyStopwortListeVerwenden, &P::StopwortListeVerwenden),
    Plain(Txt::KeyServerNameVerwenden, &P::ServerNameVerwenden),
    Plain(Txt::KeyDetailsModus, &P::DetailsModus),
    Plain(Txt::KeyRelativerPfad, &P::RelativerPfad),
    Plain(Txt::KeyTitleModus, &P::TitleModus),
    Plain(Txt::KeyDescriptionModus, &P::DescriptionModus, KeyRule::TitleFallback),
    Plain(Txt::KeyVolltextModus, &P::VolltextModus),
    Plain(Txt::KeyKeywordsModus, &P::KeywordsModus),
    Plain(Txt::KeyOptimiertModus, &P::OptimiertModus),
    Plain(Txt::KeyGlossarModus, &P::GlossarModus),
    Plain(Txt::KeyAutoOptimierung, &P::AutoOptimierung),
    Plain(Txt::KeySchlagworteModus, &P::SchlagworteModus),
    Plain(Txt::KeyMega, &P::Mega),
    Plain(Txt::KeyXML, &P::XML, KeyRule::FullTextFallback),
    Plain(Txt::IniBeschreibung, &P::Beschreibung),
    Plain(Txt::KeyZahlen, &P::Zahlen),
    Plain(Txt::KeyWortbreite, &P::Wortbreite),
    Plain(Txt::KeyWortbreiteMin, &P::WortbreiteMin),
    Plain(Txt::KeyWortbreiteMax, &P::WortbreiteMax),
    Plain(Txt::KeyGefundeneSchlagworte, &P::GefundeneSchlagworte),
    Plain(Txt::KeySchlagworteGesamt, &P::SchlagworteGesamt),
    Plain(Txt::KeySchlagworteMaximal, &P::SchlagworteMaximal),
};

// A template with a descriptor decides about the letter files, whatever the
// project file says; its file names apply where the project file has none.
constexpr SettingKey kTemplate[] = {
    {Txt::KeyMega, &P::Mega, KeyDefault::TemplateMega, Txt::Count, DescriptorValue::Count, KeyRule::NotRead},
    FromDescriptor(Txt::KeyJavascriptDatei, &P::JavascriptDatei, DescriptorValue::SearchBase),
    FromDescriptor(Txt::KeyXMLDatei, &P::XMLDatei, DescriptorValue::XMLBase),
    FromDescriptor(Txt::KeyStopwortListe, &P::StopwortListe, DescriptorValue::Stopword),
    FromDescriptor(Txt::KeyFrameDatei, &P::FrameDatei, DescriptorValue::Search),
    FromDescriptor(Txt::KeyFrameEingabeDatei, &P::FrameEingabeDatei, DescriptorValue::SearchInput),
    FromDescriptor(Txt::KeyFrameHilfeDatei, &P::FrameHilfeDatei, DescriptorValue::SearchHelp),
    FromDescriptor(Txt::KeyFrameLadenDatei, &P::FrameLadenDatei, DescriptorValue::SearchLoad),
    {Txt::KeyGlossarModus, &P::GlossarModus, KeyDefault::WithGlossary, Txt::Count, DescriptorValue::Count,
     KeyRule::None},
};

std::unique_ptr<core::TSchlagwortDatei> NewPage(const std::string& path) {
  return std::make_unique<TSchlagwortDatei>(path);
}

// A page is a file below the source folder.
std::string PageName(const P& settings, const core::TSchlagwortDatei& page) {
  return settings.HTMLVerzeichnis + "\\" + page.url;
}

// Four steps per page: the analysis, the stop words, the formatting and,
// with a glossary, the glossary.
const core::Profile kPellinova{4, kLoad, kSave, kTemplate, NewPage, PageName};

void MakeBucket(platform::TStringList& list) {
  list.SetCaseSensitive(false);
  list.SetDuplicates(platform::TDuplicates::dupIgnore);
  list.SetSorted(true);
}

}  // namespace

int LetterBucket(const std::string& word) {
  const unsigned char c = word.empty() ? 0 : static_cast<unsigned char>(word[0]);
  if (c >= '0' && c <= '9') return kDigitBucket;
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return kOtherBucket;
}

TSchlagwortDatei::TSchlagwortDatei(const std::string& path) : core::TSchlagwortDatei(path) {
  for (auto& bucket : letters) MakeBucket(bucket);
}

void TSchlagwortDatei::ClearRunData() {
  core::TSchlagwortDatei::ClearRunData();
  for (auto& bucket : letters) bucket.Clear();
}

TSchlagwortDatei& LetterPage(core::TSchlagwortDatei& page) {
  auto* letters = dynamic_cast<TSchlagwortDatei*>(&page);
  if (!letters) throw std::logic_error("page made without Pellinova's profile");
  return *letters;
}

const core::Profile& PellinovaProfile() { return kPellinova; }

}  // namespace pellinova
