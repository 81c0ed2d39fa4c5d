#include "core/HelpContexts.h"

#include <algorithm>
#include <iterator>

#include "core/TText.h"

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
    Topic(hcFrame, "meldungen.htm#frame"),
    Topic(hcBrowser, "meldungen.htm#browser"),
    Topic(hcKeineHilfe, "meldungen.htm#keinehilfe"),
    Topic(hcJavascript, "meldungen.htm#javascript"),
    Topic(hcKeineDateien, "meldungen.htm#keinedateien"),
    Topic(hcStopwortliste, "meldungen.htm#stopwortliste"),
    Topic(hcQuelle, "meldungen.htm#htmlverzeichnis"),
    Topic(hcZiel, "meldungen.htm#zielverzeichnis"),
    Topic(hcVorlagen, "meldungen.htm#vorlagenverzeichnis"),
    Topic(hcIndexFertig, "meldungen.htm#indexfertig"),
    Topic(hcIndexUnvollstaendig, "meldungen.htm#indexunvollstaendig"),
    Topic(hcJavascriptErgebnis, "meldungen.htm#javascriptergebnis"),
    Topic(hcTextEditor, "meldungen.htm#texteditor"),
    Topic(hcHtmlEditor, "meldungen.htm#htmleditor"),
    Topic(hcSuchformular, "meldungen.htm#suchformular"),
    Topic(hcSuchformularFehler, "meldungen.htm#suchformularfehler"),
    Topic(hcSuchformularOk, "meldungen.htm#suchformularok"),
    Topic(hcNichtErlaubt, "meldungen.htm#nichterlaubt"),
    Topic(hcProjektNeu, "meldungen.htm#projektneu"),
    Topic(hcKeineDateienGefunden, "meldungen.htm#keinedateiengefunden"),
    Topic(hcJavascriptEditor, "meldungen.htm#javascripteditor"),
    Topic(hcBeenden, "meldungen.htm#beenden"),
    Topic(hcIndexLeer, "meldungen.htm#indexleer"),
    Topic(hcProjektSchonDa, "meldungen.htm#projektschonda"),
    Topic(hcNeuesWort, "meldungen.htm#neueswort"),
    Topic(hcWortLoeschen, "meldungen.htm#wortloeschen"),
    Topic(hcWortStopwort, "meldungen.htm#wortstopwort"),
    Topic(hcHtmlOeffnen, "meldungen.htm#htmloeffnen"),
    Topic(hcNavigatorFehlt, "meldungen.htm#navigatorfehlt"),
    Topic(hcTextEditorFehlt, "meldungen.htm#texteditorfehlt"),
    Topic(hcFormularEingabe, "meldungen.htm#formulareingabe"),
    Topic(hcFormularHilfe, "meldungen.htm#formularhilfe"),
    Topic(hcProjektExistiert, "meldungen.htm#projektexistiert"),
    Topic(hcMaximalbreite, "meldungen.htm#minimal"),
    Topic(hcMindestbreite, "meldungen.htm#maximal"),
    Topic(hcProjektLaden, "meldungen.htm#projektladen"),
    Topic(hcDateienUnvollstaendig, "meldungen.htm#dateienunvollstaendig"),
    Topic(hcVerzeichnisAnlegen, "meldungen.htm#verzeichnisanlegen"),
    Topic(hcOpenRead, "meldungen.htm#errdateioeffnen"),
    Topic(hcTestEof, "meldungen.htm#errdateiende"),
    Topic(hcRead, "meldungen.htm#errdateilesen"),
    Topic(hcWrite, "meldungen.htm#errdateischreiben"),
    Topic(hcOpenWrite, "meldungen.htm#errdateioeffnenschreiben"),
    Topic(hcClose, "meldungen.htm#errdateischliessen"),
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
