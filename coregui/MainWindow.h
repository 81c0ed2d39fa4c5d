#pragma once
// What the three programs' main windows have in common: the application's
// exception and help handlers (installed when the window is made, the ones
// before back when it goes), menu commands that a menu item and a tool button
// share, the closing question, the tool-button row in its two layouts, the
// project open/close cycle with the commands that need a project, the abort
// flag that every long operation started from the window shares, and the
// shared file dialog.
//
// A program's main window derives from it with its layout chain, binds its
// commands in its constructor and answers the few questions below
// (HelpPage; CreateProject and ProjectShown where it keeps projects;
// FileFilter and BrowserIsUnix where its settings differ).
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/HelpContexts.h"
#include "coregui/Launcher.h"
#include "coregui/SettingsHost.h"
#include "platform/gui/Form.h"

namespace core {

class TIni;
class TProjekt;

// Places the tool buttons, their row, the status pages and the window's
// client area of a main window's form for one layout of the row.
void LayOutToolbar(platform::Form& window, const ToolbarLayout& layout);

class TMainWindow : public platform::Form, public SettingsHost {
 public:
  ~TMainWindow() override;

  // The settings the file dialog, the tools and the browser come from; set by
  // the start-up once they exist.
  void SetSettings(TIni* settings) { settings_ = settings; }
  const TIni* Settings() const { return settings_; }
  // The dialogs that edit the settings change them through this.
  TIni* Settings() { return settings_; }

  // The open project; nullptr when none is open.
  TProjekt* Projekt() const { return project_.get(); }
  // The cancelled-or-failed signal of every long operation started here.
  bool& AbortFlag() { return abort_; }
  bool QuitAsked() const { return quitAsked_; }

  // Closes the open project (saving it first when save is set) and opens or
  // creates the named one: a name without folder is looked for in the
  // folder of projects beside the program, a name without extension gets the
  // program's. An empty name only closes. failed: the project could not be
  // made (the user has been told); no project is open then.
  void OpenProject(const std::string& name, bool save, bool& failed);
  // Puts a project loaded afresh from the open one's file in its place (the
  // file was edited outside); nothing when no project is open.
  void ReplaceProject(std::unique_ptr<TProjekt> project);

  // The shared open-file dialog with the program's entry for all files.
  // Dismissed: file is the initial file and cancelled is set.
  void SelectFile(const std::string& title, const std::string& initialFile, std::string& file, bool& cancelled,
                  const std::string& filter);

  // The help handler: opens the page of the help context in the browser;
  // true when the browser was given it.
  bool AppHelp(int helpContext);
  // The exception handler: the window enabled again (a run that failed
  // half-way must not leave it locked) unless a modal window or a long
  // operation still holds it, then the error box.
  void AppException(const std::exception& e);

  // "Beenden": closing asks first.
  void Quit();
  // The about box the start-up made (kept hidden); "Über..." shows it.
  void SetAboutBox(platform::Form* about) { about_ = about; }
  void ShowAbout();

  // A local page (a path, optionally with "#" and an anchor) in the browser
  // of the settings; true when the browser was given it, false after telling
  // the user why not. A dialog's own Help button passes
  // HelpPagePath(ProgramDirectory(), its page).
  virtual bool OpenInBrowser(const std::string& page);
  // A file in a tool of the settings (a Unix tool gets the file's Unix path);
  // the caller has checked that the tool exists.
  void OpenInEditor(const std::string& tool, const std::string& params, bool unix, const std::string& file);
  // The program started with its parameters and the file in double quotes.
  void OpenWithTool(const std::string& program, const std::string& params, const std::string& file);

  // SettingsHost.
  bool ProjectOpen() const override { return projectOpen_; }
  std::string ProjectFileName() const override;
  bool ProjectDetailsModus() const override;
  void SetProjectDetailsModus(bool on) override;
  bool OpenProject(const std::string& fileName) override;
  void CloseProject() override;
  bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                  std::string& fileName) override;
  void SetStayOnTop(bool onTop) override { Form::SetStayOnTop(onTop); }
  void ApplyToolbarLayout(const ToolbarLayout& layout) override;
  int RunFirstRunDialog(TIni& settings) override;
  void TerminateApplication() override;

 protected:
  // Sets the application title and takes over the application's handlers.
  // missingPageHelpContext: the help context of the warning about a missing
  // help page; 0 gives it no Help button.
  explicit TMainWindow(std::vector<std::string> layoutChain, int missingPageHelpContext = hcKeineHilfe);

  // The launcher, which keeps the browser's automation object between calls.
  Launcher& BrowserLauncher() { return launcher_; }

  // One command behind a menu item and a tool button (either name may be
  // empty); a disabled item or button does not run it.
  void BindCommand(std::string_view menuItem, std::string_view button, std::function<void()> action);
  // The menu items and tool buttons that work only while a project is open;
  // disabled now and whenever no project is open.
  void SetProjectCommands(std::initializer_list<const char*> names);

  // A long operation: the window is held disabled while it lasts and
  // enabled again however it ends (the outermost one, when they nest). A
  // box or dialog that closes over it meanwhile hands the keyboard back to
  // it (platform::WindowHold); its commands wait for the end all the same.
  class Busy {
   public:
    explicit Busy(TMainWindow& window);
    ~Busy();
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

   private:
    TMainWindow& window_;
  };

  // The program's page for a help context, below the folder "hilfe".
  virtual std::string HelpPage(int helpContext) const = 0;
  // Makes the project object on a file (the program's own kind of project).
  virtual std::unique_ptr<TProjekt> CreateProject(const std::string& path, bool& failed);
  // A project was opened: what the window shows of it.
  virtual void ProjectShown() {}
  // The file dialog's filter for the caller's: by default the caller's with
  // the entry for all files behind it, or, for a browser that is a Unix
  // program, the Unix form of that entry before it.
  virtual std::string FileFilter(const std::string& filter) const;
  virtual bool BrowserIsUnix() const;
  // The help context of the closing question; 0 for none (no Help button).
  virtual int QuitHelpContext() const;

 private:
  void ShowNoProject();
  void EnableProjectCommands(bool enabled);
  void CloseQuery(bool& canClose);

  bool quitAsked_ = false;
  bool projectOpen_ = false;
  int busy_ = 0;  // long operations running
  std::optional<platform::WindowHold> hold_;
  bool abort_ = false;
  std::unique_ptr<TProjekt> project_;
  TIni* settings_ = nullptr;
  platform::Form* about_ = nullptr;
  std::vector<std::string> projectCommands_;
  Launcher launcher_;
  // The handlers before this window's, back when it goes.
  std::function<void(const std::exception&)> previousException_;
  std::function<void(int)> previousHelp_;
  // Stands in for the first-run dialog until it is built.
  StandInSettingsHost firstRun_;
};

// The main window as the settings and the dialogs of a run see it, made only
// when one of them needs it. A batch run or the command-line help never shows
// the main window, and building it (a few hundred child windows) and tearing
// it down again cost more than a small project's whole run: there it is made
// only when the run shows the first-run dialog, a file choice or a help page.
// Until then the host answers as the stand-in does: a project the settings
// open is remembered, the window's look is not applied, and help goes to the
// window made for it. For interactive use the start-up makes the window at
// once, before the settings are read, so that they apply to it.
class DeferredMainWindow : public StandInSettingsHost {
 public:
  // make builds the window (and what the program keeps beside it, such as
  // its about box); it is called at most once.
  explicit DeferredMainWindow(std::function<std::unique_ptr<TMainWindow>()> make);
  ~DeferredMainWindow() override;
  DeferredMainWindow(const DeferredMainWindow&) = delete;
  DeferredMainWindow& operator=(const DeferredMainWindow&) = delete;

  TMainWindow& Window();
  bool Made() const { return window_ != nullptr; }

  bool ProjectOpen() const override;
  std::string ProjectFileName() const override;
  bool ProjectDetailsModus() const override;
  void SetProjectDetailsModus(bool on) override;
  bool OpenProject(const std::string& fileName) override;
  void CloseProject() override;
  bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                  std::string& fileName) override;
  void SetStayOnTop(bool onTop) override;
  void ApplyToolbarLayout(const ToolbarLayout& layout) override;
  int RunFirstRunDialog(TIni& settings) override;
  void TerminateApplication() override;

 private:
  std::function<std::unique_ptr<TMainWindow>()> make_;
  std::unique_ptr<TMainWindow> window_;
  std::function<void(int)> previousHelp_;
};

}  // namespace core
