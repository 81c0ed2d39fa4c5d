// The built programs as their users run them, each copied with its help
// pages into a folder of its own, with a Unix browser in its settings (a
// script that records its arguments): a file step fails during a batch run,
// the retry question's Help button is pressed, and the browser must be given
// the help page of the question's context.
#include "tests/net/LocalServer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/base/Files.h"
#include "tests/platform/BaseTestFolder.h"
#include "tests/support/WineUnixName.h"
#include "platform/base/StringList.h"

namespace {

std::string ThisFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return platform::ExtractFilePath(std::string(path, n));
}

const char kTemplateJs[] =
    "var eintrag = new Object();\r\n"
    "// Pellinova: Konstanten\r\n"
    "// Pellinova: Glossar\r\n"
    "// Pellinova: Array\r\n";

// A file held open without sharing, so that the program can neither read nor
// write it while the lock lives.
class Locked {
 public:
  explicit Locked(const std::string& path)
      : h_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr)) {}
  ~Locked() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  bool Holds() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

class HelpFromBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    script_ = WineUnixName(ThisFolder() + "record-args.sh");
    if (script_.empty()) GTEST_SKIP() << "needs Wine";
    // Below a name with a blank, which the file URL must encode; the drive
    // table of a Wine configuration gives the Unix paths.
    root_ = folder_ / "qv hilfe";
    platform::ForceDirectories(root_ + "\\vorlage");
    std::string cRoot = WineUnixName("C:\\");
    while (cRoot.size() > 1 && cRoot.back() == '/') cRoot.pop_back();
    platform::WriteFileBytes(folder_ / "wine.conf", "[Drive C]\r\n\"Path\" = \"" + cRoot + "\"\r\n");
  }

  // The program with its help pages in <root>\<program>, its settings naming
  // the recording script as a Unix browser.
  std::string Install(const std::string& program) {
    const std::string from = ThisFolder() + "..\\install\\" + program;
    const std::string dir = root_ + "\\" + program;
    platform::ForceDirectories(dir + "\\hilfe");
    platform::ForceDirectories(dir + "\\projekte");
    EXPECT_TRUE(CopyFileA((from + "\\" + program + ".exe").c_str(), (dir + "\\" + program + ".exe").c_str(), FALSE));
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((from + "\\hilfe\\*.*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
          CopyFileA((from + "\\hilfe\\" + fd.cFileName).c_str(), (dir + "\\hilfe\\" + fd.cFileName).c_str(), FALSE);
      } while (FindNextFileA(h, &fd));
      FindClose(h);
    }
    // An existing text editor, so that loading the settings asks nothing.
    platform::WriteFileBytes(dir + "\\" + program + ".INI",
                             "[Environment]\r\nWWWBrowser=" + script_ + "\r\nTextEditor=" + dir + "\\" + program +
                                 ".exe\r\nLastProject=0\r\n[Unix x86 Wine]\r\nWWWBrowser=1\r\nConfiguration=" +
                                 folder_ / "wine.conf" + "\r\n");
    return dir;
  }

  struct Result {
    DWORD exitCode = 0xFFFFFFFF;
    std::string log;                 // the interactions
    std::vector<std::string> args;   // what the browser was given
  };

  // Runs "<program> /B <project>" in dir; the questions are answered from
  // answers, one per line.
  Result RunBatch(const std::string& dir, const std::string& program, const std::string& project,
                  const std::string& answers) {
    const std::string script = root_ + "\\antworten.txt";
    const std::string log = root_ + "\\protokoll.txt";
    const std::string recorded = root_ + "\\browser.txt";
    platform::WriteFileBytes(script, answers);
    DeleteFileA(log.c_str());
    DeleteFileA(recorded.c_str());
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", script.c_str());
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", log.c_str());
    SetEnvironmentVariableA("QUARVELIN_ARGS_OUT", WineUnixName(recorded).c_str());
    const std::string exe = dir + "\\" + program + ".exe";
    std::string commandLine = "\"" + exe + "\" /B " + project;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    Result result;
    const BOOL started =
        CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi);
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", nullptr);
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", nullptr);
    EXPECT_TRUE(started) << exe;
    if (!started) return result;
    if (WaitForSingleObject(pi.hProcess, 90000) != WAIT_OBJECT_0) {
      ADD_FAILURE() << program << " did not end";
      TerminateProcess(pi.hProcess, 99);
      WaitForSingleObject(pi.hProcess, 5000);
    }
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (platform::FileExists(log)) result.log = platform::ReadFileBytes(log);
    // The browser runs on its own; give it a moment to write.
    for (int i = 0; i < 600 && !platform::FileExists(recorded); ++i) Sleep(50);
    if (platform::FileExists(recorded)) {
      platform::TStringList lines;
      lines.LoadFromFile(recorded);
      result.args = lines.Lines();
      if (!result.args.empty()) result.args.erase(result.args.begin());  // the count
    }
    return result;
  }

  // The help page's Unix path.
  std::string HelpPage(const std::string& program, const std::string& page) const {
    return WineUnixName(root_ + "\\" + program + "\\hilfe\\" + page);
  }
  std::string HelpUrl(const std::string& program, const std::string& page, const std::string& anchor) const {
    std::string url = "file://";
    for (char c : HelpPage(program, page)) url += c == ' ' ? std::string("%20") : std::string(1, c);
    return url + "#" + anchor;
  }

  BaseTestFolder folder_;
  std::string script_, root_;
};

// The lines of the interaction log that end with the help context and answer.
int Count(const std::string& log, const std::string& tail) {
  int n = 0;
  for (size_t at = log.find(tail); at != std::string::npos; at = log.find(tail, at + 1)) ++n;
  return n;
}

TEST_F(HelpFromBatch, PellinovaPageThatCannotBeRead) {
  const std::string dir = Install("Pellinova");
  platform::ForceDirectories(root_ + "\\site");
  platform::ForceDirectories(root_ + "\\ziel");
  platform::WriteFileBytes(root_ + "\\vorlage\\suche.js", kTemplateJs);
  platform::WriteFileBytes(root_ + "\\site\\seite.htm", "<title>Seite</title> Garten Rosen");
  platform::WriteFileBytes(dir + "\\projekte\\site.lvq",
                           "[Einstellungen]\r\nHTMLVerzeichnis=" + root_ + "\\site\r\nZielVerzeichnis=" + root_ +
                               "\\ziel\r\nVorlagenVerzeichnis=" + root_ + "\\vorlage\r\nStopwortListeVerwenden=0\r\n");
  Locked page(root_ + "\\site\\seite.htm");
  ASSERT_TRUE(page.Holds());

  const Result r = RunBatch(dir, "Pellinova", "site", "Help\r\nNo\r\n");
  EXPECT_EQ(r.exitCode, 2u) << r.log;
  EXPECT_EQ(Count(r.log, "\t1000\tHelp\r\n"), 1) << r.log;
  EXPECT_EQ(Count(r.log, "\t1000\tNo\r\n"), 1) << r.log;
  ASSERT_EQ(r.args.size(), 1u) << r.log;
  EXPECT_EQ(r.args[0], HelpUrl("Pellinova", "meldungen.htm", "errdateioeffnen"));
}

TEST_F(HelpFromBatch, CorvantaDatabaseThatCannotBeWritten) {
  nettest::SiteServer site;
  site.Page("/index.htm", "<html><head><title>Garten</title></head><body>Stauden Rosen Lavendel</body></html>");
  const std::string dir = Install("Corvanta");
  platform::ForceDirectories(root_ + "\\ziel");
  platform::WriteFileBytes(root_ + "\\vorlage\\suche.js", kTemplateJs);
  platform::WriteFileBytes(dir + "\\projekte\\garten.ovk",
                           "[Einstellungen]\r\nWebSite=" + site.Base() + "/index.htm\r\nZielVerzeichnis=" + root_ +
                               "\\ziel\r\nVorlagenVerzeichnis=" + root_ + "\\vorlage\r\nStopwortListeVerwenden=0\r\n");
  Locked database(root_ + "\\ziel\\suche.js");
  ASSERT_TRUE(database.Holds());

  const Result r = RunBatch(dir, "Corvanta", "garten", "Help\r\nNo\r\n");
  EXPECT_EQ(r.exitCode, 2u) << r.log;
  EXPECT_EQ(Count(r.log, "\t1004\tHelp\r\n"), 1) << r.log;
  ASSERT_EQ(r.args.size(), 1u) << r.log;
  EXPECT_EQ(r.args[0], HelpUrl("Corvanta", "meldungen.htm", "errdateioeffnenschreiben"));
}

// Tessarel's file questions carry no help context: their Help opens the
// table of contents, a page without anchor, given by its Unix path.
TEST_F(HelpFromBatch, TessarelMissingPageTemplate) {
  const std::string dir = Install("Tessarel");
  platform::ForceDirectories(root_ + "\\docs");
  platform::WriteFileBytes(root_ + "\\docs\\notiz.txt", "Apfel Birne Kirsche\r\n");
  platform::WriteFileBytes(root_ + "\\vorlage\\stopword.lst", "und\r\n");
  platform::WriteFileBytes(root_ + "\\vorlage\\stopchars.lst", "");
  platform::WriteFileBytes(dir + "\\projekte\\docs.tzn",
                           "[Einstellungen]\r\nDokumenteVerzeichnis=" + root_ + "\\docs\r\nVorlagenVerzeichnis=" +
                               root_ + "\\vorlage\r\nExcludeDateiendungen=bak\r\nOLEAutomationVerwenden=0\r\n");

  const Result r = RunBatch(dir, "Tessarel", "docs", "Help\r\nNo\r\n");
  EXPECT_EQ(r.exitCode, 2u) << r.log;
  EXPECT_EQ(Count(r.log, "\t0\tHelp\r\n"), 1) << r.log;
  ASSERT_EQ(r.args.size(), 1u) << r.log;
  EXPECT_EQ(r.args[0], HelpPage("Tessarel", "index.htm"));
}

}  // namespace
