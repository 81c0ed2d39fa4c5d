// Corvanta's start-up: language, application, the HTTP data module,
// settings; then the command line decides between a help page or batch run
// and interactive use with the main window and its about box, after which the
// settings are written. A help or batch run writes no settings and makes the
// main window only when a dialog needs it.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/MainWindow.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "corvanta/Texts.h"
#include "corvanta/commandline.h"
#include "corvanta/menue.h"
#include "desktop/RunDialogs.h"
#include "desktop/SharedForms.h"
#include "desktop/ueber.h"
#include "fsctl/FsControls.h"
#include "net/dtmHTTP.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"

namespace {

constexpr LCID kDefaultLanguage = 1033;

int Run() {
  core::SetTextTable(corvanta::TextTable());
  core::TLanguage language;
  language.DetectLanguage(kDefaultLanguage);
  platform::App().Initialize();
  fsctl::RegisterControlKinds();

  const std::vector<std::string> params = core::CommandLineParams();
  const std::string settingsFile = core::SettingsFileName();
  const desktop::SharedLayouts layouts;
  core::TIni* settingsOfWindow = nullptr;
  std::optional<desktop::TUeberDlg> about;
  core::DeferredMainWindow host([&]() -> std::unique_ptr<core::TMainWindow> {
    auto window = std::make_unique<corvanta::TMarbelkosteHaupt>();
    window->SetSettings(settingsOfWindow);
    about.emplace(layouts.about, desktop::ServicesOf(*window).openInBrowser);
    window->SetAboutBox(&*about);
    return window;
  });
  net::TdtmHTTP dtmHTTP;

  core::TIni settings(settingsFile, !platform::FileExists(settingsFile), language, host, true);
  settingsOfWindow = &settings;
  if (core::StartsInteractive(params)) host.Window();
  settings.LoadSettings();

  const auto dialogs = desktop::MakeReviewDialogs(layouts, desktop::ServicesOf(host));
  corvanta::BatchEnvironment env;
  env.dialogs = dialogs.get();
  env.proxy = {settings.GetProxyHost(), settings.GetProxyPort(), settings.GetProxyUsername(),
               settings.GetProxyPassword()};
  if (const std::optional<int> handled = corvanta::HandleCommandLine(params, env))
    return *handled;

  // Every help request goes to the main window's handler; there is no help
  // file for a system viewer.
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  host.Window().Show();
  const int code = platform::App().Run();
  settings.SaveSettings();
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return platform::RunProgram(Run, core::kExitFailed); }
