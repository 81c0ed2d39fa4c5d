// Pellinova's index run: the links of the entries, the letter buckets and
// files, the XML branch of the run, and the page files read with the retry
// question.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>

#include "core/TText.h"
#include "core/WineDrives.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/pellinova/PellinovaFixture.h"

namespace {

using pellinova_test::PellinovaFolder;
using Lines = std::vector<std::string>;

std::string StandLine() {
  return "var stand = \"" + platform::ShortDateString(pellinova_test::kRunTime) + ", " +
         platform::LongTimeString(pellinova_test::kRunTime) +
         "\";  // Erzeugt durch Quarvelin(tm) Pellinova 3.0 (Wine, Fast-hack 5)\r\n";
}

TEST(PellinovaLinks, RelativeServerOrFileUrl) {
  core::ProjectSettings s;
  s.HTMLVerzeichnis = "C:\\web";
  s.ZielVerzeichnis = "C:\\web\\suche";
  s.ServerName = "http://host/site/";
  s.ServerNameVerwenden = true;
  EXPECT_EQ(pellinova::PageLink(s, "a\\b.htm", nullptr), "../a/b.htm");  // the server name is not used
  s.RelativerPfad = false;
  EXPECT_EQ(pellinova::PageLink(s, "a\\b.htm", nullptr), "http://host/site/a/b.htm");
  s.ServerName = "http://host/site\\";
  EXPECT_EQ(pellinova::PageLink(s, "a\\b.htm", nullptr), "http://host/site/a/b.htm");
  s.ServerName.clear();
  EXPECT_EQ(pellinova::PageLink(s, "a\\b.htm", nullptr), "file:///C|/web/a/b.htm");
  s.ServerNameVerwenden = false;
  s.ServerName = "http://host";
  EXPECT_EQ(pellinova::PageLink(s, "a\\b.htm", nullptr), "file:///C|/web/a/b.htm");

  // Relative folders stand for folders below the current one, where the run
  // reads and writes: their first letters are no drive letters.
  s.HTMLVerzeichnis = "quelle";
  s.ZielVerzeichnis = "ziel";
  const std::string here = core::Text().ReplaceAll(platform::ExpandFileName("quelle"), "\\", "/");
  EXPECT_EQ(pellinova::PageLink(s, "a.htm", nullptr), "file:///" + core::Text().ReplaceAll(here, ":", "|") + "/a.htm");
  s.RelativerPfad = true;
  EXPECT_EQ(pellinova::PageLink(s, "a.htm", nullptr), "../quelle/a.htm");
  s.ZielVerzeichnis = "quelle\\suche";
  EXPECT_EQ(pellinova::PageLink(s, "a.htm", nullptr), "../a.htm");
  s.HTMLVerzeichnis = "C:";
  s.ZielVerzeichnis = "C:\\suche";
  EXPECT_EQ(pellinova::PageLink(s, "a.htm", nullptr), "../a.htm");
}

TEST(PellinovaLetters, BucketsByFirstCharacter) {
  EXPECT_EQ(pellinova::LetterBucket("Haus"), 7);
  EXPECT_EQ(pellinova::LetterBucket("hund"), 7);
  EXPECT_EQ(pellinova::LetterBucket("1999"), pellinova::kDigitBucket);
  EXPECT_EQ(pellinova::LetterBucket("\xE4pfel"), pellinova::kOtherBucket);
  EXPECT_EQ(pellinova::LetterBucket("_x"), pellinova::kOtherBucket);
  EXPECT_EQ(pellinova::LetterBucket("Zoo"), 25);
}

TEST(PellinovaLetters, LineKeepsEveryWordInsideItsString) {
  core::ResetTemplateDescriptor();
  const platform::TStringList words{"web design", "a,b", "x\"y", "c\\d"};
  EXPECT_EQ(pellinova::LetterLine(4, words), "web design,a b,x*y,c/d,\";");
  EXPECT_EQ(pellinova::LetterLine(0, platform::TStringList{}), ",\";");
}

class PellinovaRun : public PellinovaFolder {};

TEST_F(PellinovaRun, PlainRunLinksThePagesRelativeToTheTarget) {
  Page("index.htm", "<title>Start</title>Haus");
  Page("sub\\seite.htm", "Garten");
  Open({"index.htm", "sub\\seite.htm"});
  EXPECT_FALSE(Run());
  EXPECT_EQ(Target("suche.js"),
            "// Suche\r\n// Pellinova: Konstanten\r\nvar index_max = 1;\r\nvar glossarModus = false;\r\n" +
                StandLine() +
                "// Pellinova: Glossar\r\n// Pellinova: Array\r\n"
                "eintrag.item[0].begriff = \"Haus\";\r\neintrag.item[0].seite = \"../index.htm\";\r\n"
                "eintrag.item[0].beschreibung = \"Start\";\r\n"
                "eintrag.item[1].begriff = \"Garten\";\r\neintrag.item[1].seite = \"../sub/seite.htm\";\r\n"
                "eintrag.item[1].beschreibung = \"Keine Beschreibung vorhanden f\xFCr Datei \" +\r\n"
                "                               \"<b>sub/seite.htm</b>\";\r\n"
                "// Ende\r\n");
}

TEST_F(PellinovaRun, LetterModeSplitsTheKeywordsIntoLetterFiles) {
  platform::WriteFileBytes(templateDir_ + "\\Pellinova.ini",
                           "[Options]\r\nMega=1\r\nWithGlossary=1\r\n[MegaStrings]\r\nEntryKeywords=m[%s] = \"\r\n");
  Page("a.htm", "Haus hund 1999 \xE4pfel #tag");
  Page("b.htm", "Ziegel");
  Page("c.htm", "Zaun haus");
  auto& p = Open({"a.htm", "b.htm", "c.htm"}, "GlossarModus=1\r\nZahlen=1\r\n");
  EXPECT_FALSE(Run());
  const std::string js = Target("suche.js");
  EXPECT_THAT(js, testing::HasSubstr("var glossarModus = false;\r\n"));
  EXPECT_THAT(js, testing::HasSubstr("eintrag.item[0].begriff = \"\";\r\neintrag.item[0].seite"));
  EXPECT_THAT(js, testing::Not(testing::HasSubstr("\ng = ")));
  EXPECT_EQ(Target("suche_h.js"), "m[0] = \"Haus,hund,\";\r\nm[1] = \",\";\r\nm[2] = \"haus,\";\r\n");
  EXPECT_EQ(Target("suche_z.js"), "m[0] = \",\";\r\nm[1] = \"Ziegel,\";\r\nm[2] = \"Zaun,\";\r\n");
  EXPECT_EQ(Target("suche_number.js"), "m[0] = \"1999,\";\r\nm[1] = \",\";\r\nm[2] = \",\";\r\n");
  EXPECT_EQ(Target("suche_other.js"), "m[0] = \"#tag,\xE4pfel,\";\r\nm[1] = \",\";\r\nm[2] = \",\";\r\n");
  EXPECT_EQ(Target("suche_q.js"), "m[0] = \",\";\r\nm[1] = \",\";\r\nm[2] = \",\";\r\n");
  EXPECT_EQ(p.GetGlossarGroesse(), 0);
  EXPECT_EQ(p.GetSpeicherGroesse(), p.GetSpeicherGroesseMitGlossar());
}

TEST_F(PellinovaRun, XmlExportReplacesTheDatabaseAndKeepsTheWords) {
  platform::WriteFileBytes(targetDir_ + "\\suche.js", "alt");
  Page("a.htm", "<title>T</title>Haus Garten");
  Page("leer.htm", "");
  Page("b.htm", "Haus");
  auto& p = Open({"a.htm", "leer.htm", "b.htm"}, "XML=1\r\nGlossarModus=1\r\nStand=vorher\r\n");
  EXPECT_FALSE(Run());
  EXPECT_EQ(Target("suche.js"), "alt");
  const std::string xml = Target("suche.xml");
  EXPECT_THAT(xml, testing::HasSubstr("      <URL>a.htm</URL>\r\n      <Description>T</Description>\r\n"
                                      "      <Keyword>Garten</Keyword>\r\n      <Keyword>Haus</Keyword>\r\n"
                                      "    </Document>\r\n    <Document>\r\n      <URL>b.htm</URL>\r\n"));
  EXPECT_THAT(xml, testing::Not(testing::HasSubstr("leer.htm")));
  EXPECT_EQ(p.GetStand(), "vorher");
  EXPECT_EQ(p.GetDateiGroesse(), 0);
}

TEST_F(PellinovaRun, XmlExportUnderLetterModeStillHoldsTheWords) {
  platform::WriteFileBytes(templateDir_ + "\\Pellinova.ini", "[Options]\r\nMega=1\r\n");
  Page("a.htm", "Haus");
  Open({"a.htm"}, "XML=1\r\n");
  EXPECT_FALSE(Run());
  EXPECT_THAT(Target("suche.xml"), testing::HasSubstr("      <Keyword>Haus</Keyword>\r\n"));
  EXPECT_FALSE(platform::FileExists(targetDir_ + "\\suche_h.js"));
}

TEST_F(PellinovaRun, XmlOpenGivenUpEndsTheRunAsAborted) {
  Page("a.htm", "Haus");
  Open({"a.htm"}, "XML=1\r\n");
  struct NoXml : platform::FileFaults {
    bool FailOpen(const std::string& path, bool forWrite) override {
      return forWrite && path.find("suche.xml") != std::string::npos;
    }
  } faults;
  platform::SetFileFaults(&faults);
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  EXPECT_TRUE(Run());
  platform::SetFileFaults(nullptr);
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 1004);
}

// Every file of the target folder with its bytes.
std::map<std::string, std::string> FolderFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files[fd.cFileName] = platform::ReadFileBytes(folder + "\\" + fd.cFileName);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return files;
}

// One failing step of one output file: a write that stops at byte `at` (a
// full disk), the close, or the open.
struct OutputFault : platform::FileFaults {
  enum Step { kWrite, kClose, kOpen };
  std::string path;
  Step step;
  size_t at = 0;
  size_t written = 0;
  OutputFault(std::string p, Step s, size_t a) : path(std::move(p)), step(s), at(a) { platform::SetFileFaults(this); }
  ~OutputFault() override { platform::SetFileFaults(nullptr); }
  bool FailOpen(const std::string& p, bool forWrite) override { return step == kOpen && forWrite && p == path; }
  bool FailClose(const std::string& p) override { return step == kClose && p == path; }
  size_t LimitWrite(const std::string& p, size_t n) override {
    if (step != kWrite || p != path) return n;
    const size_t k = std::min(n, at > written ? at - written : 0);
    written += k;
    return k;
  }
};

TEST_F(PellinovaRun, AFailedFileStepLeavesThePreviousSetWhole) {
  platform::WriteFileBytes(templateDir_ + "\\Pellinova.ini", "[Options]\r\nMega=1\r\n");
  Page("a.htm", "Haus");
  Page("b.htm", "Maus");
  Open({"a.htm", "b.htm"});
  ASSERT_FALSE(Run());
  const auto before = FolderFiles(targetDir_);
  ASSERT_EQ(before.size(), 29u);

  Page("c.htm", "Mond");
  const struct {
    const char* file;
    OutputFault::Step step;
    size_t at;
  } cases[] = {
      {"suche.js", OutputFault::kWrite, 0},    {"suche.js", OutputFault::kWrite, 100},
      {"suche_m.js", OutputFault::kWrite, 5},  {"suche_q.js", OutputFault::kOpen, 0},
      {"suche_other.js", OutputFault::kClose, 0},
  };
  for (const auto& c : cases) {
    Open({"a.htm", "b.htm", "c.htm"});
    {
      OutputFault fault(targetDir_ + "\\" + c.file, c.step, c.at);
      platform::ScriptedUi ui;
      ui.Push(platform::mrNo);
      EXPECT_TRUE(Run()) << c.file;
      EXPECT_EQ(ui.Requests().size(), 1u) << c.file;
    }
    EXPECT_TRUE(FolderFiles(targetDir_) == before) << c.file << " " << c.step << " " << c.at;
  }

  Open({"a.htm", "b.htm", "c.htm"});
  EXPECT_FALSE(Run());
  EXPECT_THAT(Target("suche.js"), testing::HasSubstr("var index_max = 2;"));
  EXPECT_EQ(Target("suche_m.js"), ",\";\r\nMaus,\";\r\nMond,\";\r\n");
  EXPECT_EQ(FolderFiles(targetDir_).size(), 29u);
}

TEST_F(PellinovaRun, EveryByteOfAPageIsReadAndAMissingPageStopsTheRun) {
  Page("a.htm", "Anfang\r\nEnde");
  Open({"a.htm", "fehlt.htm"});
  platform::ScriptedUi ui;
  ui.Push(platform::mrYes);  // try the missing page once more
  ui.Push(platform::mrNo);   // then give up
  ui.Push(platform::mrOk);   // the file may be in use
  EXPECT_TRUE(Run());
  ASSERT_EQ(ui.Requests().size(), 3u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 1000);
  EXPECT_THAT(ui.Requests()[0].text, testing::HasSubstr("Aktion: " + siteDir_ + "\\fehlt.htm zum Lesen \xF6" "ffnen"));
  EXPECT_EQ(ui.Requests()[2].helpContext, 500);
  EXPECT_THAT(ui.Requests()[2].text, testing::StartsWith("Eventuell wird die Datei\r\r" + siteDir_ + "\\fehlt.htm\r\r"));
  EXPECT_EQ(platform::App().Title(), "Quarvelin(tm) Pellinova - Fehler");
  EXPECT_EQ(project_->Pages()[0]->words.Lines(), (Lines{"Anfang", "Ende"}));
  EXPECT_FALSE(platform::FileExists(targetDir_ + "\\suche.js"));
}

TEST_F(PellinovaRun, APageReadAfterALargerOneHoldsOnlyItsOwnBytes) {
  std::string large;
  for (int i = 0; i < 4000; ++i) large += "Wort" + std::to_string(i % 7) + " ";
  Page("a.htm", large + "Schluss");
  Page("b.htm", "Kurz");
  Page("c.htm", "Mittel Ende");
  Open({"a.htm", "b.htm", "c.htm"});
  EXPECT_FALSE(Run());
  EXPECT_EQ(project_->Pages()[0]->words.Count(), 8);
  EXPECT_EQ(project_->Pages()[1]->words.Lines(), (Lines{"Kurz"}));
  EXPECT_EQ(project_->Pages()[2]->words.Lines(), (Lines{"Ende", "Mittel"}));
}

// The page after the one asked for is read ahead; in whatever order pages are
// asked for, each comes whole.
TEST_F(PellinovaRun, PagesReadAheadComeWholeInAnyOrder) {
  const std::string pages[] = {"eins", std::string(300000, 'b') + "Ende", "\xEF\xBB\xBF<p>dr\xC3\xBC</p>"};
  Page("a.htm", pages[0]);
  Page("b.htm", pages[1]);
  Page("c.htm", pages[2]);
  const std::string expected[] = {pages[0], pages[1], "<p>dr\xFC</p>"};
  Open({"a.htm", "b.htm", "c.htm"});
  pellinova::LocalPageSource source(*project_);
  bool abort = false;
  for (int i : {0, 2, 1, 2, 0, 1, 2}) {
    std::string text = source.ReadPage(i, project_->Pages()[static_cast<size_t>(i)]->url, abort);
    EXPECT_EQ(text, expected[i]) << i;
    source.Recycle(std::move(text));
  }
  EXPECT_FALSE(abort);
}

// A huge file is read as far as a fetched page may reach, read now or read
// ahead; the rest is not read. The file is sparse: it takes no room on disk.
TEST_F(PellinovaRun, APageIsReadUpToTheSizeLimit) {
  Page("a.htm", "klein");
  Page("b.htm", "Anfang");
  {
    const HANDLE file = CreateFileA((siteDir_ + "\\b.htm").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER at{};
    at.QuadPart = core::kPageSizeLimit + 4096;
    DWORD written = 0;
    EXPECT_TRUE(SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && WriteFile(file, "Ende", 4, &written, nullptr));
    CloseHandle(file);
  }
  Open({"a.htm", "b.htm"});
  for (const int first : {1, 0}) {
    pellinova::LocalPageSource source(*project_);
    bool abort = false;
    std::string text;
    for (int i = first; i < 2; ++i) text = source.ReadPage(i, project_->Pages()[static_cast<size_t>(i)]->url, abort);
    EXPECT_EQ(text.size(), static_cast<size_t>(core::kPageSizeLimit)) << first;
    EXPECT_EQ(text.substr(0, 6), "Anfang") << first;
    EXPECT_EQ(text.find("Ende"), std::string::npos) << first;
    EXPECT_FALSE(abort);
  }
}

// ---- pages in UTF-8 ------------------------------------------------------------

std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// One German text in code page 1252 (as every other literal here) and in UTF-8.
#define GERMAN(text) std::string(text), U8(u8##text)

// Each entry of a database, its page line left out and its number blanked,
// so that the entries of different pages compare.
Lines EntriesWithoutPages(const std::string& db) {
  Lines entries;
  bool inPage = false;
  size_t pos = 0;
  while (pos < db.size()) {
    const size_t end = db.find("\r\n", pos);
    const std::string line = db.substr(pos, end - pos);
    pos = end == std::string::npos ? db.size() : end + 2;
    if (line.rfind("eintrag.item[", 0) != 0) {
      // A continuation line belongs to the line before it.
      if (!entries.empty() && !inPage && line.rfind(" ", 0) == 0) entries.back() += line;
      continue;
    }
    const size_t close = line.find(']');
    inPage = line.compare(close, 8, "].seite ") == 0;
    if (inPage) continue;
    const std::string field = line.substr(close);
    if (field.rfind("].begriff", 0) == 0) entries.push_back("");
    entries.back() += field;
  }
  return entries;
}

TEST_F(PellinovaRun, PageInUtf8GivesTheEntryOfItsCodePage1252Twin) {
  const std::string head[] = {GERMAN(
      "<title>\u00DCbersicht der Stra\u00DFen</title>\r\n"
      "<meta name=\"description\" content=\"Gr\u00F6\u00DFen, Ma\u00DFe &amp; \u00C4mter\">\r\n")};
  const std::string body[] = {GERMAN(
      "</head><body><p>\u00DCbersetzt wird die Stra\u00DFe: \u00C4pfel, \u00D6l, Gr\u00FC\u00DFe, "
      "M&uuml;ller.</p><img alt=\"Schl\u00FCssel f\u00FCr T\u00FCren\"></body></html>\r\n")};
  Page("ansi.htm", "<html><head>" + head[0] + body[0]);
  Page("cp1252.htm", "<html><head><meta charset=\"windows-1252\">" + head[0] + body[0]);
  Page("meta.htm", "<html><head><meta charset=\"utf-8\">\r\n" + head[1] + body[1]);
  Page("equiv.htm", "<html><head><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF8\">" + head[1] +
                        body[1]);
  Page("bom.htm", "\xEF\xBB\xBF<html><head>" + head[1] + body[1]);
  Open({"ansi.htm", "cp1252.htm", "meta.htm", "equiv.htm", "bom.htm"});
  EXPECT_FALSE(Run());
  const Lines entries = EntriesWithoutPages(Target("suche.js"));
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_THAT(entries[0], testing::HasSubstr("\xDC" "bersetzt"));
  for (const std::string& entry : entries) EXPECT_EQ(entry, entries[0]);
}

TEST_F(PellinovaRun, Utf8CharactersOutsideCodePage1252AndInvalidBytes) {
  Page("fremd.htm", "<meta charset=\"utf-8\">" + U8(u8"\u0141\u00F3d\u017A Haus\u6F22\u5B57Garten Euro\u20ACpreis"));
  Page("kaputt.htm", "<meta charset=\"utf-8\">Gr\xFC\xDF" "e " + U8(u8"Gr\u00FC\u00DFe") + " Ende\xC3");
  Open({"fremd.htm", "kaputt.htm"});
  EXPECT_FALSE(Run());
  const std::string db = Target("suche.js");
  // Best fit, a blank that parts the words, and the euro sign, which the
  // scanner skips inside a word as it does on a code page 1252 page.
  EXPECT_THAT(db, testing::HasSubstr("item[0].begriff = \"Europreis,Garten,Haus,L\xF3" "dz\";"));
  EXPECT_THAT(db, testing::HasSubstr("item[1].begriff = \"Ende\xC3,Gr\xFC\xDF" "e\";"));
}

}  // namespace
