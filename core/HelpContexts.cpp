#include "core/HelpContexts.h"

#include <algorithm>
#include <iterator>

#include "core/Hilfsmittel.h"

namespace core {

namespace {

// Corvanta's contexts: the menus and their items, the status pages (1), the
// messages (300 on) and the retry question of file steps (1000 to 1005).
constexpr HelpTopic kSiteIndexer[] = {
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

constexpr HelpTable kSiteIndexerTable{kSiteIndexer};

constexpr const char* kHelpFolder = "hilfe";

}  // namespace

const char* HelpTable::Find(int helpContext) const {
  const auto it = std::upper_bound(topics_.begin(), topics_.end(), helpContext,
                                   [](int context, const HelpTopic& t) { return context < t.first; });
  if (it != topics_.begin() && helpContext <= std::prev(it)->last) return std::prev(it)->page;
  return base_ ? base_->Find(helpContext) : nullptr;
}

std::string HelpTable::Page(int helpContext) const {
  const char* page = Find(helpContext);
  return page ? page : helppage::kInhalt;
}

std::vector<std::string> HelpTable::Pages() const {
  std::vector<std::string> pages = base_ ? base_->Pages() : std::vector<std::string>{helppage::kInhalt};
  for (const HelpTopic& t : topics_) {
    if (std::find(pages.begin(), pages.end(), t.page) == pages.end()) pages.emplace_back(t.page);
  }
  return pages;
}

const HelpTable& SiteIndexerHelp() { return kSiteIndexerTable; }

std::string HelpFolder(const std::string& programDir) {
  return Text().StripTrailingChar('\\', programDir + kHelpFolder);
}

std::string HelpPagePath(const std::string& programDir, const std::string& page) {
  return HelpFolder(programDir) + "\\" + page;
}

std::vector<std::string> SiteIndexerDialogPages() {
  using namespace helppage;
  std::vector<std::string> pages = {kInhalt,       kSuchen,         kWieKannIch,    kRahmen,
                                    kProjektEinstellungen, kOrdnerWahl, kSeitenwahl, kSchlagworte,
                                    kBeschreibung, kStopwortliste,  kProjektNeu,    kArbeitsumgebung,
                                    kErsterStart};
  pages.insert(pages.end(), std::begin(kAssistent), std::end(kAssistent));
  return pages;
}

}  // namespace core
