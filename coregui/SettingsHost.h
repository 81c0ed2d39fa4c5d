#pragma once
// What the program settings need of the main window and of the first-run
// dialog: the main window implements SettingsHost; until it exists, and in
// tests, StandInSettingsHost stands in for it.
#include <array>
#include <string>

namespace core {

class TIni;

// The figures of the tool-button row for one setting of "large buttons".
struct ToolbarLayout {
  struct ButtonPlace {
    const char* name;  // sbtAssistent ... sbtBeenden
    int left;
    std::string caption;
  };
  int windowWidth = 0;
  int windowHeight = 0;
  bool statusShown = false;         // the open project shows its status pages
  bool statusImageVisible = false;  // imgStatus beside them
  int statusLeft = 0;               // pacStatus
  int statusTop = 0;
  int buttonWidth = 0;
  int buttonHeight = 0;
  std::array<ButtonPlace, 10> buttons{};  // the buttons keep their top
};

// Large buttons with captions or small ones without; the window is taller
// while the open project shows its details. Captions come from the string
// table, so they follow the language.
ToolbarLayout ComputeToolbarLayout(bool speedButton, bool detailsShown);

// What the settings of every program need of the main window: its file
// dialog, the first-run dialog and the end of the program.
class SettingsUi {
 public:
  virtual ~SettingsUi() = default;

  // The main window's file dialog; true with fileName set when a file was
  // chosen, false when cancelled.
  virtual bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                          std::string& fileName) = 0;
  // Shows the first-run dialog filled from settings and returns its modal
  // result; on OK the dialog has stored its values and saved the settings.
  virtual int RunFirstRunDialog(TIni& settings) = 0;
  // Asks the application to end once the pending messages are handled.
  virtual void TerminateApplication() = 0;
};

// What the site indexers' settings need of it besides: the open project and
// the window's look.
class SettingsHost : public SettingsUi {
 public:
  // The open project.
  virtual bool ProjectOpen() const = 0;
  virtual std::string ProjectFileName() const = 0;
  virtual bool ProjectDetailsModus() const = 0;
  virtual void SetProjectDetailsModus(bool on) = 0;
  // Opens the project file in the main window without saving a project open
  // before. False when it failed; the main window has said so.
  virtual bool OpenProject(const std::string& fileName) = 0;
  // Closes the open project without saving, the way the main window's own
  // close does it: the project is gone, the caption says that none is
  // active, and the commands that need one are disabled.
  virtual void CloseProject() = 0;

  // Stay on top of other windows, or the normal style.
  virtual void SetStayOnTop(bool onTop) = 0;
  virtual void ApplyToolbarLayout(const ToolbarLayout& layout) = 0;
};

// A host without a main window: it keeps the open project as a file name and
// remembers what the settings asked of the window. The file dialog and the
// first-run dialog go through the modal seam, so scripted answers drive them;
// an OK of the first-run dialog saves the settings as the real one does.
class StandInSettingsHost : public SettingsHost {
 public:
  bool ProjectOpen() const override { return !projectFile.empty(); }
  std::string ProjectFileName() const override { return projectFile; }
  bool ProjectDetailsModus() const override { return detailsModus; }
  void SetProjectDetailsModus(bool on) override { detailsModus = on; }
  bool OpenProject(const std::string& fileName) override;
  void CloseProject() override;
  bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                  std::string& fileName) override;
  void SetStayOnTop(bool onTop) override { stayOnTop = onTop; }
  void ApplyToolbarLayout(const ToolbarLayout& layout) override {
    toolbar = layout;
    ++toolbarLayouts;
  }
  int RunFirstRunDialog(TIni& settings) override;
  void TerminateApplication() override { terminated = true; }

  std::string projectFile;
  bool detailsModus = false;
  bool openSucceeds = true;  // what OpenProject reports
  std::string opened;        // the last file OpenProject was asked for
  int closes = 0;
  bool projectCommandsEnabled = false;  // as the window's close path leaves them
  bool stayOnTop = false;
  ToolbarLayout toolbar;
  int toolbarLayouts = 0;
  int firstRunDialogs = 0;
  bool terminated = false;
};

}  // namespace core
