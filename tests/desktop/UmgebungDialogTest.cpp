// The environment dialogs: their rules on a settings file on disk, and the
// forms through the modal seam.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "coregui/SettingsHost.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "desktop/UmgebungRules.h"
#include "desktop/umgebung.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using desktop::KnownBrowser;
using desktop::UmgebungRules;
using desktop::UmgebungTool;

constexpr char kAppPaths[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// A settings file whose tools exist, so that loading it looks nothing up.
std::string SettingsText(const std::string& tools) {
  return "[Environment]\r\nTextEditor=" + tools + "edit.exe\r\nJavascriptEditor=" + tools +
         "js.exe\r\nHTMLEditor=" + tools + "html.exe\r\nWWWBrowser=" + tools + "browser.exe\r\n"
         "TextEditorParam=-a\r\nJavascriptEditorParam=-b\r\nHTMLEditorParam=-c\r\nWWWBrowserParam=-d\r\n"
         "Foreground=1\r\nLanguage=1031\r\nSpeedButton=0\r\nLastProject=0\r\nLastProjectName=\r\n"
         "Proxy=proxy.local\r\nProxyPort=3128\r\nProxyUsername=ben\r\nProxyPassword=pw\r\n"
         "[Unix x86 Wine]\r\nConfiguration=~/.wine/config\r\nTextEditor=1\r\nJavascriptEditor=0\r\n"
         "HTMLEditor=1\r\nWWWBrowser=0\r\n";
}

class Umgebung : public ::testing::Test {
 protected:
  ~Umgebung() override {
    for (const char* p : {"Netscape.exe", "Opera.exe"}) RegDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kAppPaths) + p).c_str());
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

  // Before the settings object reads it.
  std::string WriteSettings() {
    for (const char* tool : {"edit.exe", "js.exe", "html.exe", "browser.exe"}) platform::WriteFileBytes(tools_ + tool, "");
    platform::WriteFileBytes(folder_ / "Corvanta.INI", SettingsText(tools_));
    return folder_ / "Corvanta.INI";
  }

  BaseTestFolder folder_;
  std::string tools_ = folder_.Path() + "\\";
  std::string file_ = WriteSettings();
  core::TLanguage language_;
  core::StandInSettingsHost host_;
  core::TIni ini_{file_, false, language_, host_, true};
  // The test program has no language modules: a switch reports the module
  // missing and gives up.
  platform::ScriptedUi ui_;
};

TEST_F(Umgebung, SettingsGoThroughTheDialogUnchangedAndChangesComeBack) {
  ini_.LoadSettings();
  ini_.SaveSettings();
  const std::string saved = platform::ReadFileBytes(file_);
  for (bool withProxy : {true, false}) {
    UmgebungRules rules(withProxy);
    rules.LoadFromSettings(ini_);
    rules.StoreToSettings(ini_);
    EXPECT_EQ(platform::ReadFileBytes(file_), saved);
    rules.LoadToolSettings(ini_);
    rules.StoreToolSettings(ini_);
    EXPECT_EQ(platform::ReadFileBytes(file_), saved);
  }

  UmgebungRules rules(true);
  rules.LoadFromSettings(ini_);
  EXPECT_EQ(rules.Shown(UmgebungTool::HTMLEditor), tools_ + "html.exe");
  EXPECT_EQ(rules.port, "3128");
  rules.SetPath(UmgebungTool::JavascriptEditor, "C:\\neu\\js.exe");
  rules.params[int(UmgebungTool::WWWBrowser)] = "-neu";
  rules.unixFlags[int(UmgebungTool::JavascriptEditor)] = true;
  rules.passwort = "anders";
  rules.speedButton = true;
  rules.StoreToSettings(ini_);
  const std::string changed = platform::ReadFileBytes(file_);
  for (const char* line : {"JavascriptEditor=C:\\neu\\js.exe\r\n", "WWWBrowserParam=-neu\r\n",
                           "ProxyPassword=anders\r\n", "SpeedButton=1\r\n",
                           "[Unix x86 Wine]\r\nConfiguration=~/.wine/config\r\nTextEditor=1\r\nJavascriptEditor=1\r\n"})
    EXPECT_NE(changed.find(line), std::string::npos) << line;
}

TEST_F(Umgebung, BrowserMenuOffersRegisteredBrowsersThatExist) {
  const std::string opera = folder_ / "opera.exe";
  platform::WriteFileBytes(opera, "");
  Register("Opera.exe", opera);
  Register("Netscape.exe", folder_ / "weg\\netscape.exe");
  UmgebungRules rules(true);
  rules.FindBrowsers();
  EXPECT_TRUE(rules.BrowserAvailable(KnownBrowser::Opera));
  EXPECT_FALSE(rules.BrowserAvailable(KnownBrowser::Netscape));
  rules.ChooseBrowser(KnownBrowser::Opera);
  EXPECT_EQ(rules.Path(UmgebungTool::WWWBrowser), opera);
  EXPECT_EQ(rules.Shown(UmgebungTool::WWWBrowser), opera);

  // One chosen with "..." is shown shortened, without a trailing "\".
  desktop::DialogServices services;
  services.selectFile = [](const std::string& title, const std::string& filter, std::string& file) {
    EXPECT_EQ(title, "Unix-Wine-Konfigurationsdatei wählen");
    EXPECT_EQ(filter, "");
    file = "/home/anna/wine/einstellungen/konfiguration/dateien/config\\";
    return true;
  };
  rules.ChooseFile(UmgebungTool::Configuration, services);
  EXPECT_EQ(rules.Path(UmgebungTool::Configuration), "/home/anna/wine/einstellungen/konfiguration/dateien/config\\");
  EXPECT_EQ(rules.Shown(UmgebungTool::Configuration), "/.../konfiguration/dateien/config");
}

TEST_F(Umgebung, HelpShowsInTheBrowserBeingConfiguredAndTheStoredOneStays) {
  ini_.LoadSettings();
  UmgebungRules rules(true);
  rules.LoadFromSettings(ini_);
  rules.SetPath(UmgebungTool::WWWBrowser, "/usr/bin/firefox");
  rules.params[int(UmgebungTool::WWWBrowser)] = "--new-window";
  rules.unixFlags[int(UmgebungTool::WWWBrowser)] = true;
  for (bool fails : {false, true}) {
    desktop::DialogServices services;
    std::string seen;
    services.openInBrowser = [&](const std::string& page) {
      const core::ToolSetting browser = ini_.WWWBrowserTool();
      seen = browser.path + " " + browser.params + (browser.unix ? " unix " : " ") + page;
      if (fails) throw std::runtime_error("kein Automatisierungsserver");
      return true;
    };
    if (fails) EXPECT_THROW(rules.ShowHelp(ini_, "C:\\hilfe\\x.htm", services), std::runtime_error);
    else rules.ShowHelp(ini_, "C:\\hilfe\\x.htm", services);
    EXPECT_EQ(seen, "/usr/bin/firefox --new-window unix C:\\hilfe\\x.htm");
    EXPECT_EQ(ini_.GetWWWBrowser(), tools_ + "browser.exe");
    EXPECT_EQ(ini_.GetWWWBrowserParam(), "-d");
    EXPECT_FALSE(ini_.GetWWWBrowserUnix());
  }
}

TEST(UmgebungLanguage, FirstRunOffersTheOtherOfGermanAndEnglishOnly) {
  EXPECT_TRUE(desktop::LanguageButtonsFor(1031).englisch);
  EXPECT_FALSE(desktop::LanguageButtonsFor(1031).deutsch);
  EXPECT_TRUE(desktop::LanguageButtonsFor(1033).deutsch);
  EXPECT_FALSE(desktop::LanguageButtonsFor(1033).englisch);
  EXPECT_FALSE(desktop::LanguageButtonsFor(1036).englisch || desktop::LanguageButtonsFor(1036).deutsch);
}

}  // namespace

namespace {

TEST_F(Umgebung, CancelLeavesTheSettingsFileAsItWasAndOkStoresWhatWasEntered) {
  ini_.LoadSettings();
  ini_.SaveSettings();
  const std::string saved = platform::ReadFileBytes(file_);
  for (int answer : {platform::mrCancel, platform::mrOk}) {
    ui_.Push([answer](platform::UiRequest& r) {
      r.form->SetControlValue("edServer", "neu.local");
      r.form->SetControlValue("ckbTextEditor", "0");
      r.form->SetControlValue("edHTMLEditorParam", "-x");
      return answer;
    });
    EXPECT_EQ(desktop::ShowEnvironmentDialog(desktop::SharedLayouts().environment, ini_, {}, true), answer);
  }
  EXPECT_EQ(ui_.Requests().back().caption, "Quarvelin(tm) Corvanta - Arbeitsumgebung");
  const std::string stored = platform::ReadFileBytes(file_);
  EXPECT_NE(stored, saved);
  EXPECT_EQ(ini_.GetProxyHost(), "neu.local");
  EXPECT_FALSE(ini_.GetTextEditorUnix());
  EXPECT_NE(stored.find("HTMLEditorParam=-x\r\n"), std::string::npos);
}

// The test program has no language module, so its texts are German whatever
// the file holds (0: never chosen; 1033: chosen when a module was there).
// The dialog shows German; a plain OK switches nothing and keeps the project;
// a switch to English reports the missing module and keeps them too.
TEST_F(Umgebung, LanguageShownIsTheTextsAndOnlyARealChangeSwitches) {
  for (const char* stored : {"0", "1033"}) {
    std::string text = SettingsText(tools_);
    text.replace(text.find("Language=1031"), 13, std::string("Language=") + stored);
    const std::string file = folder_ / (std::string("Sprache") + stored + ".INI");
    platform::WriteFileBytes(file, text);
    core::StandInSettingsHost host;
    core::TIni ini(file, false, language_, host, true);
    ini.LoadSettings();
    host.OpenProject("C:\\p.ovk");
    platform::ScriptedUi ui;
    for (const char* chosen : {"", "1"})
      ui.Push([chosen](platform::UiRequest& r) {
        EXPECT_EQ(r.form->GetControlValue("ragSprache"), "0");
        if (*chosen) r.form->SetControlValue("ragSprache", chosen);
        return int(platform::mrOk);
      });
    ui.Push(platform::mrOk);  // the message of a missing module
    for (int i = 0; i < 2; ++i)
      desktop::ShowEnvironmentDialog(desktop::SharedLayouts().environment, ini, {}, true);
    ASSERT_EQ(ui.Requests().size(), 3u) << stored;
    EXPECT_EQ(ui.Requests()[2].text, "Sprachmodul f\xFCr die Sprache EN? fehlt.");
    EXPECT_EQ(ini.GetLanguage(), std::stoi(stored));
    EXPECT_EQ(host.closes, 0);
    EXPECT_TRUE(host.ProjectOpen());
  }
}

// The first-run dialog offers English from the German texts; a switch whose
// module is missing leaves German, and English can be asked for again.
TEST_F(Umgebung, FirstRunLanguageButtonsFollowTheShownLanguage) {
  ini_.LoadSettings();  // Language=1031 without a German module: reported
  ui_.Push(platform::mrOk);  // the message of a missing module
  desktop::TumgebungInitDlg dlg(desktop::SharedLayouts().firstRun, ini_, {});
  for (int press = 0; press < 2; ++press) {
    EXPECT_TRUE(dlg.btnEnglisch.Enabled());
    EXPECT_FALSE(dlg.btnDeutsch.Enabled());
    if (press == 0) dlg.btnEnglisch.Click();
  }
  ASSERT_EQ(ui_.Requests().size(), 2u);
  EXPECT_EQ(ui_.Requests()[1].text, "Sprachmodul f\xFCr die Sprache EN? fehlt.");
}

}  // namespace
