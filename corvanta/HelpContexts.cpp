#include "corvanta/HelpContexts.h"

#include <algorithm>
#include <iterator>

#include "core/Hilfsmittel.h"

namespace corvanta {

namespace {

struct HelpRange {
  int first;
  int last;
  const char* page;
};

// Sorted by context, ranges not overlapping.
constexpr HelpRange kHelpPages[] = {
    {1, 1, "status.htm"},
    {10, 10, "menueschaltflaechen.htm#hauptmenue"},
    {11, 16, "menueschaltflaechen.htm#datei"},
    {20, 20, "menueschaltflaechen.htm#hauptmenue"},
    {21, 23, "menueschaltflaechen.htm#index"},
    {30, 30, "menueschaltflaechen.htm#hauptmenue"},
    {31, 33, "menueschaltflaechen.htm#suchformular"},
    {34, 34, "menueschaltflaechen.htm#suchformularsub"},
    {40, 40, "menueschaltflaechen.htm#hauptmenue"},
    {41, 43, "menueschaltflaechen.htm#einstellungen"},
    {50, 50, "menueschaltflaechen.htm#hauptmenue"},
    {51, 57, "menueschaltflaechen.htm#hilfe"},
    {300, 300, "meldungen.htm#frame"},
    {301, 301, "meldungen.htm#browser"},
    {302, 302, "meldungen.htm#keinehilfe"},
    {303, 303, "meldungen.htm#javascript"},
    {304, 304, "meldungen.htm#keinedateien"},
    {305, 305, "meldungen.htm#stopwortliste"},
    {306, 306, "meldungen.htm#htmlverzeichnis"},
    {307, 307, "meldungen.htm#zielverzeichnis"},
    {308, 308, "meldungen.htm#vorlagenverzeichnis"},
    {309, 309, "meldungen.htm#indexfertig"},
    {310, 310, "meldungen.htm#indexunvollstaendig"},
    {311, 311, "meldungen.htm#javascriptergebnis"},
    {312, 312, "meldungen.htm#texteditor"},
    {313, 313, "meldungen.htm#htmleditor"},
    {314, 314, "meldungen.htm#suchformular"},
    {315, 315, "meldungen.htm#suchformularfehler"},
    {316, 316, "meldungen.htm#suchformularok"},
    {317, 317, "meldungen.htm#nichterlaubt"},
    {318, 318, "meldungen.htm#projektneu"},
    {319, 319, "meldungen.htm#keinedateiengefunden"},
    {320, 320, "meldungen.htm#javascripteditor"},
    {321, 321, "meldungen.htm#beenden"},
    {322, 322, "meldungen.htm#indexleer"},
    {323, 323, "meldungen.htm#projektschonda"},
    {400, 400, "meldungen.htm#neueswort"},
    {401, 401, "meldungen.htm#wortloeschen"},
    {402, 402, "meldungen.htm#wortstopwort"},
    {500, 500, "meldungen.htm#htmloeffnen"},
    {601, 601, "meldungen.htm#navigatorfehlt"},
    {602, 602, "meldungen.htm#texteditorfehlt"},
    {700, 700, "meldungen.htm#formulareingabe"},
    {701, 701, "meldungen.htm#formularhilfe"},
    {705, 705, "meldungen.htm#projektexistiert"},
    {706, 706, "meldungen.htm#minimal"},
    {707, 707, "meldungen.htm#maximal"},
    {800, 800, "meldungen.htm#projektladen"},
    {901, 901, "meldungen.htm#dateienunvollstaendig"},
    {902, 902, "meldungen.htm#verzeichnisanlegen"},
    {1000, 1000, "meldungen.htm#errdateioeffnen"},
    {1001, 1001, "meldungen.htm#errdateiende"},
    {1002, 1002, "meldungen.htm#errdateilesen"},
    {1003, 1003, "meldungen.htm#errdateischreiben"},
    {1004, 1004, "meldungen.htm#errdateioeffnenschreiben"},
    {1005, 1005, "meldungen.htm#errdateischliessen"},
};

constexpr const char* kHelpFolder = "hilfe";
constexpr const char* kIndexPage = "index.htm";

}  // namespace

std::string HelpPage(int helpContext) {
  const auto it = std::upper_bound(std::begin(kHelpPages), std::end(kHelpPages), helpContext,
                                   [](int context, const HelpRange& r) { return context < r.first; });
  if (it != std::begin(kHelpPages)) {
    const HelpRange& r = *std::prev(it);
    if (helpContext <= r.last) return r.page;
  }
  return kIndexPage;
}

std::string HelpPagePath(const std::string& programDir, int helpContext) {
  return core::Text().StripTrailingChar('\\', programDir + kHelpFolder) + "\\" + HelpPage(helpContext);
}

}  // namespace corvanta
