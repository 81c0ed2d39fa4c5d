#pragma once
// Help contexts and help pages. Every help request carries a number, the help
// context (F1 on a menu item or control, the Help button of a message box);
// each program's table maps it to a page, anchor included, in the folder
// "hilfe" beside the program. Dialogs with a Help button of their own open
// their page directly. The pages are installation data; their names and
// anchors are fixed here, and the shipped pages are checked against them.
#include <span>
#include <string>
#include <vector>

namespace core {

// The help contexts of the messages and questions, each written here once:
// the code passes these names, and the programs' tables map them to pages.
// The menus' contexts (1 to 58) are written in the stored layouts of the main
// windows. 702 to 704 have no page of their own and open the contents.
enum HelpContextId : int {
  hcNone = 0,  // no Help button
  hcFrame = 300,
  hcBrowser = 301,
  hcKeineHilfe = 302,
  hcJavascript = 303,
  hcKeineDateien = 304,
  hcStopwortliste = 305,
  hcQuelle = 306,
  hcZiel = 307,
  hcVorlagen = 308,
  hcIndexFertig = 309,
  hcIndexUnvollstaendig = 310,
  hcJavascriptErgebnis = 311,
  hcTextEditor = 312,
  hcHtmlEditor = 313,
  hcSuchformular = 314,
  hcSuchformularFehler = 315,
  hcSuchformularOk = 316,
  hcNichtErlaubt = 317,
  hcProjektNeu = 318,
  hcKeineDateienGefunden = 319,
  hcJavascriptEditor = 320,
  hcBeenden = 321,
  hcIndexLeer = 322,
  hcProjektSchonDa = 323,
  hcUngleicheLaufwerke = 324,  // Pellinova's
  hcNeuesWort = 400,
  hcWortLoeschen = 401,
  hcWortStopwort = 402,
  hcHtmlOeffnen = 500,
  hcNavigatorFehlt = 601,
  hcTextEditorFehlt = 602,
  hcFormularEingabe = 700,
  hcFormularHilfe = 701,
  hcErgebnisFormularEingabe = 702,
  hcErgebnisFormularHilfe = 703,
  hcProjektNeuLaden = 704,
  hcProjektExistiert = 705,
  hcMaximalbreite = 706,
  hcMindestbreite = 707,
  hcProjektLaden = 800,
  hcDateienUnvollstaendig = 901,
  hcVerzeichnisAnlegen = 902,
  // The retry question of the file steps.
  hcOpenRead = 1000,
  hcTestEof = 1001,
  hcRead = 1002,
  hcWrite = 1003,
  hcOpenWrite = 1004,
  hcClose = 1005,
};

// Contexts first to last open page.
struct HelpTopic {
  int first;
  int last;
  const char* page;
};

// One context's page.
constexpr HelpTopic Topic(int helpContext, const char* page) { return {helpContext, helpContext, page}; }

class HelpTable {
 public:
  // topics sorted by context, not overlapping; a number they lack is looked
  // up in base, when there is one.
  constexpr HelpTable(std::span<const HelpTopic> topics, const HelpTable* base = nullptr)
      : topics_(topics), base_(base) {}

  // The page of a context, anchor included; "index.htm" for a number no
  // table names.
  std::string Page(int helpContext) const;
  // Every page with anchor that the table and its base name, once each.
  std::vector<std::string> Pages() const;

 private:
  const char* Find(int helpContext) const;

  std::span<const HelpTopic> topics_;
  const HelpTable* base_;
};

// The table of Corvanta; Pellinova's builds on it.
const HelpTable& SiteIndexerHelp();

// programDir (with its trailing "\") + "hilfe", no trailing "\".
std::string HelpFolder(const std::string& programDir);
// HelpFolder + "\" + page.
std::string HelpPagePath(const std::string& programDir, const std::string& page);

// The pages a Help button or menu item opens directly, below the help folder.
namespace helppage {
inline constexpr const char* kInhalt = "index.htm";
inline constexpr const char* kSuchen = "suche.htm";
inline constexpr const char* kWieKannIch = "howto.htm";
inline constexpr const char* kRahmen = "_top.htm";  // the frame page of the DDE browsers
inline constexpr const char* kProjektEinstellungen = "projekteinstellungen.htm";
inline constexpr const char* kOrdnerWahl = "projekteinstellungen.htm#selector";
inline constexpr const char* kSeitenwahl = "fortgeschritten.htm";
inline constexpr const char* kSchlagworte = "fortgeschritten.htm#schlagworte";
inline constexpr const char* kBeschreibung = "fortgeschritten.htm#beschreibung";
inline constexpr const char* kStopwortliste = "stopwortliste.htm";
inline constexpr const char* kStopzeichen = "stopzeichen.htm";
inline constexpr const char* kProjektNeu = "projektneu.htm";
inline constexpr const char* kArbeitsumgebung = "arbeitsumgebung.htm";
inline constexpr const char* kErsterStart = "arbeitsumgebung.htm#werkzeuge";
inline constexpr const char* kAnalyse = "analyse.htm";
// The search-form wizard of Corvanta and Pellinova, page by page.
inline constexpr const char* kAssistent[7] = {
    "assistent.htm#einfuehrungprogramm", "assistent.htm#einfuehrungassistent", "assistent.htm#projektname",
    "assistent.htm#html", "assistent.htm#ziel", "assistent.htm#analysestart", "assistent.htm#fertig"};
// Tessarel's analysis wizard, page by page.
inline constexpr const char* kAnalyseAssistent[5] = {
    "assistent.htm#einfuehrungprogramm", "assistent.htm#einfuehrungassistent", "assistent.htm#dokument",
    "assistent.htm#analysestart", "assistent.htm#fertig"};
}  // namespace helppage

// The pages of the project beside the programs' folders, from the program
// folder: programDir + page.
namespace projectpage {
inline constexpr const char* kHomepage = "..\\homepage\\index.htm";
inline constexpr const char* kMail = "..\\homepage\\mail.htm";
inline constexpr const char* kFehlerbericht = "..\\fehlerbericht\\fehler.htm";
}  // namespace projectpage

// Every page, with anchor, that Corvanta's and Pellinova's dialogs and help
// menu open directly.
std::vector<std::string> SiteIndexerDialogPages();

}  // namespace core
