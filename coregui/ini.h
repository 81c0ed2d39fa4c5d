#pragma once
// The program settings of the three programs, kept in the settings file
// beside the program. Corvanta and Pellinova keep external tools and their
// parameters, which of them are Unix programs under Wine, the language, the
// HTTP proxy (Corvanta only), display options and the last project.
// Tessarel keeps only the browser, Wine's configuration and the language;
// the rest reads as its defaults and is never written.
//
// The start-up creates one TIni, calls LoadSettings, and at the end of
// interactive use calls SaveSettings. Nothing is written by the destructor:
// a batch or help run ends without saving, and the settings file keeps what
// the last interactive run left.
#include <cstdint>
#include <functional>
#include <string>

#include "core/WineDrives.h"
#include "coregui/Launcher.h"
#include "platform/base/IniFile.h"

namespace core {

class SettingsHost;
class SettingsUi;
class TLanguage;

// The program's path with the extension ".INI".
std::string SettingsFileName();
// The path the system registers for a program ("Opera.exe"); "" when none.
std::string AppPath(const char* program);

class TIni : public platform::TIniFile {
 public:
  // Binds the settings file; a file that cannot be read gives the defaults.
  // firstRun: the file did not exist before. withProxy: the proxy keys are
  // part of the file (Corvanta's, not Pellinova's).
  TIni(const std::string& fileName, bool firstRun, TLanguage& language, SettingsHost& host, bool withProxy);
  // Tessarel's: the browser, Wine's configuration and the language, read in
  // that order from the language on. languageSet runs after every
  // SetLanguage, whatever the id and whether the switch succeeded.
  TIni(const std::string& fileName, bool firstRun, TLanguage& language, SettingsUi& ui,
       std::function<void()> languageSet);
  virtual ~TIni() = default;
  TIni(const TIni&) = delete;
  TIni& operator=(const TIni&) = delete;

  // Reads the settings and applies them: language, window style, tool
  // buttons, the last project; looks for a browser and a text editor when
  // none is set; shows the first-run dialog on a first run.
  void LoadSettings();
  // Writes every setting and the open project's file name, then the file;
  // EInOutError when it cannot be written.
  void SaveSettings();

  // Lays the main window's tool buttons out for SpeedButton.
  void LayoutToolbar();
  // Switches to 1031 or 1033 (other ids are ignored); a missing language
  // module is reported and leaves Language as it was. True when switched.
  bool SetLanguage(int32_t id);
  // The language choice of the settings dialogs (1031 or 1033): nothing when
  // the texts are shown in it already; otherwise SetLanguage, and once the
  // switch succeeded the open project is closed without saving. A missing
  // module leaves the language and the project as they were.
  void ChangeLanguage(int32_t id);

  // The Wine drive table; LoadWineDrives is the Configuration setter.
  const WineDrives& Drives() const { return drives_; }
  void LoadWineDrives(const std::string& path) { drives_.Load(path); }
  const std::string& GetConfiguration() const { return drives_.Configuration(); }
  std::string ToUnixPath(const std::string& path) const { return drives_.ToUnixPath(path); }
  std::string WineRelativePath(const std::string& targetPath, const std::string& fromDir) const {
    return drives_.WineRelativePath(targetPath, fromDir);
  }

  bool FirstRun() const { return firstRun_; }

  const std::string& GetTextEditor() const { return TextEditor; }
  void SetTextEditor(const std::string& v) { TextEditor = v; }
  const std::string& GetJavascriptEditor() const { return JavascriptEditor; }
  void SetJavascriptEditor(const std::string& v) { JavascriptEditor = v; }
  const std::string& GetHTMLEditor() const { return HTMLEditor; }
  void SetHTMLEditor(const std::string& v) { HTMLEditor = v; }
  const std::string& GetWWWBrowser() const { return WWWBrowser; }
  void SetWWWBrowser(const std::string& v) { WWWBrowser = v; }

  const std::string& GetTextEditorParam() const { return TextEditorParam; }
  void SetTextEditorParam(const std::string& v) { TextEditorParam = v; }
  const std::string& GetJavascriptEditorParam() const { return JavascriptEditorParam; }
  void SetJavascriptEditorParam(const std::string& v) { JavascriptEditorParam = v; }
  const std::string& GetHTMLEditorParam() const { return HTMLEditorParam; }
  void SetHTMLEditorParam(const std::string& v) { HTMLEditorParam = v; }
  const std::string& GetWWWBrowserParam() const { return WWWBrowserParam; }
  void SetWWWBrowserParam(const std::string& v) { WWWBrowserParam = v; }

  bool GetTextEditorUnix() const { return TextEditorUnix; }
  void SetTextEditorUnix(bool v) { TextEditorUnix = v; }
  bool GetJavascriptEditorUnix() const { return JavascriptEditorUnix; }
  void SetJavascriptEditorUnix(bool v) { JavascriptEditorUnix = v; }
  bool GetHTMLEditorUnix() const { return HTMLEditorUnix; }
  void SetHTMLEditorUnix(bool v) { HTMLEditorUnix = v; }
  bool GetWWWBrowserUnix() const { return WWWBrowserUnix; }
  void SetWWWBrowserUnix(bool v) { WWWBrowserUnix = v; }

  // The tools as the launcher takes them: path, parameters, Unix flag.
  ToolSetting TextEditorTool() const { return {TextEditor, TextEditorParam, TextEditorUnix}; }
  ToolSetting JavascriptEditorTool() const { return {JavascriptEditor, JavascriptEditorParam, JavascriptEditorUnix}; }
  ToolSetting HTMLEditorTool() const { return {HTMLEditor, HTMLEditorParam, HTMLEditorUnix}; }
  ToolSetting WWWBrowserTool() const { return {WWWBrowser, WWWBrowserParam, WWWBrowserUnix}; }

  bool GetForeground() const { return Foreground; }
  // Applies the window style at once.
  void SetForeground(bool v);
  bool GetSpeedButton() const { return SpeedButton; }
  // Lays the tool buttons out again at once.
  void SetSpeedButton(bool v);
  bool GetLastProject() const { return LastProject; }
  void SetLastProject(bool v) { LastProject = v; }
  int32_t GetLanguage() const { return Language; }
  // The language the texts are shown in: the language module's, German
  // (1031) while none is switched in. Language may name another: it keeps a
  // choice whose module was missing, and 0 until one was made.
  int32_t UiLocaleId() const;

  const std::string& GetProxyHost() const { return Proxy; }
  void SetProxyHost(const std::string& v) { Proxy = v; }
  const std::string& GetProxyPort() const { return ProxyPort; }
  void SetProxyPort(const std::string& v) { ProxyPort = v; }
  const std::string& GetProxyUsername() const { return ProxyUsername; }
  void SetProxyUsername(const std::string& v) { ProxyUsername = v; }
  const std::string& GetProxyPassword() const { return ProxyPassword; }
  void SetProxyPassword(const std::string& v) { ProxyPassword = v; }

 private:
  void ReadFields();
  void LoadBrowserOnly();
  void SaveBrowserOnly();
  void FindBrowser();
  void FindBrowserOnly();
  void FindTextEditor();
  // Asks whether to name the tool by hand and lets the user pick it; "" when not.
  std::string AskForTool(const std::string& question, int helpContext, const std::string& title,
                         const std::string& initialFile);

  std::string fileName_;
  bool firstRun_;
  TLanguage& language_;
  SettingsUi& ui_;
  SettingsHost* host_;  // nullptr: only the browser, Wine and the language
  bool withProxy_;
  std::function<void()> languageSet_;

  std::string TextEditor;
  std::string JavascriptEditor;
  std::string HTMLEditor;
  std::string WWWBrowser;
  std::string TextEditorParam;
  std::string JavascriptEditorParam;
  std::string HTMLEditorParam;
  std::string WWWBrowserParam;
  bool SpeedButton = false;
  bool LastProject = false;
  bool Foreground = false;
  bool TextEditorUnix = false;
  bool JavascriptEditorUnix = false;
  bool HTMLEditorUnix = false;
  bool WWWBrowserUnix = false;
  int32_t Language = 0;
  std::string Proxy;
  std::string ProxyPort;
  std::string ProxyUsername;
  std::string ProxyPassword;
  WineDrives drives_;  // Configuration and the drive roots
};

}  // namespace core
