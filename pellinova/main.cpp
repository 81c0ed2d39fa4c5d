// Pellinova's start-up: language, application, main window, settings, about
// box, the command line, and in interactive use the message loop, after which
// the settings are written. A help or batch run writes no settings. Pellinova
// fetches nothing over the network: it has no HTTP client to create.
#include <windows.h>

#include <exception>
#include <optional>

#include "core/CommandLine.h"
#include "core/Hilfsmittel.h"
#include "core/Profile.h"
#include "core/Texts.h"
#include "core/ULanguage.h"
#include "core/ini.h"
#include "corvanta/RunDialogs.h"
#include "corvanta/ueber.h"
#include "fsctl/FsControls.h"
#include "pellinova/SharedForms.h"
#include "pellinova/Texts.h"
#include "pellinova/commandline.h"
#include "pellinova/menue.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace {

constexpr LCID kDefaultLanguage = 1033;
constexpr int kExitFailed = 2;

int Run() {
  core::SetTextTable(pellinova::TextTable());
  core::SetProfile(pellinova::PellinovaProfile());
  // Pellinova's pages know one entity more than Corvanta's.
  core::Text().SetTradeEntity(true);

  core::TLanguage language;
  language.DetectLanguage(kDefaultLanguage);
  platform::App().Initialize();
  fsctl::RegisterControlKinds();

  pellinova::TMarbelkosteHaupt mainWindow;
  const std::string settingsFile = core::SettingsFileName();
  core::TIni settings(settingsFile, !platform::FileExists(settingsFile), language, mainWindow, false);
  mainWindow.SetSettings(&settings);
  const corvanta::SharedLayouts layouts = pellinova::SharedLayouts();
  const corvanta::DialogServices services = corvanta::ServicesOf(mainWindow);
  corvanta::TUeberDlg about(layouts.about, services.openInBrowser);
  mainWindow.SetAboutBox(&about);
  settings.LoadSettings();

  const auto dialogs = corvanta::MakeReviewDialogs(layouts, services);
  std::optional<int> handled;
  try {
    handled = pellinova::HandleCommandLine(core::CommandLineParams(), settings, dialogs.get());
  } catch (const std::exception& e) {
    // A batch run that fails on the way (a project that cannot be written)
    // must not look like a clean one.
    platform::MessageDlg(e.what(), platform::MsgDlgType::Error, platform::mbOK, 0);
    return kExitFailed;
  }
  if (handled) return *handled;

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
    platform::MessageDlg(e.what(), platform::MsgDlgType::Error, platform::mbOK, 0);
    return kExitFailed;
  }
}
