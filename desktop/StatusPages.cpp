#include "desktop/StatusPages.h"

#include <cmath>

#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/Hilfsmittel.h"
#include "coregui/projektVerwaltung.h"

namespace desktop {

namespace {

using core::LoadStr;
using core::Txt;

std::string Thousands(std::int64_t n) { return core::FormatThousands(n); }
std::string OnOff(bool on) { return LoadStr(on ? Txt::StEin : Txt::StAus); }

}  // namespace

std::string GainText(std::int32_t normal, std::int32_t compressed) {
  if (normal == 0) return "0%";
  // nearbyint rounds ties to even in the default rounding mode.
  const double percent = std::nearbyint(static_cast<double>(compressed) / normal * 100.0);
  return std::to_string(100 - static_cast<long long>(percent)) + "%";
}

std::string WordWidthText(const core::TProjekt& project) {
  const int low = project.GetWortbreiteMin();
  const int high = project.GetWortbreiteMax();
  if (!project.GetWortbreite() || (low == 0 && high == 0)) return LoadStr(Txt::StUnbegrenzt);
  std::string text;
  if (low != 0) text = std::to_string(low) + LoadStr(Txt::StKleinerGleich);
  text += LoadStr(Txt::StBreite);
  if (high != 0) text += LoadStr(Txt::StKleinerGleich) + std::to_string(high);
  return text;
}

StatusValues ComputeStatus(const core::TProjekt& project) {
  StatusValues v;
  const auto pages = static_cast<std::int64_t>(project.Pages().size());
  const std::int64_t total = project.GetSchlagworteGesamt();
  const std::string size = Thousands(project.GetJavascriptGroesse());
  const std::string perPage = pages ? Thousands(total / pages) : "0";
  const bool stopWords = project.GetStopwortListeVerwenden();
  const int stopWordCount = project.StopWords().Count();
  v.labels = {
      {"lblProjekt", core::Text().ShortenUrl(project.GetProjectFileName(), 40)},
      {"lblStand", project.GetStand()},
      {"lblDateiGroesse", size},
      {"lblAnalyseDauer", project.GetAnalyseDauer()},
      {"lblSchlagworteGesamt", Thousands(total)},
      {"lblSchlagworteJeDatei", perPage},
      {"lblMaximal", project.GetSchlagworteModus() ? std::to_string(project.GetSchlagworteMaximal())
                                                    : LoadStr(Txt::StUnbegrenzt)},
      {"lblBearbeitet", std::to_string(pages)},
      {"lblAnzahlStopwoerter", stopWords ? std::to_string(stopWordCount) : LoadStr(Txt::StKeine)},
      {"lblSchlagwortbreite", WordWidthText(project)},
      {"lblDateiendungen", project.GetDateiendungen()},
      {"lblZahlen", LoadStr(project.GetZahlen() ? Txt::StErlaubt : Txt::StKeine)},
      {"lblZiel", core::Text().ShortenUrl(project.GetZielVerzeichnis(), 30)},
      {"lblVorlagen", core::Text().ShortenUrl(project.GetVorlagenVerzeichnis(), 30)},
      {"lblBearbeitet2", std::to_string(pages)},
      {"lblDateigroesse2", size},
      {"lblSchlagworteGesamt2", Thousands(total)},
      {"lblSchlagworteJeDatei2", perPage},
      {"lblDateikompression", OnOff(project.GetOptimiertModus())},
      {"lblAutoOptimierung", OnOff(project.GetAutoOptimierung())},
      {"lblKompressionNormal", Thousands(project.GetDateiGroesse())},
      {"lblKompressionKomprimiert", Thousands(project.GetDateiGroesseOptimiert())},
      {"lblKompressionGewinn", GainText(project.GetDateiGroesse(), project.GetDateiGroesseOptimiert())},
      {"lblGlossar", OnOff(project.GetGlossarModus())},
      {"lblGlossarNormal", Thousands(project.GetSpeicherGroesse())},
      {"lblGlossarAktiv", Thousands(project.GetSpeicherGroesseMitGlossar())},
      {"lblGlossarGewinn", GainText(project.GetSpeicherGroesse(), project.GetSpeicherGroesseMitGlossar())},
      {"lblGlossarSchlagworte", Thousands(project.GetGlossarGroesse())},
      {"lblBearbeiteteDateien", Thousands(pages)},
      {"lblStopwortVerwenden", LoadStr(stopWords ? Txt::StVerwendet : Txt::StNichtVerwendet)},
      {"lblStopwoerter", Thousands(stopWordCount)},
  };
  v.sizeHighlighted = project.GetJavascriptGroesse() > kLargeIndexSize;
  for (const auto& page : project.Pages()) v.pages.push_back(page->url);
  for (int i = 0; i < project.StopWords().Count(); ++i) v.stopWords.push_back(project.StopWords()[i]);
  return v;
}

}  // namespace desktop
