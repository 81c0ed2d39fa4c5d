// The main window: opening and closing projects as the settings and the
// commands ask for it, the application's handlers, closing, and the layout
// of the tool-button row.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "coregui/CommandLine.h"
#include "coregui/SettingsHost.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "corvanta/menue.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/desktop/DesktopTestSupport.h"

namespace {

using desktoptest::ProjectFolder;

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

// Each help context reaches the browser launcher as its page below "hilfe"
// beside the program (missing here, so the launcher's warning names it).
TEST_F(MainWindow, HelpHandlerOpensThePageOfTheContext) {
  corvanta::TMarbelkosteHaupt window;
  core::TLanguage language;
  core::StandInSettingsHost host;
  core::TIni settings(f_.folder / "Corvanta.INI", false, language, host, true);
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  settings.SetWWWBrowser(exe);
  window.SetSettings(&settings);

  platform::ScriptedUi ui;
  const std::pair<int, const char*> cases[] = {{303, "meldungen.htm#javascript"}, {704, "index.htm"}};
  for (const auto& [context, page] : cases) {
    platform::App().HelpContext(context);
    ASSERT_FALSE(ui.Requests().empty());
    const auto& warning = ui.Requests().back();
    EXPECT_EQ(warning.text,
              "Die Hilfeseite\r\r" + core::ProgramDirectory() + "hilfe\\" + page + "\r\r existiert nicht.");
    EXPECT_EQ(warning.helpContext, 302);
  }
  EXPECT_EQ(ui.Requests().size(), 2u);
}

TEST_F(MainWindow, HandlersAreTheWindowsWhileItLivesAndThePreviousOnesAfter) {
  int before = 0;
  platform::App().OnHelp = [&](int) { ++before; };
  {
    corvanta::TMarbelkosteHaupt corvantaWindow;
    {
      // The second window (as a test may make) hands back the first one's.
      corvanta::TMarbelkosteHaupt second;
    }
    platform::ScriptedUi ui;
    // Without settings the window's handler finds no browser and says so.
    platform::App().HelpContext(301);
    ASSERT_EQ(ui.Requests().size(), 1u);
    EXPECT_EQ(ui.Requests()[0].helpContext, 0);

    // A command that fails half-way leaves the window enabled again.
    corvantaWindow.SetEnabled(false);
    platform::App().HandleException(std::runtime_error("kaputt"));
    EXPECT_TRUE(corvantaWindow.Enabled());
    ASSERT_EQ(ui.Requests().size(), 2u);
    EXPECT_EQ(ui.Requests()[1].text, "kaputt");
  }
  platform::App().HelpContext(301);
  EXPECT_EQ(before, 1);
}

TEST_F(MainWindow, QuitAsksFirstAndNoKeepsTheWindow) {
  corvanta::TMarbelkosteHaupt window;
  window.Show();
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  window.Quit();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].text, "Wollen Sie Quarvelin(tm) Corvanta wirklich verlassen?");
  EXPECT_EQ(ui.Requests()[0].buttons, unsigned(platform::mbYes | platform::mbNo | platform::mbHelp));
  EXPECT_EQ(ui.Requests()[0].helpContext, 321);
  EXPECT_TRUE(window.Visible());
  EXPECT_FALSE(window.QuitAsked());
  // The close box asks nothing.
  window.Close();
  EXPECT_EQ(ui.Requests().size(), 1u);
  EXPECT_FALSE(window.Visible());
  // The quit request the close posted must not end the test program's loop.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

TEST_F(MainWindow, ToolbarLayoutSetsTheClientArea) {
  corvanta::TMarbelkosteHaupt window;
  struct Case {
    bool large;
    bool details;
    int clientWidth;
    int clientHeight;
  };
  for (const Case& c : {Case{true, false, 508, 39}, Case{false, false, 362, 27}, Case{true, true, 508, 396},
                        Case{false, true, 362, 384}}) {
    window.ApplyToolbarLayout(core::ComputeToolbarLayout(c.large, c.details));
    EXPECT_EQ(window.ClientWidth(), c.clientWidth) << c.large << c.details;
    EXPECT_EQ(window.ClientHeight(), c.clientHeight) << c.large << c.details;
  }
}

// The settings load at start-up acts on the real window: the last project
// back with its status pages, the window on top, the small buttons, for
// both settings of each.
TEST_F(MainWindow, SettingsLoadReopensTheProjectAndStylesTheWindow) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  const std::string tool = exe;
  struct Case {
    bool onTop;
    bool large;
    bool details;
    int clientWidth;
    int clientHeight;
  };
  for (const Case& c : {Case{true, false, true, 362, 384}, Case{false, true, false, 508, 39}}) {
    const std::string project = f_.WriteProject("zuletzt.ovk", c.details ? "DetailsModus=1\r\n" : "");
    const std::string file = f_.folder / "Corvanta.INI";
    platform::WriteFileBytes(file, "[Environment]\r\nTextEditor=" + tool + "\r\nJavascriptEditor=" + tool +
                                       "\r\nHTMLEditor=" + tool + "\r\nWWWBrowser=" + tool + "\r\nForeground=" +
                                       (c.onTop ? "1" : "0") + "\r\nSpeedButton=" + (c.large ? "1" : "0") +
                                       "\r\nLastProjectName=" + project + "\r\n");
    corvanta::TMarbelkosteHaupt window;
    core::TLanguage language;
    core::TIni settings(file, false, language, window, true);
    window.SetSettings(&settings);
    platform::ScriptedUi ui;
    settings.LoadSettings();
    EXPECT_TRUE(ui.Requests().empty());
    EXPECT_EQ(window.ProjectFileName(), project);
    EXPECT_EQ(window.StayOnTop(), c.onTop);
    EXPECT_EQ(window.ClientWidth(), c.clientWidth);
    EXPECT_EQ(window.ClientHeight(), c.clientHeight);
    EXPECT_EQ(window.Find<platform::Control>("pacStatus").Visible(), c.details);
  }
}

}  // namespace
