// The bare main window: opening and closing projects as the settings and the
// commands ask for it, and the help handler's page.
#include <gtest/gtest.h>

#include <string>

#include "CorvantaTestSupport.h"
#include "core/CommandLine.h"
#include "corvanta/menue.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"

namespace {

using corvantatest::ProjectFolder;

class MainWindow : public ::testing::Test {
 protected:
  // The window takes over the application's handlers; the test program's
  // own come back afterwards.
  void TearDown() override {
    platform::App().OnException = onException_;
    platform::App().OnHelp = onHelp_;
  }

  std::function<void(const std::exception&)> onException_ = platform::App().OnException;
  std::function<void(int)> onHelp_ = platform::App().OnHelp;
  ProjectFolder f_;
};

TEST_F(MainWindow, OpensClosesAndReportsAProjectThatCannotBeOpened) {
  corvanta::TMarbelkosteHaupt window;
  EXPECT_EQ(window.Caption(), "Quarvelin(tm) Corvanta - Kein Projekt aktiv");
  EXPECT_EQ(platform::App().Title(), "Quarvelin(tm) Corvanta");
  EXPECT_FALSE(window.ProjectOpen());

  // A name with a folder is taken as it stands; the extension is added.
  const std::string path = f_.WriteProject("garten.ovk", "WebSite=http://h/\r\n");
  ASSERT_TRUE(window.OpenProject(f_.projectsDir + "\\garten"));
  EXPECT_TRUE(window.ProjectOpen());
  EXPECT_EQ(window.ProjectFileName(), path);
  EXPECT_EQ(window.Caption(), "Quarvelin(tm) Corvanta - garten.ovk");
  ASSERT_NE(window.Projekt(), nullptr);
  EXPECT_EQ(window.Projekt()->GetWebSite(), "http://h/");

  window.CloseProject();
  EXPECT_FALSE(window.ProjectOpen());
  EXPECT_EQ(window.Projekt(), nullptr);
  EXPECT_EQ(window.Caption(), "Quarvelin(tm) Corvanta - Kein Projekt aktiv");

  // The load reports its own failure; the window adds its message.
  const std::string broken = f_.WriteProject("kaputt.ovk", "StopwortListeVerwenden=1\r\n");
  platform::ScriptedUi ui;
  EXPECT_FALSE(window.OpenProject(broken));
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[1].text, "Probleme beim Erstellen des Projekts. Breche Vorgang ab.");
  EXPECT_EQ(ui.Requests()[1].caption, "Fehler");
  EXPECT_EQ(ui.Requests()[1].helpContext, 318);
  EXPECT_FALSE(window.ProjectOpen());
  EXPECT_EQ(window.Projekt(), nullptr);
}

TEST_F(MainWindow, OpeningAnotherProjectSavesTheOpenOneOnlyWhenAsked) {
  corvanta::TMarbelkosteHaupt window;
  const std::string a = f_.WriteProject("a.ovk", "");
  const std::string b = f_.WriteProject("b.ovk", "");
  const std::string before = platform::ReadFileBytes(a);
  bool failed = true;
  window.OpenProject(a, true, failed);
  ASSERT_FALSE(failed);
  window.Projekt()->SetWebSite("http://neu/");
  window.OpenProject(b, false, failed);
  EXPECT_EQ(platform::ReadFileBytes(a), before);
  window.Projekt()->SetWebSite("http://neu/");
  window.OpenProject(a, true, failed);
  EXPECT_NE(platform::ReadFileBytes(b).find("WebSite=http://neu/"), std::string::npos);
}

TEST_F(MainWindow, HelpHandlerNamesThePage) {
  corvanta::TMarbelkosteHaupt window;
  platform::App().HelpContext(303);
  EXPECT_EQ(window.LastHelpPage(), core::ProgramDirectory() + "hilfe\\meldungen.htm#javascript");
  platform::App().HelpContext(704);
  EXPECT_EQ(window.LastHelpPage(), core::ProgramDirectory() + "hilfe\\index.htm");
}

}  // namespace
