// The modal seam without windows: the scripted responder for unit tests, the
// answer script and the log of a built program, and giving up when the
// answers run out.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/gui/Dialogs.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/Form.h"
#include "platform/gui/TestingUi.h"
#include "platform/gui/UiSeam.h"

namespace {

using namespace platform;

// A real dialog here would hang the test: every show fails it.
int NoRealDialog(UiRequest& r) {
  ADD_FAILURE() << "a real dialog was shown: " << r.caption << " / " << r.text;
  return mrNone;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& data) {
  std::ofstream out(path, std::ios::binary);
  out << data;
}

// A folder below the temp path holding the script and the log; the
// environment variables point at them while the fixture lives.
class SeamScript : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    dir_ = std::string(temp) + "quarvelin_seam_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir_.c_str(), nullptr);
    script_ = dir_ + "\\antworten.txt";
    log_ = dir_ + "\\protokoll.txt";
  }
  void TearDown() override {
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", nullptr);
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", nullptr);
    ResetUiScript();
    DeleteFileA(script_.c_str());
    DeleteFileA(log_.c_str());
    RemoveDirectoryA(dir_.c_str());
  }
  void UseScript(const std::string& answers) {
    WriteFile(script_, answers);
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", script_.c_str());
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", log_.c_str());
    ResetUiScript();
  }
  int Box(unsigned buttons, const std::string& text = "Frage", int help = 0) {
    UiRequest r;
    r.kind = UiKind::MessageBox;
    r.caption = "Bestätigen";
    r.text = text;
    r.buttons = buttons;
    r.helpContext = help;
    return RunModal(r, NoRealDialog);
  }
  std::string Log() const { return ReadFile(log_); }

  std::string dir_, script_, log_;
};

TEST(SeamResponder, AnswersFromItsQueueAndRecordsEveryRequest) {
  ScriptedUi ui;
  ui.Push(mrNo);
  ui.Push([](UiRequest& r) {
    r.fileName = "C:\\daten\\liste.txt";
    return static_cast<int>(mrOk);
  });
  EXPECT_EQ(MessageDlg("Aktion: a\r\rException: b\r\rErneut versuchen?", MsgDlgType::Error, mbYes | mbNo | mbHelp, 1003),
            mrNo);
  OpenDialog dialog;
  dialog.Title = "Liste laden";
  dialog.Filter = "Text|*.txt|Alle|*.*";
  dialog.FileName = "alt.txt";
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "C:\\daten\\liste.txt");
  EXPECT_FALSE(ui.RanDry());

  // Run dry: gives up as the user walking away would, and says so.
  EXPECT_EQ(MessageDlg("Weiter?", MsgDlgType::Confirmation, mbYes | mbNo, 0), mrNo);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "C:\\daten\\liste.txt");
  EXPECT_TRUE(ui.RanDry());

  const auto& req = ui.Requests();
  ASSERT_EQ(req.size(), 4u);
  EXPECT_EQ(req[0].kind, UiKind::MessageBox);
  EXPECT_EQ(req[0].caption, "Fehler");
  EXPECT_EQ(req[0].text, "Aktion: a\r\rException: b\r\rErneut versuchen?");
  EXPECT_EQ(req[0].helpContext, 1003);
  EXPECT_EQ(req[0].buttons, unsigned(mbYes | mbNo | mbHelp));
  EXPECT_FALSE(req[0].ranDry);
  EXPECT_EQ(req[1].kind, UiKind::FileDialog);
  EXPECT_EQ(req[1].caption, "Liste laden");
  EXPECT_EQ(req[1].fileName, "alt.txt");
  EXPECT_EQ(req[2].caption, "Bestätigen");
  EXPECT_EQ(req[2].answer, mrNo);
  EXPECT_TRUE(req[2].ranDry);
  EXPECT_EQ(req[3].answer, mrCancel);
}

TEST(SeamResponder, NestedRespondersRestoreTheOuterOne) {
  ScriptedUi outer;
  {
    ScriptedUi inner;
    inner.Push(mrYes);
    EXPECT_EQ(MessageDlg("x", MsgDlgType::Warning, mbYes | mbNo, 0), mrYes);
    EXPECT_EQ(CurrentUiResponder(), &inner);
  }
  EXPECT_EQ(CurrentUiResponder(), &outer);
  outer.Push(mrOk);
  ShowMessage("Fertig.");
  ASSERT_EQ(outer.Requests().size(), 1u);
  EXPECT_EQ(outer.Requests()[0].buttons, unsigned(mbOK));
  EXPECT_EQ(outer.Requests()[0].text, "Fertig.");
}

TEST_F(SeamScript, AnswersInOrderAndLogsEachInteraction) {
  UseScript(
      "# Antworten für den Lauf\r\n"
      "yes\r\n"
      "\r\n"
      "   Nein  \n"
      "  # eingerückter Kommentar\r"
      "ja\r\n"
      "C:\\daten\\liste.txt\r\n"
      "Abbrechen");
  EXPECT_EQ(Box(mbYes | mbNo), mrYes);
  EXPECT_EQ(Box(mbYes | mbNo | mbCancel), mrNo);
  EXPECT_EQ(MessageDlg("Zeile 1\rZeile 2\tTab \\ Ende ä", MsgDlgType::Error, mbYes | mbNo | mbHelp, 1003), mrYes);

  OpenDialog dialog;
  dialog.Title = "Öffnen";
  dialog.Filter = "Text|*.txt|Alle|*.*";
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "C:\\daten\\liste.txt");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "C:\\daten\\liste.txt");

  // The script is used up: giving up from now on.
  EXPECT_EQ(Box(mbYes | mbNo | mbHelp), mrNo);

  EXPECT_EQ(Log(),
            "MessageBox\tBestätigen\tFrage\t0\tYes\r\n"
            "MessageBox\tBestätigen\tFrage\t0\tNo\r\n"
            "MessageBox\tFehler\tZeile 1\\rZeile 2\\tTab \\\\ Ende \xE4\t1003\tYes\r\n"
            "FileDialog\t\xD6" "ffnen\tText|*.txt|Alle|*.*\t0\tC:\\\\daten\\\\liste.txt\r\n"
            "FileDialog\t\xD6" "ffnen\tText|*.txt|Alle|*.*\t0\tCancel\r\n"
            "MessageBox\tBestätigen\tFrage\t0\tNo\r\n");
}

TEST_F(SeamScript, AnEmptyScriptGivesUpPerButtonSet) {
  UseScript("# nichts\r\n\r\n");
  struct Case {
    unsigned buttons;
    int expected;
  } cases[] = {
      {mbYes | mbNo | mbHelp, mrNo},
      {mbYes | mbNo, mrNo},
      {mbYes | mbNo | mbCancel, mrCancel},
      {mbOK, mrOk},
      {mbOK | mbHelp, mrOk},
      {mbOK | mbCancel, mrCancel},
      {mbAbort | mbRetry | mbIgnore, mrCancel},
      {mbRetry | mbCancel, mrCancel},
      {0, mrOk},  // shown with OK
  };
  for (const auto& c : cases) EXPECT_EQ(Box(c.buttons), c.expected) << "buttons " << c.buttons;

  UiRequest form;
  form.kind = UiKind::ModalForm;
  form.caption = "Einstellungen";
  EXPECT_EQ(RunModal(form, NoRealDialog), mrCancel);
  EXPECT_NE(Log().find("ModalForm\tEinstellungen\t\t0\tCancel\r\n"), std::string::npos);
}

TEST_F(SeamScript, AnswersThatDoNotFitAreLoggedAndGiveUp) {
  UseScript(
      "Yes\r\n"           // box without Yes
      "Vielleicht\r\n"    // no result word
      "OK|edWort=x\r\n"   // a message box takes no assignments
      "Cancel\r\n"        // Cancel on Yes/No: closing the box
      "Cancel\r\n"        // Cancel on OK alone: closing gives OK
      "Retry\r\n");
  EXPECT_EQ(Box(mbOK | mbCancel), mrCancel);
  EXPECT_EQ(Box(mbYes | mbNo), mrNo);
  EXPECT_EQ(Box(mbOK), mrOk);
  EXPECT_EQ(Box(mbYes | mbNo), mrCancel);
  EXPECT_EQ(Box(mbOK), mrOk);
  EXPECT_EQ(Box(mbAbort | mbRetry | mbIgnore), mrRetry);

  const std::string log = Log();
  EXPECT_EQ(log.substr(0, log.find("\r\n") + 2),
            "ScriptError\tanswer script line 1 \"Yes\": the message box has no such button\r\n");
  EXPECT_NE(log.find("ScriptError\tanswer script line 2 \"Vielleicht\": not a result word\r\n"), std::string::npos);
  EXPECT_NE(log.find("ScriptError\tanswer script line 3 \"OK|edWort=x\": a message box takes no assignments\r\n"),
            std::string::npos);
  // Exactly the three misfits are errors.
  std::size_t errors = 0;
  for (auto p = log.find("ScriptError"); p != std::string::npos; p = log.find("ScriptError", p + 1)) ++errors;
  EXPECT_EQ(errors, 3u);
}

TEST_F(SeamScript, AMissingScriptGivesUpInsteadOfShowingDialogs) {
  WriteFile(log_, "");
  SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", (dir_ + "\\fehlt.txt").c_str());
  SetEnvironmentVariableA("QUARVELIN_UI_LOG", log_.c_str());
  ResetUiScript();
  EXPECT_EQ(Box(mbYes | mbNo | mbHelp), mrNo);
  EXPECT_EQ(Log().rfind("ScriptError\tcannot read the answer script ", 0), 0u);
}

TEST_F(SeamScript, AResponderAnswersBeforeTheScript) {
  UseScript("No\r\n");
  {
    ScriptedUi ui;
    ui.Push(mrYes);
    EXPECT_EQ(Box(mbYes | mbNo), mrYes);
  }
  EXPECT_EQ(Box(mbYes | mbNo, "zweite"), mrNo);
  EXPECT_EQ(Log(),
            "MessageBox\tBestätigen\tFrage\t0\tYes\r\n"
            "MessageBox\tBestätigen\tzweite\t0\tNo\r\n");
}

// The stored test form: an edit and a check box the script fills.
class TSeamTestDlg : public Form {
 public:
  TSeamTestDlg() : Form("TSeamTestDlg") {}
  std::string Value(const std::string& name) const { return GetControlValue(name).value_or("<none>"); }
};

TEST_F(SeamScript, FillsAModalFormBeforeItsResult) {
  UseScript(
      "OK|edWort=Hallo \\| Welt \\\\ ä|cbAktiv=1\r\n"
      "ok | edWort = zweite\r\n"
      "Yes|edFehlt=x\r\n"
      "Cancel|cbAktiv=0\r\n");
  TSeamTestDlg dlg;
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(dlg.Value("edWort"), "Hallo | Welt \\ \xE4");
  EXPECT_EQ(dlg.Value("cbAktiv"), "1");
  // Blanks around the word and the name go; the value keeps its own.
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(dlg.Value("edWort"), " zweite");
  // A control the form lacks: an error, and the form is cancelled.
  EXPECT_EQ(dlg.ShowModal(), mrCancel);
  EXPECT_EQ(dlg.ShowModal(), mrCancel);
  EXPECT_EQ(dlg.Value("cbAktiv"), "0");
  // No answer left.
  EXPECT_EQ(dlg.ShowModal(), mrCancel);
  EXPECT_FALSE(dlg.Visible());

  EXPECT_EQ(Log(),
            "ModalForm\tWort eingeben\t\t0\tOK\r\n"
            "ModalForm\tWort eingeben\t\t0\tOK\r\n"
            "ScriptError\tanswer script line 3 \"Yes|edFehlt=x\": the form has no control edFehlt that takes a value\r\n"
            "ModalForm\tWort eingeben\t\t0\tCancel\r\n"
            "ModalForm\tWort eingeben\t\t0\tCancel\r\n"
            "ModalForm\tWort eingeben\t\t0\tCancel\r\n");
}

TEST(SeamFileDialog, FilterInTheSystemsForm) {
  using namespace std::string_literals;
  EXPECT_EQ(SystemFilter("Text|*.txt|Alle|*.*"), "Text\0*.txt\0Alle\0*.*\0\0"s);
  // A description without its pattern must not let the system read past the list.
  EXPECT_EQ(SystemFilter("Text|*.txt|Alle"), "Text\0*.txt\0Alle\0*.*\0\0"s);
}

}  // namespace
