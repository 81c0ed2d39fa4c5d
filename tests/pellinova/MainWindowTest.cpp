// Pellinova's main window: what it does differently from Corvanta's on a
// folder of local files (the source folder check, the XML export viewed,
// the status labels, the runs from "Update" and "Editieren") and the
// reference item of the help menu.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "core/TText.h"
#include "coregui/CommandLine.h"
#include "coregui/SettingsHost.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "fsctl/FsDirectoryListBox.h"
#include "pellinova/menue.h"
#include "pellinova/wizard.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/TestingUi.h"
#include "tests/pellinova/PellinovaFixture.h"

namespace {

using testing::HasSubstr;
using testing::StartsWith;

class PellinovaWindow : public pellinova_test::PellinovaFolder {
 protected:
  void SetUp() override {
    PellinovaFolder::SetUp();
    Page("a.htm", "<title>A</title> Apfel Birne");
    Page("sub\\b.htm", "<title>B</title> Kirsche");
    platform::WriteFileBytes(tool_, "MZ");
    settings_.SetJavascriptEditor(tool_);
    window_.SetSettings(&settings_);
  }
  void TearDown() override {
    window_.SetSettings(nullptr);
    platform::App().OnException = onException_;
    platform::App().OnHelp = onHelp_;
    PellinovaFolder::TearDown();
  }

  // Opens a project file written like the fixture's, through the window.
  void OpenInWindow(const std::vector<std::string>& pages, const std::string& settings = "") {
    Open(pages, "StopwortListeVerwenden=0\r\n" + settings);
    const std::string path = project_->GetProjectFileName();
    project_.reset();
    ASSERT_TRUE(window_.OpenProject(path));
  }

  std::string Label(const char* name) { return window_.Find<platform::Label>(name).Caption(); }

  std::function<void(const std::exception&)> onException_ = platform::App().OnException;
  std::function<void(int)> onHelp_ = platform::App().OnHelp;
  std::string tool_ = folder_ / "werkzeug.exe";
  core::TLanguage language_;
  core::StandInSettingsHost host_;
  core::TIni settings_{folder_ / "p.ini", false, language_, host_, true};
  pellinova::TMarbelkosteHaupt window_;
};

TEST_F(PellinovaWindow, MissingSourceFolderStopsTheRunAfterTheStopWordCheck) {
  EXPECT_EQ(window_.Caption(), "Quarvelin(tm) Pellinova - Kein Projekt aktiv");
  OpenInWindow({"a.htm"});
  EXPECT_THAT(window_.Caption(), StartsWith("Quarvelin(tm) Pellinova - "));
  window_.Project()->SetHTMLVerzeichnis(folder_ / "weg");
  struct Case {
    bool stopWords;
    int helpContext;
  };
  for (const Case c : {Case{false, 306}, Case{true, 305}}) {
    window_.Project()->SetStopwortListeVerwenden(c.stopWords);
    window_.AbortFlag() = false;
    platform::ScriptedUi ui;
    EXPECT_FALSE(window_.RunIndex(false, window_.AbortFlag()));
    ASSERT_EQ(ui.Requests().size(), 1u);
    EXPECT_EQ(ui.Requests()[0].helpContext, c.helpContext);
  }
  EXPECT_FALSE(platform::FileExists(targetDir_ + "\\suche.js"));
}

TEST_F(PellinovaWindow, UpdateAndEditieren) {
  OpenInWindow({"a.htm", "sub\\b.htm"});
  platform::ScriptedUi ui;
  window_.UpdateProject();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_THAT(ui.Requests()[0].text, StartsWith("Die Dateien sind vollst\xE4ndig analysiert worden:"));
  EXPECT_THAT(ui.Requests()[0].text, HasSubstr("2 Dateien wurden betrachtet"));
  EXPECT_TRUE(platform::FileExists(targetDir_ + "\\suche.js"));

  // "Editieren": the selection emptied, then OK: the message and the
  // selection again; Abbrechen ends it.
  ui.Push([](platform::UiRequest& r) {
    auto& list = r.form->Find<platform::ListBox>("lbxHTMLDateien");
    for (int i = 0; i < list.Count(); ++i) list.SetSelected(i, true);
    list.OnKeyDown(VK_DELETE);
    return platform::mrOk;
  });
  ui.Push(platform::mrOk);
  ui.Push(platform::mrCancel);
  window_.EditProject();
  ASSERT_EQ(ui.Requests().size(), 4u);
  EXPECT_EQ(ui.Requests()[2].text, "Sie haben keine Dateien ausgew\xE4hlt.");
  EXPECT_EQ(ui.Requests()[2].helpContext, 304);
  EXPECT_EQ(window_.Project()->Pages().size(), 0u);
}

TEST_F(PellinovaWindow, AnsehenOpensTheXmlExportWhenTheProjectWritesOne) {
  OpenInWindow({"a.htm"}, "XML=1\r\n");
  platform::ScriptedUi ui;
  window_.ViewIndex();
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 311);
  platform::WriteFileBytes(targetDir_ + "\\suche.xml", "<x/>");
  window_.ViewIndex();
  EXPECT_EQ(ui.Requests().size(), 1u);
}

TEST_F(PellinovaWindow, StatusTellsWhereThePagesLieAndHowTheyAreLinked) {
  platform::WriteFileBytes(templateDir_ + "\\Pellinova.ini", "[Options]\r\nMega=1\r\n");
  const std::string server = "http://www.ein-sehr-langer-server-name.example.de/verzeichnis";
  struct Case {
    std::string settings;
    std::string urls, urls2;
  } cases[] = {
      {"RelativerPfad=1\r\n", "relativ, falls selbes Laufwerk", core::Text().ShortenUrl(siteDir_, 30)},
      {"RelativerPfad=0\r\nServerNameVerwenden=1\r\nServerName=" + server + "\r\n", server, server},
      {"RelativerPfad=0\r\nServerNameVerwenden=0\r\n", "absolut", core::Text().ShortenUrl(siteDir_, 30)},
  };
  for (const Case& c : cases) {
    OpenInWindow({"a.htm"}, "DetailsModus=1\r\n" + c.settings);
    EXPECT_EQ(Label("lblURLs"), c.urls);
    EXPECT_EQ(Label("lblURLs2"), c.urls2);
    EXPECT_EQ(Label("lblHTML"), core::Text().ShortenUrl(siteDir_, 30));
    EXPECT_EQ(Label("lblAutoOptimierung"), "n/a");
    EXPECT_EQ(Label("lblGlossar"), "n/a");
  }
}

TEST_F(PellinovaWindow, ReferenceItemFollowsItsPage) {
  auto& item = window_.Find<platform::MenuItem>("menDunmeralReferenz");
  const std::string page = pellinova::TMarbelkosteHaupt::ReferencePage();
  ASSERT_EQ(page, core::ProgramDirectory() + "dunmeral\\doc\\index.htm");
  window_.FormShow();
  EXPECT_FALSE(item.Enabled());
  platform::ForceDirectories(platform::ExtractFilePath(page));
  platform::WriteFileBytes(page, "<html>");
  window_.FormShow();
  platform::DeleteFileIfExists(page);
  RemoveDirectoryA(platform::ExtractFilePath(page).c_str());
  RemoveDirectoryA((core::ProgramDirectory() + "dunmeral").c_str());
  EXPECT_TRUE(item.Enabled());
  window_.FormShow();
  EXPECT_TRUE(item.Enabled());
  EXPECT_EQ(item.HelpContext(), 58);
}

// The wizard over a folder of pages: the project named on page 3, the HTML
// folder on page 4, the target on page 5; page 6 searches, merges and runs.
TEST_F(PellinovaWindow, WizardFromTheHtmlFolderToTheSearchForm) {
  const std::string projects = core::ProgramDirectory() + "projekte";
  const std::string file = projects + "\\pwassistent.lvq";
  platform::ForceDirectories(projects);
  platform::WriteFileBytes(file, "[Einstellungen]\r\nStopwortListeVerwenden=0\r\nVorlagenVerzeichnis=" + templateDir_ +
                                     "\r\n");
  const auto folderPage = [](const std::string& folder) {
    return [folder](platform::UiRequest& r) {
      r.form->Find<fsctl::TFsDirectoryListBox>("DirectoryListBox1").SetDirectory(folder);
      return platform::mrOk;
    };
  };
  platform::ScriptedUi ui;
  ui.Push(platform::mrOk);
  ui.Push(platform::mrOk);
  ui.Push([](platform::UiRequest& r) {
    r.form->Find<platform::Edit>("edProjektName").SetText("pwassistent");
    return platform::mrOk;
  });
  ui.Push(folderPage(siteDir_));
  ui.Push(folderPage(targetDir_));
  ui.Push(platform::mrOk);
  ui.Push(platform::mrOk);
  window_.Assistent1Click();
  const std::string saved = platform::ReadFileBytes(file);
  platform::DeleteFileIfExists(file);
  RemoveDirectoryA(projects.c_str());

  ASSERT_EQ(ui.Requests().size(), 7u);
  EXPECT_EQ(ui.Requests()[3].caption, "Quarvelin(tm) Pellinova - Suchformular-Assistent (HTML-Verzeichnis w\xE4hlen)");
  EXPECT_FALSE(ui.RanDry());
  ASSERT_NE(window_.Project(), nullptr);
  std::vector<std::string> pages;
  for (const auto& page : window_.Project()->Pages()) pages.push_back(page->url);
  EXPECT_EQ(pages, (std::vector<std::string>{"a.htm", "sub\\b.htm"}));
  EXPECT_NE(platform::ReadFileBytes(targetDir_ + "\\suche.js").find("sub/b.htm"), std::string::npos);
  EXPECT_NE(saved.find("HTMLVerzeichnis=" + siteDir_ + "\r\n"), std::string::npos);
}

// Page 5 asks about different drives only when it goes on.
TEST_F(PellinovaWindow, TargetPageQuestionsAnotherDrive) {
  OpenInWindow({});
  pellinova::TWizardZielDlg page({[this] { return window_.Projekt(); }, {}, "Pellinova"});
  page.BitBtn1Click();
  EXPECT_EQ(page.DirectoryListBox1.Directory(), siteDir_);
  platform::ScriptedUi ui;
  EXPECT_TRUE(page.CanClose(platform::mrOk));
  page.DirectoryListBox1.SetDirectory("Z:\\");
  page.DriveComboBox1.SetDrive('z');
  EXPECT_TRUE(page.CanClose(platform::mrYes));
  EXPECT_TRUE(page.CanClose(platform::mrCancel));
  ui.Push(platform::mrNo);
  EXPECT_FALSE(page.CanClose(platform::mrOk));
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 324);
}

}  // namespace
