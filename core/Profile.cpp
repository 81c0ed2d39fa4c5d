#include "core/Profile.h"

#include "core/Schlagworte.h"

namespace core {

namespace {

using P = ProjectSettings;

using namespace keys;

// Corvanta's project file, section "Einstellungen".
constexpr SettingKey kCorvantaLoad[] = {
    FromText(Txt::KeyWebSite, &P::WebSite, Txt::DefWebSite),
    Plain(Txt::KeyBenutzername, &P::Benutzername),
    Plain(Txt::KeyPasswort, &P::Passwort),
    FromText(Txt::KeyZielVerzeichnis, &P::ZielVerzeichnis, Txt::DefDrive, KeyRule::ExistingFolder),
    {Txt::KeyVorlagenVerzeichnis, &P::VorlagenVerzeichnis, KeyDefault::ProgramFolder, Txt::DefVorlagenVerzeichnis,
     DescriptorValue::Count, KeyRule::TemplateFolder},
    FromDescriptor(Txt::KeyStopwortListe, &P::StopwortListe, DescriptorValue::Stopword),
    Plain(Txt::KeyStopwortListeVerwenden, &P::StopwortListeVerwenden),
    Plain(Txt::KeyAnalyseDauer, &P::AnalyseDauer),
    Plain(Txt::KeyJavascriptGroesse, &P::JavascriptGroesse),
    Plain(Txt::KeySpeicherGroesse, &P::SpeicherGroesse),
    Plain(Txt::KeySpeicherGroesseMitGlossar, &P::SpeicherGroesseMitGlossar),
    Plain(Txt::KeyDateiGroesse, &P::DateiGroesse),
    Plain(Txt::KeyDateiGroesseOptimiert, &P::DateiGroesseOptimiert),
    Plain(Txt::KeyGlossarGroesse, &P::GlossarGroesse),
    FromText(Txt::KeyStand, &P::Stand, Txt::DefStand),
    Plain(Txt::KeyDetailsModus, &P::DetailsModus),
    Plain(Txt::KeyTitleModus, &P::TitleModus),
    Plain(Txt::KeyDescriptionModus, &P::DescriptionModus),
    Plain(Txt::KeyVolltextModus, &P::VolltextModus),
    Plain(Txt::KeyKeywordsModus, &P::KeywordsModus),
    Plain(Txt::KeyOptimiertModus, &P::OptimiertModus),
    // Read again after the template step, with false as default: a project
    // file without the key does not take the template's WithGlossary here.
    Plain(Txt::KeyGlossarModus, &P::GlossarModus),
    Plain(Txt::KeyAutoOptimierung, &P::AutoOptimierung),
    Plain(Txt::KeySchlagworteModus, &P::SchlagworteModus),
    FromDescriptor(Txt::KeyJavascriptDatei, &P::JavascriptDatei, DescriptorValue::SearchBase),
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

constexpr SettingKey kCorvantaSave[] = {
    Plain(Txt::KeyWebSite, &P::WebSite),
    Plain(Txt::KeyBenutzername, &P::Benutzername),
    Plain(Txt::KeyPasswort, &P::Passwort),
    Plain(Txt::KeyZielVerzeichnis, &P::ZielVerzeichnis),
    Plain(Txt::KeyVorlagenVerzeichnis, &P::VorlagenVerzeichnis),
    Plain(Txt::KeyStopwortListe, &P::StopwortListe),
    Plain(Txt::KeyAnalyseDauer, &P::AnalyseDauer),
    Plain(Txt::KeyJavascriptGroesse, &P::JavascriptGroesse),
    Plain(Txt::KeySpeicherGroesse, &P::SpeicherGroesse),
    Plain(Txt::KeySpeicherGroesseMitGlossar, &P::SpeicherGroesseMitGlossar),
    Plain(Txt::KeyDateiGroesse, &P::DateiGroesse),
    Plain(Txt::KeyDateiGroesseOptimiert, &P::DateiGroesseOptimiert),
    Plain(Txt::KeyGlossarGroesse, &P::GlossarGroesse),
    Plain(Txt::KeyStand, &P::Stand),
    Plain(Txt::KeyJavascriptDatei, &P::JavascriptDatei),
    Plain(Txt::KeyFrameDatei, &P::FrameDatei),
    Plain(Txt::KeyFrameEingabeDatei, &P::FrameEingabeDatei),
    Plain(Txt::KeyFrameHilfeDatei, &P::FrameHilfeDatei),
    Plain(Txt::KeyFrameLadenDatei, &P::FrameLadenDatei),
    Plain(Txt::KeyDateiendungen, &P::Dateiendungen),
    Plain(Txt::KeyStopwortListeVerwenden, &P::StopwortListeVerwenden),
    Plain(Txt::KeyDetailsModus, &P::DetailsModus),
    Plain(Txt::KeyTitleModus, &P::TitleModus),
    Plain(Txt::KeyDescriptionModus, &P::DescriptionModus, KeyRule::TitleFallback),
    Plain(Txt::KeyVolltextModus, &P::VolltextModus),
    Plain(Txt::KeyKeywordsModus, &P::KeywordsModus),
    Plain(Txt::KeyOptimiertModus, &P::OptimiertModus),
    Plain(Txt::KeyGlossarModus, &P::GlossarModus),
    Plain(Txt::KeyAutoOptimierung, &P::AutoOptimierung),
    Plain(Txt::KeySchlagworteModus, &P::SchlagworteModus, KeyRule::FullTextFallback),
    Plain(Txt::IniBeschreibung, &P::Beschreibung),
    Plain(Txt::KeyZahlen, &P::Zahlen),
    Plain(Txt::KeyWortbreite, &P::Wortbreite),
    Plain(Txt::KeyWortbreiteMin, &P::WortbreiteMin),
    Plain(Txt::KeyWortbreiteMax, &P::WortbreiteMax),
    Plain(Txt::KeyGefundeneSchlagworte, &P::GefundeneSchlagworte),
    Plain(Txt::KeySchlagworteGesamt, &P::SchlagworteGesamt),
    Plain(Txt::KeySchlagworteMaximal, &P::SchlagworteMaximal),
};

// A new template changes the project's file names only where the project
// file has none of its own.
constexpr SettingKey kCorvantaTemplate[] = {
    FromDescriptor(Txt::KeyJavascriptDatei, &P::JavascriptDatei, DescriptorValue::SearchBase),
    FromDescriptor(Txt::KeyStopwortListe, &P::StopwortListe, DescriptorValue::Stopword),
    FromDescriptor(Txt::KeyFrameDatei, &P::FrameDatei, DescriptorValue::Search),
    FromDescriptor(Txt::KeyFrameEingabeDatei, &P::FrameEingabeDatei, DescriptorValue::SearchInput),
    FromDescriptor(Txt::KeyFrameHilfeDatei, &P::FrameHilfeDatei, DescriptorValue::SearchHelp),
    FromDescriptor(Txt::KeyFrameLadenDatei, &P::FrameLadenDatei, DescriptorValue::SearchLoad),
    {Txt::KeyGlossarModus, &P::GlossarModus, KeyDefault::WithGlossary, Txt::Count, DescriptorValue::Count,
     KeyRule::None},
};

std::unique_ptr<TSchlagwortDatei> NewCorvantaPage(const std::string& address) {
  return std::make_unique<TSchlagwortDatei>(address);
}

const Profile kCorvanta{3, kCorvantaLoad, kCorvantaSave, kCorvantaTemplate, NewCorvantaPage};

const Profile* g_profile = &kCorvanta;

}  // namespace

const Profile& CorvantaProfile() { return kCorvanta; }

const Profile& CurrentProfile() { return *g_profile; }

void SetProfile(const Profile& profile) { g_profile = &profile; }

}  // namespace core
