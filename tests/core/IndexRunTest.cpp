// The index run: exact bytes of the generated JavaScript database, the page
// steps of the parser, the progress, the review dialogs, failing file steps
// and the decided faults (template = output, a second run, empty glossary).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/PageSource.h"
#include "core/ReviewDialogs.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/PageParser.h"
#include "coregui/hinweis.h"
#include "coregui/indexErzeugen.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using platform::TStringList;
using Lines = std::vector<std::string>;

constexpr platform::TDateTime kRunTime = 45292.5;  // a fixed clock: the date line is predictable

const std::string kTemplate =
    "// Suche\r\n"
    "var x = 1;  // Kommentar\r\n"
    "// Pellinova: Konstanten\r\n"
    "// Pellinova: Glossar\r\n"
    "// Pellinova: Array\r\n"
    "function f() { return \"http://x\"; }\r\n";

std::string StandLine() {
  return "var stand = \"" + platform::ShortDateString(kRunTime) + ", " + platform::LongTimeString(kRunTime) +
         "\";  // Erzeugt durch Quarvelin(tm) Corvanta 3.0 (Wine, Fast-hack 5)\r\n";
}

class IndexRun : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetClockForTest([] { return kRunTime; });
    core::ResetTemplateDescriptor();
    platform::ForceDirectories(templateDir_);
    platform::ForceDirectories(targetDir_);
    platform::WriteFileBytes(templateDir_ + "\\suche.js", kTemplate);
  }
  void TearDown() override {
    project_.reset();
    platform::SetClockForTest({});
  }

  // A project over the given pages ("url=html"), with extra settings lines.
  core::TProjekt& Open(const std::vector<std::pair<std::string, std::string>>& pages,
                       const std::string& settings = "") {
    std::string ini = "[Einstellungen]\r\nAnzahlEintraege=" + std::to_string(pages.size()) +
                      "\r\nVorlagenVerzeichnis=" + templateDir_ + "\r\nZielVerzeichnis=" + targetDir_ +
                      "\r\nStopwortListeVerwenden=0\r\n" + settings + "[Dateien]\r\n";
    for (std::size_t i = 0; i < pages.size(); ++i) {
      ini += std::to_string(i + 1) + "=" + pages[i].first + "\r\n";
      source_.Put(pages[i].first, pages[i].second);
    }
    const std::string path = folder_ / ("p" + std::to_string(++projects_) + ".ovk");
    platform::WriteFileBytes(path, ini);
    bool failed = false;
    project_ = std::make_unique<core::TProjekt>(path, failed);
    EXPECT_FALSE(failed);
    return *project_;
  }

  // One run as the main window starts it: words and glossary emptied, the
  // window shown. Returns the abort flag.
  bool Run(core::tJavascript& js) {
    project_->ClearRunData();
    window_ = std::make_unique<core::THinweisDlg>();
    window_->Show();
    bool abort = false;
    js.Generate(*window_, abort);
    return abort;
  }
  bool Run(bool silent = true, core::ReviewDialogs* dialogs = nullptr) {
    core::tJavascript js(*project_, source_, dialogs, silent);
    return Run(js);
  }

  std::string Output() const { return platform::ReadFileBytes(targetDir_ + "\\suche.js"); }

  BaseTestFolder folder_;
  std::string templateDir_ = folder_ / "vorlage";
  std::string targetDir_ = folder_ / "ziel";
  core::MemoryPageSource source_;
  std::unique_ptr<core::TProjekt> project_;
  std::unique_ptr<core::THinweisDlg> window_;
  int projects_ = 0;
};

// --- Line builders ------------------------------------------------------------------

TEST(IndexLines, KeywordsWrapUnderThePrefixQuote) {
  const TStringList words{"abendessen", "bahnhof",     "fahrradweg", "gartenhaus",
                          "hafenrundfahrt", "kunstmuseum", "marktplatz", "rathaus"};
  TStringList lines;
  core::AppendKeywordLines("eintrag.item[0].begriff = \"", words, false, lines);
  EXPECT_EQ(lines.Lines(), (Lines{"eintrag.item[0].begriff = \"abendessen,bahnhof,fahrradweg,gartenhaus,\" +",
                                  std::string(26, ' ') + "\"hafenrundfahrt,kunstmuseum,marktplatz,rathaus\";"}));
  TStringList optimized;
  core::AppendKeywordLines("p = \"", words, true, optimized);
  EXPECT_EQ(optimized.Lines(),
            (Lines{"p = \"abendessen,bahnhof,fahrradweg,gartenhaus,hafenrundfahrt,kunstmuseum,marktplatz,rathaus\";"}));
  TStringList slash;
  core::AppendKeywordLines("p = \"", TStringList{"a\\b"}, false, slash);
  EXPECT_EQ(slash.Lines(), (Lines{"p = \"a/b\";"}));
}

TEST(IndexLines, KeywordLineOf78ColumnsStaysOneLine) {
  // The prefix (27), 43 letters and a comma leave room for a word of 3: 3 +
  // 71 + 4 = 78. One more letter wraps.
  const std::string prefix = "eintrag.item[0].begriff = \"";
  TStringList lines;
  core::AppendKeywordLines(prefix, TStringList{std::string(43, 'a'), "bbb"}, false, lines);
  EXPECT_EQ(lines.Lines(), (Lines{prefix + std::string(43, 'a') + ",bbb\";"}));
  TStringList wrapped;
  core::AppendKeywordLines(prefix, TStringList{std::string(43, 'a'), "bbbb"}, false, wrapped);
  EXPECT_EQ(wrapped.Lines(),
            (Lines{prefix + std::string(43, 'a') + ",\" +", std::string(26, ' ') + "\"bbbb\";"}));
}

TEST(IndexLines, UrlWrapsAfterSlashesAndEndsUnlimited) {
  const std::string prefix = "eintrag.item[3].seite = \"";  // 25 columns
  const std::string url = "http://www.example.test/verzeichnis/unterverzeichnis/noch-ein-ordner/" +
                          std::string(40, 'x') + ".htm";
  TStringList lines;
  core::AppendUrlLines(prefix, url, false, lines);
  EXPECT_EQ(lines.Lines(),
            (Lines{prefix + "http://www.example.test/verzeichnis/\" +",
                   std::string(24, ' ') + "\"unterverzeichnis/noch-ein-ordner/" + std::string(40, 'x') + ".htm\";"}));
  TStringList optimized;
  core::AppendUrlLines(prefix, url, true, optimized);
  EXPECT_EQ(optimized.Lines(), (Lines{prefix + url + "\";"}));
}

// A link from a file name may hold a backslash or a double quote; either would
// break the JavaScript string it is written into.
TEST(IndexLines, UrlNeverBreaksItsString) {
  const std::string prefix = "eintrag.item[0].seite = \"";
  TStringList lines;
  core::AppendUrlLines(prefix, "bilder\\xmas \"neu\"\r\n.htm", true, lines);
  EXPECT_EQ(lines.Lines(), (Lines{prefix + "bilder/xmas %22neu%22%0D%0A.htm\";"}));
}

TEST(IndexLines, DescriptionWrapsAfterBlanksAndLimitsTheLastLine) {
  const std::string prefix = "eintrag.item[1].beschreibung = \"";  // 32 columns
  TStringList lines;
  core::AppendDescriptionLines(
      prefix, "Keine Beschreibung vorhanden f\xFCr Web-Seite <b>http://h/b.htm</b>", false, lines);
  EXPECT_EQ(lines.Lines(), (Lines{prefix + "Keine Beschreibung vorhanden f\xFCr Web-Seite \" +",
                                  std::string(31, ' ') + "\"<b>http://h/b.htm</b>\";"}));
  TStringList shortOne;
  core::AppendDescriptionLines(prefix, "Kurz und gut", false, shortOne);
  EXPECT_EQ(shortOne.Lines(), (Lines{prefix + "Kurz und gut\";"}));
}

TEST(IndexLines, OptimizeLineCompactsAndCounts) {
  const std::array<std::string, 3> markers = {"// Pellinova: Konstanten", "// Pellinova: Glossar",
                                              "// Pellinova: Array"};
  core::FileSizes sizes;
  std::string line = "x = 1;  // c";
  EXPECT_TRUE(core::OptimizeLine(line, true, markers, sizes));
  EXPECT_EQ(line, "x = 1");
  line = "  // nur ein Kommentar";
  EXPECT_FALSE(core::OptimizeLine(line, true, markers, sizes));
  line = "// ganz am Anfang";
  EXPECT_FALSE(core::OptimizeLine(line, true, markers, sizes));
  line = "u = \"http://x\";  // c";
  EXPECT_TRUE(core::OptimizeLine(line, true, markers, sizes));
  EXPECT_EQ(line, "u = \"http://x\"; // c");  // a quote follows the first "//": the comment stays
  line = "  a  =   b;;  ";
  EXPECT_TRUE(core::OptimizeLine(line, true, markers, sizes));
  EXPECT_EQ(line, "a = b;");
  line = "  // Pellinova: Array  ";
  EXPECT_TRUE(core::OptimizeLine(line, true, markers, sizes));
  EXPECT_EQ(line, "  // Pellinova: Array  ");
  line = "";
  EXPECT_FALSE(core::OptimizeLine(line, true, {"", "", ""}, sizes));  // an empty marker matches nothing
  EXPECT_EQ(sizes.plain, 14 + 24 + 19 + 23 + 16 + 25 + 2);
  EXPECT_EQ(sizes.optimized, 7 + 22 + 8 + 25);

  core::FileSizes plain;
  line = "x = 1;  // c";
  EXPECT_TRUE(core::OptimizeLine(line, false, markers, plain));
  EXPECT_EQ(line, "x = 1;  // c");
  EXPECT_EQ(plain.plain, 14);
  EXPECT_EQ(plain.optimized, 0);
}

// --- Whole runs ------------------------------------------------------------------------

TEST_F(IndexRun, PlainDatabase) {
  auto& p = Open({{"http://h/a.htm", "<title>Alpha</title><p>Haus Garten haus</p>"},
                  {"http://h/b.htm", "Baum"}});
  EXPECT_FALSE(Run());
  const std::string expected =
      "// Suche\r\n"
      "var x = 1;  // Kommentar\r\n"
      "// Pellinova: Konstanten\r\n"
      "var index_max = 1;\r\n"
      "var glossarModus = false;\r\n" +
      StandLine() +
      "// Pellinova: Glossar\r\n"
      "// Pellinova: Array\r\n"
      "eintrag.item[0].begriff = \"Garten,Haus\";\r\n"
      "eintrag.item[0].seite = \"http://h/a.htm\";\r\n"
      "eintrag.item[0].beschreibung = \"Alpha\";\r\n"
      "eintrag.item[1].begriff = \"Baum\";\r\n"
      "eintrag.item[1].seite = \"http://h/b.htm\";\r\n"
      "eintrag.item[1].beschreibung = \"Keine Beschreibung vorhanden f\xFCr Web-Seite \" +\r\n"
      "                               \"<b>http://h/b.htm</b>\";\r\n"
      "function f() { return \"http://x\"; }\r\n";
  EXPECT_EQ(Output(), expected);
  EXPECT_EQ(p.GetDateiGroesse(), static_cast<int>(expected.size()));
  EXPECT_EQ(p.GetDateiGroesseOptimiert(), 0);
  EXPECT_EQ(p.GetSpeicherGroesse(), 14);
  EXPECT_EQ(p.GetSpeicherGroesseMitGlossar(), 14);
  EXPECT_EQ(p.GetStand(), platform::ShortDateString(kRunTime) + ", " + platform::LongTimeString(kRunTime));
  EXPECT_EQ(window_->pbFortschritt.Max(), 7);
  EXPECT_EQ(window_->pbFortschritt.Position(), 7);
  EXPECT_EQ(platform::App().Title(), "Quarvelin(tm) Corvanta - 100%");
  EXPECT_EQ(window_->Caption(), "Quarvelin(tm) Corvanta - Dateierzeugung");
}

TEST_F(IndexRun, OptimizedDatabase) {
  auto& p = Open({{"http://h/a.htm", "Haus"}}, "OptimiertModus=1\r\n");
  EXPECT_FALSE(Run());
  const std::string expected =
      "var x = 1\r\n"
      "// Pellinova: Konstanten\r\n"
      "var index_max = 0;\r\n"
      "var glossarModus = false;\r\n" +
      StandLine() +
      "// Pellinova: Glossar\r\n"
      "// Pellinova: Array\r\n"
      "eintrag.item[0].begriff = \"Haus\"\r\n"
      "eintrag.item[0].seite = \"http://h/a.htm\"\r\n"
      "eintrag.item[0].beschreibung = \"Keine Beschreibung vorhanden f\xFCr Web-Seite <b>http://h/a.htm</b>\"\r\n"
      "function f() { return \"http://x\"; }\r\n";
  EXPECT_EQ(Output(), expected);
  EXPECT_EQ(p.GetDateiGroesseOptimiert(), static_cast<int>(expected.size()));
  // Before compaction: the comment line, the comment and the three ";".
  EXPECT_EQ(p.GetDateiGroesse(), static_cast<int>(expected.size()) + 10 + 15 + 3);
}

TEST_F(IndexRun, GlossaryDatabaseAndASecondRunInTheSameSession) {
  auto& p = Open({{"http://h/a.htm", "<title>A</title><meta name=\"description\" content=\"B\">haus garten"},
                  {"http://h/b.htm", "haus"}},
                 "GlossarModus=1\r\nOptimiertModus=1\r\n");
  EXPECT_FALSE(Run());
  const std::string expected =
      "var x = 1\r\n"
      "// Pellinova: Konstanten\r\n"
      "var index_max = 1;\r\n"
      "var glossarModus = true;\r\n" +
      StandLine() +
      "// Pellinova: Glossar\r\n"
      "g = \"haus,garten\"\r\n"
      "g = g.split(\",\")\r\n"
      "// Pellinova: Array\r\n"
      "eintrag.item[0].begriff = \"1,0\"\r\n"
      "eintrag.item[0].seite = \"http://h/a.htm\"\r\n"
      "eintrag.item[0].beschreibung = \"<b>A</b><br>B\"\r\n"
      "eintrag.item[1].begriff = \"0\"\r\n"
      "eintrag.item[1].seite = \"http://h/b.htm\"\r\n"
      "eintrag.item[1].beschreibung = \"Keine Beschreibung vorhanden f\xFCr Web-Seite <b>http://h/b.htm</b>\"\r\n"
      "function f() { return \"http://x\"; }\r\n";
  EXPECT_EQ(Output(), expected);
  EXPECT_EQ(p.GetGlossarGroesse(), 2);
  EXPECT_EQ(p.GetSpeicherGroesse(), 14);
  EXPECT_EQ(p.GetSpeicherGroesseMitGlossar(), 3 + 10);
  // The automatic optimisation runs again in the same session: no duplicate
  // words, no description built on the last one.
  EXPECT_FALSE(Run());
  EXPECT_EQ(Output(), expected);
}

TEST_F(IndexRun, EmptyGlossaryIsAnEmptyString) {
  Open({}, "GlossarModus=1\r\n");
  EXPECT_FALSE(Run());
  EXPECT_EQ(Output(),
            "// Suche\r\n"
            "var x = 1;  // Kommentar\r\n"
            "// Pellinova: Konstanten\r\n"
            "var index_max = -1;\r\n"
            "var glossarModus = true;\r\n" +
                StandLine() +
                "// Pellinova: Glossar\r\n"
                "g = \"\";\r\n"
                "g = g.split(\",\")\r\n"
                "// Pellinova: Array\r\n"
                "function f() { return \"http://x\"; }\r\n");
  EXPECT_EQ(window_->pbFortschritt.Max(), 1);
}

TEST_F(IndexRun, PagesOfStopWordsAreDroppedAndRenumbered) {
  platform::WriteFileBytes(templateDir_ + "\\stopwort.lst", "und\r\noder\r\n");
  Open({{"http://h/a.htm", "und oder"}, {"http://h/b.htm", "Wald und Wiese"}, {"http://h/c.htm", ""}},
       "StopwortListeVerwenden=1\r\nOptimiertModus=1\r\n");
  EXPECT_FALSE(Run());
  const std::string out = Output();
  EXPECT_THAT(out, testing::HasSubstr("var index_max = 0;\r\n"));
  EXPECT_THAT(out, testing::HasSubstr("eintrag.item[0].begriff = \"Wald,Wiese\"\r\n"
                                      "eintrag.item[0].seite = \"http://h/b.htm\"\r\n"));
  EXPECT_THAT(out, testing::Not(testing::HasSubstr("item[1]")));
  EXPECT_EQ(project_->Pages().size(), 1u);
}

TEST_F(IndexRun, MarkersCountOnlyAsWholeLines) {
  platform::WriteFileBytes(templateDir_ + "\\suche.js",
                           "a\r\n // Pellinova: Konstanten\r\n// Pellinova: Konstanten \r\nb\n"
                           "// Pellinova: Konstanten\rc");
  Open({{"http://h/a.htm", "Haus"}});
  EXPECT_FALSE(Run());
  EXPECT_EQ(Output(),
            "a\r\n // Pellinova: Konstanten\r\n// Pellinova: Konstanten \r\nb\r\n// Pellinova: Konstanten\r\n"
            "var index_max = 0;\r\nvar glossarModus = false;\r\n" +
                StandLine() +
                "c\r\n"
                "eintrag.item[0].begriff = \"Haus\";\r\n"
                "eintrag.item[0].seite = \"http://h/a.htm\";\r\n"
                "eintrag.item[0].beschreibung = \"Keine Beschreibung vorhanden f\xFCr Web-Seite \" +\r\n"
                "                               \"<b>http://h/a.htm</b>\";\r\n");
}

TEST_F(IndexRun, TemplateWithoutMarkersGetsEverythingAppended) {
  platform::WriteFileBytes(templateDir_ + "\\suche.js", "eins\r\nzwei\r\n");
  Open({{"http://h/a.htm", "Haus"}}, "GlossarModus=1\r\n");
  EXPECT_FALSE(Run());
  EXPECT_EQ(Output(), "eins\r\nzwei\r\nvar index_max = 0;\r\nvar glossarModus = true;\r\n" + StandLine() +
                          "g = \"Haus\";\r\ng = g.split(\",\")\r\n"
                          "eintrag.item[0].begriff = \"0\";\r\n"
                          "eintrag.item[0].seite = \"http://h/a.htm\";\r\n"
                          "eintrag.item[0].beschreibung = \"Keine Beschreibung vorhanden f\xFCr Web-Seite \" +\r\n"
                          "                               \"<b>http://h/a.htm</b>\";\r\n");
}

TEST_F(IndexRun, TemplateThatIsTheOutputIsRefused) {
  targetDir_ = folder_ / "VORLAGE";  // the template folder, spelt differently
  Open({{"http://h/a.htm", "Haus"}});
  platform::ScriptedUi ui;
  EXPECT_TRUE(Run());
  EXPECT_EQ(platform::ReadFileBytes(templateDir_ + "\\suche.js"), kTemplate);
  // Told why, once, instead of a retry question that cannot succeed.
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 1004);
  EXPECT_EQ(ui.Requests()[0].text,
            core::FormatStr(core::LoadStr(core::Txt::MsgTemplateIsOutput), {templateDir_ + "\\suche.js"}));
  EXPECT_EQ(window_->pbFortschritt.Position(), window_->pbFortschritt.Max());
}

TEST_F(IndexRun, CancelledAnalysisWritesNothing) {
  platform::WriteFileBytes(targetDir_ + "\\suche.js", "alt");
  Open({{"http://h/a.htm", "Haus"}, {"http://h/b.htm", "Baum"}});
  // The user closes the window while the second page is fetched.
  class Closing : public core::PageSource {
   public:
    explicit Closing(core::THinweisDlg** window) : window_(window) {}
    std::string ReadPage(int position, const std::string&, bool&) override {
      if (position == 1) (*window_)->Hide();
      return "Wort";
    }
    core::THinweisDlg** window_;
  };
  core::THinweisDlg* shown = nullptr;
  Closing closing(&shown);
  core::tJavascript js(*project_, closing, nullptr, true);
  project_->ClearRunData();
  window_ = std::make_unique<core::THinweisDlg>();
  shown = window_.get();
  window_->Show();
  bool abort = false;
  js.Generate(*window_, abort);
  EXPECT_TRUE(abort);
  EXPECT_EQ(platform::App().Title(), "Quarvelin(tm) Corvanta - Fehler");
  EXPECT_EQ(Output(), "alt");
}

TEST_F(IndexRun, ProgressNeverPassesItsMaximum) {
  // With the glossary, two pages take 2 + 2 + 2 + 2 steps of a bar of 7.
  Open({{"http://h/a.htm", "Haus"}, {"http://h/b.htm", "Baum"}}, "GlossarModus=1\r\n");
  class Watching : public core::tJavascript {
   public:
    using tJavascript::tJavascript;
    std::vector<std::string> titles;
    std::vector<int> positions;

   protected:
    void FormatKeywordLines(core::TSchlagwortDatei& page, int n) override {
      titles.push_back(platform::App().Title());
      positions.push_back(window_->pbFortschritt.Position());
      tJavascript::FormatKeywordLines(page, n);
    }
  };
  Watching js(*project_, source_, nullptr, true);
  EXPECT_FALSE(Run(js));
  EXPECT_EQ(js.positions, (std::vector<int>{7, 7}));
  EXPECT_EQ(js.titles, (Lines{"Quarvelin(tm) Corvanta - 100%", "Quarvelin(tm) Corvanta - 100%"}));
}

TEST_F(IndexRun, ReviewDialogsPerPage) {
  Open({{"http://h/a.htm", "<title>T</title>Haus"}, {"http://h/b.htm", "Baum"}},
       "GefundeneSchlagworte=1\r\nBeschreibung=2\r\nOptimiertModus=1\r\n");
  struct Dialogs : core::ReviewDialogs {
    std::vector<std::string> calls;
    void EditPageWords(core::TProjekt& project, int position, const std::string& line, bool& cancel) override {
      calls.push_back("words " + line);
      project.Pages()[position]->words.Add("Neu");
      cancel = false;
    }
    void EditPageDescription(core::TProjekt& project, int position, bool& cancel) override {
      // The description was cleaned before: the fallback text stands in it.
      calls.push_back("description " + project.Pages()[position]->description.substr(0, 5));
      project.Pages()[position]->description = "Von Hand";
      cancel = false;
    }
  } dialogs;
  EXPECT_FALSE(Run(false, &dialogs));
  EXPECT_EQ(dialogs.calls, (Lines{"words http://h/a.htm (0/1)", "words http://h/b.htm (1/1)", "description Keine"}));
  const std::string out = Output();
  EXPECT_THAT(out, testing::HasSubstr("eintrag.item[0].begriff = \"Haus,Neu\"\r\n"));
  EXPECT_THAT(out, testing::HasSubstr("eintrag.item[0].beschreibung = \"T\"\r\n"));
  EXPECT_THAT(out, testing::HasSubstr("eintrag.item[1].beschreibung = \"Von Hand\"\r\n"));

  // A silent run opens no dialog.
  dialogs.calls.clear();
  EXPECT_FALSE(Run(true, &dialogs));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(IndexRun, CancelInAReviewDialogEndsTheRun) {
  platform::WriteFileBytes(targetDir_ + "\\suche.js", "alt");
  Open({{"http://h/a.htm", "Haus"}}, "GefundeneSchlagworte=1\r\n");
  struct Cancelling : core::ReviewDialogs {
    void EditPageWords(core::TProjekt&, int, const std::string&, bool& cancel) override { cancel = true; }
    void EditPageDescription(core::TProjekt&, int, bool&) override { ADD_FAILURE(); }
  } dialogs;
  EXPECT_TRUE(Run(false, &dialogs));
  EXPECT_EQ(Output(), "alt");
}

// --- Failing file steps ------------------------------------------------------------------

class FailingOnce : public platform::FileFaults {
 public:
  explicit FailingOnce(std::string path) : path_(std::move(path)) { platform::SetFileFaults(this); }
  ~FailingOnce() override { platform::SetFileFaults(nullptr); }
  bool FailOpen(const std::string& path, bool forWrite) override {
    if (!failOpen || forWrite || !Matches(path)) return false;
    failOpen = false;
    return true;
  }
  size_t LimitWrite(const std::string& path, size_t n) override {
    if (shortWrites > 0 && Matches(path)) {
      --shortWrites;
      return n / 2;
    }
    return n;
  }
  bool failOpen = false;
  int shortWrites = 0;

 private:
  bool Matches(const std::string& path) const { return platform::SameText(path, path_); }
  std::string path_;
};

TEST_F(IndexRun, ShortWriteRetriedCompletesTheFile) {
  Open({{"http://h/a.htm", "Haus"}});
  EXPECT_FALSE(Run());
  const std::string whole = Output();

  FailingOnce faults(targetDir_ + "\\suche.js");
  faults.shortWrites = 1;
  platform::ScriptedUi ui;
  ui.Push(platform::mrYes);
  EXPECT_FALSE(Run());
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_THAT(ui.Requests()[0].text, testing::HasSubstr("Aktion: " + targetDir_ + "\\suche.js"));
  EXPECT_EQ(Output(), whole);
}

TEST_F(IndexRun, TemplateThatCannotBeOpenedEndsTheRun) {
  platform::WriteFileBytes(targetDir_ + "\\suche.js", "alt");
  Open({{"http://h/a.htm", "Haus"}});
  FailingOnce faults(templateDir_ + "\\suche.js");
  faults.failOpen = true;
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  EXPECT_TRUE(Run());
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 1000);
  EXPECT_EQ(Output(), "alt");
}

// --- The parser's page steps ------------------------------------------------------------

TEST_F(IndexRun, ParserResetsTheDescriptionOfTheLastRun) {
  auto& p = Open({{"http://h/a.htm", "<title>A</title><meta name=\"description\" content=\"B\">Wort"}});
  core::THinweisDlg window;
  window.Show();
  core::ProgressRun run(window);
  for (int round = 0; round < 2; ++round) {
    p.ClearRunData();
    bool abort = false;
    core::tParser parser(p, 0, source_, abort);
    parser.ParsePage(run, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(p.Pages()[0]->description, "<b>A</b><br>B");
    EXPECT_EQ(p.Pages()[0]->words.Lines(), (Lines{"Wort"}));
  }
  // The META description alone, when the page lost its title.
  source_.Put("http://h/a.htm", "<meta name=\"description\" content=\"B\">Wort");
  p.ClearRunData();
  bool abort = false;
  core::tParser parser(p, 0, source_, abort);
  parser.ParsePage(run, abort);
  EXPECT_EQ(p.Pages()[0]->description, "B");
}

TEST_F(IndexRun, ParserFiltersWordsAndStopsWhenTheWindowCloses) {
  auto& p = Open({{"http://h/a.htm", "ab abc <img alt=\"xy Bild\"> 1999 Haus"}});
  core::THinweisDlg window;
  window.Show();
  core::ProgressRun run(window);
  bool abort = false;
  {
    core::tParser parser(p, 0, source_, abort);
    parser.ParsePage(run, abort);
  }
  EXPECT_FALSE(abort);
  EXPECT_EQ(p.Pages()[0]->words.Lines(), (Lines{"abc", "Bild", "Haus"}));

  p.ClearRunData();
  p.Pages()[0]->manualDescription = "Hand";
  window.Hide();
  core::tParser parser(p, 0, source_, abort);
  parser.ParsePage(run, abort);
  EXPECT_TRUE(abort);
  // Cancelled before the page steps: the manual description was not applied.
  EXPECT_EQ(p.Pages()[0]->description, "");
}

}  // namespace
