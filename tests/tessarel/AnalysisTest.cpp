// The analysis run and its keyword pages, and Tessarel's progress window.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "coregui/hinweis.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tessarel/SchlagwortSeite.h"
#include "tessarel/analyse.h"
#include "tessarel/hinweis.h"
#include "tessarel/projektVerwaltung.h"
#include "tests/platform/BaseTestFolder.h"
#include "tests/support/UnixFiles.h"

namespace {

using tessarel::Projekt;
using tessarel::TProjekt;
using Lines = std::vector<std::string>;

platform::TStringList Keywords(std::initializer_list<std::string> words) {
  platform::TStringList l;
  l.SetSorted(true);
  for (const auto& w : words) l.Add(w);
  return l;
}

TEST(KeywordPage, SectionsFollowTheFirstLetterAsFirstMet) {
  EXPECT_EQ(tessarel::KeywordBody(Keywords({"apfel", "Birne", "birke"})),
            "<br><P ALIGN=\"CENTER\"><A HREF=\"#A97\">A</A> <A HREF=\"#A98\">B</A></P>"
            "<H2><A NAME=\"A97\"></A>A</H2><P>apfel</P>"
            "<H2><A NAME=\"A98\"></A>B</H2><P>birke, Birne</P>");
  // The letter link is encoded, the heading and the words are not.
  EXPECT_EQ(tessarel::KeywordBody(Keywords({"\xE4pfel", "a&b"})),
            "<br><P ALIGN=\"CENTER\"><A HREF=\"#A97\">A</A> <A HREF=\"#A228\">&Auml;</A></P>"
            "<H2><A NAME=\"A97\"></A>A</H2><P>a&b</P>"
            "<H2><A NAME=\"A228\"></A>\xC4</H2><P>\xE4pfel</P>");
}

TEST(KeywordPage, FileNamesAndLinks) {
  using tessarel::PageFileName;
  using tessarel::PageLinkText;
  EXPECT_EQ(PageFileName("C:\\docs", "sub\\My Report.doc", false, "C:\\out"), "C:\\docs\\sub\\My_Report_doc.htm");
  EXPECT_EQ(PageFileName("C:\\docs\\", "a.b.doc", false, ""), "C:\\docs\\a_b_doc.htm");
  EXPECT_EQ(PageFileName("C:\\docs", "sub\\My Report.doc", true, "C:\\out"), "C:\\out\\sub_My_Report_doc.htm");
  EXPECT_EQ(PageLinkText("C:\\docs", "sub\\My Report.doc", false, "C:\\out", false), "My Report.doc");
  EXPECT_EQ(PageLinkText("C:\\site\\docs", "sub\\a.doc", true, "C:\\site\\out", false), "../docs/sub/a.doc");
  EXPECT_EQ(PageLinkText("D:\\docs", "a.doc", true, "C:\\out", false), "file:///D|/docs/a.doc");
  // Relative folders lie below the current one; "C:" is the drive's root.
  EXPECT_EQ(PageLinkText("dokumente", "a.doc", true, "seiten", false), "../dokumente/a.doc");
  EXPECT_EQ(PageLinkText("C:\\docs", "a.doc", true, "C:", false), "docs/a.doc");
  // Characters a Linux file name may hold cannot break the link or the page.
  EXPECT_EQ(PageLinkText("Z:\\d", "x\"><b>.doc", false, "", false), "x&quot;&gt;&lt;b&gt;.doc");
}

TEST(KeywordPage, FooterCarriesTheDateAndTime) {
  const platform::TDateTime t = 45000.5;
  EXPECT_EQ(tessarel::PageFooter(t),
            "<SMALL><b>Stand: " + platform::ShortDateString(t) + ", " + platform::LongTimeString(t) +
                "</b>. Erzeugt mit <A HREF=\"https://quarvelin.example/tessarel/\" TARGET=\"_parent\">"
                "Quarvelin&trade;</A> Tessarel, dem Indexierer f&uuml;r Bin&auml;rdateien.</SMALL>");
}

// Limits the writes to one file to nothing: the disk is full.
struct FullDisk : platform::FileFaults {
  std::string path;
  size_t LimitWrite(const std::string& p, size_t n) override { return p == path ? 0 : n; }
};

class AnalysisRun : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ForceDirectories(docs_);
    platform::ForceDirectories(vorlage_);
    platform::WriteFileBytes(vorlage_ + "\\extract.htm", kTemplate);
    auto p = std::make_unique<TProjekt>(dir_ / "p.tzn");
    p->LoadProject();
    p->DokumenteVerzeichnis = docs_;
    p->VorlagenVerzeichnis = vorlage_;
    p->considered = p->analysed = p->keywords = p->average = p->duration = "vorher";
    tessarel::SetProjekt(std::move(p));
    platform::SetClockForTest([this] { return now_; });
  }
  void TearDown() override {
    platform::SetFileFaults(nullptr);
    platform::SetClockForTest({});
    tessarel::SetProjekt(nullptr);
  }

  // Runs as the main window and the batch mode do; true when cancelled.
  bool Run() {
    bool abort = false;
    TProjekt& p = *Projekt();
    tessarel::tAnalyse run(p.DokumenteVerzeichnis, abort, p.GemeinsamesRahmenVerzeichnis, p.RahmenVerzeichnis);
    documents_ = run.Documents().Lines();
    if (!abort) run.Analyse(abort);
    skipped_ = run.Skipped().Lines();
    std::sort(skipped_.begin(), skipped_.end());
    return abort;
  }
  void Doc(const std::string& relative, const std::string& text) { platform::WriteFileBytes(docs_ + "\\" + relative, text); }
  std::string Page(const std::string& name) { return platform::ReadFileBytes(docs_ + "\\" + name); }
  std::string Footer() const { return tessarel::PageFooter(now_); }
  Lines Results() const {
    const TProjekt& p = *Projekt();
    return {p.considered, p.analysed, p.keywords, p.average, p.duration};
  }

  static constexpr const char* kTemplate =
      "<HTML><H1><A HREF=\"<!--Tessarel: Filename-->\"><!--Tessarel: Filename--></A></H1>\r\n"
      "<!--Tessarel: Keywords-->\n"
      "<!--Tessarel: Date--> | <!--Tessarel: Date-->\r"
      "</HTML>";
  BaseTestFolder dir_;
  std::string docs_ = dir_ / "docs";
  std::string vorlage_ = dir_ / "vorlage";
  platform::TDateTime now_ = 45000.25;
  Lines documents_;
  Lines skipped_;
};

TEST_F(AnalysisRun, WritesThePageBesideTheDocumentAndSkipsItWhenUpToDate) {
  Doc("a.doc", "apfel Birne, birke ab");
  Doc("B.pdf", "pdf");
  Doc("c.txt", "text");
  Doc("seite.htm", "<b>");
  EXPECT_FALSE(Run());
  EXPECT_EQ(documents_, Lines{"a.doc"});
  EXPECT_EQ(Page("a_doc.htm"),
            "<HTML><H1><A HREF=\"a.doc\">a.doc</A></H1>\r\n"
            "<br><P ALIGN=\"CENTER\"><A HREF=\"#A97\">A</A> <A HREF=\"#A98\">B</A></P>"
            "<H2><A NAME=\"A97\"></A>A</H2><P>apfel</P><H2><A NAME=\"A98\"></A>B</H2><P>birke, Birne</P>\r\n" +
                Footer() + " | " + Footer() + "\r\n</HTML>\r\n");
  EXPECT_EQ(Results(), (Lines{"1", "1", "3", "3", "00:00.00"}));
  EXPECT_EQ(platform::App().Title(), core::LoadStr(core::Txt::ProgramTitle));

  EXPECT_FALSE(Run());
  EXPECT_EQ(Results(), (Lines{"1", "0", "0", "0", "00:00.00"}));

  Projekt()->UpdateHTMLDatei = true;
  EXPECT_FALSE(Run());
  EXPECT_EQ(Results()[1], "1");
}

TEST_F(AnalysisRun, CollectsSubFoldersSortedAndPassesOverDotFolders) {
  Doc("Zeta.doc", "x");
  platform::ForceDirectories(docs_ + "\\sub\\tief");
  platform::ForceDirectories(docs_ + "\\.versteckt");
  Doc("sub\\tief\\b.doc", "x");
  Doc("sub\\A.rtf", "x");
  Doc(".versteckt\\c.doc", "x");
  Projekt()->ExcludeDateiendungen = "rtf";
  EXPECT_FALSE(Run());
  EXPECT_EQ(documents_, (Lines{"sub\\tief\\b.doc", "Zeta.doc"}));
}

// A document that no path can name, or whose page no path can name, is
// passed over and reported, unless the exclusions would have taken it out
// anyway; the rest is analysed.
TEST_F(AnalysisRun, DocumentsNoPathCanNameAreSkippedAndReported) {
  Doc("a.doc", "apfel");
  const std::string l(120, 'l'), m(120, 'm');
  // The document's path stays below MAX_PATH, its page's does not.
  const std::string edge(MAX_PATH - 1 - docs_.size() - 1 - l.size() - 1 - 5, 'e');
  UnixFiles odd(docs_, {"\xCE\xB1.doc", "b?c.doc", "x|y.txt", "\xE6\x97\xA5/d.doc", l + "/" + m + "/f.doc",
                        l + "/" + edge + ".doc"});
  if (!odd.Made()) GTEST_SKIP() << "needs Wine";
  EXPECT_FALSE(Run());
  EXPECT_EQ(documents_, (Lines{"a.doc", l + "\\" + edge + ".doc"}));
  EXPECT_EQ(skipped_, (Lines{"?.doc", "?\\", "b?c.doc", l + "\\" + edge + ".doc", l + "\\" + m + "\\f.doc"}));
  EXPECT_EQ(Results()[0], "2");
  EXPECT_EQ(Results()[1], "1");
  EXPECT_EQ(Page("a_doc.htm").empty(), false);
}

TEST_F(AnalysisRun, CommonFrameFolderGetsPagesNamedAfterThePathAndLinksBack) {
  const std::string frame = dir_ / "rahmen";
  platform::ForceDirectories(frame);
  platform::ForceDirectories(docs_ + "\\sub");
  Doc("sub\\My Report.doc", "bericht");
  Projekt()->GemeinsamesRahmenVerzeichnis = true;
  Projekt()->RahmenVerzeichnis = frame;
  EXPECT_FALSE(Run());
  const std::string page = platform::ReadFileBytes(frame + "\\sub_My_Report_doc.htm");
  EXPECT_EQ(page.substr(0, page.find("\r\n")),
            "<HTML><H1><A HREF=\"../docs/sub/My Report.doc\">../docs/sub/My Report.doc</A></H1>");
}

TEST_F(AnalysisRun, RawReadDocumentsLoseTheirGarbageWords) {
  Doc("n.dat", "zzz Mississippi abcdef");
  Projekt()->ExcludeDateiendungen = "";
  EXPECT_FALSE(Run());
  const std::string all = Page("n_dat.htm");
  EXPECT_NE(all.find("<P>zzz</P>"), std::string::npos) << all;
  EXPECT_NE(all.find("<P>abcdef</P>"), std::string::npos);
  // With automation on, a format no application reads goes to the raw reader
  // and its words through the garbage tests.
  Projekt()->OLEAutomationVerwenden = true;
  Projekt()->UpdateHTMLDatei = true;
  EXPECT_FALSE(Run());
  const std::string page = Page("n_dat.htm");
  EXPECT_NE(page.find("<P>Mississippi</P>"), std::string::npos) << page;
  EXPECT_EQ(page.find("zzz"), std::string::npos);
  EXPECT_EQ(page.find("abcdef"), std::string::npos);
}

TEST_F(AnalysisRun, AnEmptyDocumentHasNoWordsWhicheverReaderItGoesTo) {
  for (const char* name : {"leer.doc", "leer.pdf", "leer.xls", "leer.ppt", "leer.dat"}) Doc(name, "");
  Projekt()->ExcludeDateiendungen = "";
  for (const bool automation : {false, true}) {
    Projekt()->OLEAutomationVerwenden = automation;
    EXPECT_FALSE(Run());
    EXPECT_EQ(Results()[2], "0") << automation;
    for (const char* page : {"leer_doc.htm", "leer_pdf.htm", "leer_xls.htm", "leer_ppt.htm", "leer_dat.htm"})
      EXPECT_FALSE(platform::FileExists(docs_ + "\\" + page)) << page << " " << automation;
  }
}

TEST(KeywordCollector, GivesTheListThatAddingOneByOneGives) {
  const std::vector<std::string> pieces = {"Stra\xDF" "e", "strasse", "co-op", "coop", "Apfel", "apfel",
                                           "\xC4pfel", "o'neil", "x", "X1", "\xE6", "ae"};
  tessarel::KeywordCollector collector;
  platform::TStringList oneByOne;
  oneByOne.SetSorted(true);
  oneByOne.SetDuplicates(platform::TDuplicates::dupIgnore);
  unsigned seed = 1;
  for (int i = 0; i < 2000; ++i) {
    seed = seed * 1103515245u + 12345u;
    std::string word = pieces[(seed >> 16) % pieces.size()];
    if (i % 3 == 0) word += pieces[(seed >> 8) % pieces.size()];
    EXPECT_EQ(collector.Add(word), oneByOne.IndexOf(word) < 0) << word;
    oneByOne.Add(word);
    ASSERT_EQ(collector.Count(), oneByOne.Count());
  }
  EXPECT_EQ(collector.Sorted().Lines(), oneByOne.Lines());
  collector.Clear();
  EXPECT_EQ(collector.Count(), 0);
}

TEST_F(AnalysisRun, StopListsAndTheKeywordLimit) {
  Doc("a.doc", "und vier eins zwei drei");
  TProjekt& p = *Projekt();
  p.stopWords.Add("UND");
  p.stopCharacters.Add("v,1");
  p.AnzahlSchlagworteMax = 2;
  EXPECT_FALSE(Run());
  EXPECT_NE(Page("a_doc.htm").find("<P>eins</P><H2><A NAME=\"A122\"></A>Z</H2><P>zwei</P>\r\n"), std::string::npos);
  EXPECT_EQ(Results()[2], "2");
}

TEST_F(AnalysisRun, AMissingTemplateGivenUpCancelsWithoutPageOrResults) {
  Doc("a.doc", "apfel");
  Doc("b.doc", "birne");
  Projekt()->Rahmen = "fehlt.htm";
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  EXPECT_TRUE(Run());
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 0);
  EXPECT_EQ(ui.Requests()[0].text.find("Aktion: " + vorlage_ + "\\fehlt.htm zum Lesen \xF6" "ffnen\r\rException: "),
            0u);
  EXPECT_FALSE(platform::FileExists(docs_ + "\\a_doc.htm"));
  EXPECT_FALSE(platform::FileExists(docs_ + "\\b_doc.htm"));
  EXPECT_EQ(Results(), (Lines(5, "vorher")));
  EXPECT_EQ(platform::App().Title(), core::LoadStr(core::Txt::ProgramTitle));
}

TEST_F(AnalysisRun, AFailedWriteGivenUpLeavesThePreviousPageWhole) {
  Doc("a.doc", "apfel");
  platform::WriteFileBytes(docs_ + "\\a_doc.htm", "alt");
  Projekt()->UpdateHTMLDatei = true;
  FullDisk full;
  full.path = docs_ + "\\a_doc.htm";
  platform::SetFileFaults(&full);
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  EXPECT_TRUE(Run());
  platform::SetFileFaults(nullptr);
  ASSERT_EQ(ui.Requests().size(), 1u);
  // A half page would count as up to date at the next run.
  EXPECT_EQ(Page("a_doc.htm"), "alt");
  EXPECT_FALSE(platform::FileExists(platform::ReplacementTempPath(docs_ + "\\a_doc.htm")));
  EXPECT_EQ(Results(), (Lines(5, "vorher")));
  // What a page write cut off by a kill leaves is no document of the next run.
  platform::WriteFileBytes(platform::ReplacementTempPath(docs_ + "\\a_doc.htm"), "<HTML>");
  EXPECT_FALSE(Run());
  EXPECT_EQ(documents_, Lines{"a.doc"});
  EXPECT_FALSE(platform::FileExists(platform::ReplacementTempPath(docs_ + "\\a_doc.htm")));
}

// The user closes the progress window while the first document is read.
struct CloseWindowOnRead : platform::FileFaults {
  int reads = 0;
  bool FailRead(const std::string& path) override {
    if (path.find(".doc") != std::string::npos && ++reads == 1 && core::HinweisDlg()) core::HinweisDlg()->Hide();
    return false;
  }
};

TEST_F(AnalysisRun, ClosingTheWindowMidDocumentEndsTheRunThere) {
  Doc("a.doc", "apfel birne");
  Doc("b.doc", "kirsche");
  CloseWindowOnRead closer;
  platform::SetFileFaults(&closer);
  platform::ScriptedUi ui;
  EXPECT_TRUE(Run());
  EXPECT_EQ(closer.reads, 1);  // b.doc is never opened
  EXPECT_TRUE(ui.Requests().empty());
  EXPECT_FALSE(platform::FileExists(docs_ + "\\a_doc.htm"));
  EXPECT_FALSE(platform::FileExists(docs_ + "\\b_doc.htm"));
  EXPECT_EQ(Results(), (Lines(5, "vorher")));
}

struct LockedDocument : platform::FileFaults {
  bool FailOpen(const std::string& path, bool forWrite) override {
    return !forWrite && path.find("a.doc") != std::string::npos;
  }
};

TEST_F(AnalysisRun, GivingUpADocumentThatWillNotOpenAsksOnce) {
  Doc("a.doc", "apfel");
  Doc("b.doc", "birne");
  LockedDocument locked;
  platform::SetFileFaults(&locked);
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);  // try again? no
  ui.Push(platform::mrOk);  // the file may be in use
  EXPECT_TRUE(Run());
  EXPECT_EQ(ui.Requests().size(), 2u);
  EXPECT_FALSE(ui.RanDry());
  EXPECT_FALSE(platform::FileExists(docs_ + "\\b_doc.htm"));
  EXPECT_EQ(Results(), (Lines(5, "vorher")));
}

TEST_F(AnalysisRun, AutomationErrorsOfEveryDocumentRemain) {
  Doc("x1.pdf", "kein pdf");
  Doc("x2.pdf", "auch keins");
  TProjekt& p = *Projekt();
  p.ExcludeDateiendungen = "";
  p.OLEAutomationVerwenden = true;
  p.automationErrors.Add("von fr\xFCher");
  EXPECT_FALSE(Run());
  ASSERT_EQ(p.automationErrors.Count(), 2) << p.automationErrors.Text();
  EXPECT_EQ(p.automationErrors[0].find("-> " + docs_ + "\\x1.pdf \xFC" "ber Acrobat Exchange lesen, Exception: "), 0u);
  EXPECT_EQ(p.automationErrors[1].find("-> " + docs_ + "\\x2.pdf \xFC" "ber Acrobat Exchange lesen, Exception: "), 0u);
  // Neither yields a word, so neither gets a page; both count as analysed.
  EXPECT_EQ(Results()[1], "2");
  EXPECT_FALSE(platform::FileExists(docs_ + "\\x1_pdf.htm"));
}

void ExpectTop(const platform::Control& c, int left, int top) {
  EXPECT_EQ(c.Bounds().left, left) << c.Name();
  EXPECT_EQ(c.Bounds().top, top) << c.Name();
}

TEST(ProgressWindow, HasASecondRowAndFoldsToOne) {
  tessarel::THinweisDlg dlg;
  EXPECT_EQ(dlg.ClientWidth(), 379);
  EXPECT_EQ(dlg.ClientHeight(), 166);
  ExpectTop(dlg.lblAnzeige, 8, 16);
  ExpectTop(dlg.pbFortschritt2, 9, 44);
  EXPECT_EQ(dlg.pbFortschritt2.Bounds().width, 363);
  EXPECT_EQ(dlg.pbFortschritt2.Max(), 100);
  ExpectTop(dlg.lblAnzeige2, 8, 72);
  ExpectTop(dlg.pbFortschritt, 9, 96);
  ExpectTop(dlg.btnKnopf, 143, 130);
  ExpectTop(dlg.lblBisherText, 8, 136);
  ExpectTop(dlg.lblNoch, 328, 136);

  dlg.SingleBar();
  RECT r{};
  GetWindowRect(dlg.Handle(), &r);
  EXPECT_EQ(r.bottom - r.top, 137);
  EXPECT_FALSE(dlg.lblAnzeige2.Visible());
  EXPECT_FALSE(dlg.pbFortschritt2.Visible());
  ExpectTop(dlg.pbFortschritt, 9, 44);
  ExpectTop(dlg.btnKnopf, 143, 74);
}

}  // namespace
