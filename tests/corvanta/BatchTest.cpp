// The batch run in the test process against a small site on 127.0.0.1: what
// it leaves on disk and its exit code, when it succeeds, when the site cannot
// be reached, when a check fails, and when the walk, the analysis or the
// copy step is cancelled.
#include "tests/net/LocalServer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "coregui/hinweis.h"
#include "corvanta/commandline.h"
#include "net/dtmHTTP.h"
#include "platform/base/IniFile.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/desktop/DesktopTestSupport.h"

namespace {

using desktoptest::ProjectFolder;
using testing::HasSubstr;

void ServeSite(nettest::SiteServer& site) {
  site.Page("/index.htm",
            "<html><head><title>Startseite</title></head><body>Willkommen im Garten "
            "<a href=\"seite1.htm\">eins</a> <a href=\"seite2.htm\">zwei</a> "
            "<a href=\"suche.htm\">Suche</a> <a href=\"fehlt.htm\">weg</a></body></html>");
  site.Page("/seite1.htm", "<title>Erste Seite</title> Apfel Birne <a href=\"index.htm\">zurück</a>");
  site.Page("/seite2.htm", "<title>Zweite Seite</title> Kirsche");
  site.Page("/suche.htm", "<title>Suche</title> Suchformular");
}

class Batch : public ::testing::Test {
 protected:
  void SetUp() override {
    ServeSite(site_);
    platform::WriteFileBytes(f_.templateDir + "\\suche.htm", "<frameset></frameset>");
    platform::WriteFileBytes(f_.templateDir + "\\suchein.htm", "<form></form>");
    platform::WriteFileBytes(f_.templateDir + "\\lupe.gif", "GIF89a");
    env_.programDir = f_.programDir;
  }

  std::string Url(const std::string& path) const { return site_.Base() + path; }

  // projekte\site.ovk on the site's start page, with one page still on the
  // site and one gone.
  std::string WriteSiteProject(const std::string& settings = "") {
    return f_.WriteProject("site.ovk", "WebSite=" + Url("/index.htm") + "\r\n" + settings,
                           {{Url("/seite2.htm"), "Von Hand", "+Obst"}, {Url("/alt.htm"), "Alt", ""}});
  }

  std::string Target(const std::string& name) const { return f_.targetDir + "\\" + name; }

  ProjectFolder f_;
  nettest::SiteServer site_;
  net::TdtmHTTP dtm_;
  corvanta::BatchEnvironment env_;
};

TEST_F(Batch, WalksMergesGeneratesCopiesAndSaves) {
  const std::string path = WriteSiteProject();
  platform::ScriptedUi ui;
  EXPECT_EQ(corvanta::HandleCommandLine({"/b", "site"}, env_), core::kExitOk);
  EXPECT_TRUE(ui.Requests().empty());

  // The pages that stay keep their place and what the user wrote; the
  // search form's own page and the page that failed are not taken.
  platform::TIniFile saved(path);
  EXPECT_EQ(saved.ReadString("Einstellungen", "AnzahlEintraege", ""), "3");
  EXPECT_EQ(saved.ReadString("Dateien", "1", ""), Url("/seite2.htm"));
  EXPECT_EQ(saved.ReadString("Dateien", "2", ""), Url("/index.htm"));
  EXPECT_EQ(saved.ReadString("Dateien", "3", ""), Url("/seite1.htm"));
  EXPECT_EQ(saved.ReadString("Beschreibung", "1", ""), "Von Hand");
  EXPECT_EQ(saved.ReadString("Schlagworte", "1", ""), "+Obst");
  EXPECT_EQ(saved.ReadString("Beschreibung", "2", "x"), "");

  const std::string db = platform::ReadFileBytes(Target("suche.js"));
  EXPECT_THAT(db, HasSubstr("eintrag.item[0].seite = \"" + Url("/seite2.htm") + "\";\r\n"));
  EXPECT_THAT(db, HasSubstr("eintrag.item[0].beschreibung = \"Von Hand\";\r\n"));
  EXPECT_THAT(db, HasSubstr("eintrag.item[0].begriff = \"Kirsche,Obst\";\r\n"));
  EXPECT_THAT(db, HasSubstr("var index_max = 2;\r\n"));
  EXPECT_EQ(saved.ReadString("Einstellungen", "JavascriptGroesse", ""), std::to_string(db.size()));

  EXPECT_EQ(platform::ReadFileBytes(Target("suche.htm")), "<frameset></frameset>");
  EXPECT_EQ(platform::ReadFileBytes(Target("suchein.htm")), "<form></form>");
  EXPECT_EQ(platform::ReadFileBytes(Target("lupe.gif")), "GIF89a");
  // The run indexes what the walk fetched: no page is asked for twice.
  EXPECT_THAT(site_.Paths(), testing::UnorderedElementsAre("/index.htm", "/fehlt.htm", "/seite1.htm",
                                                           "/seite2.htm", "/suche.htm"));
}

TEST_F(Batch, UnreachableSiteLeavesTheProjectAsItWas) {
  const std::string path =
      f_.WriteProject("weg.ovk", "WebSite=http://127.0.0.1:" + std::to_string(nettest::RefusedPort()) + "/\r\n",
                      {{Url("/seite2.htm"), "Von Hand", ""}});
  const std::string before = platform::ReadFileBytes(path);
  platform::ScriptedUi ui;
  EXPECT_EQ(corvanta::RunBatch(path, env_), core::kExitFailed);
  EXPECT_EQ(platform::ReadFileBytes(path), before);
  EXPECT_FALSE(platform::FileExists(Target("suche.js")));
  EXPECT_TRUE(ui.Requests().empty());
}

TEST_F(Batch, DefaultParameterFileThatIsMissingStartsANewProjectAndFindsNothing) {
  // "auto.ovk" is not checked before the run; a new project has no site.
  platform::ScriptedUi ui;
  EXPECT_EQ(corvanta::HandleCommandLine({"-BATCH"}, env_), core::kExitFailed);
  EXPECT_FALSE(platform::FileExists(f_.projectsDir + "\\auto.ovk"));
}

TEST_F(Batch, MissingStopWordListFailsWithTheProjectUnchanged) {
  const std::string path = WriteSiteProject("StopwortListeVerwenden=1\r\n");
  const std::string before = platform::ReadFileBytes(path);
  platform::ScriptedUi ui;
  EXPECT_EQ(corvanta::RunBatch(path, env_), core::kExitFailed);
  EXPECT_EQ(platform::ReadFileBytes(path), before);
  EXPECT_FALSE(platform::FileExists(Target("suche.js")));
}

TEST_F(Batch, StopWordListGoneDuringTheWalkFailsTheCheck) {
  const std::string list = f_.templateDir + "\\stopwort.lst";
  platform::WriteFileBytes(list, "und\r\n");
  // The list disappears while the site is walked.
  nettest::LocalServer server([&](nettest::Connection& c) {
    c.ReadRequest();
    DeleteFileA(list.c_str());
    c.Send("HTTP/1.0 200 OK\r\n\r\nApfel");
  });
  const std::string path = f_.WriteProject(
      "stop.ovk", "WebSite=" + server.Base() + "/index.htm\r\nStopwortListeVerwenden=1\r\n", {{Url("/a.htm"), "", ""}});
  const std::string before = platform::ReadFileBytes(path);
  platform::ScriptedUi ui;
  EXPECT_EQ(corvanta::RunBatch(path, env_), core::kExitFailed);
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(platform::ReadFileBytes(path), before);
  EXPECT_FALSE(platform::FileExists(Target("suche.js")));
  EXPECT_TRUE(ui.Requests().empty());
}

TEST_F(Batch, CancelledAnalysisFailsWithTheProjectUnchanged) {
  const std::string path = WriteSiteProject();
  const std::string before = platform::ReadFileBytes(path);
  struct FailTemplate : platform::FileFaults {
    std::string file;
    bool FailOpen(const std::string& p, bool forWrite) override { return !forWrite && p == file; }
  } faults;
  faults.file = f_.templateDir + "\\suche.js";
  platform::SetFileFaults(&faults);
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  const int code = corvanta::RunBatch(path, env_);
  platform::SetFileFaults(nullptr);
  EXPECT_EQ(code, core::kExitFailed);
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_THAT(ui.Requests()[0].text, HasSubstr("zum Lesen öffnen"));
  EXPECT_EQ(platform::ReadFileBytes(path), before);
  EXPECT_FALSE(platform::FileExists(Target("suche.htm")));
}

TEST_F(Batch, FailedCopyFailsTheRunWithoutSaving) {
  const std::string path = WriteSiteProject();
  const std::string before = platform::ReadFileBytes(path);
  struct FailCopy : platform::FileFaults {
    std::string file;
    bool FailOpen(const std::string& p, bool forWrite) override { return !forWrite && p == file; }
  } faults;
  faults.file = f_.templateDir + "\\lupe.gif";
  platform::SetFileFaults(&faults);
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  const int code = corvanta::RunBatch(path, env_);
  platform::SetFileFaults(nullptr);
  EXPECT_EQ(code, core::kExitFailed);
  EXPECT_EQ(ui.Requests().size(), 1u);
  EXPECT_TRUE(platform::FileExists(Target("suche.js")));
  EXPECT_FALSE(platform::FileExists(Target("suche.htm")));
  EXPECT_EQ(platform::ReadFileBytes(path), before);
}

TEST_F(Batch, CancelledWalkEndsNormallyWithoutGeneratingOrSaving) {
  // The user closes the walk's progress window while the second page loads.
  std::mutex mutex;
  std::vector<std::string> asked;
  nettest::LocalServer server([&](nettest::Connection& c) {
    const std::string request = c.ReadRequest();
    {
      const std::lock_guard lock(mutex);
      asked.push_back(request.substr(0, request.find(" HTTP/")));
    }
    if (request.find("GET /seite1.htm") != std::string::npos) {
      // The page arrives once the run's thread has hidden its window.
      if (core::THinweisDlg* window = core::HinweisDlg()) {
        ShowWindowAsync(window->Handle(), SW_HIDE);
        for (int i = 0; i < 30000 && IsWindowVisible(window->Handle()); ++i) Sleep(1);
      }
      c.Send("HTTP/1.0 200 OK\r\n\r\n<a href=\"seite3.htm\">3</a> Wort");
      return;
    }
    c.Send("HTTP/1.0 200 OK\r\n\r\n<a href=\"seite1.htm\">1</a> <a href=\"seite2.htm\">2</a> Wort");
  });
  const std::string cancelPath =
      f_.WriteProject("stop.ovk", "WebSite=" + server.Base() + "/index.htm\r\n", {{Url("/seite2.htm"), "Von Hand", ""}});
  const std::string cancelBefore = platform::ReadFileBytes(cancelPath);
  platform::ScriptedUi ui;
  EXPECT_EQ(corvanta::RunBatch(cancelPath, env_), core::kExitOk);
  EXPECT_EQ(platform::ReadFileBytes(cancelPath), cancelBefore);
  EXPECT_FALSE(platform::FileExists(Target("suche.js")));
  // The walk ended at the page during which the window was closed: what it
  // had already asked for may have gone out, nothing after.
  const std::lock_guard lock(mutex);
  EXPECT_EQ(asked.front(), "GET /index.htm");
  EXPECT_EQ(std::count(asked.begin(), asked.end(), "GET /seite3.htm"), 0);
  EXPECT_LE(server.Connections(), 3);
}

}  // namespace
