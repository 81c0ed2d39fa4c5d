// Pellinova's project settings: what it adds to the shared dialog, on a
// project on disk, through the controls' events and the modal seam.
#include <gtest/gtest.h>

#include "coregui/SettingsHost.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "desktop/projektneu.h"
#include "pellinova/Projekt.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/pellinova/PellinovaFixture.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

class PellinovaProjektDialog : public pellinova_test::PellinovaFolder {
 protected:
  core::TIni& Settings() {
    const std::string tool = folder_ / "edit.exe";
    platform::WriteFileBytes(tool, "");
    ini_.SetHTMLEditor(tool);
    ini_.SetJavascriptEditor(tool);
    return ini_;
  }
  desktop::ProjektDlgServices Services() {
    desktop::ProjektDlgServices s;
    s.openInEditor = [this](const std::string& editor, const std::string&, bool, const std::string& file) {
      started_.push_back(editor + " " + file);
    };
    s.chooseFolder = [](const std::string& caption, std::string& folder) {
      folder = "D:\\neu\\" + caption;
      return true;
    };
    return s;
  }

  core::TLanguage language_;
  core::StandInSettingsHost host_;
  core::TIni ini_{folder_ / "pellinova.INI", false, language_, host_, true};
  std::vector<std::string> started_;
};

TEST_F(PellinovaProjektDialog, StoresWhatItLoadedAndNoSiteKeys) {
  auto& p = Open({"a.htm"}, "RelativerPfad=0\r\nServerNameVerwenden=1\r\nServerName=http://www.x.de\r\nXML=1\r\n"
                            "Dateiendungen=htm,php\r\n");
  p.SaveProject();
  const std::string saved = platform::ReadFileBytes(p.GetProjectFileName());
  pellinova::TProjektDlg dlg(Settings(), Services());
  dlg.LoadFromProject(p);
  dlg.StoreToProject(p);
  p.SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(p.GetProjectFileName()), saved);
  EXPECT_EQ(saved.find("WebSite"), std::string::npos);
}

TEST_F(PellinovaProjektDialog, ServerNameControlsFollowTheirBoxes) {
  struct Case {
    const char* settings;
    bool boxEnabled, fieldEnabled;
  } cases[] = {
      {"RelativerPfad=1\r\nServerNameVerwenden=1\r\n", false, false},
      {"RelativerPfad=0\r\nServerNameVerwenden=0\r\n", true, false},
      {"RelativerPfad=0\r\nServerNameVerwenden=1\r\n", true, true},
  };
  for (const Case& c : cases) {
    pellinova::TProjektDlg dlg(Settings(), Services());
    dlg.LoadFromProject(Open({}, c.settings));
    EXPECT_EQ(dlg.ckbAbsolutePfade.Checked(), c.boxEnabled) << c.settings;
    EXPECT_EQ(dlg.ckbServernameVerwenden.Enabled(), c.boxEnabled) << c.settings;
    EXPECT_EQ(dlg.edServername.Enabled(), c.fieldEnabled) << c.settings;
  }
  pellinova::TProjektDlg dlg(Settings(), Services());
  dlg.LoadFromProject(Open({}, "RelativerPfad=1\r\nServerNameVerwenden=1\r\n"));
  dlg.ckbAbsolutePfade.SetChecked(true);
  EXPECT_TRUE(dlg.edServername.Enabled());
  dlg.ckbServernameVerwenden.SetChecked(false);
  EXPECT_FALSE(dlg.edServername.Enabled());
}

TEST_F(PellinovaProjektDialog, XmlBoxNamesTheExportAndKeepsTheFrameButtonsOff) {
  auto& p = Open({});
  for (const char* f : {"suche.xml", "suche.htm"}) platform::WriteFileBytes(targetDir_ + "\\" + f, "x");
  pellinova::TProjektDlg dlg(Settings(), Services());
  dlg.LoadFromProject(p);
  auto& panel = *dlg.targetPanels[0];
  auto& database = *dlg.targetButtons[0];
  auto& frame = *dlg.targetButtons[1];
  EXPECT_EQ(panel.Caption(), p.GetJavascriptDatei());
  EXPECT_FALSE(database.Enabled());  // no suche.js yet
  EXPECT_TRUE(frame.Enabled());
  dlg.ckbXML.SetChecked(true);
  EXPECT_EQ(panel.Caption(), "suche.xml");
  EXPECT_TRUE(database.Enabled());
  EXPECT_FALSE(frame.Enabled());
  // The export opens in the HTML editor.
  database.OnClick();
  ASSERT_EQ(started_.size(), 1u);
  EXPECT_EQ(started_[0], Settings().GetHTMLEditor() + " " + targetDir_ + "\\suche.xml");
}

TEST_F(PellinovaProjektDialog, PerLetterTemplateLeavesGlossaryAndOptimisationAlone) {
  platform::WriteFileBytes(templateDir_ + "\\Pellinova.ini", "[Options]\r\nMega=1\r\n");
  pellinova::TProjektDlg dlg(Settings(), Services());
  dlg.LoadFromProject(Open({}));
  EXPECT_FALSE(dlg.ckbGlossar.Enabled());
  EXPECT_FALSE(dlg.ckbAutoOptimize.Enabled());
}

TEST_F(PellinovaProjektDialog, DifferentDrivesAskOnlyWhileTheFoldersAreShown) {
  auto& p = Open({});
  pellinova::TProjektDlg dlg(Settings(), Services());
  dlg.LoadFromProject(p);
  platform::ScriptedUi ui;
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));  // both in the test folder
  dlg.BitBtn1.OnClick();                      // the HTML folder on D:
  EXPECT_EQ(dlg.panHTML.Caption(), "D:\\neu\\HTML-Verzeichnis w\xE4hlen");
  dlg.pgcProjekt.SetActivePage(dlg.tasAnalyse1);
  ui.Push(platform::mrNo);
  EXPECT_FALSE(dlg.CanClose(platform::mrOk));
  EXPECT_EQ(dlg.pgcProjekt.ActivePage(), &dlg.tasVerzeichnisse);
  ui.Push(platform::mrYes);
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));
  EXPECT_TRUE(dlg.CanClose(platform::mrCancel));
  dlg.ShowAnalysisOnly();
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 324);
  EXPECT_EQ(ui.Requests()[0].buttons, platform::mbYes | platform::mbNo | platform::mbHelp);
  dlg.StoreToProject(p);
  EXPECT_EQ(p.GetHTMLVerzeichnis(), "D:\\neu\\HTML-Verzeichnis w\xE4hlen");
}

}  // namespace

namespace {

// The new-project dialog looks for a project of the name in Pellinova's own
// folder of projects (its texts number that folder differently).
TEST(PellinovaNewProject, AProjectOfTheNameInTheFolderOfProjectsIsQuestioned) {
  BaseTestFolder dir;
  platform::ForceDirectories(dir / "vorlage\\Search_Standard");
  platform::ForceDirectories(dir / "projekte");
  platform::WriteFileBytes(dir / "projekte\\Da.pvk", "");
  desktop::TprojektNeuDlg dlg(dir.Path() + "\\", ".pvk", {});
  dlg.edProjekt.SetText("Da");
  platform::ScriptedUi ui;
  ui.Push(platform::mrOk);
  EXPECT_FALSE(dlg.CanClose(platform::mrOk));
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests().back().text, "Projekt existiert schon.");
}

}  // namespace
