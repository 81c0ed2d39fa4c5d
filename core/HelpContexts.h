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

// Contexts first to last open page.
struct HelpTopic {
  int first;
  int last;
  const char* page;
};

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
