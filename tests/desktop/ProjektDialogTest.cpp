// The project settings dialog: its rules on a project on disk, and the form
// through the modal seam.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "DesktopTestSupport.h"
#include "coregui/SettingsHost.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "desktop/Projekt.h"
#include "desktop/ProjektRules.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/support/GuiPump.h"

namespace {

using desktop::FormFile;
using desktop::ProjektRules;
using desktoptest::ProjectFolder;

// Gives the file a last-write time of its own, so that a change shows
// however quickly it follows the one before.
void Age(const std::string& file, int n) {
  HANDLE h = CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  FILETIME t{static_cast<DWORD>(n) * 10000000u, 30000000u};
  SetFileTime(h, nullptr, nullptr, &t);
  CloseHandle(h);
}

// Every setting of the dialog away from its default, so that a key the
// dialog dropped or mixed up shows in the saved file.
const std::string kAllSettings =
    "WebSite=http://www.beispiel.de/start.htm\r\nBenutzername=anna\r\nPasswort=geheim\r\n"
    "StopwortListeVerwenden=1\r\nBeschreibung=2\r\nZahlen=1\r\nSchlagworteModus=1\r\nSchlagworteMaximal=1234\r\n"
    "Wortbreite=0\r\nWortbreiteMin=4\r\nWortbreiteMax=33\r\nGefundeneSchlagworte=1\r\nDetailsModus=1\r\n"
    "Dateiendungen=htm,php\r\nTitleModus=0\r\nDescriptionModus=1\r\nVolltextModus=0\r\nKeywordsModus=1\r\n"
    "OptimiertModus=1\r\nGlossarModus=1\r\nAutoOptimierung=1\r\n";

class ProjektDialog : public ::testing::Test {
 protected:
  ProjektDialog() { platform::WriteFileBytes(f_.templateDir + "\\stopwort.lst", "der\r\ndie\r\ndas\r\n"); }

  // The tools of the settings: existing files unless named otherwise.
  core::TIni& Settings(const std::string& editor = {}) {
    const std::string tool = editor.empty() ? f_.folder / "edit.exe" : editor;
    if (editor.empty()) platform::WriteFileBytes(tool, "");
    ini_.SetTextEditor(tool);
    ini_.SetHTMLEditor(tool);
    ini_.SetJavascriptEditor(tool);
    ini_.SetTextEditorParam("-t");
    ini_.SetHTMLEditorParam("-h");
    ini_.SetJavascriptEditorParam("-j");
    ini_.SetHTMLEditorUnix(true);
    return ini_;
  }

  struct Started {
    std::string editor, params, file;
    bool unixEditor;
  };
  desktop::ProjektDlgServices Services() {
    desktop::ProjektDlgServices s;
    s.openInEditor = [this](const std::string& editor, const std::string& params, bool unixEditor,
                            const std::string& file) {
      started_.push_back({editor, params, file, unixEditor});
      if (editorWrites_) editorWrites_(file);
    };
    s.replaceProject = [this](std::unique_ptr<core::TProjekt> p) { replaced_ = std::move(p); };
    return s;
  }

  ProjectFolder f_;
  std::string settingsFile_ = f_.folder / "corvanta.INI";
  core::TLanguage language_;
  core::StandInSettingsHost host_;
  core::TIni ini_{settingsFile_, false, language_, host_, true};
  std::vector<Started> started_;
  std::function<void(const std::string&)> editorWrites_;
  std::unique_ptr<core::TProjekt> replaced_;
};

TEST_F(ProjektDialog, ProjectThroughTheDialogSavesByteForByteAsItWasLoaded) {
  const std::string path = f_.WriteProject("alles.ovk", kAllSettings, {{"http://www.beispiel.de/a.htm", "", ""}});
  f_.Open(path)->SaveProject();  // the file as the program writes it
  const std::string saved = platform::ReadFileBytes(path);
  const std::string stopWords = platform::ReadFileBytes(f_.templateDir + "\\stopwort.lst");

  auto project = f_.Open(path);
  ASSERT_TRUE(project);
  platform::ScriptedUi ui;
  ProjektRules rules;
  rules.LoadFromProject(*project);
  rules.StoreToProject(*project);
  project->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(path), saved);
  EXPECT_EQ(platform::ReadFileBytes(f_.templateDir + "\\stopwort.lst"), stopWords);
  EXPECT_TRUE(ui.Requests().empty());
}

TEST_F(ProjektDialog, CrossedWidthsAskOnceWhileLoadingAndAfterAChange) {
  struct Case {
    const char* settings;
    int answer;        // 0: no question expected
    int helpContext;
    int min, max;      // afterwards
    bool changeMin;    // the user raises the minimum to 50 after loading
  };
  const Case cases[] = {
      {"WortbreiteMin=10\r\nWortbreiteMax=5\r\n", platform::mrYes, 707, 10, 0, false},
      {"WortbreiteMin=10\r\nWortbreiteMax=5\r\n", platform::mrNo, 707, 10, 10, false},
      {"WortbreiteMin=0\r\nWortbreiteMax=5\r\n", 0, 0, 0, 5, false},
      {"WortbreiteMin=10\r\nWortbreiteMax=0\r\n", 0, 0, 10, 0, false},
      {"WortbreiteMin=3\r\nWortbreiteMax=200\r\n", 0, 0, 3, 80, false},
      {"WortbreiteMin=3\r\nWortbreiteMax=40\r\n", platform::mrYes, 706, 0, 40, true},
      {"WortbreiteMin=3\r\nWortbreiteMax=40\r\n", platform::mrNo, 706, 40, 40, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings);
    auto project = f_.Open(f_.WriteProject("breite.ovk", c.settings));
    ASSERT_TRUE(project);
    platform::ScriptedUi ui;
    if (c.answer) ui.Push(c.answer);
    ProjektRules rules;
    rules.LoadFromProject(*project);
    if (c.changeMin) rules.SetWortbreiteMin(50);
    ASSERT_EQ(ui.Requests().size(), c.answer ? 1u : 0u);
    if (c.answer) {
      EXPECT_EQ(ui.Requests()[0].helpContext, c.helpContext);
      EXPECT_EQ(ui.Requests()[0].text, c.helpContext == 707 ? "Sie unterschreiten die Mindestbreite. Wollen Sie,\r"
                                                               "daß nur die Mindestbreite geprüft wird?"
                                                             : "Sie überschreiten die Maximalbreite. Wollen Sie,\r"
                                                               "daß nur die Maximalbreite geprüft wird?");
    }
    EXPECT_EQ(rules.WortbreiteMin(), c.min);
    EXPECT_EQ(rules.WortbreiteMax(), c.max);
  }
}

TEST_F(ProjektDialog, AGroupOfSourcesLeftEmptyTicksItsFirstBoxAgain) {
  ProjektRules rules;
  platform::ScriptedUi ui;
  rules.titleModus = false;
  rules.descriptionModus = true;
  rules.volltextModus = rules.keywordsModus = false;
  EXPECT_FALSE(rules.LeaveDescriptionSources());
  EXPECT_TRUE(rules.LeaveKeywordSources());
  EXPECT_TRUE(rules.volltextModus);
  rules.descriptionModus = false;
  EXPECT_TRUE(rules.LeaveDescriptionSources());
  EXPECT_TRUE(rules.titleModus);
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[0].text, "Schlagworte:\rSie müssen mindestens eine Checkbox auswählen.");
  EXPECT_EQ(ui.Requests()[1].text, "Web-Seiten-Beschreibung:\rSie müssen mindestens eine Checkbox auswählen.");
}

TEST_F(ProjektDialog, FileButtonsOpenTheFileInItsEditorOrSayWhatIsWrong) {
  auto project = f_.Open(f_.WriteProject("p.ovk", ""));
  ASSERT_TRUE(project);
  platform::WriteFileBytes(f_.targetDir + "\\suchein.htm", "");
  ProjektRules rules;
  rules.LoadFromProject(*project);
  rules.ziel = f_.targetDir + "\\";  // a trailing "\" is no second one
  const core::TIni& settings = Settings();
  platform::ScriptedUi ui;

  rules.EditTemplateFile(FormFile::Datenbank, settings, Services());
  rules.EditTargetFile(FormFile::FrameEingabe, settings, Services());
  ASSERT_EQ(started_.size(), 2u);
  EXPECT_EQ(started_[0].file, f_.templateDir + "\\suche.js");
  EXPECT_EQ(started_[0].params, "-j");
  EXPECT_FALSE(started_[0].unixEditor);
  EXPECT_EQ(started_[1].file, f_.targetDir + "\\suchein.htm");
  EXPECT_EQ(started_[1].params, "-h");
  EXPECT_TRUE(started_[1].unixEditor);
  EXPECT_TRUE(rules.TemplateFileExists(FormFile::Datenbank));
  EXPECT_FALSE(rules.TemplateFileExists(FormFile::Hauptdatei));
  EXPECT_TRUE(ui.Requests().empty());

  struct Case {
    FormFile file;
    bool target;
    int helpContext;
    const char* where;
  };
  const Case missing[] = {
      {FormFile::Hauptdatei, false, 303, "die Hauptdatei unter\r\"Einstellungen - Projekt... - [Verzeichnisse] - "
                                         "Vorlagen\" bzw.\r\"Einstellungen - Projekt... - [Vorlage] - Hauptdatei\""},
      {FormFile::FrameHilfe, false, 701, "[Vorlage] - Frame-Hilfe\""},
      {FormFile::Datenbank, true, 311, "[Verzeichnisse] - Suchformular/Ziel\" bzw.\r\"Einstellungen - Projekt... - "
                                       "[Ergebnis] - Datenbank\"\r ist nicht korrekt."},
      {FormFile::Hauptdatei, true, 300, "die Hauptdatei des Suchformulars unter"},
      {FormFile::FrameLaden, true, 703, "das Suchformular-Laden unter"},
  };
  for (const Case& c : missing) {
    if (c.target) rules.EditTargetFile(c.file, settings, Services());
    else rules.EditTemplateFile(c.file, settings, Services());
    ASSERT_FALSE(ui.Requests().empty());
    EXPECT_EQ(ui.Requests().back().helpContext, c.helpContext) << c.where;
    EXPECT_NE(ui.Requests().back().text.find(c.where), std::string::npos) << ui.Requests().back().text;
  }
  EXPECT_EQ(started_.size(), 2u);

  // Without an editor, the editor's setting is what is wrong.
  Settings(f_.folder / "fehlt.exe");
  rules.EditTemplateFile(FormFile::Datenbank, settings, Services());
  rules.EditTargetFile(FormFile::FrameEingabe, settings, Services());
  EXPECT_EQ(ui.Requests()[ui.Requests().size() - 2].helpContext, 320);
  EXPECT_EQ(ui.Requests().back().helpContext, 313);
  EXPECT_EQ(ui.Requests().back().text,
            "Die Einstellung für den HTML-Editor unter\r\"Einstellungen - Arbeitsumgebung... - [Werkzeuge] - "
            "HTML-Editor\"\r ist nicht korrekt.");
  EXPECT_EQ(started_.size(), 2u);
}

TEST_F(ProjektDialog, ProjectFileEditedOutsideReplacesTheProjectOnlyWhenItLoads) {
  const std::string path = f_.WriteProject("p.ovk", "WebSite=http://alt/\r\n");
  auto project = f_.Open(path);
  ASSERT_TRUE(project);
  ProjektRules rules;
  rules.LoadFromProject(*project);
  const core::TIni& settings = Settings();
  platform::ScriptedUi ui;

  // An editor that leaves the file alone changes nothing.
  EXPECT_FALSE(rules.EditProjectFile(path, settings, Services()));
  ASSERT_EQ(started_.size(), 1u);
  EXPECT_EQ(started_[0].file, path);
  EXPECT_EQ(started_[0].params, "-t");

  // A file the editor broke (a stop-word list that is not there) keeps the
  // open project and says so.
  editorWrites_ = [&](const std::string& file) {
    platform::WriteFileBytes(file, f_.ProjectText("WebSite=http://kaputt/\r\nStopwortListeVerwenden=1\r\n"
                                                  "StopwortListe=fehlt.lst\r\n"));
    Age(file, 1);
  };
  EXPECT_FALSE(rules.EditProjectFile(path, settings, Services()));
  EXPECT_FALSE(replaced_);
  EXPECT_EQ(project->GetWebSite(), "http://alt/");
  EXPECT_EQ(rules.webSite, "http://alt/");
  ASSERT_FALSE(ui.Requests().empty());
  EXPECT_EQ(ui.Requests().back().text, "Probleme beim Einlesen der Projektdatei. \rStarten Sie das Programm bitte neu.");
  EXPECT_EQ(ui.Requests().back().helpContext, 704);

  // A sound one takes the open project's place, and the dialog shows it.
  editorWrites_ = [&](const std::string& file) {
    platform::WriteFileBytes(file, f_.ProjectText("WebSite=http://neu/\r\n"));
    Age(file, 2);
  };
  EXPECT_TRUE(rules.EditProjectFile(path, settings, Services()));
  ASSERT_NE(replaced_, nullptr);
  EXPECT_EQ(replaced_->GetWebSite(), "http://neu/");
  EXPECT_EQ(rules.webSite, "http://neu/");

  const size_t asked = ui.Requests().size();
  EXPECT_FALSE(rules.EditProjectFile(f_.folder / "weg.ovk", settings, Services()));
  ASSERT_EQ(ui.Requests().size(), asked + 1);
  EXPECT_EQ(ui.Requests().back().text, "Die Projektdatei\r\r" + f_.folder / "weg.ovk" + "\r\rexistiert nicht.");
  EXPECT_EQ(ui.Requests().back().helpContext, 705);
  EXPECT_EQ(ui.Requests().back().caption, "Warnung");
  Settings(f_.folder / "fehlt.exe");
  EXPECT_FALSE(rules.EditProjectFile(path, settings, Services()));
  EXPECT_EQ(ui.Requests().back().helpContext, 312);
}

TEST_F(ProjektDialog, AnotherTemplateFolderBringsItsOwnStopWords) {
  const std::string other = f_.folder / "vorlage2";
  platform::ForceDirectories(other);
  platform::WriteFileBytes(other + "\\stopwort.lst", "ein\r\neine\r\n");
  const std::string before = platform::ReadFileBytes(f_.templateDir + "\\stopwort.lst");
  auto project = f_.Open(f_.WriteProject("p.ovk", "StopwortListeVerwenden=1\r\n"));
  ASSERT_TRUE(project);
  ProjektRules rules;
  rules.LoadFromProject(*project);
  rules.vorlagen = other;
  rules.StoreToProject(*project);
  EXPECT_EQ(project->StopWords().Count(), 2);
  project->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(other + "\\stopwort.lst"), "ein\r\neine\r\n");
  EXPECT_EQ(platform::ReadFileBytes(f_.templateDir + "\\stopwort.lst"), before);
}

}  // namespace

namespace {

class ProjektForm : public ProjektDialog {
 protected:
  std::unique_ptr<core::TProjekt> Open(const std::string& settings) {
    path_ = f_.WriteProject("form.ovk", settings);
    auto project = f_.Open(path_);
    project->SaveProject();
    saved_ = platform::ReadFileBytes(path_);
    return project;
  }
  std::string path_, saved_;
};

TEST_F(ProjektForm, ShowsTheProjectStoresOnOkOnlyAndFollowsItsBoxes) {
  auto project = Open("AutoOptimierung=1\r\nSchlagworteModus=1\r\nWortbreite=0\r\nWortbreiteMin=10\r\n"
                      "WortbreiteMax=5\r\nStopwortListeVerwenden=0\r\n");
  ASSERT_TRUE(project);
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);  // the maximum below the minimum: take the minimum
  desktop::TProjektDlg dlg(Settings(), Services());
  dlg.LoadFromProject(*project);
  EXPECT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(dlg.speWortbreiteMax.Number(), 10);
  EXPECT_EQ(dlg.pgcProjekt.ActivePage(), &dlg.tasAnalyse1);
  struct State {
    platform::Control* control;
    bool enabled;
  };
  const State loaded[] = {{&dlg.ckbKommentare, false},   {&dlg.ckbGlossar, false},    {&dlg.ragBeschreibung, false},
                          {&dlg.ragGefundeneSchlagworte, false}, {&dlg.speSchlagworte, true}, {&dlg.lblMaximal, true},
                          {&dlg.speWortbreiteMin, false}, {&dlg.lblMax, false},        {&dlg.btnStopwortliste, false},
                          {&dlg.btnProjektEdit, true},    {dlg.templateButtons[0], true}, {dlg.templateButtons[1], false}};
  for (const State& s : loaded) EXPECT_EQ(s.control->Enabled(), s.enabled) << s.control->Name();
  dlg.ckbAutoOptimize.SetChecked(false);
  dlg.ckbWortbreite.SetChecked(true);
  for (platform::Control* c : {(platform::Control*)&dlg.ckbKommentare, (platform::Control*)&dlg.ragBeschreibung,
                               (platform::Control*)&dlg.speWortbreiteMin})
    EXPECT_TRUE(c->Enabled()) << c->Name();

  // Abbrechen leaves the project as it was; OK stores what the controls hold.
  ui.Push(platform::mrCancel);
  EXPECT_EQ(dlg.ShowModal(), platform::mrCancel);
  ui.Push([](platform::UiRequest& r) {
    r.form->SetControlValue("edWebsite", "http://neu/");
    r.form->SetControlValue("ckbZahlen", "1");
    r.form->SetControlValue("ragBeschreibung", "2");
    return int(platform::mrOk);
  });
  EXPECT_EQ(dlg.ShowModal(), platform::mrOk);
  project->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(path_), saved_);
  dlg.StoreToProject(*project);
  EXPECT_EQ(project->GetWebSite(), "http://neu/");
  EXPECT_TRUE(project->GetZahlen());
  EXPECT_EQ(project->GetBeschreibung(), 2);
  EXPECT_FALSE(project->GetAutoOptimierung());
  EXPECT_EQ(project->GetWortbreiteMax(), 10);
}

// Minimum 10: a maximum typed key by key asks nothing while it is typed and
// keeps every key; once complete (the field left, OK) it is checked.
TEST_F(ProjektForm, TypedWidthIsCheckedWhenCompleteAndNothingTypedIsLost) {
  auto project = Open("Wortbreite=1\r\nWortbreiteMin=10\r\nWortbreiteMax=0\r\n");
  ASSERT_TRUE(project);
  platform::ScriptedUi ui;
  desktop::TProjektDlg dlg(Settings(), Services());
  dlg.LoadFromProject(*project);
  dlg.pgcProjekt.SetActivePage(dlg.tasAnalyse2);
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
  EXPECT_EQ(dlg.Rules().WortbreiteMax(), 15);

  type("5");
  EXPECT_TRUE(ui.Requests().empty());
  ui.Push(platform::mrNo);
  leave();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 707);
  EXPECT_EQ(dlg.speWortbreiteMax.Text(), "10");

  // OK with a number still being typed: the check asks before it is stored.
  type("7");
  ui.Push(platform::mrYes);
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));
  dlg.Hide();
  dlg.StoreToProject(*project);
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(project->GetWortbreiteMax(), 0);
  EXPECT_EQ(project->GetWortbreiteMin(), 10);
}

TEST_F(ProjektForm, AnotherTemplateFolderDisablesTheButtonsOfFilesItLacks) {
  auto project = Open("");
  ASSERT_TRUE(project);
  const std::string empty = f_.folder / "leer";
  platform::ForceDirectories(empty);
  desktop::ProjektDlgServices services = Services();
  services.chooseFolder = [&](const std::string& caption, std::string& folder) {
    EXPECT_EQ(caption, "Vorlagen-Verzeichnis wählen");
    EXPECT_EQ(folder, f_.templateDir);
    folder = empty;
    return true;
  };
  desktop::TProjektDlg dlg(Settings(), services);
  dlg.LoadFromProject(*project);
  EXPECT_TRUE(dlg.templateButtons[0]->Enabled());
  dlg.BitBtn7.OnClick();
  EXPECT_EQ(dlg.panVorlagen.Caption(), empty);
  EXPECT_FALSE(dlg.templateButtons[0]->Enabled());
  EXPECT_EQ(project->GetVorlagenVerzeichnis(), f_.templateDir);
}

TEST_F(ProjektForm, FromThePageSelectionOnlyTheAnalysisTabsShow) {
  auto project = Open("");
  ASSERT_TRUE(project);
  desktop::TProjektDlg dlg(Settings(), Services());
  dlg.ShowAnalysisOnly();
  dlg.LoadFromProject(*project);
  for (platform::TabSheet* sheet : {&dlg.tasVerzeichnisse, &dlg.tasVorlage, &dlg.tasAnalyse1, &dlg.tasAnalyse2,
                                    &dlg.tasAnalyse3, &dlg.tasErgebnis, &dlg.tasStatus})
    EXPECT_EQ(sheet->TabVisible(), sheet == &dlg.tasAnalyse1 || sheet == &dlg.tasAnalyse2 ||
                                       sheet == &dlg.tasAnalyse3)
        << sheet->Name();
}

}  // namespace
