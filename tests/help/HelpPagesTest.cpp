// The help contexts of the three programs, and the help pages as installed
// beside the built programs: every page and anchor that a table, a dialog or
// a help menu names is there, every link between the pages leads somewhere,
// and every page declares the code page its bytes are in.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/HelpContexts.h"
#include "pellinova/HelpContexts.h"
#include "platform/base/Files.h"
#include "tessarel/HelpContexts.h"

namespace {

struct Row {
  int first, last;
  const char* page;
};

// Every context of a table, and a few around them that have no page.
void ExpectTable(const core::HelpTable& table, const std::vector<Row>& rows, int contexts) {
  for (const Row& r : rows)
    for (int c = r.first; c <= r.last; ++c) EXPECT_EQ(table.Page(c), r.page) << c;
  int named = 0;
  for (int c = -5; c < 3000; ++c) named += table.Page(c) != "index.htm";
  EXPECT_EQ(named, contexts);
  for (int c : {0, -1, 5, 17, 24, 59, 299, 325, 600, 702, 703, 704, 1006, 100000})
    EXPECT_EQ(table.Page(c), "index.htm") << c;
}

const std::vector<Row> kCorvanta = {
    {1, 1, "status.htm"},
    {10, 10, "menueschaltflaechen.htm#hauptmenue"}, {20, 20, "menueschaltflaechen.htm#hauptmenue"},
    {30, 30, "menueschaltflaechen.htm#hauptmenue"}, {40, 40, "menueschaltflaechen.htm#hauptmenue"},
    {50, 50, "menueschaltflaechen.htm#hauptmenue"}, {11, 16, "menueschaltflaechen.htm#datei"},
    {21, 23, "menueschaltflaechen.htm#index"}, {31, 33, "menueschaltflaechen.htm#suchformular"},
    {34, 34, "menueschaltflaechen.htm#suchformularsub"}, {41, 43, "menueschaltflaechen.htm#einstellungen"},
    {51, 57, "menueschaltflaechen.htm#hilfe"},
    {300, 300, "meldungen.htm#frame"}, {301, 301, "meldungen.htm#browser"}, {302, 302, "meldungen.htm#keinehilfe"},
    {303, 303, "meldungen.htm#javascript"}, {304, 304, "meldungen.htm#keinedateien"},
    {305, 305, "meldungen.htm#stopwortliste"}, {306, 306, "meldungen.htm#htmlverzeichnis"},
    {307, 307, "meldungen.htm#zielverzeichnis"}, {308, 308, "meldungen.htm#vorlagenverzeichnis"},
    {309, 309, "meldungen.htm#indexfertig"}, {310, 310, "meldungen.htm#indexunvollstaendig"},
    {311, 311, "meldungen.htm#javascriptergebnis"}, {312, 312, "meldungen.htm#texteditor"},
    {313, 313, "meldungen.htm#htmleditor"}, {314, 314, "meldungen.htm#suchformular"},
    {315, 315, "meldungen.htm#suchformularfehler"}, {316, 316, "meldungen.htm#suchformularok"},
    {317, 317, "meldungen.htm#nichterlaubt"}, {318, 318, "meldungen.htm#projektneu"},
    {319, 319, "meldungen.htm#keinedateiengefunden"}, {320, 320, "meldungen.htm#javascripteditor"},
    {321, 321, "meldungen.htm#beenden"}, {322, 322, "meldungen.htm#indexleer"},
    {323, 323, "meldungen.htm#projektschonda"}, {400, 400, "meldungen.htm#neueswort"},
    {401, 401, "meldungen.htm#wortloeschen"}, {402, 402, "meldungen.htm#wortstopwort"},
    {500, 500, "meldungen.htm#htmloeffnen"}, {601, 601, "meldungen.htm#navigatorfehlt"},
    {602, 602, "meldungen.htm#texteditorfehlt"}, {700, 700, "meldungen.htm#formulareingabe"},
    {701, 701, "meldungen.htm#formularhilfe"}, {705, 705, "meldungen.htm#projektexistiert"},
    {706, 706, "meldungen.htm#minimal"}, {707, 707, "meldungen.htm#maximal"},
    {800, 800, "meldungen.htm#projektladen"}, {901, 901, "meldungen.htm#dateienunvollstaendig"},
    {902, 902, "meldungen.htm#verzeichnisanlegen"}, {1000, 1000, "meldungen.htm#errdateioeffnen"},
    {1001, 1001, "meldungen.htm#errdateiende"}, {1002, 1002, "meldungen.htm#errdateilesen"},
    {1003, 1003, "meldungen.htm#errdateischreiben"}, {1004, 1004, "meldungen.htm#errdateioeffnenschreiben"},
    {1005, 1005, "meldungen.htm#errdateischliessen"},
};

TEST(HelpContexts, Corvanta) { ExpectTable(core::SiteIndexerHelp(), kCorvanta, 73); }

TEST(HelpContexts, Pellinova) {
  std::vector<Row> rows = kCorvanta;
  rows.push_back({58, 58, "menueschaltflaechen.htm#hilfe"});
  rows.push_back({324, 324, "meldungen.htm#ungleichelaufwerke"});
  ExpectTable(pellinova::HelpTable(), rows, 75);
}

TEST(HelpContexts, Tessarel) {
  ExpectTable(tessarel::HelpTable(),
              {{1, 1, "menueschaltflaechen.htm#datei"}, {2, 2, "menueschaltflaechen.htm#einstellungen"},
               {3, 3, "menueschaltflaechen.htm#hilfe"}, {4, 4, "menueschaltflaechen.htm#index"},
               {10, 10, "menueschaltflaechen.htm#hauptmenue"}, {20, 20, "menueschaltflaechen.htm#hauptmenue"},
               {30, 30, "menueschaltflaechen.htm#hauptmenue"}, {40, 40, "menueschaltflaechen.htm#hauptmenue"}},
              8);
  EXPECT_EQ(core::HelpPagePath("C:\\prog\\", "index.htm"), "C:\\prog\\hilfe\\index.htm");
}

// ---- the installed pages --------------------------------------------------

std::string InstallFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return platform::ExtractFilePath(std::string(path, n)) + "..\\install\\";
}

std::vector<std::string> Pages(const std::string& folder) {
  std::vector<std::string> pages;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*.htm").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return pages;
  do {
    pages.push_back(folder + "\\" + data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return pages;
}

// The anchors of a page: every id, and the names of its <a> elements.
std::set<std::string> Anchors(const std::string& html) {
  static const std::regex kId(R"re(\sid\s*=\s*"([^"]*)")re", std::regex::icase);
  static const std::regex kName(R"re(<a\s[^>]*\bname\s*=\s*"([^"]*)")re", std::regex::icase);
  std::set<std::string> anchors;
  for (const std::regex* re : {&kId, &kName})
    for (std::sregex_iterator it(html.begin(), html.end(), *re), end; it != end; ++it) anchors.insert((*it)[1]);
  return anchors;
}

class InstalledHelp : public ::testing::Test {
 protected:
  // The text of a page, read once; "" when it does not exist.
  const std::string& Text(const std::string& path) {
    auto it = texts_.find(path);
    if (it == texts_.end())
      it = texts_.emplace(path, platform::FileExists(path) ? platform::ReadFileBytes(path) : "").first;
    return it->second;
  }

  // A page, with "#" and an anchor or without, must exist with its anchor.
  void ExpectTarget(const std::string& path, const std::string& from) {
    const size_t hash = path.find('#');
    const std::string file = path.substr(0, hash);
    ASSERT_TRUE(platform::FileExists(file)) << path << " (named by " << from << ")";
    if (hash != std::string::npos) {
      EXPECT_TRUE(Anchors(Text(file)).count(path.substr(hash + 1))) << path << " (named by " << from << ")";
    }
  }

  void ExpectNamedPages(const std::string& program, const std::vector<std::string>& named) {
    const std::string dir = InstallFolder() + program + "\\";
    for (const std::string& page : named) ExpectTarget(core::HelpPagePath(dir, page), program);
    for (const char* page : {core::projectpage::kHomepage, core::projectpage::kMail, core::projectpage::kFehlerbericht})
      ExpectTarget(dir + page, program);
  }

  std::map<std::string, std::string> texts_;
};

TEST_F(InstalledHelp, EveryNamedPageAndAnchorExists) {
  auto corvanta = core::SiteIndexerHelp().Pages();
  auto pellinova = pellinova::HelpTable().Pages();
  auto tessarel = tessarel::HelpTable().Pages();
  for (auto* pages : {&corvanta, &pellinova}) {
    const auto dialogs = core::SiteIndexerDialogPages();
    pages->insert(pages->end(), dialogs.begin(), dialogs.end());
  }
  const auto dialogs = tessarel::DialogPages();
  tessarel.insert(tessarel.end(), dialogs.begin(), dialogs.end());
  ExpectNamedPages("Corvanta", corvanta);
  ExpectNamedPages("Pellinova", pellinova);
  ExpectNamedPages("Tessarel", tessarel);
}

// Each page declares windows-1252 and holds no byte that code page lacks;
// each link to a page or file of ours resolves, anchor included.
TEST_F(InstalledHelp, PagesDeclareTheirCodePageAndTheirLinksResolve) {
  static const std::regex kCharset(
      R"re(<meta\s+http-equiv="Content-Type"\s+content="text/html;\s*charset=windows-1252">)re", std::regex::icase);
  static const std::regex kLink(R"re(\s(?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
  static const std::regex kForeign(R"re(^(?:[a-z]+:|//))re", std::regex::icase);
  const std::string install = InstallFolder();
  std::vector<std::string> pages;
  for (const char* folder : {"Corvanta\\hilfe", "Pellinova\\hilfe", "Tessarel\\hilfe", "homepage", "fehlerbericht"}) {
    const auto found = Pages(install + folder);
    EXPECT_FALSE(found.empty()) << folder;
    pages.insert(pages.end(), found.begin(), found.end());
  }
  for (const std::string& page : pages) {
    const std::string& html = Text(page);
    EXPECT_TRUE(std::regex_search(html, kCharset)) << page;
    for (unsigned char c : html) {
      const bool undefined = c == 0 || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
      EXPECT_FALSE(undefined) << page << ": byte " << int(c);
      if (undefined) break;
    }
    const std::string folder = platform::ExtractFilePath(page);
    for (std::sregex_iterator it(html.begin(), html.end(), kLink), end; it != end; ++it) {
      std::string target = (*it)[1];
      if (std::regex_search(target, kForeign)) continue;
      const size_t query = target.find('?');
      if (query != std::string::npos) target.erase(query, target.find('#') - query);
      for (char& c : target)
        if (c == '/') c = '\\';
      ExpectTarget(target.front() == '#' ? page + target : folder + target, page);
    }
  }
}

}  // namespace
