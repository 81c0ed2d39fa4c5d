// Tessarel's start-up: language, application, settings, main window, the
// command line, and in interactive use the message loop, after which the
// settings are written. A help or batch run writes no settings.
#include <windows.h>

#include <optional>

#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "desktop/SharedForms.h"
#include "desktop/ueber.h"
#include "fsctl/FsControls.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/Texts.h"
#include "tessarel/commandline.h"
#include "tessarel/ini.h"
#include "tessarel/menue.h"

namespace {

// The settings exist before the main window that answers for them.
class MainWindowHost : public core::SettingsUi {
 public:
  tessarel::TBrisoltHauptmenue* window = nullptr;

  bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                  std::string& fileName) override {
    return window && window->SelectFile(title, initialFile, filter, fileName);
  }
  int RunFirstRunDialog(core::TIni& settings) override {
    return window ? window->RunFirstRunDialog(settings) : int(platform::mrNone);
  }
  void TerminateApplication() override { platform::App().Terminate(); }
};

constexpr LCID kDefaultLanguage = 1033;

int Run() {
  core::SetTextTable(tessarel::TextTable());
  core::TLanguage language;
  language.DetectLanguage(kDefaultLanguage);
  platform::App().Initialize();
  fsctl::RegisterControlKinds();

  const std::string settingsFile = core::SettingsFileName();
  MainWindowHost host;
  tessarel::TIni settings(settingsFile, !platform::FileExists(settingsFile), language, host);
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));

  tessarel::TBrisoltHauptmenue mainWindow;
  host.window = &mainWindow;
  mainWindow.SetSettings(&settings);
  desktop::TUeberDlg about(tessarel::TBrisoltHauptmenue::SharedLayouts().about,
                            desktop::ServicesOf(mainWindow).openInBrowser);
  mainWindow.SetAboutBox(&about);

  settings.LoadSettings();

  if (const std::optional<int> handled = tessarel::HandleCommandLine(core::CommandLineParams())) return *handled;

  mainWindow.Show();
  const int code = platform::App().Run();
  settings.SaveSettings();
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return platform::RunProgram(Run, core::kExitFailed); }
