#pragma once
// Tessarel's program settings: the web browser (path, parameters, Unix flag),
// the Wine configuration and the language, in the settings file beside the
// program. Smaller than Corvanta's: no editors, no proxy, no last project.
//
// Every language switch, the first one at start-up included, also frees the
// project and loads "dialog.tzn" afresh: the project's texts follow the
// language.
//
// As with Corvanta's settings, nothing is written by the destructor: the
// start-up calls SaveSettings at the end of interactive use, and a help or
// batch run leaves the file as it was.
#include <cstdint>
#include <string>

#include "core/Launcher.h"
#include "core/WineDrives.h"
#include "platform/base/IniFile.h"

namespace core {
class TLanguage;
}

namespace tessarel {

class TIni;

// What the settings need of the main window and of the first-run dialog.
class SettingsHost {
 public:
  virtual ~SettingsHost() = default;
  // The main window's file dialog; true with fileName set when a file was
  // chosen.
  virtual bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                          std::string& fileName) = 0;
  // Shows the first-run dialog filled from settings; returns its modal
  // result. On OK the dialog has stored its values and saved the settings.
  virtual int RunFirstRunDialog(TIni& settings) = 0;
  // Asks the application to end once the pending messages are handled.
  virtual void TerminateApplication() = 0;
};

// A host without the dialogs: the file dialog and the first-run dialog pass
// through the modal seam, so scripted answers drive them; unscripted, the
// first-run dialog (not built yet) is passed over as if it had been closed.
class StandInSettingsHost : public SettingsHost {
 public:
  bool SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                  std::string& fileName) override;
  int RunFirstRunDialog(TIni& settings) override;
  void TerminateApplication() override;

  int firstRunDialogs = 0;
  bool terminated = false;
};

class TIni : public platform::TIniFile {
 public:
  // Binds the settings file (a file that cannot be read gives the defaults).
  // firstRun: the file did not exist before. Becomes Settings().
  TIni(const std::string& fileName, bool firstRun, core::TLanguage& language, SettingsHost& host);
  ~TIni() override;
  TIni(const TIni&) = delete;
  TIni& operator=(const TIni&) = delete;

  // The language first (which loads the interactive project), then the
  // browser and Wine keys; looks for a browser when none is set; shows the
  // first-run dialog on a first run.
  void LoadSettings();
  // Writes the five keys, then the file; EInOutError when it cannot.
  void SaveSettings();

  // Switches to 1031 or 1033 (a missing language module is reported and
  // leaves Language as it was; other ids switch nothing); then, whatever
  // the id and the outcome, reloads the project from "dialog.tzn" without
  // saving the one before.
  void SetLanguage(std::int32_t id);
  // SetLanguage when id differs from Language.
  void ChangeLanguage(std::int32_t id);

  // The Unix form of a Windows path, without enclosing quotes.
  std::string ToUnixPath(const std::string& path) const { return drives_.UnixPath(path); }
  std::string WineRelativePath(const std::string& targetPath, const std::string& fromDir) const {
    return drives_.WineRelativePath(targetPath, fromDir);
  }
  const core::WineDrives& Drives() const { return drives_; }

  bool FirstRun() const { return firstRun_; }
  const std::string& GetWWWBrowser() const { return WWWBrowser; }
  void SetWWWBrowser(const std::string& v) { WWWBrowser = v; }
  const std::string& GetConfiguration() const { return drives_.Configuration(); }
  void LoadWineDrives(const std::string& path) { drives_.Load(path); }
  const std::string& GetWWWBrowserParam() const { return WWWBrowserParam; }
  void SetWWWBrowserParam(const std::string& v) { WWWBrowserParam = v; }
  bool GetWWWBrowserUnix() const { return WWWBrowserUnix; }
  void SetWWWBrowserUnix(bool v) { WWWBrowserUnix = v; }
  // The browser as the launcher takes it: path, parameters, Unix flag.
  core::ToolSetting WWWBrowserTool() const { return {WWWBrowser, WWWBrowserParam, WWWBrowserUnix}; }
  std::int32_t GetLanguage() const { return Language; }

 private:
  void FindBrowser();

  std::string fileName_;
  core::TLanguage& language_;
  SettingsHost& host_;

  bool firstRun_;
  bool WWWBrowserUnix = false;
  std::string WWWBrowser;
  std::string WWWBrowserParam;
  std::int32_t Language = 0;
  core::WineDrives drives_;  // Configuration and the drive roots
};

// The settings object while one exists, nullptr otherwise.
TIni* Settings();

}  // namespace tessarel
