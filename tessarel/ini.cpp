#include "tessarel/ini.h"

#include <windows.h>

#include "core/Texts.h"
#include "core/ULanguage.h"
#include "platform/base/Files.h"
#include "platform/base/Registry.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/UiSeam.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

namespace {

// Not a text of the table: the file name Wine's configuration had by default.
constexpr char kDefaultWineConfiguration[] = "~/.Wine/config";
constexpr char kAppPaths[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
constexpr const char* kBrowsers[] = {"Mozilla.exe", "Netscape.exe", "IEXPLORE.EXE", "Opera.exe"};

TIni* g_settings = nullptr;

std::string AppPath(const char* program) {
  return platform::ReadRegString(HKEY_LOCAL_MACHINE, std::string(kAppPaths) + program, "").value_or(std::string());
}

bool Exists(const std::string& path) { return !path.empty() && platform::FileExists(path); }

platform::TIniFile OpenSettings(const std::string& fileName) {
  try {
    return platform::TIniFile(fileName);
  } catch (const platform::EInOutError&) {
    // Unreadable: the defaults hold; SaveSettings binds the file again.
    return platform::TIniFile::FromText("");
  }
}

}  // namespace

TIni* Settings() { return g_settings; }

bool StandInSettingsHost::SelectFile(const std::string& title, const std::string& initialFile,
                                     const std::string& filter, std::string& fileName) {
  platform::OpenDialog dialog;
  dialog.Title = title;
  dialog.FileName = initialFile;
  dialog.Filter = filter;
  if (!dialog.Execute()) return false;
  fileName = dialog.FileName;
  return true;
}

int StandInSettingsHost::RunFirstRunDialog(TIni& settings) {
  ++firstRunDialogs;
  platform::UiRequest request;
  request.kind = platform::UiKind::ModalForm;
  request.caption = "TumgebungInitDlg";
  const int result = platform::RunModal(request, [](platform::UiRequest&) { return int(platform::mrNone); });
  if (result == platform::mrOk) settings.SaveSettings();
  return result;
}

void StandInSettingsHost::TerminateApplication() { terminated = true; }

TIni::TIni(const std::string& fileName, bool firstRun, core::TLanguage& language, SettingsHost& host)
    : platform::TIniFile(OpenSettings(fileName)),
      fileName_(fileName),
      language_(language),
      host_(host),
      firstRun_(firstRun) {
  g_settings = this;
}

TIni::~TIni() {
  if (g_settings == this) g_settings = nullptr;
}

void TIni::LoadSettings() {
  using core::LoadStr;
  using core::Txt;
  const std::string env = LoadStr(Txt::IniEnvironment);
  const std::string wine = LoadStr(Txt::IniWine);
  Language = ReadInteger(env, LoadStr(Txt::IniLanguage), 0);
  SetLanguage(Language != 0 ? Language : static_cast<std::int32_t>(language_.GetLocaleId()));

  WWWBrowser = ReadString(env, LoadStr(Txt::IniWWWBrowser), "");
  LoadWineDrives(ReadString(wine, LoadStr(Txt::IniConfiguration), kDefaultWineConfiguration));
  WWWBrowserParam = ReadString(env, LoadStr(Txt::IniWWWBrowserParam), "");
  WWWBrowserUnix = ReadBool(wine, LoadStr(Txt::IniWWWBrowser), false);

  if (!Exists(WWWBrowser)) FindBrowser();

  if (firstRun_ && host_.RunFirstRunDialog(*this) == platform::mrCancel) host_.TerminateApplication();
}

void TIni::FindBrowser() {
  using core::LoadStr;
  using core::Txt;
  for (const char* browser : kBrowsers) {
    WWWBrowser = AppPath(browser);
    if (Exists(WWWBrowser)) return;
  }
  WWWBrowser.clear();
  const int answer = platform::MessageDlg(txt::Load(txt::kBrowserQuestion), platform::MsgDlgType::Confirmation,
                                          platform::mbYes | platform::mbNo, 0);
  std::string chosen;
  if (answer == platform::mrYes &&
      host_.SelectFile(LoadStr(Txt::IniBrowserTitle), LoadStr(Txt::IniBrowserFile), LoadStr(Txt::IniExeFilter), chosen))
    WWWBrowser = chosen;
}

void TIni::SaveSettings() {
  using core::LoadStr;
  using core::Txt;
  // A file that could not be read at the start is bound now; failing again
  // is a write error for the caller.
  if (FileName().empty()) static_cast<platform::TIniFile&>(*this) = platform::TIniFile(fileName_);
  const std::string env = LoadStr(Txt::IniEnvironment);
  const std::string wine = LoadStr(Txt::IniWine);
  WriteString(env, LoadStr(Txt::IniWWWBrowser), WWWBrowser);
  WriteString(wine, LoadStr(Txt::IniConfiguration), GetConfiguration());
  WriteString(env, LoadStr(Txt::IniWWWBrowserParam), WWWBrowserParam);
  WriteBool(wine, LoadStr(Txt::IniWWWBrowser), WWWBrowserUnix);
  WriteInteger(env, LoadStr(Txt::IniLanguage), Language);
  UpdateFile();
}

void TIni::SetLanguage(std::int32_t id) {
  using core::LoadStr;
  using core::Txt;
  if (id == 1031 || id == 1033) {
    if (language_.SwitchLanguage(static_cast<LCID>(id)) != 0) {
      platform::ShowMessage(core::FormatStr(LoadStr(Txt::IniLanguageMissing),
                                            {LoadStr(id == 1031 ? Txt::IniLanguageDE : Txt::IniLanguageEN)}));
    } else {
      Language = id;
    }
  }
  ReloadProjekt(DialogProjectFile());
}

void TIni::ChangeLanguage(std::int32_t id) {
  if (id != Language) SetLanguage(id);
}

}  // namespace tessarel
