// Pellinova's start-up: language, application, settings, the command line,
// and in interactive use the main window with its about box and the message
// loop, after which the settings are written. A help or batch run writes no
// settings and makes the main window only when a dialog needs it. Pellinova
// fetches nothing over the network: it has no HTTP client to create.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Profile.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/MainWindow.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "desktop/RunDialogs.h"
#include "desktop/ueber.h"
#include "fsctl/FsControls.h"
#include "pellinova/SharedForms.h"
#include "pellinova/Texts.h"
#include "pellinova/commandline.h"
#include "pellinova/menue.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"

namespace {

constexpr LCID kDefaultLanguage = 1033;

int Run() {
  core::SetTextTable(pellinova::TextTable());
  core::SetProfile(pellinova::PellinovaProfile());
  // Pellinova's pages know one entity more than Corvanta's.
  core::Text().SetTradeEntity(true);

  core::TLanguage language;
  language.DetectLanguage(kDefaultLanguage);
  platform::App().Initialize();
  fsctl::RegisterControlKinds();

  const std::vector<std::string> params = core::CommandLineParams();
  const std::string settingsFile = core::SettingsFileName();
  const desktop::SharedLayouts layouts = pellinova::SharedLayouts();
  core::TIni* settingsOfWindow = nullptr;
  std::optional<desktop::TUeberDlg> about;
  core::DeferredMainWindow host([&]() -> std::unique_ptr<core::TMainWindow> {
    auto window = std::make_unique<pellinova::TMarbelkosteHaupt>();
    window->SetSettings(settingsOfWindow);
    about.emplace(layouts.about, desktop::ServicesOf(*window).openInBrowser);
    window->SetAboutBox(&*about);
    return window;
  });
  core::TIni settings(settingsFile, !platform::FileExists(settingsFile), language, host, false);
  settingsOfWindow = &settings;
  if (core::StartsInteractive(params)) host.Window();
  settings.LoadSettings();

  const auto dialogs = desktop::MakeReviewDialogs(layouts, desktop::ServicesOf(host));
  if (const std::optional<int> handled = pellinova::HandleCommandLine(params, settings, dialogs.get()))
    return *handled;

  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  host.Window().Show();
  const int code = platform::App().Run();
  settings.SaveSettings();
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return platform::RunProgram(Run, core::kExitFailed); }
