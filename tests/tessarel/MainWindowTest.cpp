// Tessarel's main window: the analysis command's loop and summary, the
// wizard's pages and what it saves, and the stop-list editors, through the
// modal seam on the interactive project beside the test program.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "coregui/ULanguage.h"
#include "coregui/hinweis.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "platform/gui/TopWindow.h"
#include "tessarel/ini.h"
#include "tessarel/menue.h"
#include "tessarel/projektVerwaltung.h"
#include "tessarel/stopliste.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using Lines = std::vector<std::string>;

platform::ScriptedUi::Handler Answer(int result, std::vector<std::pair<std::string, std::string>> assignments) {
  return [result, assignments](platform::UiRequest& r) {
    for (const auto& [name, value] : assignments) EXPECT_TRUE(r.form->SetControlValue(name, value)) << name;
    return result;
  };
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    createdProjekte_ = !platform::DirectoryExists(projekte_);
    platform::ForceDirectories(projekte_);
    platform::ForceDirectories(docs_);
    platform::ForceDirectories(vorlage_);
    platform::WriteFileBytes(vorlage_ + "\\extract.htm", "<HTML><!--Tessarel: Keywords--></HTML>");
    platform::WriteFileBytes(vorlage_ + "\\stopchars.lst", "#\r\n");
    platform::WriteFileBytes(docs_ + "\\a.doc", "apfel birne kirsche");
    platform::WriteFileBytes(dialog_, "[Einstellungen]\r\nDokumenteVerzeichnis=" + docs_ +
                                          "\r\nVorlagenVerzeichnis=" + vorlage_ +
                                          "\r\nExcludeDateiendungen=pdf\r\nOLEAutomationVerwenden=0\r\n");
    window_ = std::make_unique<tessarel::TBrisoltHauptmenue>();
  }
  void TearDown() override {
    window_.reset();
    platform::DeleteFileIfExists(dialog_);
    if (createdProjekte_) RemoveDirectoryA(projekte_.c_str());
  }
  std::string Captions(const platform::ScriptedUi& ui) const {
    std::string shown;
    for (const auto& r : ui.Requests())
      shown += (r.kind == platform::UiKind::ModalForm ? r.caption.substr(r.caption.rfind(' ') + 1) : "box") + " ";
    return shown;
  }

  BaseTestFolder dir_;
  std::string docs_ = dir_ / "docs";
  std::string vorlage_ = dir_ / "vorlage";
  std::string projekte_ = tessarel::ProgramDir() + "projekte";
  std::string dialog_ = tessarel::DialogProjectFile();
  bool createdProjekte_ = false;
  std::unique_ptr<tessarel::TBrisoltHauptmenue> window_;
};

TEST_F(MainWindow, AnalysisReportsItsFiguresAndAskesAgainWhenNothingWasDone) {
  platform::ScriptedUi ui;
  ui.Push(platform::mrOk);  // the settings
  ui.Push(platform::mrOk);  // the summary
  window_->Analyse();
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[1].text.rfind(
                "Die Dateien sind vollst\xE4ndig analysiert worden:\r\r1 Dateien wurden betrachtet\r1 Dateien davon wurden "
            "analysiert\r\r3 Schlagworte wurden gefunden (durchschnittlich 3 Schlagworte/Datei)\r\rF\xFCr die Analyse "
                "wurde ben\xF6tigt: ",
                0),
            0u);
  EXPECT_TRUE(platform::FileExists(docs_ + "\\a_doc.htm"));
  // Everything is up to date now: the dialog comes back until Abbrechen.
  platform::ScriptedUi again;
  again.Push(platform::mrOk);
  again.Push(platform::mrOk);
  again.Push(platform::mrCancel);
  window_->Analyse();
  ASSERT_EQ(again.Requests().size(), 3u);
  EXPECT_EQ(again.Requests()[1].text, "Keine Dateien zur Analyse gefunden.");
  EXPECT_TRUE(window_->Enabled());
  // Saved however the loop ended, with the memo's entries joined.
  EXPECT_NE(platform::ReadFileBytes(dialog_).find("ExcludeDateiendungen=pdf\r\n"), std::string::npos);
}

TEST_F(MainWindow, WizardWalksItsPagesAndSavesOnlyWhenNotCancelled) {
  const std::string before = platform::ReadFileBytes(dialog_);
  {
    platform::ScriptedUi ui;
    for (int r : {int(platform::mrOk), 6, int(platform::mrOk), int(platform::mrOk)}) ui.Push(r);
    ui.Push(Answer(6, {{"DirectoryListBox1", dir_.Path()}}));  // back, the folder kept
    ui.Push(platform::mrOk);
    ui.Push(platform::mrCancel);  // on the analysis page
    window_->Wizard();
    EXPECT_EQ(Captions(ui), "(Einf\xFChrung/Programm) (Einf\xFChrung/Assistent) (Einf\xFChrung/Programm) "
                            "(Einf\xFChrung/Assistent) w\xE4hlen) (Einf\xFChrung/Assistent) w\xE4hlen) ");
    EXPECT_EQ(platform::ReadFileBytes(dialog_), before);
  }
  platform::ScriptedUi ui;
  const int ok = platform::mrOk;
  for (int r : {ok, ok, ok, ok, 6}) ui.Push(r);
  ui.Push([&](platform::UiRequest&) {
    platform::WriteFileBytes(docs_ + "\\b.doc", "quitte");
    return ok;
  });
  for (int r : {ok, ok}) ui.Push(r);
  window_->Wizard();
  // A run that analysed something goes on to the last page without a
  // summary; back from there is the documents folder.
  EXPECT_EQ(Captions(ui), "(Einf\xFChrung/Programm) (Einf\xFChrung/Assistent) w\xE4hlen) starten) (Fertig!) "
                          "w\xE4hlen) starten) (Fertig!) ");
  EXPECT_TRUE(platform::FileExists(docs_ + "\\b_doc.htm"));
  EXPECT_TRUE(platform::FileExists(docs_ + "\\a_doc.htm"));
  EXPECT_NE(platform::ReadFileBytes(dialog_), before);
}

// A run over nothing to analyse, and one over a drive's root that the user
// refuses, go back to the documents folder, as the analysis command goes
// back to its dialog.
TEST_F(MainWindow, WizardChoosesTheFolderAgainWhenNothingWasAnalysedOrADriveRefused) {
  platform::DeleteFileIfExists(docs_ + "\\a.doc");
  platform::WriteFileBytes(docs_ + "\\a.pdf", "%PDF-1.4");
  platform::ScriptedUi ui;
  const int ok = platform::mrOk;
  for (int r : {ok, ok, ok, ok, ok}) ui.Push(r);
  ui.Push(Answer(ok, {{"DirectoryListBox1", "C:\\"}}));
  for (int r : {ok, int(platform::mrNo), int(platform::mrCancel)}) ui.Push(r);
  window_->Wizard();
  EXPECT_EQ(Captions(ui), "(Einf\xFChrung/Programm) (Einf\xFChrung/Assistent) w\xE4hlen) starten) box "
                          "w\xE4hlen) starten) box w\xE4hlen) ");
  ASSERT_EQ(ui.Requests().size(), 9u);
  EXPECT_EQ(ui.Requests()[4].text, "Keine Dateien zur Analyse gefunden.");
  EXPECT_NE(ui.Requests()[7].text.find("\r\rC:\\\r\r"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(docs_ + "\\a_pdf.htm"));
}

TEST_F(MainWindow, AnalysisOverADriveAsksAndNoShowsTheDialogAgain) {
  platform::WriteFileBytes(dialog_, "[Einstellungen]\r\nDokumenteVerzeichnis=C:\r\nVorlagenVerzeichnis=" + vorlage_ +
                                        "\r\n");
  platform::ScriptedUi ui;
  for (int r : {platform::mrOk, platform::mrNo, platform::mrCancel}) ui.Push(r);
  window_->Analyse();
  EXPECT_EQ(Captions(ui), "Analyse box Analyse ");
  ASSERT_EQ(ui.Requests().size(), 3u);
  EXPECT_EQ(ui.Requests()[1].text,
            "Sie haben das Stammverzeichnis eines Laufwerks als\rDokumentenverzeichnis gew\xE4hlt:\r\rC:\\\r\r"
            "Neben jedem Dokument in diesem Verzeichnis und in\rallen Unterverzeichnissen wird ein HTML-Rahmen\r"
            "mit seinen Schlagworten angelegt.\rWollen Sie die Analyse trotzdem starten?");
  EXPECT_EQ(ui.Requests()[1].buttons, platform::mbYes | platform::mbNo);
}

// What an event handler throws reaches the application's handler; while a
// dialog or a command holds the main window, it stays disabled.
TEST_F(MainWindow, AnErrorWhileADialogIsOpenLeavesTheWindowDisabled) {
  const auto raise = [] { platform::App().HandleException(std::runtime_error("Fehler")); };
  platform::ScriptedUi ui;
  bool enabled = true;
  ui.Push([&](platform::UiRequest&) {
    raise();
    enabled = window_->Enabled();
    return platform::mrCancel;
  });
  ui.Push(platform::mrOk);  // the error box
  window_->Analyse();
  EXPECT_FALSE(enabled);
  EXPECT_TRUE(window_->Enabled());
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[0].text, "Fehler");
  // A modal window of its own, without a command (as the stop-list editors).
  window_->SetEnabled(false);
  ui.Push(platform::mrOk);
  ui.Push(platform::mrOk);
  {
    platform::ModalScope modal(nullptr);
    raise();
    EXPECT_FALSE(window_->Enabled());
  }
  raise();
  EXPECT_TRUE(window_->Enabled());
}

// Closes the progress window of an import soon after it opened.
void CALLBACK CloseProgress(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (core::HinweisDlg()) core::HinweisDlg()->btnKnopfClick();
}

TEST_F(MainWindow, StopCharactersEditedOnOkOnlyLoweringAToZ) {
  const std::string file = vorlage_ + "\\stopchars.lst";
  const std::string import = dir_ / "import.txt";
  std::string many;
  for (int i = 0; i < 20000; ++i) many.append("Z").append(std::to_string(i)).append("\r\n");
  for (const int result : {platform::mrCancel, platform::mrOk}) {
    platform::ScriptedUi ui;
    ui.Push(Answer(result, {{"btnEinfuegen", "1"}, {"btnEinfuegenDatei", "1"}, {"btnEinfuegenDatei", "1"}}));
    ui.Push(Answer(platform::mrOk, {{"edWort", "\xC4RGER"}}));
    ui.Push([&](platform::UiRequest& r) {
      EXPECT_EQ(r.caption, "Stopzeichendatei w\xE4hlen");
      platform::WriteFileBytes(import, "");
      r.fileName = import;
      return platform::mrOk;
    });
    ui.Push(platform::mrOk);  // "Keine Stopzeichen gefunden."
    ui.Push([&](platform::UiRequest& r) {
      platform::WriteFileBytes(import, many);
      r.fileName = import;
      SetTimer(nullptr, 0, 1, CloseProgress);
      return platform::mrOk;
    });
    ui.Push(platform::mrOk);  // the cancelled import
    window_->EditStopChars();
    EXPECT_EQ(ui.Requests()[2].text, "Keine Stopzeichen gefunden.");
    EXPECT_EQ(ui.Requests()[4].text, "Datei konnte nicht vollst\xE4ndig\rbearbeitet werden. Breche ab.");
  }
  const std::string written = platform::ReadFileBytes(file);
  EXPECT_EQ(written.substr(0, 14), "#\r\n\xC4rger\r\nz0\r\n");
  EXPECT_LT(written.size(), many.size());
  EXPECT_EQ(tessarel::Projekt()->stopCharacters.IndexOf("\xC4rger") >= 0, true);
}

// The environment dialog and the first-run dialog of Tessarel: only the five
// keys, in the settings' order, and the project loaded afresh afterwards.
TEST_F(MainWindow, EnvironmentStoresFiveKeysAndReloadsTheProject) {
  const std::string ini = dir_ / "Tessarel.INI";
  // A browser that exists: no registry lookup, no question.
  platform::WriteFileBytes(ini, "[Environment]\r\nWWWBrowser=" + vorlage_ + "\\extract.htm\r\n");
  core::TLanguage language;
  tessarel::TIni settings(ini, true, language, *window_);
  platform::ScriptedUi ui;
  ui.Push(Answer(platform::mrOk, {{"edWWWBrowserParam", "-p"}}));  // the first-run dialog
  settings.LoadSettings();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].caption, "Quarvelin(tm) Tessarel - Arbeitsumgebung einstellen");

  // The texts are German (no module): a plain OK switches nothing; choosing
  // English, which the test has no module for, says so.
  tessarel::Projekt()->SchlagwortbreiteMin = 77;
  ui.Push(Answer(platform::mrOk, {{"ckbWWWBrowser", "1"}}));
  window_->Environment();
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[1].caption, "Quarvelin(tm) Tessarel - Arbeitsumgebung");
  EXPECT_EQ(tessarel::Projekt()->SchlagwortbreiteMin, 3);
  ui.Push(Answer(platform::mrOk, {{"ragSprache", "1"}}));
  ui.Push(platform::mrOk);
  window_->Environment();
  ASSERT_EQ(ui.Requests().size(), 4u);
  EXPECT_EQ(ui.Requests()[3].text, "Sprachmodul f\xFCr die Sprache EN? fehlt.");
  EXPECT_EQ(platform::ReadFileBytes(ini),
            "[Environment]\r\nWWWBrowser=" + vorlage_ + "\\extract.htm\r\nWWWBrowserParam=-p\r\nLanguage=0\r\n\r\n"
            "[Unix x86 Wine]\r\nConfiguration=~/.Wine/config\r\nWWWBrowser=1\r\n");
}

}  // namespace
