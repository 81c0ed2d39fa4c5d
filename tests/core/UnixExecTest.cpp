#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/UnixExec.h"
#include "core/WineDrives.h"
#include "coregui/Launcher.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "tests/support/WineUnixName.h"

namespace {

TEST(UnixCommandLine, QuotesThePathAsOneArgument) {
  EXPECT_EQ(core::QuoteArgument(""), "\"\"");
  EXPECT_EQ(core::QuoteArgument("/a b/c"), "\"/a b/c\"");
  EXPECT_EQ(core::QuoteArgument("a\"b"), "\"a\\\"b\"");
  EXPECT_EQ(core::QuoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");
  EXPECT_EQ(core::QuoteArgument("a\\b\\"), "\"a\\b\\\\\"");
  EXPECT_EQ(core::UnixCommandLine("/usr/bin/mozilla", "-edit", "'/home/u/a b.htm'"),
            "/usr/bin/mozilla -edit \"/home/u/a b.htm\"");
  EXPECT_EQ(core::UnixCommandLine("/opt/my tools/ed", "", "'/x'"), "\"/opt/my tools/ed\" \"/x\"");
}

std::string Utf8(const std::string& ansi) {
  std::wstring w(ansi.size() + 1, L'\0');
  const int n = MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), w.data(),
                                    static_cast<int>(w.size()));
  std::string out(static_cast<size_t>(n) * 3 + 1, '\0');
  out.resize(WideCharToMultiByte(CP_UTF8, 0, w.data(), n, out.data(), static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

class UnixToolStart : public ::testing::Test {
 protected:
  void SetUp() override {
    char buf[MAX_PATH];
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    script_ = WineUnixName(platform::ExtractFilePath(buf) + "record-args.sh");
    if (script_.empty()) GTEST_SKIP() << "needs Wine";
    GetTempPathA(MAX_PATH, buf);
    dir_ = std::string(buf) + "quarvelin-unix-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
    out_ = dir_ + "args.txt";
    marker_ = dir_ + "injected";
    SetEnvironmentVariableA("QUARVELIN_ARGS_OUT", WineUnixName(out_).c_str());
  }
  void TearDown() override {
    DeleteFileA(out_.c_str());
    DeleteFileA(marker_.c_str());
    DeleteFileA((dir_ + "wine.conf").c_str());
    RemoveDirectoryA(dir_.c_str());
  }

  // The arguments the script received, waiting for it to finish.
  std::vector<std::string> RunAndRecord(const std::string& params, const std::string& unixPath) {
    DeleteFileA(out_.c_str());
    EXPECT_TRUE(core::StartUnixTool(script_, params, unixPath));
    return Recorded();
  }

  std::vector<std::string> Recorded() {
    for (int i = 0; i < 600 && !platform::FileExists(out_); ++i) Sleep(50);
    platform::TStringList lines;
    lines.LoadFromFile(out_);
    std::vector<std::string> args = lines.Lines();
    EXPECT_FALSE(args.empty());
    if (!args.empty()) {
      EXPECT_EQ(args.front(), std::to_string(args.size() - 1));
      args.erase(args.begin());
    }
    return args;
  }

  std::string script_, dir_, out_, marker_;
};

// The whole road: the drive table from a Wine configuration file, the path
// translated, the tool started; the script must see the path as one argument,
// byte for byte, and no part of it may run as a command.
TEST_F(UnixToolStart, TranslatedPathArrivesWholeAndRunsNothing) {
  std::string cRoot = WineUnixName("C:\\");
  while (cRoot.size() > 1 && cRoot.back() == '/') cRoot.pop_back();
  platform::WriteFileBytes(dir_ + "wine.conf", "[Drive C]\r\n\"Path\" = \"" + cRoot + "\"\r\n");
  core::WineDrives drives;
  drives.Load(dir_ + "wine.conf");
  ASSERT_EQ(drives.Root('C'), cRoot);

  const std::string marker = WineUnixName(marker_);
  const std::vector<std::string> paths = {
      "C:\\web site\\index \xE4.htm",
      "C:\\it's \"quoted\"\\a.htm",
      "C:\\x\\\"; touch " + marker + "; echo \".htm",
      "C:\\x\\$(touch " + marker + ")`touch " + marker + "` & | ; > " + marker + ".htm",
      "C:\\trailing\\\\",
  };
  for (const auto& path : paths) {
    const std::string expected = cRoot + drives.UnixPath(path.substr(2));
    const auto args = RunAndRecord("-a \"b c\"", drives.ToUnixPath(path));
    ASSERT_EQ(args.size(), 3u) << path;
    EXPECT_EQ(args[0], "-a");
    EXPECT_EQ(args[1], "b c");
    EXPECT_EQ(args[2], Utf8(expected)) << path;
  }
  EXPECT_FALSE(platform::FileExists(marker_));
}

// A site's address is no file: a Unix browser gets it untranslated.
TEST_F(UnixToolStart, SiteAddressReachesUnixBrowserAsItStands) {
  core::Launcher launcher(dir_, 0);
  const std::string url = "http://127.0.0.1:8000/a b/seite.htm?x=1&y='2'";
  DeleteFileA(out_.c_str());
  launcher.OpenUrl({script_, "-new", true}, url);
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"-new", url}));
}

TEST_F(UnixToolStart, MissingToolReportsFailure) {
  EXPECT_FALSE(core::StartUnixTool(script_ + ".fehlt", "", "'/tmp'"));
}

}  // namespace
