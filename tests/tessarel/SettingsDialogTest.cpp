// The analysis settings dialog: its rules directly, the dialog through the
// modal seam and its controls' events.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tessarel/AnalyseRules.h"
#include "tessarel/einstellung.h"
#include "tessarel/projektVerwaltung.h"
#include "tests/platform/BaseTestFolder.h"
#include "tests/support/GuiPump.h"

namespace {

using Lines = std::vector<std::string>;

platform::ScriptedUi::Handler Answer(int result, std::vector<std::pair<std::string, std::string>> assignments) {
  return [result, assignments](platform::UiRequest& r) {
    for (const auto& [name, value] : assignments) EXPECT_TRUE(r.form->SetControlValue(name, value)) << name;
    return result;
  };
}

TEST(Exclusions, StoredJoinedByCommaShownOnePerLine) {
  // The empty entry (files without extension) is kept once.
  EXPECT_EQ(tessarel::ExclusionEntries(",*~, pdf ,,ps"), (Lines{"", "*~", "pdf", "ps"}));
  EXPECT_EQ(tessarel::ExclusionEntries("pdf,ps,js,ps"), (Lines{"pdf", "ps", "js", "ps"}));
  EXPECT_EQ(tessarel::ExclusionEntries(""), Lines{});
  // Line breaks typed into the memo never reach a pattern.
  EXPECT_EQ(tessarel::StoreExclusions({"xml", " pdf,ps ", "", "  ", "doc\r"}), "xml,pdf,ps,,doc");
  EXPECT_EQ(tessarel::StoreExclusions({"", "pdf", " "}), ",pdf");
  EXPECT_EQ(tessarel::StoreExclusions({}), "");
}

TEST(Exclusions, AutomationSwitchMatchesWholeEntriesOnly) {
  const struct {
    Lines before;
    bool ticked;
    const char* kind;
    int answer;  // to the question; 0: none asked
    Lines after;
    bool notice;
  } cases[] = {
      {{"docx", "pdf", "ps"}, true, "PDF", 0, {"docx", "ps"}, true},
      {{"docx", "pptx"}, true, "DOC", 0, {"docx", "pptx"}, false},
      {{"docx"}, false, "DOC", platform::mrYes, {"docx", "DOC"}, false},
      {{}, false, "PPT", platform::mrNo, {}, false},
      {{"Xls "}, false, "XLS", 0, {"Xls "}, false},
  };
  for (const auto& c : cases) {
    platform::ScriptedUi ui;
    if (c.notice) ui.Push(platform::mrOk);
    if (c.answer) ui.Push(c.answer);
    Lines entries = c.before;
    tessarel::ToggleExclusion(entries, c.ticked, c.kind);
    EXPECT_EQ(entries, c.after) << c.kind;
    EXPECT_EQ(ui.Pending(), 0u) << c.kind;
    EXPECT_FALSE(ui.RanDry()) << c.kind;
  }
}

TEST(Widths, AMinimumAboveTheMaximumAsks) {
  const struct {
    int min, max, answer, result;
  } minimum[] = {{50, 40, platform::mrYes, 0}, {50, 40, platform::mrNo, 40}, {50, 0, 0, 50}, {30, 40, 0, 30}};
  for (const auto& c : minimum) {
    platform::ScriptedUi ui;
    if (c.answer) ui.Push(c.answer);
    EXPECT_EQ(tessarel::CheckedMinimum(c.min, c.max), c.result);
    EXPECT_EQ(ui.Requests().size(), c.answer ? 1u : 0u);
  }
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  EXPECT_EQ(tessarel::CheckedMaximum(50, 40), 50);
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].text, "Sie unterschreiten die Mindestbreite. Wollen Sie,\rda\xDF nur die Mindestbreite gepr\xFC" "ft wird?");
}

TEST(DriveRoot, AskedWhenPagesWouldGoBesideEveryDocumentOfADrive) {
  const struct {
    const char* folder;
    bool commonFrame, asked;
  } cases[] = {{"C:", false, true},         {"d:\\", false, true},           {"C:\\docs", false, false},
               {"C:", true, false},         {"\\\\server\\share", false, false}, {"C:x", false, false}};
  for (const auto& c : cases) {
    platform::ScriptedUi ui;
    ui.Push(platform::mrNo);
    EXPECT_EQ(tessarel::ConfirmDocumentsFolder(c.folder, c.commonFrame), !c.asked) << c.folder;
    EXPECT_EQ(ui.Requests().size(), c.asked ? 1u : 0u) << c.folder;
  }
}

class SettingsDialog : public ::testing::Test {
 protected:
  SettingsDialog() {
    platform::ForceDirectories(docs_);
    project_.LoadProject();
    project_.DokumenteVerzeichnis = docs_;
    project_.RahmenVerzeichnis = docs_;
    project_.ExcludeDateiendungen = "pdf,ps";
    project_.OLEAutomationVerwenden = true;
    project_.OLEAutoPDFVerwenden = project_.OLEAutoDOCVerwenden = false;
    project_.OLEAutoXLSVerwenden = project_.OLEAutoPPTVerwenden = false;
    project_.SchlagwortbreiteMin = 3;
    project_.SchlagwortbreiteMax = 40;
  }
  BaseTestFolder dir_;
  std::string docs_ = dir_ / "docs";
  tessarel::TProjekt project_{dir_ / "p.tzn"};
};

TEST_F(SettingsDialog, ShowsTheMemoOnePerLineAndStoresItJoined) {
  platform::ScriptedUi ui;
  Lines shown;
  ui.Push([&](platform::UiRequest& r) {
    auto& dlg = static_cast<tessarel::TWizardEinstellungDlg&>(*r.form);
    shown = dlg.meoDateiendungen.Lines();
    EXPECT_TRUE(dlg.formats[0]->Enabled());
    dlg.meoDateiendungen.SetLines({"pdf", " xml ", "", "ps"});
    return Answer(platform::mrOk, {{"ckbPDF", "1"}, {"speWortbreiteMin", "7"}})(r);
  });
  ui.Push(platform::mrOk);  // the notice that PDF is no longer excluded
  tessarel::TWizardEinstellungDlg dlg({});
  EXPECT_EQ(dlg.Execute(project_), platform::mrOk);
  EXPECT_EQ(shown, (Lines{"pdf", "ps"}));
  // The empty line stands for the files without extension.
  EXPECT_EQ(project_.ExcludeDateiendungen, "xml,,ps");
  EXPECT_TRUE(project_.OLEAutoPDFVerwenden);
  EXPECT_EQ(project_.SchlagwortbreiteMin, 7);
  EXPECT_EQ(project_.DokumenteVerzeichnis, docs_);
  ASSERT_EQ(ui.Requests().size(), 2u);
  // A box asked from inside the form is recorded before it.
  EXPECT_EQ(ui.Requests()[0].text,
            "PDF-Dateien wurden bisher von der Analyse ausgeschlossen.\rIch l\xF6sche diese Dateiendung jetzt bei "
            "den\rauszuschlie\xDF" "enden Dateien.");
}

TEST_F(SettingsDialog, TheDefaultListComesBackUnchanged) {
  tessarel::TProjekt fresh(dir_ / "fresh.tzn");
  fresh.LoadProject();
  const std::string defaults = fresh.ExcludeDateiendungen;
  ASSERT_EQ(defaults.substr(0, 4), ",*~,");
  project_.ExcludeDateiendungen = defaults;
  platform::ScriptedUi ui;
  Lines shown;
  ui.Push([&](platform::UiRequest& r) {
    shown = static_cast<tessarel::TWizardEinstellungDlg&>(*r.form).meoDateiendungen.Lines();
    return platform::mrOk;
  });
  tessarel::TWizardEinstellungDlg dlg({});
  dlg.Execute(project_);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown[0], "");
  EXPECT_EQ(project_.ExcludeDateiendungen, defaults);
}

TEST_F(SettingsDialog, ADriveThatCannotBeReadIsIgnored) {
  // The documents lie on C:; Z:'s last folder is gone, so the tree cannot
  // move to Z:.
  ASSERT_EQ(docs_.substr(0, 2), "C:");
  struct LastFolderOfZ {
    LastFolderOfZ() { SetEnvironmentVariableA("=Z:", "Z:\\quarvelin-verschwunden\\ordner"); }
    ~LastFolderOfZ() { SetEnvironmentVariableA("=Z:", nullptr); }
  } gone;
  platform::ScriptedUi ui;
  ui.Push([&](platform::UiRequest& r) {
    auto& dlg = static_cast<tessarel::TWizardEinstellungDlg&>(*r.form);
    dlg.DriveComboBox1.SetDrive('z');
    EXPECT_EQ(dlg.DirectoryListBox1.Directory(), docs_);
    EXPECT_EQ(dlg.DriveComboBox1.Drive(), 'c');
    return platform::mrOk;
  });
  tessarel::TWizardEinstellungDlg dlg({});
  dlg.Execute(project_);
  EXPECT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(project_.DokumenteVerzeichnis, docs_);
}

TEST_F(SettingsDialog, UntickingAutomationAsksPerKindInOrder) {
  project_.ExcludeDateiendungen = "";
  platform::ScriptedUi ui;
  ui.Push(Answer(platform::mrOk, {{"ckbOLEVerwenden", "0"}}));
  for (int answer : {platform::mrYes, platform::mrNo, platform::mrNo, platform::mrYes}) ui.Push(answer);
  tessarel::TWizardEinstellungDlg dlg({});
  dlg.Execute(project_);
  ASSERT_EQ(ui.Requests().size(), 5u);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(ui.Requests()[i].text.find("komprimierten " + std::string(tessarel::kAutomationKinds[i]) + "-Dateien\r"),
              29u);
  EXPECT_EQ(project_.ExcludeDateiendungen, "PDF,PPT");
  EXPECT_FALSE(project_.OLEAutomationVerwenden);
  EXPECT_FALSE(dlg.formats[3]->Enabled());
}

TEST_F(SettingsDialog, AbbrechenLeavesTheProject) {
  platform::ScriptedUi ui;
  ui.Push(Answer(platform::mrCancel, {{"ckbRahmenVerzeichnis", "1"}, {"speWortbreiteMax", "2"}}));
  ui.Push(platform::mrYes);  // the width question the change brings
  tessarel::TWizardEinstellungDlg dlg({});
  EXPECT_EQ(dlg.Execute(project_), platform::mrCancel);
  EXPECT_FALSE(project_.GemeinsamesRahmenVerzeichnis);
  EXPECT_EQ(project_.SchlagwortbreiteMax, 40);
  EXPECT_EQ(project_.ExcludeDateiendungen, "pdf,ps");
}

TEST_F(SettingsDialog, DifferentDrivesAskAndNoKeepsTheDialogOpen) {
  project_.GemeinsamesRahmenVerzeichnis = true;
  project_.RahmenVerzeichnis = "Z:\\tmp";
  platform::ScriptedUi ui;
  ui.Push(platform::mrOk);
  ui.Push(platform::mrNo);  // change them
  ui.Push(platform::mrOk);
  ui.Push(platform::mrYes);  // keep them
  tessarel::TWizardEinstellungDlg dlg({});
  EXPECT_EQ(dlg.Execute(project_), platform::mrOk);
  ASSERT_EQ(ui.Requests().size(), 4u);
  EXPECT_EQ(ui.Requests()[1].text.substr(0, 37), "Sie haben unterschiedliche Laufwerke\r");
  EXPECT_EQ(ui.Requests()[2].kind, platform::UiKind::ModalForm);
  EXPECT_EQ(project_.RahmenVerzeichnis, "Z:\\tmp");
}

// Minimum 10: a maximum typed key by key asks nothing while it is typed and
// keeps every key; once complete (the field left, OK) it is checked.
TEST_F(SettingsDialog, TypedWidthIsCheckedWhenCompleteAndNothingTypedIsLost) {
  project_.SchlagwortbreiteVerwenden = true;
  project_.SchlagwortbreiteMin = 10;
  project_.SchlagwortbreiteMax = 0;
  platform::ScriptedUi ui;
  tessarel::TWizardEinstellungDlg dlg({});
  dlg.FormShow(project_);
  dlg.Show();
  const auto type = [&](const std::string& text) {
    dlg.speWortbreiteMax.SetFocus();
    SendMessageA(dlg.speWortbreiteMax.Handle(), EM_SETSEL, 0, -1);
    for (char c : text) PostMessageA(dlg.speWortbreiteMax.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    guitest::PumpFor(30);
  };
  const auto leave = [&] {
    dlg.speWortbreiteMin.SetFocus();
    guitest::PumpFor(30);
  };

  type("15");
  EXPECT_EQ(dlg.speWortbreiteMax.Text(), "15");
  leave();
  EXPECT_TRUE(ui.Requests().empty());

  type("5");
  EXPECT_TRUE(ui.Requests().empty());
  ui.Push(platform::mrNo);
  leave();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(dlg.speWortbreiteMax.Text(), "10");

  // OK with a number still being typed: the check asks before the dialog
  // closes, as the modal loop asks OnClose.
  type("7");
  ui.Push(platform::mrYes);
  dlg.SetModalResult(platform::mrOk);
  platform::CloseAction action = platform::CloseAction::Hide;
  dlg.OnClose(action);
  dlg.Hide();
  ASSERT_EQ(ui.Requests().size(), 2u);
  dlg.FormClose(project_);
  EXPECT_EQ(project_.SchlagwortbreiteMax, 0);
  EXPECT_EQ(project_.SchlagwortbreiteMin, 10);
}

}  // namespace
