// The built Pellinova.exe in batch mode, as a user runs it: a copy of the
// program in a folder of its own, a parameter file in its "projekte", a site
// with sub-folders, a dot-folder, other extensions and letter cases and a
// file named like the search form. Every generated file, the saved project,
// the exit code and the interactions are compared; the date of a run is the
// one thing masked.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "tests/platform/BaseTestFolder.h"
#include "tests/support/UnixFiles.h"

namespace {

using Files = std::map<std::string, std::string>;
using Keys = std::vector<std::pair<std::string, std::string>>;

constexpr DWORD kRunTimeout = 90000;

std::string ThisFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return platform::ExtractFilePath(std::string(path, n));
}

// The date and time of a run, wherever a file holds them.
std::string Masked(std::string text) {
  const std::pair<const char*, const char*> places[] = {
      {"var stand = \"", "\""}, {"Stand=", "\r\n"}, {"Last updated: ", "\r\n"}};
  for (const auto& [prefix, terminator] : places) {
    const size_t start = text.find(prefix);
    if (start == std::string::npos) continue;
    const size_t from = start + std::string(prefix).size();
    const size_t to = text.find(terminator, from);
    if (to == std::string::npos || text.compare(from, to - from, "Noch nicht erzeugt") == 0) continue;
    // Date and time, joined by ", ".
    EXPECT_NE(text.substr(from, to - from).find(", "), std::string::npos) << text.substr(from, to - from);
    text.replace(from, to - from, "STAND");
  }
  return text;
}

// A path as the interaction log writes it.
std::string Logged(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return out;
}

// The keys of "Einstellungen" in the order a save writes them.
const char* const kSaveOrder[] = {
    "AnzahlEintraege", "HTMLVerzeichnis", "ZielVerzeichnis", "VorlagenVerzeichnis", "StopwortListe",
    "ServerName", "AnalyseDauer", "JavascriptGroesse", "SpeicherGroesse", "SpeicherGroesseMitGlossar",
    "DateiGroesse", "DateiGroesseOptimiert", "GlossarGroesse", "Stand", "JavascriptDatei", "XMLDatei",
    "FrameDatei", "FrameEingabeDatei", "FrameHilfeDatei", "FrameLadenDatei", "Dateiendungen",
    "StopwortListeVerwenden", "ServerNameVerwenden", "DetailsModus", "RelativerPfad", "TitleModus",
    "DescriptionModus", "VolltextModus", "KeywordsModus", "OptimiertModus", "GlossarModus", "AutoOptimierung",
    "SchlagworteModus", "Mega", "XML", "Beschreibung", "Zahlen", "Wortbreite", "WortbreiteMin", "WortbreiteMax",
    "GefundeneSchlagworte", "SchlagworteGesamt", "SchlagworteMaximal"};

class PellinovaBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ForceDirectories(prog_ + "\\projekte");
    ASSERT_TRUE(CopyFileA((ThisFolder() + "..\\install\\Pellinova\\Pellinova.exe").c_str(), (prog_ + "\\Pellinova.exe").c_str(),
                          FALSE));
    // Tools that exist, so that loading the settings asks nothing.
    settings_ = "[Environment]\r\nTextEditor=" + prog_ + "\\Pellinova.exe\r\nWWWBrowser=" + prog_ +
                "\\Pellinova.exe\r\nLastProject=0\r\n";
    Write(prog_ + "\\Pellinova.INI", settings_);

    Write(templates_ + "\\test\\suche.js", kTemplate);
    Write(templates_ + "\\test\\suche.htm", "<html>Suchformular</html>\r\n");
    Write(templates_ + "\\test\\suchein.htm", "<html>Eingabe</html>\r\n");
    Write(templates_ + "\\test\\bild.gif", "GIF89a");
    Write(templates_ + "\\test\\liesmich.txt", "nicht kopiert");
    Write(templates_ + "\\test\\stopwort.lst", "und\r\nder\r\n");
    // The per-letter template: the same files and a descriptor.
    for (const char* f : {"suche.js", "suche.htm", "suchein.htm", "bild.gif", "stopwort.lst"})
      Write(templates_ + "\\mega\\" + f, platform::ReadFileBytes(templates_ + "\\test\\" + f));
    Write(templates_ + "\\mega\\Pellinova.ini",
          "[Options]\r\nMega=1\r\nMegaSearchBase=teil_%s.js\r\n[MegaStrings]\r\nEntryKeywords=m[%s] = \"\r\n");
    Write(templates_ + "\\ohneStopworte\\suche.js", kTemplate);

    Write(site_ + "\\index.htm",
          "<html><head><title>Startseite</title><meta name=\"description\" content=\"Willkommen &amp; Hallo\">"
          "</head><body>Haus und Garten 2000er &Uuml;ber Zebra</body></html>");
    Write(site_ + "\\sub\\seite.htm", "<title>Unterseite</title>Katze Maus Haus");
    Write(site_ + "\\sub\\tief\\ende.html", "Ende");
    Write(site_ + "\\leer.htm", "<p>und der</p>");  // only stop words: dropped by the run
    Write(site_ + "\\.versteckt\\geheim.htm", "Geheim");
    Write(site_ + "\\ALT.HTM", "Gross");
    Write(site_ + "\\notiz.txt", "Notiz");
    Write(site_ + "\\suche.htm", "<html>alt</html>");  // the search form's own name
    platform::ForceDirectories(target_);
    Write(folder_ / "antworten.txt", "");
  }

  static void Write(const std::string& path, const std::string& bytes) {
    platform::ForceDirectories(platform::ExtractFilePath(path));
    platform::WriteFileBytes(path, bytes);
  }

  // The parameter file's keys before the run.
  Keys Input(const std::string& templateName, const Keys& extra = {}) const {
    Keys keys = {{"HTMLVerzeichnis", site_}, {"ZielVerzeichnis", target_},
                 {"VorlagenVerzeichnis", templates_ + "\\" + templateName}};
    keys.insert(keys.end(), extra.begin(), extra.end());
    return keys;
  }

  std::string WriteProject(const std::string& name, const Keys& keys) {
    std::string text = "[Einstellungen]\r\n";
    for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
    const std::string path = prog_ + "\\projekte\\" + name;
    Write(path, text);
    return text;
  }

  // The saved project: the keys the file had stay in their place, the
  // others follow in the order of a save; values not given are those of a
  // plain run on the site.
  std::string SavedProject(const Keys& input, std::map<std::string, std::string> values) const {
    const std::map<std::string, std::string> plain = {
        {"AnzahlEintraege", "3"}, {"StopwortListe", "stopwort.lst"},
        {"ServerName", "http://www.example.com/verzeichnis"}, {"AnalyseDauer", ""}, {"GlossarGroesse", "0"},
        {"Stand", "STAND"}, {"JavascriptDatei", "suche.js"}, {"XMLDatei", "suche.xml"},
        {"FrameDatei", "suche.htm"}, {"FrameEingabeDatei", "suchein.htm"}, {"FrameHilfeDatei", "suchhilf.htm"},
        {"FrameLadenDatei", "suchlade.htm"}, {"Dateiendungen", "htm,html"}, {"StopwortListeVerwenden", "1"},
        {"ServerNameVerwenden", "0"}, {"DetailsModus", "0"}, {"RelativerPfad", "1"}, {"TitleModus", "1"},
        {"DescriptionModus", "1"}, {"VolltextModus", "1"}, {"KeywordsModus", "0"}, {"OptimiertModus", "0"},
        {"GlossarModus", "0"}, {"AutoOptimierung", "0"}, {"SchlagworteModus", "0"}, {"Mega", "0"}, {"XML", "0"},
        {"Beschreibung", "0"}, {"Zahlen", "0"}, {"Wortbreite", "1"}, {"WortbreiteMin", "3"},
        {"WortbreiteMax", "40"}, {"GefundeneSchlagworte", "0"}, {"SchlagworteGesamt", "8"},
        {"SchlagworteMaximal", "300"}};
    for (const auto& [key, value] : input) values.emplace(key, value);
    for (const auto& [key, value] : plain) values.emplace(key, value);
    std::string text = "[Einstellungen]\r\n";
    std::vector<std::string> written;
    for (const auto& [key, value] : input) {
      text += key + "=" + values.at(key) + "\r\n";
      written.push_back(key);
    }
    for (const char* key : kSaveOrder) {
      if (std::find(written.begin(), written.end(), key) == written.end()) text += std::string(key) + "=" + values.at(key) + "\r\n";
    }
    return text + "\r\n[Dateien]\r\n1=index.htm\r\n2=sub\\seite.htm\r\n3=sub\\tief\\ende.html\r\n";
  }

  // Runs the copy of the program with the arguments; every interaction is
  // answered by giving up and logged.
  int RunPellinova(const std::string& args) {
    const std::string log = folder_ / ("ui" + std::to_string(++runs_) + ".log");
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", (folder_ / "antworten.txt").c_str());
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", log.c_str());
    std::string commandLine = "\"" + prog_ + "\\Pellinova.exe\" " + args;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        prog_.c_str(), &startup, &process);
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", nullptr);
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", nullptr);
    EXPECT_TRUE(started);
    if (!started) return -1;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, kRunTimeout), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    uiLog_ = platform::FileExists(log) ? platform::ReadFileBytes(log) : std::string();
    return static_cast<int>(code);
  }

  // Every file of the target folder, the date of the run masked.
  Files Target() const {
    Files files;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((target_ + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      files[data.cFileName] = Masked(platform::ReadFileBytes(target_ + "\\" + data.cFileName));
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return files;
  }

  std::string Project(const std::string& name) const {
    return Masked(platform::ReadFileBytes(prog_ + "\\projekte\\" + name));
  }

  static std::string Size(const std::string& bytes) { return std::to_string(bytes.size()); }

  static constexpr const char* kTemplate =
      "// Suchdatenbank\r\nvar x = 1;  // Kommentar\r\n// Pellinova: Konstanten\r\n// Pellinova: Glossar\r\n"
      "// Pellinova: Array\r\nfunction f() { return \"http://x\"; }\r\n";
  // What every run copies beside the database: the template's pages and
  // images, not its other files.
  static Files Copied() {
    return {{"suche.htm", "<html>Suchformular</html>\r\n"}, {"suchein.htm", "<html>Eingabe</html>\r\n"},
            {"bild.gif", "GIF89a"}};
  }

  BaseTestFolder folder_;
  std::string prog_ = folder_ / "prog";
  std::string templates_ = folder_ / "prog\\vorlage";
  std::string site_ = folder_ / "site";
  std::string target_ = folder_ / "site\\suche";
  std::string settings_;
  std::string uiLog_;
  int runs_ = 0;
};

const std::string kConstants =
    "// Suchdatenbank\r\nvar x = 1;  // Kommentar\r\n// Pellinova: Konstanten\r\nvar index_max = 2;\r\n";
const std::string kStand =
    "var stand = \"STAND\";  // Erzeugt durch Quarvelin(tm) Pellinova 3.0 (Wine, Fast-hack 5)\r\n";
const std::string kUrlsAndDescriptions[3] = {
    "eintrag.item[0].seite = \"../index.htm\";\r\n"
    "eintrag.item[0].beschreibung = \"<b>Startseite</b><br>Willkommen & Hallo\";\r\n",
    "eintrag.item[1].seite = \"../sub/seite.htm\";\r\neintrag.item[1].beschreibung = \"Unterseite\";\r\n",
    "eintrag.item[2].seite = \"../sub/tief/ende.html\";\r\n"
    "eintrag.item[2].beschreibung = \"Keine Beschreibung vorhanden f\xFCr Datei \" +\r\n"
    "                               \"<b>sub/tief/ende.html</b>\";\r\n"};
const std::string kRest = "function f() { return \"http://x\"; }\r\n";

TEST_F(PellinovaBatch, PlainRunIndexesTheSiteAndSavesTheProject) {
  const Keys input = Input("test");
  WriteProject("site.lvq", input);
  EXPECT_EQ(RunPellinova("/B site"), 0);
  EXPECT_EQ(uiLog_, "");
  // A batch run never writes the settings.
  EXPECT_EQ(platform::ReadFileBytes(prog_ + "\\Pellinova.INI"), settings_);

  const std::string js = kConstants + "var glossarModus = false;\r\n" + kStand +
                         "// Pellinova: Glossar\r\n// Pellinova: Array\r\n"
                         "eintrag.item[0].begriff = \"Garten,Haus,\xDC" "ber,Zebra\";\r\n" +
                         kUrlsAndDescriptions[0] + "eintrag.item[1].begriff = \"Haus,Katze,Maus\";\r\n" +
                         kUrlsAndDescriptions[1] + "eintrag.item[2].begriff = \"Ende\";\r\n" +
                         kUrlsAndDescriptions[2] + kRest;
  Files expected = Copied();
  expected["suche.js"] = js;
  EXPECT_EQ(Target(), expected);
  const std::string size = std::to_string(platform::ReadFileBytes(target_ + "\\suche.js").size());
  EXPECT_EQ(Project("site.lvq"),
            SavedProject(input, {{"JavascriptGroesse", size}, {"SpeicherGroesse", "36"},
                                 {"SpeicherGroesseMitGlossar", "36"}, {"DateiGroesse", size},
                                 {"DateiGroesseOptimiert", "0"}}));
}

// Files that no path can name do not spoil the run: the rest is indexed,
// they are named at the end, and the run counts as done.
TEST_F(PellinovaBatch, FilesNoPathCanNameAreNamedAndTheRunGoesThrough) {
  WriteProject("site.lvq", Input("test"));
  UnixFiles odd(site_, {"\xCE\xB1.htm", "a?b.htm", "sub/\xF0\x9F\x98\x80.html"});
  if (!odd.Made()) GTEST_SKIP() << "needs Wine";
  EXPECT_EQ(RunPellinova("/B site"), 0);
  EXPECT_EQ(uiLog_, "MessageBox\tWarnung\tFolgende Dateien wurden \xFC" "bersprungen, da ihr Name "
                    "Zeichen\\renth\xE4lt, die hier nicht verwendet werden k\xF6nnen,\\roder ihr Pfad zu lang "
                    "ist:\\r\\r?.htm\\ra?b.htm\\rsub\\\\??.html\t0\tOK\r\n");
  EXPECT_NE(Target()["suche.js"].find("var index_max = 2;"), std::string::npos);
}

TEST_F(PellinovaBatch, GlossaryRunNumbersTheWords) {
  const Keys input = Input("test", {{"GlossarModus", "1"}});
  WriteProject("site.lvq", input);
  EXPECT_EQ(RunPellinova("-batch site.lvq"), 0);
  EXPECT_EQ(uiLog_, "");

  // Haus is on two pages and comes first; the others in the order met.
  const std::string js = kConstants + "var glossarModus = true;\r\n" + kStand +
                         "// Pellinova: Glossar\r\ng = \"Haus,Garten,\xDC" "ber,Zebra,Katze,Maus,Ende\";\r\n"
                         "g = g.split(\",\")\r\n// Pellinova: Array\r\n"
                         "eintrag.item[0].begriff = \"1,0,2,3\";\r\n" +
                         kUrlsAndDescriptions[0] + "eintrag.item[1].begriff = \"0,4,5\";\r\n" +
                         kUrlsAndDescriptions[1] + "eintrag.item[2].begriff = \"6\";\r\n" + kUrlsAndDescriptions[2] +
                         kRest;
  Files expected = Copied();
  expected["suche.js"] = js;
  EXPECT_EQ(Target(), expected);
  const size_t written = platform::ReadFileBytes(target_ + "\\suche.js").size();
  // The words become numbers (8 characters) beside the glossary's 32; the
  // split line after the glossary is not counted.
  EXPECT_EQ(Project("site.lvq"),
            SavedProject(input, {{"JavascriptGroesse", std::to_string(written)}, {"SpeicherGroesse", "36"},
                                 {"SpeicherGroesseMitGlossar", "40"},
                                 {"DateiGroesse", std::to_string(written - std::string("g = g.split(\",\")\r\n").size())},
                                 {"DateiGroesseOptimiert", "0"}, {"GlossarGroesse", "7"}}));
}

TEST_F(PellinovaBatch, OptimisedRunCompactsTheDatabase) {
  const Keys input = Input("test", {{"OptimiertModus", "1"}});
  WriteProject("site.lvq", input);
  EXPECT_EQ(RunPellinova("/b site"), 0);
  EXPECT_EQ(uiLog_, "");

  const std::string js =
      "var x = 1\r\n// Pellinova: Konstanten\r\nvar index_max = 2;\r\nvar glossarModus = false;\r\n" + kStand +
      "// Pellinova: Glossar\r\n// Pellinova: Array\r\n"
      "eintrag.item[0].begriff = \"Garten,Haus,\xDC" "ber,Zebra\"\r\n"
      "eintrag.item[0].seite = \"../index.htm\"\r\n"
      "eintrag.item[0].beschreibung = \"<b>Startseite</b><br>Willkommen & Hallo\"\r\n"
      "eintrag.item[1].begriff = \"Haus,Katze,Maus\"\r\neintrag.item[1].seite = \"../sub/seite.htm\"\r\n"
      "eintrag.item[1].beschreibung = \"Unterseite\"\r\n"
      "eintrag.item[2].begriff = \"Ende\"\r\neintrag.item[2].seite = \"../sub/tief/ende.html\"\r\n"
      "eintrag.item[2].beschreibung = \"Keine Beschreibung vorhanden f\xFCr Datei <b>sub/tief/ende.html</b>\"\r\n"
      "function f() { return \"http://x\"; }\r\n";
  Files expected = Copied();
  expected["suche.js"] = js;
  EXPECT_EQ(Target(), expected);
  const size_t written = platform::ReadFileBytes(target_ + "\\suche.js").size();
  // Compaction took the comment line (18 bytes), the comment behind "x = 1"
  // (15) and the semicolon of each of the nine entry lines.
  EXPECT_EQ(Project("site.lvq"),
            SavedProject(input, {{"JavascriptGroesse", std::to_string(written)}, {"SpeicherGroesse", "36"},
                                 {"SpeicherGroesseMitGlossar", "36"}, {"DateiGroesse", std::to_string(written + 42)},
                                 {"DateiGroesseOptimiert", std::to_string(written)}}));
}

TEST_F(PellinovaBatch, LetterTemplateWritesTheKeywordsPerInitial) {
  const Keys input = Input("mega", {{"GlossarModus", "1"}});
  WriteProject("site.lvq", input);
  EXPECT_EQ(RunPellinova("/B site"), 0);
  EXPECT_EQ(uiLog_, "");

  const std::string js = kConstants + "var glossarModus = false;\r\n" + kStand +
                         "// Pellinova: Glossar\r\n// Pellinova: Array\r\n"
                         "eintrag.item[0].begriff = \"\";\r\n" + kUrlsAndDescriptions[0] +
                         "eintrag.item[1].begriff = \"\";\r\n" + kUrlsAndDescriptions[1] +
                         "eintrag.item[2].begriff = \"\";\r\n" + kUrlsAndDescriptions[2] + kRest;
  Files expected = Copied();
  expected["suche.js"] = js;
  const std::string empty = "m[0] = \",\";\r\nm[1] = \",\";\r\nm[2] = \",\";\r\n";
  for (char c = 'a'; c <= 'z'; ++c) expected[std::string("teil_") + c + ".js"] = empty;
  expected["teil_number.js"] = empty;
  expected["teil_other.js"] = "m[0] = \"\xDC" "ber,\";\r\nm[1] = \",\";\r\nm[2] = \",\";\r\n";
  expected["teil_e.js"] = "m[0] = \",\";\r\nm[1] = \",\";\r\nm[2] = \"Ende,\";\r\n";
  expected["teil_g.js"] = "m[0] = \"Garten,\";\r\nm[1] = \",\";\r\nm[2] = \",\";\r\n";
  expected["teil_h.js"] = "m[0] = \"Haus,\";\r\nm[1] = \"Haus,\";\r\nm[2] = \",\";\r\n";
  expected["teil_k.js"] = "m[0] = \",\";\r\nm[1] = \"Katze,\";\r\nm[2] = \",\";\r\n";
  expected["teil_m.js"] = "m[0] = \",\";\r\nm[1] = \"Maus,\";\r\nm[2] = \",\";\r\n";
  expected["teil_z.js"] = "m[0] = \"Zebra,\";\r\nm[1] = \",\";\r\nm[2] = \",\";\r\n";
  EXPECT_EQ(Target(), expected);
  const std::string size = std::to_string(platform::ReadFileBytes(target_ + "\\suche.js").size());
  // The template switched the glossary off.
  EXPECT_EQ(Project("site.lvq"),
            SavedProject(input, {{"VorlagenVerzeichnis", templates_ + "\\mega"}, {"JavascriptGroesse", size},
                                 {"SpeicherGroesse", "36"}, {"SpeicherGroesseMitGlossar", "36"},
                                 {"DateiGroesse", size}, {"DateiGroesseOptimiert", "0"}, {"GlossarModus", "0"},
                                 {"Mega", "1"}}));
}

TEST_F(PellinovaBatch, XmlRunWritesTheExportInsteadOfTheDatabase) {
  const Keys input = Input("test", {{"XML", "1"}, {"GlossarModus", "1"}});
  WriteProject("site.lvq", input);
  EXPECT_EQ(RunPellinova("/B site"), 0);
  EXPECT_EQ(uiLog_, "");

  Files expected = Copied();
  expected["suche.xml"] =
      "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<!--\r\n"
      "Created by Quarvelin(tm) Pellinova 3.0 (Wine, Fast-hack 5)\r\nLast updated: STAND\r\n-->\r\n"
      "<Quarvelin>\r\n  <Pellinova version=\"3.0 (Wine, Fast-hack 5)\">\r\n"
      "    <Document>\r\n      <URL>index.htm</URL>\r\n"
      "      <Description>Startseite -- Willkommen &amp; Hallo</Description>\r\n"
      "      <Keyword>Garten</Keyword>\r\n      <Keyword>Haus</Keyword>\r\n      <Keyword>\xDC" "ber</Keyword>\r\n"
      "      <Keyword>Zebra</Keyword>\r\n    </Document>\r\n"
      "    <Document>\r\n      <URL>sub\\seite.htm</URL>\r\n      <Description>Unterseite</Description>\r\n"
      "      <Keyword>Haus</Keyword>\r\n      <Keyword>Katze</Keyword>\r\n      <Keyword>Maus</Keyword>\r\n"
      "    </Document>\r\n"
      "    <Document>\r\n      <URL>sub\\tief\\ende.html</URL>\r\n"
      "      <Description>Keine Beschreibung vorhanden f\xFCr Datei sub/tief/ende.html&lt;/b></Description>\r\n"
      "      <Keyword>Ende</Keyword>\r\n    </Document>\r\n"
      "  </Pellinova>\r\n</Quarvelin>\r\n";
  EXPECT_EQ(Target(), expected);
  // No database: its size is 0 and the date of the last one stays.
  EXPECT_EQ(Project("site.lvq"),
            SavedProject(input, {{"JavascriptGroesse", "0"}, {"SpeicherGroesse", "36"},
                                 {"SpeicherGroesseMitGlossar", "40"}, {"DateiGroesse", "0"},
                                 {"DateiGroesseOptimiert", "0"}, {"Stand", "Noch nicht erzeugt"}}));
}

TEST_F(PellinovaBatch, ReviewedRunStoresTheUsersCorrections) {
  WriteProject("sub.lvq", {{"HTMLVerzeichnis", site_ + "\\sub"}, {"ZielVerzeichnis", target_},
                           {"VorlagenVerzeichnis", templates_ + "\\test"}, {"GefundeneSchlagworte", "1"}});
  Write(folder_ / "antworten.txt",
        "OK|lbxWoerter=Katze|btnBearbeiten=1|lbxWoerter=Maus|ckbLoeschenNachfragen=1|btnLoeschen=1\r\n"
        "OK|edWort=Kater\r\nOK\r\n");
  EXPECT_EQ(RunPellinova("/B sub"), 0);
  const std::string review =
      "ModalForm\tQuarvelin(tm) Pellinova - Bearbeiten der gefundenen W\xF6rter\t\t0\tOK\r\n";
  EXPECT_EQ(uiLog_, "ModalForm\tWort editieren\t\t0\tOK\r\n" + review + review);
  const std::string js = platform::ReadFileBytes(target_ + "\\suche.js");
  EXPECT_NE(js.find("eintrag.item[0].begriff = \"Haus,Kater\";\r\neintrag.item[0].seite = \"../sub/seite.htm\""),
            std::string::npos)
      << js;
  EXPECT_NE(Project("sub.lvq").find("[Schlagworte]\r\n1=+Kater,-Katze,-Maus\r\n"), std::string::npos)
      << Project("sub.lvq");
}

TEST_F(PellinovaBatch, MissingParameterFileEndsWithCodeOne) {
  EXPECT_EQ(RunPellinova("/B fehlt"), 1);
  EXPECT_EQ(uiLog_, "MessageBox\tQuarvelin(tm) Pellinova\tDie Parameterdatei\\r\\r" +
                        Logged(prog_ + "\\projekte\\fehlt.lvq") + "\\r\\rexistiert nicht. "
                        "Breche Batchmodus ab.\t0\tOK\r\n");
  EXPECT_EQ(Target(), Files{});
  EXPECT_FALSE(platform::FileExists(prog_ + "\\projekte\\fehlt.lvq"));
}

TEST_F(PellinovaBatch, ProjectsThatCannotRunEndWithCodeTwoAndStayAsTheyWere) {
  // The stop-word list the project wants is missing: the load fails.
  const std::string noStopWords = WriteProject("a.lvq", Input("ohneStopworte"));
  // The source folder has gone: it would be the whole drive.
  const std::string noSource = WriteProject("b.lvq", {{"HTMLVerzeichnis", folder_ / "weg"}, {"ZielVerzeichnis", target_},
                                                      {"VorlagenVerzeichnis", templates_ + "\\test"}});
  // The template folder has gone: the check before the analysis fails.
  const std::string noTemplate =
      WriteProject("c.lvq", Input("weg", {{"StopwortListeVerwenden", "0"}}));
  // The template's letter files would go two folders above the target.
  for (const char* f : {"suche.js", "stopwort.lst"})
    Write(templates_ + "\\boese\\" + f, platform::ReadFileBytes(templates_ + "\\test\\" + f));
  Write(templates_ + "\\boese\\Pellinova.ini", "[Options]\r\nMega=1\r\nMegaSearchBase=..\\..\\MEGA_%s.js\r\n");
  const std::string outside = WriteProject("d.lvq", Input("boese"));

  EXPECT_EQ(RunPellinova("/B a"), 2);
  EXPECT_NE(uiLog_.find("\t305\tOK\r\n"), std::string::npos) << uiLog_;
  EXPECT_EQ(RunPellinova("/B b"), 2);
  EXPECT_EQ(uiLog_, "");
  EXPECT_EQ(RunPellinova("/B c"), 2);
  EXPECT_EQ(uiLog_, "");
  EXPECT_EQ(RunPellinova("/B d"), 2);
  EXPECT_EQ(uiLog_, "MessageBox\tFehler\tDer Dateiname\\r\\rMegaSearchBase=..\\\\..\\\\MEGA_%s.js\\r\\rin\\r\\r" +
                        Logged(templates_ + "\\boese\\Pellinova.ini") +
                        "\\r\\rwird nicht verwendet: Er darf weder \"\\\\\" oder \"/\"\\rnoch \"..\" oder ein "
                        "Laufwerk enthalten.\t0\tOK\r\n");
  EXPECT_EQ(platform::ReadFileBytes(prog_ + "\\projekte\\d.lvq"), outside);
  EXPECT_FALSE(platform::FileExists(folder_ / "MEGA_a.js"));

  EXPECT_EQ(platform::ReadFileBytes(prog_ + "\\projekte\\a.lvq"), noStopWords);
  EXPECT_EQ(platform::ReadFileBytes(prog_ + "\\projekte\\b.lvq"), noSource);
  EXPECT_EQ(platform::ReadFileBytes(prog_ + "\\projekte\\c.lvq"), noTemplate);
  EXPECT_EQ(Target(), Files{});
}

TEST_F(PellinovaBatch, HelpSwitchShowsThePageOfSwitches) {
  EXPECT_EQ(RunPellinova("/x -H"), 0);
  EXPECT_EQ(uiLog_, "ModalForm\tQuarvelin(tm) Pellinova - Kommandozeilen-Parameter\t\t0\tCancel\r\n");
  EXPECT_EQ(platform::ReadFileBytes(prog_ + "\\Pellinova.INI"), settings_);
}

// A batch run builds no main window unless a dialog needs one: on a first
// run the first-run dialog still comes up.
TEST_F(PellinovaBatch, FirstBatchRunAsksForTheEnvironment) {
  WriteProject("sub.lvq", Input("test"));
  DeleteFileA((prog_ + "\\Pellinova.INI").c_str());
  RunPellinova("/B sub");
  EXPECT_NE(uiLog_.find("ModalForm\tQuarvelin(tm) Pellinova - Arbeitsumgebung einstellen\t"), std::string::npos)
      << uiLog_;
}

}  // namespace
