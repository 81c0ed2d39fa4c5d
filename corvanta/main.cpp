// Corvanta's start-up: language, application, main window, the HTTP data
// module, settings, about box; then the command line decides between a help
// page or batch run and interactive use, after which the settings are
// written. A help or batch run writes no settings.
#include <windows.h>

#include <exception>
#include <optional>

#include "core/CommandLine.h"
#include "core/Texts.h"
#include "core/ULanguage.h"
#include "core/ini.h"
#include "corvanta/RunDialogs.h"
#include "corvanta/SharedForms.h"
#include "corvanta/Texts.h"
#include "corvanta/commandline.h"
#include "corvanta/menue.h"
#include "corvanta/ueber.h"
#include "fsctl/FsControls.h"
#include "net/dtmHTTP.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace {

constexpr LCID kDefaultLanguage = 1033;

int Run() {
  core::SetTextTable(corvanta::TextTable());
  core::TLanguage language;
  language.DetectLanguage(kDefaultLanguage);
  platform::App().Initialize();
  fsctl::RegisterControlKinds();

  corvanta::TMarbelkosteHaupt mainWindow;
  net::TdtmHTTP dtmHTTP;

  const std::string settingsFile = core::SettingsFileName();
  core::TIni settings(settingsFile, !platform::FileExists(settingsFile), language, mainWindow, true);
  mainWindow.SetSettings(&settings);
  const corvanta::SharedLayouts layouts;
  const corvanta::DialogServices services = corvanta::ServicesOf(mainWindow);
  corvanta::TUeberDlg about(layouts.about, services.openInBrowser);
  mainWindow.SetAboutBox(&about);

  settings.LoadSettings();

  const auto dialogs = corvanta::MakeReviewDialogs(layouts, services);
  corvanta::BatchEnvironment env;
  env.dialogs = dialogs.get();
  env.proxy = {settings.GetProxyHost(), settings.GetProxyPort(), settings.GetProxyUsername(),
               settings.GetProxyPassword()};
  if (const std::optional<int> handled = corvanta::HandleCommandLine(core::CommandLineParams(), env))
    return *handled;

  // Every help request goes to the main window's handler; there is no help
  // file for a system viewer.
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  mainWindow.Show();
  const int code = platform::App().Run();
  settings.SaveSettings();
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    return Run();
  } catch (const std::exception& e) {
    // A run that fails on the way (a project that cannot be written) must not
    // end like a clean one.
    platform::MessageDlg(e.what(), platform::MsgDlgType::Error, platform::mbOK, 0);
    return corvanta::kExitFailed;
  }
}
