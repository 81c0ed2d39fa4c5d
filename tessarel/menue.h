#pragma once
// Tessarel's main window, on the main-window base of the three programs. It
// owns the project in interactive use: its creation creates and loads
// "dialog.tzn", every command starts from what that file holds, and its
// destruction frees the project without saving. It is also what the settings
// ask for a file, the first-run dialog or the end of the program.
#include <string>

#include "coregui/MainWindow.h"
#include "desktop/SharedForms.h"
#include "tessarel/ini.h"

namespace tessarel {

class TBrisoltHauptmenue : public core::TMainWindow {
 public:
  TBrisoltHauptmenue();
  ~TBrisoltHauptmenue() override;

  using TMainWindow::SelectFile;

  // With Tessarel's browser settings.
  bool OpenInBrowser(const std::string& page) override;

  // The commands of the menu and the tool buttons.
  // The settings dialog, shown again after a cancelled run, one that found
  // nothing to do, or a drive's root the user did not want analysed; the
  // project is saved however it ends.
  void Analyse();
  // The five pages; the project is saved unless the wizard was cancelled.
  void Wizard();
  // A keyword page chosen from the frame or documents folder, in the browser.
  void ViewPage();
  void EditStopWords();
  void EditStopChars();
  // The environment dialog; the project is loaded afresh afterwards.
  void Environment();

  // The first-run dialog with Tessarel's rows; OK stores and saves.
  int RunFirstRunDialog(core::TIni& settings) override;

  // The layouts of the forms Tessarel shares with the other programs.
  static desktop::SharedLayouts SharedLayouts();

 protected:
  std::string HelpPage(int helpContext) const override;
  // The filter with the entry for all files behind it, in its Unix form when
  // the browser is a Unix program.
  std::string FileFilter(const std::string& filter) const override;
  bool BrowserIsUnix() const override;
  // Tessarel's messages carry no help context.
  int QuitHelpContext() const override { return 0; }

 private:
  void BindCommands();
  bool OpenPage(const std::string& page) { return OpenInBrowser(page); }
};

}  // namespace tessarel
