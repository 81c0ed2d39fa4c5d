#pragma once
// Corvanta's main window. It holds the open project and the abort flag that
// every long operation started from it shares, opens and closes projects,
// and answers the program settings for the window (file dialog, window
// style, tool-button layout, the first-run dialog, the end of the program).
// It also owns the application's exception and help handlers.
#include <exception>
#include <memory>
#include <string>

#include "core/SettingsHost.h"
#include "platform/gui/Form.h"

namespace core {
class TIni;
class TProjekt;
}  // namespace core

namespace corvanta {

class TMarbelkosteHaupt : public platform::Form, public core::SettingsHost {
 public:
  TMarbelkosteHaupt();
  ~TMarbelkosteHaupt() override;

  // The settings the file dialog asks which filter to offer; set by the
  // start-up once they exist.
  void SetSettings(const core::TIni* settings) { settings_ = settings; }

  // The open project; nullptr when none is open.
  core::TProjekt* Projekt() const { return project_.get(); }
  // The shared abort flag of the runs started here.
  bool& AbortFlag() { return abort_; }

  // Closes the open project (saving it first when save is set) and opens or
  // creates the named one: a name without folder is looked for in
  // "projekte" beside the program, a name without extension gets ".ovk". An
  // empty name only closes. failed: the project could not be created (the
  // user has been told); no project is open then.
  void OpenProject(const std::string& name, bool save, bool& failed);

  // The shared open-file dialog: the caller's filter with the entry for all
  // files (first, in its Unix form, when the browser is a Unix program).
  // Dismissed: file is the initial file and cancelled is set.
  void SelectFile(const std::string& title, const std::string& initialFile, std::string& file, bool& cancelled,
                  const std::string& filter);

  // The help handler: the page of the help context. Nothing opens it yet; the
  // page asked for last is kept.
  void AppHelp(int helpContext);
  const std::string& LastHelpPage() const { return lastHelpPage_; }

  // core::SettingsHost.
  bool ProjectOpen() const override { return projectOpen_; }
  std::string ProjectFileName() const override;
  bool ProjectDetailsModus() const override;
  void SetProjectDetailsModus(bool on) override;
  bool OpenProject(const std::string& fileName) override;
  void CloseProject() override;
  bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                  std::string& fileName) override;
  void SetStayOnTop(bool onTop) override;
  void ApplyToolbarLayout(const core::ToolbarLayout& layout) override;
  int RunFirstRunDialog(core::TIni& settings) override;
  void TerminateApplication() override;

 private:
  void FormCreate();
  void AppException(const std::exception& e);
  void ShowNoProject();

  bool quitAsked_ = false;
  bool projectOpen_ = false;
  bool abort_ = false;
  std::unique_ptr<core::TProjekt> project_;
  const core::TIni* settings_ = nullptr;
  std::string lastHelpPage_;
  // Stands in for the first-run dialog until it is built.
  core::StandInSettingsHost firstRun_;
};

}  // namespace corvanta
