// Corvanta.exe as its users run it: "/B name" under Wine against a small site
// on 127.0.0.1 served by this test, with every question answered by a
// script. What counts is what the program leaves on disk and its exit code.
#include "tests/net/LocalServer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/base/Files.h"
#include "platform/base/IniFile.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using testing::HasSubstr;
using Lines = std::vector<std::string>;

// The program as built, by its Unix path (Z: is the root under Wine).
std::string BuiltProgram() {
  std::string path = "Z:" CORVANTA_EXE;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

const std::string kTemplateJs =
    "// Suchformular\r\n"
    "var eintrag = new Object();\r\n"
    "// Pellinova: Konstanten\r\n"
    "// Pellinova: Glossar\r\n"
    "// Pellinova: Array\r\n"
    "function suche(wort) { return wort; }\r\n";

void ServeSite(nettest::SiteServer& site) {
  site.Page("/index.htm",
            "<html><head><title>Gärtnerei Müller</title>"
            "<meta name=\"description\" content=\"Pflanzen &amp; Blumen\"></head><body>"
            "<h1>Willkommen</h1> Stauden Rosen <a href=\"rosen.htm\">Rosen</a> "
            "<a href=\"/stauden/index.htm\">Stauden</a> <a href=\"suche.htm\">Suchen</a> "
            "<a href=\"bild.gif\">Bild</a> <a href=\"weg.htm\">weg</a> "
            "<a href=\"http://127.0.0.2/fremd.htm\">fremd</a></body></html>");
  site.Page("/rosen.htm", "<title>Rosen</title><p>Kletterrosen und Edelrosen blühen</p>"
                          "<a href=\"index.htm\">zurück</a>");
  site.Page("/stauden/index.htm", "<title>Stauden</title> Lavendel Salbei Phlox "
                                  "<a href=\"../rosen.htm\">Rosen</a> <a href=\"pflege.htm\">Pflege</a>");
  site.Page("/stauden/pflege.htm", "<title>Pflege</title> Gießen Düngen Schneiden");
  site.Page("/suche.htm", "<title>Suche</title> Suchformular");
}

struct RunResult {
  DWORD exitCode = 0xFFFFFFFF;
  std::string log;  // the program's log of its modal interactions
};

class CorvantaE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ForceDirectories(appDir_);
    platform::ForceDirectories(appDir_ + "\\projekte");
    platform::ForceDirectories(templateDir_);
    platform::ForceDirectories(targetDir_);
    ASSERT_TRUE(CopyFileA(BuiltProgram().c_str(), (appDir_ + "\\Corvanta.exe").c_str(), FALSE))
        << BuiltProgram();
    // Settings of an earlier interactive run: no first run, no search for tools.
    platform::WriteFileBytes(appDir_ + "\\Corvanta.INI",
                             "[Environment]\r\nTextEditor=C:\\windows\\notepad.exe\r\n"
                             "WWWBrowser=C:\\windows\\notepad.exe\r\nLastProject=0\r\n");
    platform::WriteFileBytes(templateDir_ + "\\suche.js", kTemplateJs);
    platform::WriteFileBytes(templateDir_ + "\\suche.htm", "<frameset rows=\"*\"></frameset>");
    platform::WriteFileBytes(templateDir_ + "\\suchein.htm", "<form name=\"f\"></form>");
    platform::WriteFileBytes(templateDir_ + "\\lupe.gif", std::string("GIF89a\0\1\2", 9));
    platform::WriteFileBytes(templateDir_ + "\\notiz.txt", "bleibt in der Vorlage");
    // Changed by the user in the target folder: never overwritten.
    platform::WriteFileBytes(targetDir_ + "\\suchein.htm", "<form name=\"eigen\"></form>");
  }

  std::string ProjectPath(const std::string& name) const { return appDir_ + "\\projekte\\" + name; }

  void WriteProject(const std::string& name, const std::string& site, const std::string& pages) const {
    platform::WriteFileBytes(ProjectPath(name),
                             "[Einstellungen]\r\nWebSite=" + site + "\r\nZielVerzeichnis=" + targetDir_ +
                                 "\r\nVorlagenVerzeichnis=" + templateDir_ + "\r\nStopwortListeVerwenden=0\r\n" +
                                 pages);
  }

  // answers: the UI script; by default nobody is there and every question is
  // given up.
  RunResult Run(const std::string& arguments, const std::string& answers = "") {
    const std::string script = folder_ / "antworten.txt";
    const std::string log = folder_ / "protokoll.txt";
    platform::WriteFileBytes(script, answers);
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", script.c_str());
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", log.c_str());
    const std::string exe = appDir_ + "\\Corvanta.exe";
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    RunResult result;
    const BOOL started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        appDir_.c_str(), &si, &pi);
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", nullptr);
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", nullptr);
    EXPECT_TRUE(started);
    if (!started) return result;
    if (WaitForSingleObject(pi.hProcess, 90000) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "Corvanta.exe " << arguments << " did not end";
      TerminateProcess(pi.hProcess, 99);
      WaitForSingleObject(pi.hProcess, 5000);
    }
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (platform::FileExists(log)) result.log = platform::ReadFileBytes(log);
    DeleteFileA(log.c_str());
    return result;
  }

  std::string Target(const std::string& name) const { return targetDir_ + "\\" + name; }

  BaseTestFolder folder_;
  std::string appDir_ = folder_ / "programm";
  std::string templateDir_ = folder_ / "vorlage";
  std::string targetDir_ = folder_ / "ziel";
};

TEST_F(CorvantaE2E, BatchRunIndexesTheSite) {
  nettest::SiteServer site;
  ServeSite(site);
  const std::string base = site.Base();
  // A page the user described by hand that is still on the site, and one
  // that is gone.
  WriteProject("garten.ovk", base + "/index.htm",
               "AnzahlEintraege=2\r\n[Dateien]\r\n1=" + base + "/rosen.htm\r\n2=" + base + "/alt.htm\r\n"
               "[Beschreibung]\r\n1=Unsere Rosen\r\n2=Alte Seite\r\n"
               "[Schlagworte]\r\n1=+Duft,-und\r\n2=\r\n");
  const std::string settingsBefore = platform::ReadFileBytes(appDir_ + "\\Corvanta.INI");

  const RunResult r = Run("/B garten");
  EXPECT_EQ(r.exitCode, 0u);
  EXPECT_EQ(r.log, "");

  // The database: the template with its three insertions. Only the date
  // line depends on the moment of the run.
  const std::string db = platform::ReadFileBytes(Target("suche.js"));
  std::istringstream in(db);
  Lines lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 22u) << db;
  EXPECT_THAT(lines[5], testing::StartsWith("var stand = \""));
  EXPECT_THAT(lines[5], testing::EndsWith("\";  // Erzeugt durch Quarvelin(tm) Corvanta 3.0 (Wine, Fast-hack 5)\r"));
  lines[5] = "STAND";
  const Lines expected = {
      "// Suchformular\r",
      "var eintrag = new Object();\r",
      "// Pellinova: Konstanten\r",
      "var index_max = 3;\r",
      "var glossarModus = false;\r",
      "STAND",
      "// Pellinova: Glossar\r",
      "// Pellinova: Array\r",
      "eintrag.item[0].begriff = \"blühen,Duft,Edelrosen,Kletterrosen,zurück\";\r",
      "eintrag.item[0].seite = \"" + base + "/rosen.htm\";\r",
      "eintrag.item[0].beschreibung = \"Unsere Rosen\";\r",
      "eintrag.item[1].begriff = \"Bild,fremd,Rosen,Stauden,Suchen,weg,Willkommen\";\r",
      "eintrag.item[1].seite = \"" + base + "/index.htm\";\r",
      "eintrag.item[1].beschreibung = \"<b>G&auml;rtnerei \" +\r",
      "                               \"M&uuml;ller</b><br>Pflanzen & Blumen\";\r",
      "eintrag.item[2].begriff = \"Lavendel,Pflege,Phlox,Rosen,Salbei\";\r",
      "eintrag.item[2].seite = \"" + base + "/stauden/index.htm\";\r",
      "eintrag.item[2].beschreibung = \"Stauden\";\r",
      "eintrag.item[3].begriff = \"Düngen,Gießen,Schneiden\";\r",
      "eintrag.item[3].seite = \"" + base + "/stauden/pflege.htm\";\r",
      "eintrag.item[3].beschreibung = \"Pflege\";\r",
      "function suche(wort) { return wort; }\r",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(db.back(), '\n');

  // The saved project: the page that stays keeps its place and the user's
  // work, the new pages follow in the walk's list order, the search form's
  // page, the picture, the broken and the foreign link are not pages.
  platform::TIniFile project(ProjectPath("garten.ovk"));
  EXPECT_EQ(project.ReadString("Einstellungen", "AnzahlEintraege", ""), "4");
  EXPECT_EQ(project.ReadString("Dateien", "1", ""), base + "/rosen.htm");
  EXPECT_EQ(project.ReadString("Dateien", "2", ""), base + "/index.htm");
  EXPECT_EQ(project.ReadString("Dateien", "3", ""), base + "/stauden/index.htm");
  EXPECT_EQ(project.ReadString("Dateien", "4", ""), base + "/stauden/pflege.htm");
  EXPECT_EQ(project.ReadString("Beschreibung", "1", ""), "Unsere Rosen");
  EXPECT_EQ(project.ReadString("Schlagworte", "1", ""), "+Duft,-und");
  EXPECT_EQ(project.ReadString("Einstellungen", "JavascriptGroesse", ""), std::to_string(db.size()));
  EXPECT_EQ(project.ReadString("Einstellungen", "AnalyseDauer", "x"), "");

  // The template's other files are beside the database; what the user
  // changed there stays.
  EXPECT_EQ(platform::ReadFileBytes(Target("suche.htm")), "<frameset rows=\"*\"></frameset>");
  EXPECT_EQ(platform::ReadFileBytes(Target("suchein.htm")), "<form name=\"eigen\"></form>");
  EXPECT_EQ(platform::ReadFileBytes(Target("lupe.gif")), std::string("GIF89a\0\1\2", 9));
  EXPECT_FALSE(platform::FileExists(Target("notiz.txt")));
  // A batch run writes no settings.
  EXPECT_EQ(platform::ReadFileBytes(appDir_ + "\\Corvanta.INI"), settingsBefore);
}

TEST_F(CorvantaE2E, ReviewedBatchRunStoresTheUsersCorrections) {
  nettest::SiteServer site;
  ServeSite(site);
  const std::string page = site.Base() + "/stauden/pflege.htm";
  WriteProject("pflege.ovk", page, "GefundeneSchlagworte=1\r\nBeschreibung=1\r\n");
  const std::string project = platform::ReadFileBytes(ProjectPath("pflege.ovk"));
  const std::string review =
      "ModalForm\tQuarvelin(tm) Corvanta - Bearbeiten der gefundenen W\xF6rter\t\t0\t";
  const std::string description = "ModalForm\tCorvanta - Beschreibung f\xFCr Datei bearbeiten\t\t0\tOK\r\n";
  // The text of the page's first line of that key in the database.
  const auto databaseText = [&](const std::string& key) {
    const std::string db = platform::ReadFileBytes(Target("suche.js"));
    const size_t from = db.find(key + " = \"");
    if (from == std::string::npos) return db;
    const size_t start = from + key.size() + 4;
    return db.substr(start, db.find('"', start) - start);
  };

  // Abbrechen ends the run as failed and leaves the project as it was.
  RunResult r = Run("/B pflege", "Abbrechen\r\n");
  EXPECT_EQ(r.exitCode, 2u);
  EXPECT_EQ(r.log, review + "Cancel\r\n");
  EXPECT_EQ(platform::ReadFileBytes(ProjectPath("pflege.ovk")), project);

  // One word renamed, one deleted: the database and the page's corrections.
  r = Run("/B pflege",
          "OK|lbxWoerter=Gie\xDF" "en|btnBearbeiten=1|lbxWoerter=D\xFCngen|ckbLoeschenNachfragen=1|btnLoeschen=1\r\n"
          "OK|edWort=W\xE4ssern\r\n"
          "OK|meoBeschreibung=Pflege im Garten\r\n");
  EXPECT_EQ(r.exitCode, 0u);
  EXPECT_EQ(r.log, "ModalForm\tWort editieren\t\t0\tOK\r\n" + review + "OK\r\n" + description);
  EXPECT_EQ(databaseText("begriff"), "Schneiden,W\xE4ssern");
  EXPECT_EQ(databaseText("beschreibung"), "Pflege im Garten");
  platform::TIniFile saved(ProjectPath("pflege.ovk"));
  EXPECT_EQ(saved.ReadString("Schlagworte", "1", ""), "+W\xE4ssern,-D\xFCngen,-Gie\xDF" "en");
  EXPECT_EQ(saved.ReadString("Beschreibung", "1", ""), "Pflege im Garten");

  // The next run finds the page's words again and corrects them before the
  // review shows them; the typed description replaces the title.
  r = Run("/B pflege", "OK\r\nOK\r\n");
  EXPECT_EQ(r.exitCode, 0u);
  EXPECT_EQ(r.log, review + "OK\r\n" + description);
  EXPECT_EQ(databaseText("begriff"), "Schneiden,W\xE4ssern");
  EXPECT_EQ(databaseText("beschreibung"), "Pflege im Garten");
}

TEST_F(CorvantaE2E, MissingParameterFileEndsWithCode1) {
  const RunResult r = Run("-batch fehlt.ovk");
  EXPECT_EQ(r.exitCode, 1u);
  EXPECT_EQ(r.log, "MessageBox\tQuarvelin(tm) Corvanta\tDie Parameterdatei\\r\\r" +
                       [&] {
                         std::string p = ProjectPath("fehlt.ovk");
                         std::string escaped;
                         for (char c : p) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
                         return escaped;
                       }() +
                       "\\r\\rexistiert nicht. Breche Batchmodus ab.\t0\tOK\r\n");
  EXPECT_FALSE(platform::FileExists(ProjectPath("fehlt.ovk")));
  EXPECT_FALSE(platform::FileExists(Target("suche.js")));
}

TEST_F(CorvantaE2E, UnreachableSiteEndsWithCode2AndLeavesTheProject) {
  const std::string site = "http://127.0.0.1:" + std::to_string(nettest::RefusedPort());
  WriteProject("weg.ovk", site + "/index.htm",
               "AnzahlEintraege=1\r\n[Dateien]\r\n1=" + site + "/a.htm\r\n[Beschreibung]\r\n1=Von Hand\r\n[Schlagworte]\r\n1=+x\r\n");
  const std::string before = platform::ReadFileBytes(ProjectPath("weg.ovk"));
  const RunResult r = Run("/b weg");
  EXPECT_EQ(r.exitCode, 2u);
  EXPECT_EQ(r.log, "");
  EXPECT_EQ(platform::ReadFileBytes(ProjectPath("weg.ovk")), before);
  EXPECT_FALSE(platform::FileExists(Target("suche.js")));
  EXPECT_FALSE(platform::FileExists(Target("suche.htm")));
}

TEST_F(CorvantaE2E, HelpSwitchShowsThePageAndWritesNoSettings) {
  const std::string settingsBefore = platform::ReadFileBytes(appDir_ + "\\Corvanta.INI");
  const RunResult r = Run("/x -?");
  EXPECT_EQ(r.exitCode, 0u);
  EXPECT_EQ(r.log, "ModalForm\tQuarvelin(tm) Corvanta - Kommandozeilen-Parameter\t\t0\tCancel\r\n");
  EXPECT_EQ(platform::ReadFileBytes(appDir_ + "\\Corvanta.INI"), settingsBefore);
}

}  // namespace
