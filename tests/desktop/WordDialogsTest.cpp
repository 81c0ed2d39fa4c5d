// The shared word dialogs through the modal seam: scripted answers, form
// assignments and button presses, and what each leaves in the project.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/hinweis.h"
#include "desktop/SharedForms.h"
#include "desktop/beschreibung.h"
#include "desktop/liste.h"
#include "desktop/neueswort.h"
#include "desktop/stopwort.h"
#include "desktop/ueber.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/gui/TestingUi.h"
#include "tests/desktop/DesktopTestSupport.h"
#include "tests/support/OwnDesktop.h"

namespace {

using Lines = std::vector<std::string>;

// A modal form's answer: the assignments in order, then the result.
platform::ScriptedUi::Handler Answer(int result, std::vector<std::pair<std::string, std::string>> assignments) {
  return [result, assignments](platform::UiRequest& r) {
    for (const auto& [name, value] : assignments) {
      EXPECT_TRUE(r.form->SetControlValue(name, value)) << r.caption << ": " << name;
    }
    return result;
  };
}

TEST(WordEntry, GivesTheTypedWordOnOkOnly) {
  platform::ScriptedUi ui;
  std::string shown;
  ui.Push([&](platform::UiRequest& r) {
    shown = r.form->GetControlValue("edWort").value_or("?");
    r.form->SetControlValue("edWort", "Neu");
    return platform::mrOk;
  });
  ui.Push(Answer(platform::mrCancel, {{"edWort", "weg"}}));
  EXPECT_EQ(desktop::AskWord("Wort editieren", "alt"), "Neu");
  EXPECT_EQ(shown, "alt");
  EXPECT_EQ(desktop::AskWord("Neues Wort eingeben", ""), std::nullopt);
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[0].caption, "Wort editieren");
  EXPECT_EQ(ui.Requests()[1].caption, "Neues Wort eingeben");
}

TEST(AboutBox, ShowsTheVersionAndOpensTheProjectPages) {
  Lines pages;
  desktop::TUeberDlg about(desktop::SharedLayouts{}.about, [&](const std::string& page) {
    pages.push_back(page);
    return true;
  });
  EXPECT_EQ(about.lblVersion.Caption(), core::LoadStr(core::Txt::ProgramVersion));
  about.BtnHomepage.Click();
  about.btnEmail.Click();
  const std::string dir = core::ProgramDirectory();
  EXPECT_EQ(pages, (Lines{dir + "..\\homepage\\index.htm", dir + "..\\homepage\\mail.htm"}));
}

platform::TStringList Sorted(const Lines& lines) {
  platform::TStringList list;
  list.SetSorted(true);
  for (const auto& l : lines) list.Add(l);
  return list;
}

// A project whose template folder holds a stop-word list.
struct ReviewProject {
  ReviewProject() {
    platform::WriteFileBytes(stopFile, "der\r\nund\r\n");
    project = folder.Open(folder.WriteProject(
        "p.ovk", "StopwortListeVerwenden=1\r\nStopwortListe=stopwort.lst\r\n", {{"http://x/a.htm", "", ""}}));
  }
  desktoptest::ProjectFolder folder;
  std::string stopFile = folder.templateDir + "\\stopwort.lst";
  std::unique_ptr<core::TProjekt> project;
};

TEST(KeywordReviewDialog, StoresTheEditedWordsAndTheirCorrections) {
  ReviewProject p;
  ASSERT_TRUE(p.project);
  platform::TStringList words = Sorted({"alt", "bau", "Haus"});
  platform::TStringList log = Sorted({"-weg"});
  platform::ScriptedUi ui;
  ui.Push(Answer(platform::mrOk, {{"lbxWoerter", "alt"}, {"btnBearbeiten", "1"},  // alt -> neu
                                  {"lbxWoerter", "bau"}, {"btnLoeschen", "1"},    // asked, Yes
                                  {"btnEinfuegen", "1"},                          // HAUS: exists
                                  {"btnEinfuegen", "1"},                          // a,b: refused
                                  {"lbxWoerter", "neu"}, {"btnBearbeiten", "1"},  // neu -> "": refused
                                  {"ckbStopwortNachfragen", "1"}, {"lbxWoerter", "Haus"}, {"btnStopwort", "1"}}));
  ui.Push(Answer(platform::mrOk, {{"edWort", "neu"}}));
  ui.Push(platform::mrYes);
  ui.Push(Answer(platform::mrOk, {{"edWort", "HAUS"}}));
  ui.Push(platform::mrOk);
  ui.Push(Answer(platform::mrOk, {{"edWort", "a,b"}}));
  ui.Push(platform::mrOk);
  ui.Push(Answer(platform::mrOk, {{"edWort", ""}}));
  ui.Push(platform::mrOk);
  bool cancel = true;
  {
    desktop::TWoerterListeDlg dlg(*p.project, desktop::SharedLayouts{}.wordList, {});
    dlg.EditPageWords(words, log, cancel, "http://x/a.htm (0/9)");
  }
  EXPECT_FALSE(ui.RanDry());
  EXPECT_FALSE(cancel);
  EXPECT_EQ(words.Lines(), (Lines{"neu"}));
  EXPECT_EQ(log.Lines(), Sorted({"-weg", "+neu", "-alt", "-bau"}).Lines());
  EXPECT_EQ(platform::ReadFileBytes(p.stopFile), "der\r\nhaus\r\nund\r\n");

  // The question and the refusals, in order (the word entries between them).
  std::vector<std::pair<std::string, int>> boxes;
  for (const auto& r : ui.Requests())
    if (r.kind == platform::UiKind::MessageBox) boxes.emplace_back(r.text, r.helpContext);
  const auto text = [](core::Txt id, std::initializer_list<std::string> args) {
    return core::FormatStr(core::LoadStr(id), args);
  };
  EXPECT_EQ(boxes, (std::vector<std::pair<std::string, int>>{
                       {text(core::Txt::AskDeleteEntry, {"bau"}), 401},
                       {text(core::Txt::MsgWordExists, {"HAUS"}), 400},
                       {text(core::Txt::MsgKeywordCharacter, {"a,b", ","}), 400},
                       {core::LoadStr(core::Txt::MsgKeywordEmpty), 400}}));
}

TEST(KeywordReviewDialog, EmptyPageOffersInsertOnlyUntilAWordIsThere) {
  ReviewProject p;
  ASSERT_TRUE(p.project);
  platform::TStringList words = Sorted({});
  platform::TStringList log = Sorted({});
  desktop::TWoerterListeDlg dlg(*p.project, desktop::SharedLayouts{}.wordList, {});
  platform::ScriptedUi ui;
  ui.Push([&](platform::UiRequest&) {
    EXPECT_FALSE(dlg.btnBearbeiten.Enabled());
    EXPECT_FALSE(dlg.btnStopwort.Enabled());
    EXPECT_FALSE(dlg.ckbLoeschenNachfragen.Enabled());
    // Nothing is current: the commands on an entry do nothing.
    dlg.btnLoeschen.Click();
    dlg.btnBearbeiten.Click();
    dlg.btnEinfuegen.Click();
    EXPECT_TRUE(dlg.btnBearbeiten.Enabled());
    EXPECT_TRUE(dlg.btnStopwort.Enabled());
    EXPECT_EQ(dlg.lbxWoerter.Value(), "Neu");
    return platform::mrCancel;
  });
  ui.Push(Answer(platform::mrOk, {{"edWort", "Neu"}}));
  bool cancel = false;
  dlg.EditPageWords(words, log, cancel, "http://x/a.htm (0/0)");
  EXPECT_EQ(ui.Requests().size(), 2u);
  // Abbrechen ends the run and keeps the page as it was.
  EXPECT_TRUE(cancel);
  EXPECT_EQ(words.Count(), 0);
  EXPECT_EQ(log.Count(), 0);
}

TEST(KeywordReviewDialog, EscapeKeepsThePageWithoutWords) {
  ReviewProject p;
  ASSERT_TRUE(p.project);
  platform::TStringList words = Sorted({"alt", "bau"});
  platform::TStringList log = Sorted({"+bau"});
  platform::ScriptedUi ui;
  ui.Push([](platform::UiRequest& r) {
    // What the Esc key presses.
    r.form->CancelButton()->Click();
    return r.form->ModalResult();
  });
  bool cancel = true;
  desktop::TWoerterListeDlg dlg(*p.project, desktop::SharedLayouts{}.wordList, {});
  dlg.EditPageWords(words, log, cancel, "x");
  EXPECT_FALSE(cancel);
  EXPECT_EQ(words.Count(), 0);
  EXPECT_EQ(log.Lines(), (Lines{"+bau"}));
}

// Keys sent by a timer while the real dialog runs: where the focus is at
// first, each Tab until it is back on the list, then Enter.
struct KeyWalk {
  desktop::TWoerterListeDlg* dlg = nullptr;
  HWND first = nullptr;
  std::vector<HWND> visited;
  bool back = false;
  static inline KeyWalk* current = nullptr;
  static void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
    KeyWalk& w = *current;
    HWND focus = GetFocus();
    HWND list = w.dlg->lbxWoerter.Handle();
    if (!w.first) w.first = focus;
    else if (!w.back) w.visited.push_back(focus);
    if (w.visited.size() > 20 || (!w.visited.empty() && focus == list)) w.back = true;
    PostMessageA(focus ? focus : w.dlg->Handle(), WM_KEYDOWN, w.back ? VK_RETURN : VK_TAB, 1);
  }
};

TEST(KeywordReviewDialog, OpensOnTheListWhereEnterMeansOkAndTabPassesTheHeaderButton) {
  ReviewProject p;
  ASSERT_TRUE(p.project);
  platform::TStringList words = Sorted({"alt", "bau"});
  platform::TStringList log = Sorted({});
  bool cancel = true;
  desktop::TWoerterListeDlg dlg(*p.project, desktop::SharedLayouts{}.wordList, {});
  KeyWalk walk{&dlg};
  KeyWalk::current = &walk;
  const UINT_PTR timer = SetTimer(nullptr, 0, 40, &KeyWalk::Step);
  dlg.EditPageWords(words, log, cancel, "http://x/a.htm (0/0)");
  KillTimer(nullptr, timer);
  EXPECT_EQ(walk.first, dlg.lbxWoerter.Handle());
  EXPECT_TRUE(walk.back);
  EXPECT_GT(walk.visited.size(), 5u);
  for (HWND h : walk.visited) EXPECT_NE(h, dlg.BitBtn4.Handle());
  EXPECT_FALSE(cancel);
  EXPECT_EQ(words.Lines(), (Lines{"alt", "bau"}));
}

TEST(StopWordEditor, OkWritesTheListAbbrechenLeavesIt) {
  ReviewProject p;
  ASSERT_TRUE(p.project);
  for (const int result : {platform::mrCancel, platform::mrOk}) {
    platform::ScriptedUi ui;
    ui.Push(Answer(result, {{"btnEinfuegen", "1"}, {"lbxWoerter", "und"}, {"btnBearbeiten", "1"}}));
    ui.Push(Answer(platform::mrOk, {{"edWort", "ODER"}}));
    ui.Push(Answer(platform::mrOk, {{"edWort", "Und"}}));
    EXPECT_EQ(desktop::EditProjectStopWords(*p.project, desktop::SharedLayouts{}, {}), result == platform::mrOk);
  }
  EXPECT_EQ(p.project->StopWords().Lines(), (Lines{"der", "oder", "Und"}));
  EXPECT_EQ(platform::ReadFileBytes(p.stopFile), "der\r\noder\r\nUnd\r\n");
}

// Closes the progress window of an import soon after it opened.
void CALLBACK CloseProgress(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (core::HinweisDlg()) core::HinweisDlg()->btnKnopfClick();
}

TEST(StopWordEditor, ImportAddsNewWordsAndReportsAnEmptyOrCancelledFile) {
  ReviewProject p;
  ASSERT_TRUE(p.project);
  const std::string importFile = p.folder.folder / "import.txt";
  std::string many;
  for (int i = 0; i < 20000; ++i) many.append("w").append(std::to_string(i)).append("\r\n");
  const struct {
    std::string content;
    bool closeWindow;
    const char* message;  // nullptr: none
    int wordsAfter;       // -1: fewer than all
  } cases[] = {
      {"DER\r\nOder\r\n", false, nullptr, 3},
      {"", false, "Keine Stopworte gefunden.", 2},
      {many, true, "Datei konnte nicht vollst\xE4ndig\rbearbeitet werden. Breche ab.", -1},
  };
  for (const auto& c : cases) {
    platform::WriteFileBytes(importFile, c.content);
    platform::ScriptedUi ui;
    ui.Push(Answer(platform::mrCancel, {{"btnEinfuegenDatei", "1"}}));
    int words = 0;
    desktop::DialogServices services;
    services.selectFile = [&](const std::string& title, const std::string& filter, std::string& file) {
      EXPECT_EQ(title, "Stopwortedatei w\xE4hlen");
      EXPECT_EQ(filter, "*.lst;*.txt|*.lst;*.txt");
      if (c.closeWindow) SetTimer(nullptr, 0, 1, CloseProgress);
      file = importFile;
      return true;
    };
    desktop::TStopwortlisteDlg dlg(desktop::SharedLayouts{}.stopWords, services);
    ui.Push([&](platform::UiRequest& r) {
      words = dlg.lbxWoerter.Count();
      EXPECT_EQ(r.text, c.message ? c.message : "");
      return platform::mrOk;
    });
    bool cancel = false;
    dlg.EditStopWords(p.project->StopWords(), p.stopFile, cancel);
    if (!c.message) words = dlg.lbxWoerter.Count();
    EXPECT_EQ(ui.Requests().size(), c.message ? 2u : 1u) << c.content.size();
    if (c.wordsAfter >= 0) EXPECT_EQ(words, c.wordsAfter) << c.content.size();
    else EXPECT_TRUE(words > 2 && words < 20002) << words;
    EXPECT_EQ(core::HinweisDlg(), nullptr);
  }
  EXPECT_EQ(platform::ReadFileBytes(p.stopFile), "der\r\nund\r\n");
}

TEST(DescriptionDialog, StoresTheTextAndKeepsAChangedOneAsManual) {
  desktoptest::ProjectFolder folder;
  std::vector<desktoptest::TestPage> pages;
  for (int i = 0; i < 10; ++i) pages.push_back({"http://x/" + std::to_string(i) + ".htm", "", ""});
  auto project = folder.Open(folder.WriteProject("p.ovk", "", pages));
  ASSERT_TRUE(project);
  core::TSchlagwortDatei& page = *project->Pages()[0];
  const struct {
    const char* what;
    platform::ScriptedUi::Handler answer;
    bool cancel;
    const char* description;
    const char* manual;
  } cases[] = {
      {"unchanged", Answer(platform::mrOk, {}), false, "Gr&uuml;n & blau", ""},
      {"two lines", Answer(platform::mrOk, {{"meoBeschreibung", " Zeile eins\r\nZeile zwei\r\n"}}), false,
       "Zeile einsZeile zwei", "Zeile einsZeile zwei"},
      {"Abbrechen", Answer(platform::mrCancel, {{"meoBeschreibung", "weg"}}), true, "Gr&uuml;n &amp; blau", ""},
  };
  for (const auto& c : cases) {
    page.description = "Gr&uuml;n &amp; blau";
    page.manualDescription.clear();
    platform::ScriptedUi ui;
    std::string shown, line;
    ui.Push([&](platform::UiRequest& r) {
      shown = r.form->GetControlValue("meoBeschreibung").value_or("?");
      line = static_cast<desktop::TBeschreibungDlg*>(r.form)->lblDateiname.Caption();
      return c.answer(r);
    });
    bool cancel = !c.cancel;
    desktop::TBeschreibungDlg dlg(*project, desktop::SharedLayouts{}.description, {});
    dlg.EditPageDescription(0, cancel);
    EXPECT_EQ(shown, "Gr\xFCn & blau") << c.what;
    EXPECT_EQ(line, "http://x/0.htm (0/9)") << c.what;
    EXPECT_EQ(cancel, c.cancel) << c.what;
    EXPECT_EQ(page.description, c.description) << c.what;
    EXPECT_EQ(page.manualDescription, c.manual) << c.what;
  }
}

TEST(DescriptionDialog, TagButtonsWrapTheSelectionOrInsertAtTheCaret) {
  desktoptest::ProjectFolder folder;
  auto project = folder.Open(folder.WriteProject("p.ovk", "", {{"http://x/a.htm", "", ""}}));
  ASSERT_TRUE(project);
  desktop::TBeschreibungDlg dlg(*project, desktop::SharedLayouts{}.description, {});
  dlg.meoBeschreibung.SetText("Haus am See");
  dlg.meoBeschreibung.SetSelStart(4);
  dlg.Button1.Click();
  EXPECT_EQ(dlg.meoBeschreibung.Text(), "Haus<b></b> am See");
  dlg.meoBeschreibung.SetSelStart(15);
  dlg.meoBeschreibung.SetSelLength(3);
  dlg.Button2.Click();
  EXPECT_EQ(dlg.meoBeschreibung.Text(), "Haus<b></b> am <i>See</i>");
}

}  // namespace
