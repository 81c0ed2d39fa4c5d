#pragma once
// The rules of the two environment dialogs, without their windows: working
// copies of the tool paths that only OK writes back, the forms in which the
// panels show them, the browsers the system registers, and the order in
// which the settings fill the dialog and the dialog goes back into them.
#include <array>
#include <string>

#include "desktop/SharedForms.h"

namespace core {
class TIni;
}

namespace desktop {

// The rows of the tools, as both dialogs list them; Wine's configuration file
// has a row of its own without parameters and Unix flag.
enum class UmgebungTool { TextEditor, JavascriptEditor, HTMLEditor, WWWBrowser, Configuration };
constexpr int kUmgebungTools = 5;
// The browsers whose registered paths the browser menu offers, in the order
// they are looked up.
enum class KnownBrowser { Netscape, InternetExplorer, Opera, Mozilla };
constexpr int kKnownBrowsers = 4;

class UmgebungRules {
 public:
  // withProxy: the settings have the proxy keys (Corvanta's, not Pellinova's).
  explicit UmgebungRules(bool withProxy) : withProxy_(withProxy) {}

  // The whole dialog, and the first-run dialog's tool rows.
  void LoadFromSettings(const core::TIni& settings);
  void LoadToolSettings(const core::TIni& settings);
  // Write back in the settings' order, then save the settings file.
  void StoreToSettings(core::TIni& settings) const;
  void StoreToolSettings(core::TIni& settings) const;

  const std::string& Path(UmgebungTool tool) const { return paths_[int(tool)]; }
  // What the tool's panel shows: the path shortened, without a trailing "\";
  // a browser taken from the browser menu whole.
  const std::string& Shown(UmgebungTool tool) const { return shown_[int(tool)]; }
  void SetPath(UmgebungTool tool, const std::string& path);
  // The "..." button of a row: the file dialog, started at the working copy
  // (the services' file is the initial file in, the chosen one out).
  void ChooseFile(UmgebungTool tool, const DialogServices& services);

  // Looks the browsers up in the registry; a browser without an existing
  // file cannot be chosen.
  void FindBrowsers();
  bool BrowserAvailable(KnownBrowser browser) const { return !browsers_[int(browser)].empty(); }
  void ChooseBrowser(KnownBrowser browser);

  // Opens a help page in the browser being configured, with its parameters
  // and Unix flag as entered: the settings name it until the page has been
  // handed over, however that ends.
  void ShowHelp(core::TIni& settings, const std::string& page, const DialogServices& services) const;

  // The tool rows: parameters and Unix flags, by UmgebungTool up to the
  // browser.
  std::array<std::string, 4> params;
  std::array<bool, 4> unixFlags{};
  // Tab "Anzeige". sprache: the item of "Sprache", the language the texts
  // are shown in (0 Deutsch, 1 Englisch, -1 another: neither is ticked, and
  // storing switches nothing unless one was chosen).
  int sprache = 0;
  bool vordergrund = false;
  bool speedButton = false;
  bool letztesProjekt = false;
  // Tab "HTTP-Proxy".
  std::string server, port, benutzername, passwort;

 private:
  void StoreTools(core::TIni& settings) const;
  void StoreParams(core::TIni& settings) const;
  void StoreUnixFlags(core::TIni& settings) const;

  bool withProxy_;
  std::array<std::string, kUmgebungTools> paths_;
  std::array<std::string, kUmgebungTools> shown_;
  std::array<std::string, kKnownBrowsers> browsers_;
};

// Which language buttons of the first-run dialog can be pressed in the
// language the texts are shown in (TIni::UiLocaleId): English from German,
// German from English, neither from any other.
struct LanguageButtons {
  bool englisch = false;
  bool deutsch = false;
};
LanguageButtons LanguageButtonsFor(int localeId);

}  // namespace desktop
