#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "coregui/SettingsHost.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "corvanta/Texts.h"
#include "platform/base/Files.h"
#include "platform/base/Registry.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"

namespace {

using platform::mrCancel;
using platform::mrNo;
using platform::mrOk;
using platform::mrYes;

constexpr char kAppPaths[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const char* const kPrograms[] = {"Mozilla.exe", "Netscape.exe", "IEXPLORE.EXE", "Opera.exe", "FPEXPRESS.EXE",
                                 "WORDPAD.EXE"};

// The App Paths entries the settings look up: each test starts with none of
// them and registers what it needs; the machine's own come back at the end.
class AppPaths {
 public:
  AppPaths() {
    for (const char* p : kPrograms) {
      saved_[p] = platform::ReadRegString(HKEY_LOCAL_MACHINE, std::string(kAppPaths) + p, "");
      Remove(p);
    }
  }
  ~AppPaths() {
    for (const auto& [p, value] : saved_) {
      Remove(p);
      if (value) Register(p, *value);
    }
  }
  static void Register(const std::string& program, const std::string& path) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kAppPaths + program).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>(path.size() + 1));
    RegCloseKey(key);
  }
  static void Remove(const std::string& program) { RegDeleteKeyA(HKEY_LOCAL_MACHINE, (kAppPaths + program).c_str()); }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    core::SetTextTable(corvanta::TextTable());
    char buf[MAX_PATH];
    GetTempPathA(MAX_PATH, buf);
    dir_ = std::string(buf) + "quarvelin-settings-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
    file_ = dir_ + "corvanta.INI";
  }
  void TearDown() override {
    for (const auto& f : files_) DeleteFileA(f.c_str());
    DeleteFileA(file_.c_str());
    RemoveDirectoryA(dir_.c_str());
  }
  // An existing file in the test folder.
  std::string Touch(const std::string& name) {
    files_.push_back(dir_ + name);
    platform::WriteFileBytes(files_.back(), "");
    return files_.back();
  }
  void WriteSettings(const std::string& text) { platform::WriteFileBytes(file_, text); }
  std::string SettingsText() { return platform::FileExists(file_) ? platform::ReadFileBytes(file_) : "<none>"; }

  std::string dir_, file_;
  std::vector<std::string> files_;
  AppPaths appPaths_;
  core::TLanguage language_;
  core::StandInSettingsHost host_;
  platform::ScriptedUi ui_;
};

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* l : lines) text += std::string(l) + "\r\n";
  return text;
}

TEST_F(Settings, FreshStartAnsweredNoAndCancelledWritesTheDefaultsAtExit) {
  ui_.Push(mrNo);      // no browser by hand
  ui_.Push(mrNo);      // no text editor by hand
  ui_.Push(mrCancel);  // the first-run dialog
  {
    core::TIni ini(file_, true, language_, host_, true);
    ini.LoadSettings();
    EXPECT_TRUE(host_.terminated);
    {
      // An object that goes without SaveSettings, as a batch run's does, writes nothing.
      core::TIni batch(file_, false, language_, host_, true);
    }
    EXPECT_EQ(SettingsText(), "<none>");
    ini.SaveSettings();  // what the start-up does once the message loop ends
  }
  EXPECT_EQ(SettingsText(), Lines({"[Environment]",
                                   "TextEditor=",
                                   "JavascriptEditor=",
                                   "HTMLEditor=",
                                   "WWWBrowser=",
                                   "TextEditorParam=",
                                   "JavascriptEditorParam=",
                                   "HTMLEditorParam=",
                                   "WWWBrowserParam=",
                                   "Foreground=0",
                                   "Language=0",
                                   "SpeedButton=1",
                                   "LastProject=1",
                                   "Proxy=",
                                   "ProxyPort=",
                                   "ProxyUsername=",
                                   "ProxyPassword=",
                                   "LastProjectName=",
                                   "",
                                   "[Unix x86 Wine]",
                                   "Configuration=~/.Wine/config",
                                   "TextEditor=0",
                                   "JavascriptEditor=0",
                                   "HTMLEditor=0",
                                   "WWWBrowser=0"}));

  const auto& r = ui_.Requests();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].kind, platform::UiKind::MessageBox);
  EXPECT_EQ(r[0].caption, "Best\xE4tigen");
  EXPECT_EQ(r[0].text,
            "Haben Sie keinen Netscape Navigator/Communicator oder Internet Explorer installiert?\r"
            "Wenn nicht, so wird Corvanta lediglich Suchformulare\rerzeugen aber nicht testen k\xF6nnen.\r"
            "Wollen Sie den Pfad von Hand angeben?");
  EXPECT_EQ(r[0].helpContext, 601);
  EXPECT_EQ(r[0].buttons, unsigned(platform::mbYes | platform::mbNo | platform::mbHelp));
  EXPECT_EQ(r[1].text,
            "Haben Sie keinen Texteditor installiert?\rWenn nicht, so k\xF6nnen Sie keinen Blick auf die\r"
            "Textdateien werfen.\rWollen Sie den Pfad von Hand angeben?");
  EXPECT_EQ(r[1].helpContext, 602);
  EXPECT_EQ(r[2].kind, platform::UiKind::ModalForm);
  EXPECT_EQ(host_.toolbarLayouts, 1);
  EXPECT_EQ(host_.toolbar.windowWidth, 514);
  EXPECT_FALSE(host_.stayOnTop);
}

TEST(ToolbarLayout, FiguresForLargeAndSmallButtons) {
  core::SetTextTable(corvanta::TextTable());
  struct Case {
    bool large;
    int width, height, heightDetails, statusLeft, statusTop, button;
    int lefts[10];
  };
  const Case cases[] = {{true, 514, 83, 440, 152, 48, 49, {4, 53, 102, 155, 204, 257, 306, 355, 408, 457}},
                        {false, 368, 71, 428, 4, 36, 25, {4, 29, 54, 83, 108, 137, 162, 187, 216, 241}}};
  const char* captions[] = {"Assistent", "Neu", "\xD6" "ffnen", "Editieren", "Update",
                            "Ansehen", "Testen", "Status", "Hilfe", "Beenden"};
  for (const Case& c : cases) {
    const auto l = core::ComputeToolbarLayout(c.large, false);
    EXPECT_EQ(core::ComputeToolbarLayout(c.large, true).windowHeight, c.heightDetails);
    EXPECT_EQ(l.windowWidth, c.width);
    EXPECT_EQ(l.windowHeight, c.height);
    EXPECT_EQ(l.statusImageVisible, c.large);
    EXPECT_EQ(l.statusLeft, c.statusLeft);
    EXPECT_EQ(l.statusTop, c.statusTop);
    EXPECT_EQ(l.buttonWidth, c.button);
    EXPECT_EQ(l.buttonHeight, c.large ? 37 : 25);
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(l.buttons[i].left, c.lefts[i]) << l.buttons[i].name;
      EXPECT_EQ(l.buttons[i].caption, c.large ? captions[i] : "");
    }
  }
  EXPECT_STREQ(core::ComputeToolbarLayout(true, false).buttons[3].name, "sbtBearbeiten");
}

TEST_F(Settings, BrowserAndEditorFoundInTheRegistry) {
  const std::string mozilla = Touch("mozilla.exe");
  const std::string ie = Touch("iexplore.exe");
  const std::string wordpad = Touch("wordpad.exe");
  AppPaths::Register("IEXPLORE.EXE", ie);
  AppPaths::Register("WORDPAD.EXE", wordpad);
  AppPaths::Register("FPEXPRESS.EXE", dir_ + "fehlt\\fpexpress.exe");  // registered, but gone
  {
    // Explorer: the FrontPage path, which is gone, gives way to the text editor.
    core::TIni ini(file_, false, language_, host_, true);
    ini.LoadSettings();
    EXPECT_EQ(ini.GetWWWBrowser(), ie);
    EXPECT_EQ(ini.GetTextEditor(), wordpad);
    EXPECT_EQ(ini.GetHTMLEditor(), wordpad);
    EXPECT_EQ(ini.GetJavascriptEditor(), wordpad);  // "notepad.exe" is not here
  }
  AppPaths::Register("Netscape.exe", mozilla);
  core::TIni ini(file_, false, language_, host_, true);
  ini.LoadSettings();
  EXPECT_EQ(ini.GetWWWBrowser(), mozilla);
  EXPECT_EQ(ini.GetHTMLEditor(), mozilla);
  EXPECT_EQ(ini.GetHTMLEditorParam(), "-edit");
  EXPECT_TRUE(ui_.Requests().empty());
}

TEST_F(Settings, ToolsChosenByHandOrNone) {
  ui_.Push(mrYes);
  ui_.Push([](platform::UiRequest& r) {
    r.fileName = "C:\\Programme\\Browser\\b.exe";
    return int(mrOk);
  });
  ui_.Push(mrYes);
  ui_.Push(mrCancel);  // the file dialog for the editor
  core::TIni ini(file_, false, language_, host_, true);
  ini.LoadSettings();
  const auto& r = ui_.Requests();
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[1].kind, platform::UiKind::FileDialog);
  EXPECT_EQ(r[1].caption, "WWW-Browser festlegen");
  EXPECT_EQ(r[1].fileName, "netscape.exe");
  EXPECT_EQ(r[3].caption, "Texteditor festlegen");
  EXPECT_EQ(r[3].fileName, "wordpad.exe");
  EXPECT_EQ(ini.GetWWWBrowser(), "C:\\Programme\\Browser\\b.exe");
  EXPECT_EQ(ini.GetTextEditor(), "");
  EXPECT_EQ(ini.GetHTMLEditor(), "");
}

TEST_F(Settings, LastProjectReopenedSkippedOrEndingTheLoad) {
  AppPaths::Register("IEXPLORE.EXE", Touch("iexplore.exe"));
  AppPaths::Register("WORDPAD.EXE", Touch("wordpad.exe"));
  const std::string project = Touch("site.ovk");

  // A file that is gone: no reopening, the load goes on.
  WriteSettings("[Environment]\r\nLastProjectName=" + dir_ + "weg.ovk\r\n");
  {
    core::TIni ini(file_, true, language_, host_, true);
    ini.LoadSettings();
    EXPECT_EQ(host_.opened, "");
    EXPECT_EQ(host_.firstRunDialogs, 1);
  }
  // Switched off: not even an existing file is opened.
  WriteSettings("[Environment]\r\nLastProject=0\r\nLastProjectName=" + project + "\r\n");
  {
    core::TIni ini(file_, false, language_, host_, true);
    ini.LoadSettings();
    EXPECT_EQ(host_.opened, "");
  }
  // Failing to open ends the load: no discovery, no first-run dialog.
  WriteSettings("[Environment]\r\nLastProjectName=" + project + "\r\n");
  host_.openSucceeds = false;
  {
    core::TIni ini(file_, true, language_, host_, true);
    ini.LoadSettings();
    EXPECT_EQ(host_.opened, project);
    EXPECT_EQ(host_.firstRunDialogs, 1);
    EXPECT_EQ(ini.GetWWWBrowser(), "");
    EXPECT_EQ(ini.GetTextEditor(), "notepad.exe");
  }
  // Opened: it is the project saved as the last one.
  host_.openSucceeds = true;
  core::TIni ini(file_, false, language_, host_, true);
  ini.LoadSettings();
  EXPECT_EQ(host_.ProjectFileName(), project);
  ini.SaveSettings();
  EXPECT_NE(SettingsText().find("LastProjectName=" + project + "\r\n"), std::string::npos);
  EXPECT_EQ(ui_.Requests().size(), 1u);  // the first-run dialog of the first start only
}

TEST_F(Settings, WithoutProxyTheKeysAreNeitherReadNorWritten) {
  WriteSettings("[Environment]\r\nProxy=alt\r\n");
  ui_.Push(mrNo);
  ui_.Push(mrNo);
  core::TIni ini(file_, false, language_, host_, false);
  ini.LoadSettings();
  EXPECT_EQ(ini.GetProxyHost(), "");
  ini.SaveSettings();
  const std::string text = SettingsText();
  EXPECT_NE(text.find("Proxy=alt\r\n"), std::string::npos);  // left as it was
  EXPECT_EQ(text.find("ProxyPort"), std::string::npos);
}

TEST_F(Settings, UnreadableFileGivesTheDefaultsAndSavesOnceFree) {
  WriteSettings("[Environment]\r\nSpeedButton=0\r\nLanguage=1040\r\n");
  HANDLE lock = CreateFileA(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ui_.Push(mrNo);
  ui_.Push(mrNo);
  core::TIni ini(file_, false, language_, host_, true);
  ini.LoadSettings();
  EXPECT_TRUE(ini.GetSpeedButton());
  EXPECT_THROW(ini.SaveSettings(), platform::EInOutError);
  CloseHandle(lock);
  ini.SaveSettings();
  EXPECT_NE(SettingsText().find("SpeedButton=1\r\n"), std::string::npos);
}

// The test program has an English module beside it (core_settings_test.ENU)
// and no German one.
TEST_F(Settings, LanguageFromTheStartUpAndFailedSwitches) {
  ASSERT_EQ(language_.SwitchLanguage(1033), 0);
  AppPaths::Register("IEXPLORE.EXE", Touch("iexplore.exe"));
  AppPaths::Register("WORDPAD.EXE", Touch("wordpad.exe"));
  core::TIni ini(file_, false, language_, host_, true);
  ini.LoadSettings();
  EXPECT_EQ(ini.GetLanguage(), 1033);  // a stored 0 takes the start-up's choice
  ini.SaveSettings();
  EXPECT_NE(SettingsText().find("Language=1033\r\n"), std::string::npos);

  host_.projectFile = "C:\\p.ovk";
  host_.detailsModus = true;
  ini.SetLanguage(1033);
  EXPECT_FALSE(host_.detailsModus);
  ini.SetLanguage(1040);  // neither German nor English: ignored
  EXPECT_EQ(ini.GetLanguage(), 1033);
  EXPECT_TRUE(ui_.Requests().empty());

  host_.detailsModus = true;
  ini.SetLanguage(1031);
  ASSERT_EQ(ui_.Requests().size(), 1u);
  EXPECT_EQ(ui_.Requests()[0].text, "Sprachmodul f\xFCr die Sprache DE? fehlt.");
  EXPECT_EQ(ini.GetLanguage(), 1033);
  EXPECT_TRUE(host_.detailsModus);
  EXPECT_EQ(language_.GetLocaleId(), 1033u);
}

// Without a language module the texts are German, whatever Language holds:
// choosing German changes nothing, a switch that fails leaves the language
// and the project, and only a switch that succeeds closes the project.
TEST_F(Settings, ChangeLanguageComparesWithTheShownLanguageAndClosesOnlyAfterASwitch) {
  WriteSettings("[Environment]\r\nLanguage=0\r\n");
  ui_.Push(mrNo);
  ui_.Push(mrNo);
  core::TIni ini(file_, false, language_, host_, true);
  ini.LoadSettings();
  ASSERT_EQ(ini.UiLocaleId(), 1031);
  host_.OpenProject("C:\\p.ovk");
  const size_t asked = ui_.Requests().size();

  ini.ChangeLanguage(1031);
  EXPECT_EQ(ui_.Requests().size(), asked);
  EXPECT_EQ(ini.GetLanguage(), 0);
  EXPECT_TRUE(host_.ProjectOpen());

  ini.ChangeLanguage(1033);  // the English module beside the test
  EXPECT_EQ(ini.UiLocaleId(), 1033);
  EXPECT_EQ(ini.GetLanguage(), 1033);
  EXPECT_EQ(host_.closes, 1);
  EXPECT_FALSE(host_.projectCommandsEnabled);

  host_.OpenProject("C:\\p.ovk");
  ini.ChangeLanguage(1031);  // no German module
  ASSERT_EQ(ui_.Requests().size(), asked + 1);
  EXPECT_EQ(ui_.Requests().back().text, "Sprachmodul f\xFCr die Sprache DE? fehlt.");
  EXPECT_EQ(ini.GetLanguage(), 1033);
  EXPECT_EQ(ini.UiLocaleId(), 1033);
  EXPECT_EQ(host_.closes, 1);
  EXPECT_TRUE(host_.ProjectOpen());
}

}  // namespace
