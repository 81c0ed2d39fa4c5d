// The main window's commands: their checks and messages, the runs against a
// site on 127.0.0.1, the template copy and the status toggle.
#include "tests/net/LocalServer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "corvanta/menue.h"
#include "net/dtmHTTP.h"
#include "platform/base/Clock.h"
#include "platform/base/IniFile.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/TestingUi.h"
#include "tests/desktop/DesktopTestSupport.h"

namespace {

using desktoptest::ProjectFolder;
using testing::HasSubstr;

class Commands : public ::testing::Test {
 protected:
  void SetUp() override {
    site_.Page("/index.htm", "<title>Start</title> Willkommen Garten <a href=\"seite1.htm\">eins</a>");
    site_.Page("/seite1.htm", "<title>Eins</title> Apfel Birne");
    for (const char* name : {"suche.htm", "suchein.htm", "suchhilf.htm", "suchlade.htm"})
      platform::WriteFileBytes(f_.templateDir + "\\" + name, std::string("<html>") + name);
    platform::WriteFileBytes(tool_, "MZ");
  }
  void TearDown() override {
    platform::App().OnException = onException_;
    platform::App().OnHelp = onHelp_;
  }

  std::string Url(const std::string& path) const { return site_.Base() + path; }

  // Opens projekte\p.ovk with the site's two pages.
  void OpenSiteProject(const std::string& settings = "") {
    f_.WriteProject("p.ovk", "WebSite=" + Url("/index.htm") + "\r\n" + settings,
                    {{Url("/index.htm"), "", ""}, {Url("/seite1.htm"), "", ""}});
    ASSERT_TRUE(window_.OpenProject(f_.projectsDir + "\\p.ovk"));
  }

  std::string Target(const std::string& name) const { return f_.targetDir + "\\" + name; }

  std::function<void(const std::exception&)> onException_ = platform::App().OnException;
  std::function<void(int)> onHelp_ = platform::App().OnHelp;
  ProjectFolder f_;
  nettest::SiteServer site_;
  net::TdtmHTTP dtm_;
  std::string tool_ = f_.folder / "werkzeug.exe";
  corvanta::TMarbelkosteHaupt window_;
};

TEST_F(Commands, ProjectCommandsOnlyWithAProject) {
  EXPECT_FALSE(window_.Find<platform::MenuItem>("menIndex").Enabled());
  EXPECT_FALSE(window_.Find<platform::Control>("sbtIndex").Enabled());
  OpenSiteProject();
  EXPECT_TRUE(window_.Find<platform::MenuItem>("menIndex").Enabled());
  EXPECT_TRUE(window_.Find<platform::Control>("sbtIndex").Enabled());
  window_.CloseProject();
  EXPECT_FALSE(window_.Find<platform::MenuItem>("menAktualisieren").Enabled());
}

// "Projekt...": the folder buttons open the folder dialog, and only OK
// stores the dialog's values and saves the project.
TEST_F(Commands, ProjectSettingsStoreAndSaveOnlyOnOk) {
  OpenSiteProject();
  core::TLanguage language;
  core::StandInSettingsHost host;
  core::TIni settings(f_.folder / "c.ini", false, language, host, true);
  window_.SetSettings(&settings);
  const std::string file = window_.ProjectFileName();
  for (const int answer : {int(platform::mrCancel), int(platform::mrOk)}) {
    platform::ScriptedUi ui;
    std::string folderDialog;
    ui.Push([&](platform::UiRequest& r) {
      r.form->SetControlValue("edWebsite", "http://neu.test/");
      r.form->Find<platform::Button>("BitBtn2").Click();
      return answer;
    });
    ui.Push([&](platform::UiRequest& r) {
      folderDialog = r.form->Caption();
      return int(platform::mrCancel);
    });
    window_.Find<platform::MenuItem>("menProjektEinstellungen").Click();
    EXPECT_FALSE(folderDialog.empty());
    const bool stored = answer == platform::mrOk;
    EXPECT_EQ(window_.Projekt()->GetWebSite() == "http://neu.test/", stored);
    EXPECT_EQ(platform::ReadFileBytes(file).find("WebSite=http://neu.test/") != std::string::npos, stored);
  }
}

// Each check stops its command with its message and help context.
TEST_F(Commands, ChecksStopTheCommandWithTheirMessage) {
  OpenSiteProject();
  core::TLanguage language;
  core::StandInSettingsHost host;
  core::TIni settings(f_.folder / "c.ini", false, language, host, true);
  window_.SetSettings(&settings);
  core::TProjekt& p = *window_.Projekt();
  struct Case {
    std::function<void()> arrange;
    std::function<void()> command;
    const char* start;
    int helpContext;
  };
  const auto view = [&] { window_.ViewIndex(); };
  const Case cases[] = {
      {[&] { settings.SetJavascriptEditor(f_.folder / "fehlt.exe"); }, view, "Die Einstellung f\xFCr den Javascript-Editor",
       320},
      {[&] { settings.SetJavascriptEditor(tool_); }, view, "Die Einstellung f\xFCr die Javascript-Datei unter\r\"Einstellungen - Projekt... - [Verzeichnisse] - Suchformular/Ziel\"", 311},
      {[&] { platform::DeleteFileIfExists(f_.templateDir + "\\suche.js"); }, [&] { window_.EditTemplateDatabase(); },
       "Die Einstellung f\xFCr die Javascript-Datei unter\r\"Einstellungen - Projekt... - [Verzeichnisse] - Vorlagen\"", 303},
      {[&] { settings.SetHTMLEditor(""); }, [&] { window_.Find<platform::MenuItem>("menFrame").Click(); },
       "Die Einstellung f\xFCr den HTML-Editor", 313},
      {[&] { settings.SetWWWBrowser(""); }, [&] { window_.TestSearchForm(); }, "Die Einstellung f\xFCr den WWW-Browser", 301},
      {[&] { settings.SetWWWBrowser(tool_); }, [&] { window_.TestSearchForm(); },
       "Die Einstellung f\xFCr die Hauptdatei des Suchformulars", 300},
      {[&] { p.SetStopwortListeVerwenden(true); }, [&] { window_.RunIndex(true, window_.AbortFlag()); },
       "Die Einstellung f\xFCr die Stopwortliste", 305},
      {[&] {
         p.SetStopwortListeVerwenden(false);
         p.SetZielVerzeichnis(f_.folder / "nirgends");
       },
       [&] { window_.RunIndex(true, window_.AbortFlag()); }, "Die Einstellung f\xFCr das Zielverzeichnis", 307},
      {[&] {
         p.SetZielVerzeichnis(f_.targetDir);
         MoveFileA(f_.templateDir.c_str(), (f_.templateDir + "_weg").c_str());
       },
       [&] { window_.RunIndex(true, window_.AbortFlag()); }, "Die Einstellung f\xFCr das Vorlagen-Verzeichnis", 308},
  };
  for (const Case& c : cases) {
    window_.AbortFlag() = false;
    c.arrange();
    platform::ScriptedUi ui;
    c.command();
    ASSERT_EQ(ui.Requests().size(), 1u) << c.start;
    EXPECT_THAT(ui.Requests()[0].text, testing::StartsWith(c.start));
    EXPECT_EQ(ui.Requests()[0].caption, "Fehler");
    EXPECT_EQ(ui.Requests()[0].helpContext, c.helpContext);
    EXPECT_EQ(ui.Requests()[0].buttons, unsigned(platform::mbOK | platform::mbHelp));
  }
  window_.SetSettings(nullptr);
}

TEST_F(Commands, UpdateRunsShowsStatisticsAndSaves) {
  OpenSiteProject("StopwortListeVerwenden=0\r\n");
  platform::ScriptedUi ui;
  window_.UpdateProject();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_THAT(ui.Requests()[0].text,
              testing::StartsWith("Die Web-Seiten sind vollst\xE4ndig analysiert worden:\r\rZielverzeichnis ist " +
                                  f_.targetDir + "\rIndexdatei ist "));
  EXPECT_THAT(ui.Requests()[0].text, HasSubstr(" Bytes gro\xDF\r\r2 Web-Seiten wurden betrachtet\r"));
  EXPECT_EQ(ui.Requests()[0].helpContext, 309);
  EXPECT_TRUE(platform::FileExists(Target("suche.js")));
  EXPECT_TRUE(platform::FileExists(Target("suchlade.htm")));
  EXPECT_TRUE(window_.Enabled());
  platform::TIniFile saved(f_.projectsDir + "\\p.ovk");
  EXPECT_NE(saved.ReadString("Einstellungen", "AnalyseDauer", ""), "");
}

TEST_F(Commands, UpdateWithoutPagesOrTemplateDatabase) {
  f_.WriteProject("leer.ovk", "");
  ASSERT_TRUE(window_.OpenProject(f_.projectsDir + "\\leer.ovk"));
  platform::ScriptedUi ui;
  window_.UpdateProject();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].text, "Keine Web-Seiten gefunden.");
  EXPECT_EQ(ui.Requests()[0].caption, "Information");
  EXPECT_EQ(ui.Requests()[0].helpContext, 304);

  // A missing template database: no run, and the project comes back from
  // its file, without what was changed in memory.
  OpenSiteProject();
  platform::DeleteFileIfExists(f_.templateDir + "\\suche.js");
  window_.Projekt()->SetWebSite("http://anders/");
  window_.UpdateProject();
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[1].helpContext, 303);
  EXPECT_EQ(window_.Projekt()->GetWebSite(), Url("/index.htm"));
  EXPECT_FALSE(platform::FileExists(Target("suche.js")));
}

TEST_F(Commands, RunWithoutUsableWordsSaysSo) {
  site_.Page("/index.htm", "<html><body>1 2 3</body></html>");
  site_.Page("/seite1.htm", "<html><body>4 5</body></html>");
  OpenSiteProject();
  window_.Projekt()->Pages().pop_back();
  platform::ScriptedUi ui;
  window_.UpdateProject();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].text, "Die ausgew\xE4hlten Web-Seiten beinhalten keine brauchbaren Schlagworte.");
  EXPECT_EQ(ui.Requests()[0].helpContext, 322);
}

// Copying the template onto itself leaves every file whole.
TEST_F(Commands, TemplateCopyAsksAndSkipsFilesOntoThemselves) {
  OpenSiteProject();
  platform::WriteFileBytes(Target("suche.htm"), "alt");
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  window_.CopyTemplate();
  EXPECT_EQ(ui.Requests()[0].text, "Wollen Sie das alte Suchformular unter\r\r" + f_.targetDir +
                                       "\r\rwirklich mit den Dateien unter\r\r" + f_.templateDir +
                                       "\r\r\xFC" "berschreiben?");
  EXPECT_EQ(ui.Requests()[0].helpContext, 314);
  EXPECT_EQ(platform::ReadFileBytes(Target("suche.htm")), "alt");

  ui.Push(platform::mrYes);
  window_.CopyTemplate();
  EXPECT_EQ(platform::ReadFileBytes(Target("suche.htm")), "<html>suche.htm");
  EXPECT_FALSE(platform::FileExists(Target("suche.js")));
  EXPECT_EQ(ui.Requests().back().text, "Ein neues Suchformular ist erstellt worden.");

  // The same folder in another spelling.
  std::string upper = f_.templateDir;
  for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  window_.Projekt()->SetZielVerzeichnis(upper + "\\");
  ui.Push(platform::mrYes);
  window_.CopyTemplate();
  EXPECT_EQ(ui.Requests().back().helpContext, 316);
  EXPECT_EQ(platform::ReadFileBytes(f_.templateDir + "\\suchein.htm"), "<html>suchein.htm");
  EXPECT_EQ(platform::ReadFileBytes(f_.templateDir + "\\suche.js"), desktoptest::kTemplateJs);
}

TEST_F(Commands, StatusToggleSavesAndTemplateMenuFollowsTheFiles) {
  OpenSiteProject();
  auto& item = window_.Find<platform::MenuItem>("menStatusAnzeigen");
  EXPECT_EQ(item.Caption(), "&Status anzeigen");
  window_.Find<platform::MenuItem>("menStatusAnzeigen").Click();
  EXPECT_EQ(item.Caption(), "&Status schlie\xDF" "en");
  platform::TIniFile saved(f_.projectsDir + "\\p.ovk");
  EXPECT_EQ(saved.ReadString("Einstellungen", "DetailsModus", ""), "1");
  item.Click();
  EXPECT_EQ(item.Caption(), "&Status anzeigen");
  EXPECT_EQ(platform::TIniFile(f_.projectsDir + "\\p.ovk").ReadString("Einstellungen", "DetailsModus", ""), "0");

  platform::DeleteFileIfExists(f_.templateDir + "\\suchhilf.htm");
  window_.Find<platform::MenuItem>("menErstellen").Click();
  EXPECT_TRUE(window_.Find<platform::MenuItem>("menFrame").Enabled());
  EXPECT_FALSE(window_.Find<platform::MenuItem>("menHilfetext").Enabled());
}

}  // namespace
