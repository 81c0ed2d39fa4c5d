// The wizard and "Editieren" on the main window, against a site on
// 127.0.0.1: the pages and dialogs answered through the modal seam.
#include "tests/net/LocalServer.h"

#include <gtest/gtest.h>

#include <string>

#include "coregui/CommandLine.h"
#include "corvanta/directory.h"
#include "corvanta/menue.h"
#include "net/dtmHTTP.h"
#include "platform/base/IniFile.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/SpeedButton.h"
#include "platform/gui/TestingUi.h"
#include "tests/desktop/DesktopTestSupport.h"

namespace {

using desktoptest::ProjectFolder;

class WizardCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    site_.Page("/index.htm", "<title>Start</title> Willkommen Garten <a href=\"seite1.htm\">eins</a>");
    site_.Page("/seite1.htm", "<title>Eins</title> Apfel Birne");
    f_.WriteProject("wiz.ovk", "StopwortListeVerwenden=0\r\n");
  }

  std::string Url(const std::string& path) const { return site_.Base() + path; }

  // A wizard page (or dialog) answered as the user would: shown, filled,
  // closed with result.
  void Page(int result, std::function<void(platform::Form&)> fill = {}) {
    ui_.Push([result, fill](platform::UiRequest& r) {
      r.form->Show();
      if (fill) fill(*r.form);
      r.form->Hide();
      return result;
    });
  }
  // Pages 1 to 5 with the wizard's project and the site's start address.
  void PagesToTheAnalysis(const std::string& start) {
    Page(platform::mrOk);
    Page(platform::mrOk);
    Page(platform::mrOk, [&](platform::Form& p) { p.SetControlValue("edProjektName", f_.projectsDir + "\\wiz"); });
    Page(platform::mrOk, [start](platform::Form& p) { p.SetControlValue("edWebsite", start); });
    Page(platform::mrOk);
  }

  ProjectFolder f_;
  nettest::SiteServer site_;
  net::TdtmHTTP dtm_;
  corvanta::TMarbelkosteHaupt window_;
  platform::ScriptedUi ui_;
};

// A flag left set by a command that failed before does not stop the run.
TEST_F(WizardCommand, RunsThroughToASavedProjectAfterAFailedCommand) {
  window_.AbortFlag() = true;
  PagesToTheAnalysis(Url("/index.htm"));
  Page(platform::mrOk);
  Page(platform::mrOk);
  window_.Find<platform::SpeedButton>("sbtAssistent").Click();

  ASSERT_EQ(ui_.Requests().size(), 7u);
  EXPECT_EQ(ui_.Requests()[6].caption, "Quarvelin(tm) Corvanta - Suchformular-Assistent (Fertig!)");
  EXPECT_FALSE(ui_.RanDry());
  ASSERT_NE(window_.Projekt(), nullptr);
  EXPECT_EQ(window_.Projekt()->GetProjectFileName(), f_.projectsDir + "\\wiz.ovk");
  platform::TIniFile saved(f_.projectsDir + "\\wiz.ovk");
  EXPECT_EQ(saved.ReadString("Einstellungen", "WebSite", ""), Url("/index.htm"));
  EXPECT_EQ(saved.ReadString("Dateien", "2", ""), Url("/seite1.htm"));
  EXPECT_TRUE(platform::FileExists(f_.targetDir + "\\suche.js"));
  EXPECT_TRUE(window_.Enabled());
}

// No page found: the warning and the site page again; Cancel there drops the
// wizard's project unsaved and reopens the one open before from the folder
// of projects.
TEST_F(WizardCommand, NoPagesLeadBackAndCancelReopensThePreviousProject) {
  const std::string projects = core::ProgramDirectory() + "projekte";
  platform::ForceDirectories(projects);
  const std::string before = projects + "\\wizard_vorher.ovk";
  platform::WriteFileBytes(before, f_.ProjectText(""));
  ASSERT_TRUE(window_.OpenProject(before));
  const std::string wizard = platform::ReadFileBytes(f_.projectsDir + "\\wiz.ovk");

  PagesToTheAnalysis(Url("/fehlt.htm"));
  Page(platform::mrOk);
  ui_.Push(platform::mrOk);
  Page(platform::mrCancel);
  window_.Assistent1Click();

  ASSERT_EQ(ui_.Requests().size(), 8u);
  EXPECT_EQ(ui_.Requests()[6].text, "Keine Web-Seiten gefunden.");
  EXPECT_EQ(ui_.Requests()[6].helpContext, 319);
  EXPECT_EQ(ui_.Requests()[6].caption, "Warnung");
  EXPECT_EQ(ui_.Requests()[7].caption,
            "Quarvelin(tm) Corvanta - Suchformular-Assistent (Web-Site-Angaben festlegen)");
  ASSERT_NE(window_.Projekt(), nullptr);
  EXPECT_EQ(window_.Projekt()->GetProjectFileName(), before);
  EXPECT_EQ(platform::ReadFileBytes(f_.projectsDir + "\\wiz.ovk"), wizard);
  window_.CloseProject();
  platform::DeleteFileIfExists(before);
}

// "Editieren": OK without pages is refused, a read-in list is run and saved.
TEST_F(WizardCommand, EditRunsTheChosenPagesAndSaves) {
  f_.WriteProject("p.ovk", "WebSite=" + Url("/index.htm") + "\r\n");
  ASSERT_TRUE(window_.OpenProject(f_.projectsDir + "\\p.ovk"));
  Page(platform::mrOk);
  ui_.Push(platform::mrOk);
  Page(platform::mrOk, [](platform::Form& p) { static_cast<corvanta::TDirectoryDlg&>(p).btnEinlesenClick(); });
  ui_.Push(platform::mrOk);
  window_.EditProject();

  ASSERT_EQ(ui_.Requests().size(), 4u);
  EXPECT_EQ(ui_.Requests()[1].text, "Sie haben keine Web-Seiten ausgew\xE4hlt.");
  EXPECT_EQ(ui_.Requests()[1].helpContext, 304);
  EXPECT_EQ(ui_.Requests()[3].helpContext, 309);
  platform::TIniFile saved(f_.projectsDir + "\\p.ovk");
  EXPECT_EQ(saved.ReadString("Dateien", "1", ""), Url("/index.htm"));
  EXPECT_TRUE(window_.Enabled());
}

}  // namespace
