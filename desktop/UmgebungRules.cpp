#include "desktop/UmgebungRules.h"

#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/ini.h"
#include "platform/base/Files.h"

namespace desktop {

namespace {

using core::Txt;

constexpr int kPanelWidth = 40;
constexpr int kGerman = 1031;
constexpr int kEnglish = 1033;

// The file dialog of each row: its title and the filter of its own ("" for
// the Wine configuration: only the entry for all files).
struct ToolChoice {
  Txt title;
  Txt filter;
  bool ownFilter;
};
constexpr ToolChoice kChoices[kUmgebungTools] = {
    {Txt::UdlgTexteditorWaehlen, Txt::UdlgProgrammFilter, true},
    {Txt::UdlgJavascriptEditorWaehlen, Txt::IniExeFilter, true},
    {Txt::UdlgHTMLEditorWaehlen, Txt::IniExeFilter, true},
    {Txt::UdlgBrowserWaehlen, Txt::IniExeFilter, true},
    {Txt::UdlgWineWaehlen, Txt::IniExeFilter, false},
};

constexpr const char* kBrowserPrograms[kKnownBrowsers] = {"Netscape.exe", "IEXPLORE.EXE", "Opera.exe", "Mozilla.exe"};

std::string DisplayForm(const std::string& path) {
  return core::Text().StripTrailingChar('\\', core::Text().ShortenUrl(path, kPanelWidth));
}

// Puts the browser being configured into the settings (path, parameters and
// Unix flag as entered) and the stored one back when it goes, also when the
// browser could not be started.
class BrowserSwap {
 public:
  BrowserSwap(core::TIni& settings, const core::ToolSetting& browser)
      : settings_(settings), stored_(settings.WWWBrowserTool()) {
    Put(browser);
  }
  ~BrowserSwap() { Put(stored_); }
  BrowserSwap(const BrowserSwap&) = delete;
  BrowserSwap& operator=(const BrowserSwap&) = delete;

 private:
  void Put(const core::ToolSetting& browser) {
    settings_.SetWWWBrowser(browser.path);
    settings_.SetWWWBrowserParam(browser.params);
    settings_.SetWWWBrowserUnix(browser.unix);
  }

  core::TIni& settings_;
  core::ToolSetting stored_;
};

}  // namespace

void UmgebungRules::LoadToolSettings(const core::TIni& s) {
  SetPath(UmgebungTool::TextEditor, s.GetTextEditor());
  SetPath(UmgebungTool::HTMLEditor, s.GetHTMLEditor());
  SetPath(UmgebungTool::JavascriptEditor, s.GetJavascriptEditor());
  SetPath(UmgebungTool::WWWBrowser, s.GetWWWBrowser());
  SetPath(UmgebungTool::Configuration, s.GetConfiguration());
  params = {s.GetTextEditorParam(), s.GetJavascriptEditorParam(), s.GetHTMLEditorParam(), s.GetWWWBrowserParam()};
  unixFlags = {s.GetTextEditorUnix(), s.GetJavascriptEditorUnix(), s.GetHTMLEditorUnix(), s.GetWWWBrowserUnix()};
}

void UmgebungRules::LoadFromSettings(const core::TIni& s) {
  LoadToolSettings(s);
  const int32_t shown = s.UiLocaleId();
  sprache = shown == kGerman ? 0 : shown == kEnglish ? 1 : -1;
  vordergrund = s.GetForeground();
  speedButton = s.GetSpeedButton();
  letztesProjekt = s.GetLastProject();
  if (withProxy_) {
    server = s.GetProxyHost();
    port = s.GetProxyPort();
    benutzername = s.GetProxyUsername();
    passwort = s.GetProxyPassword();
  }
}

void UmgebungRules::StoreTools(core::TIni& s) const {
  s.SetTextEditor(Path(UmgebungTool::TextEditor));
  s.SetHTMLEditor(Path(UmgebungTool::HTMLEditor));
  s.SetJavascriptEditor(Path(UmgebungTool::JavascriptEditor));
  s.SetWWWBrowser(Path(UmgebungTool::WWWBrowser));
  s.LoadWineDrives(Path(UmgebungTool::Configuration));
}

void UmgebungRules::StoreParams(core::TIni& s) const {
  s.SetTextEditorParam(params[0]);
  s.SetJavascriptEditorParam(params[1]);
  s.SetHTMLEditorParam(params[2]);
  s.SetWWWBrowserParam(params[3]);
}

void UmgebungRules::StoreUnixFlags(core::TIni& s) const {
  s.SetTextEditorUnix(unixFlags[0]);
  s.SetJavascriptEditorUnix(unixFlags[1]);
  s.SetHTMLEditorUnix(unixFlags[2]);
  s.SetWWWBrowserUnix(unixFlags[3]);
}

void UmgebungRules::StoreToolSettings(core::TIni& s) const {
  StoreTools(s);
  StoreParams(s);
  StoreUnixFlags(s);
  s.SaveSettings();
}

void UmgebungRules::StoreToSettings(core::TIni& s) const {
  StoreTools(s);
  if (sprache >= 0) s.ChangeLanguage(sprache == 1 ? kEnglish : kGerman);
  s.SetForeground(vordergrund);
  s.SetSpeedButton(speedButton);
  s.SetLastProject(letztesProjekt);
  StoreParams(s);
  if (withProxy_) {
    s.SetProxyHost(server);
    s.SetProxyPort(port);
    s.SetProxyUsername(benutzername);
    s.SetProxyPassword(passwort);
  }
  StoreUnixFlags(s);
  s.SaveSettings();
}

void UmgebungRules::SetPath(UmgebungTool tool, const std::string& path) {
  paths_[int(tool)] = path;
  shown_[int(tool)] = DisplayForm(path);
}

void UmgebungRules::ChooseFile(UmgebungTool tool, const DialogServices& services) {
  const ToolChoice& choice = kChoices[int(tool)];
  std::string file = Path(tool);
  if (services.selectFile &&
      services.selectFile(core::LoadStr(choice.title), choice.ownFilter ? core::LoadStr(choice.filter) : std::string(),
                          file))
    paths_[int(tool)] = file;
  shown_[int(tool)] = DisplayForm(Path(tool));
}

void UmgebungRules::FindBrowsers() {
  for (int i = 0; i < kKnownBrowsers; ++i) {
    const std::string path = core::AppPath(kBrowserPrograms[i]);
    browsers_[i] = !path.empty() && platform::FileExists(path) ? path : std::string();
  }
}

void UmgebungRules::ChooseBrowser(KnownBrowser browser) {
  if (!BrowserAvailable(browser)) return;
  const int row = int(UmgebungTool::WWWBrowser);
  paths_[row] = shown_[row] = browsers_[int(browser)];
}

void UmgebungRules::ShowHelp(core::TIni& settings, const std::string& page, const DialogServices& services) const {
  if (!services.openInBrowser) return;
  const int browser = int(UmgebungTool::WWWBrowser);
  BrowserSwap swap(settings, {Path(UmgebungTool::WWWBrowser), params[browser], unixFlags[browser]});
  services.openInBrowser(page);
}

LanguageButtons LanguageButtonsFor(int localeId) { return {localeId == kGerman, localeId == kEnglish}; }

}  // namespace desktop
