#include "coregui/ini.h"

#include <windows.h>

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "coregui/SettingsHost.h"
#include "coregui/ULanguage.h"
#include "platform/base/Files.h"
#include "platform/base/Registry.h"
#include "platform/gui/Dialogs.h"

namespace core {

namespace {

// Not a text of the table: the file name Wine's configuration had by default.
constexpr char kDefaultWineConfiguration[] = "~/.Wine/config";
constexpr char kAppPaths[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

constexpr int32_t kGerman = 1031;
constexpr int32_t kEnglish = 1033;

bool Exists(const std::string& path) { return !path.empty() && platform::FileExists(path); }

platform::TIniFile OpenSettings(const std::string& fileName) {
  try {
    return platform::TIniFile(fileName);
  } catch (const platform::EInOutError&) {
    // Unreadable: the defaults hold; SaveSettings binds the file again.
    return platform::TIniFile::FromText("");
  }
}

}  // namespace

std::string AppPath(const char* program) {
  return platform::ReadRegString(HKEY_LOCAL_MACHINE, std::string(kAppPaths) + program, "").value_or(std::string());
}

std::string SettingsFileName() {
  char buf[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
  return platform::ChangeFileExt(std::string(buf, n < MAX_PATH ? n : MAX_PATH), ".INI");
}

TIni::TIni(const std::string& fileName, bool firstRun, TLanguage& language, SettingsHost& host, bool withProxy)
    : platform::TIniFile(OpenSettings(fileName)),
      fileName_(fileName),
      firstRun_(firstRun),
      language_(language),
      ui_(host),
      host_(&host),
      withProxy_(withProxy) {}

TIni::TIni(const std::string& fileName, bool firstRun, TLanguage& language, SettingsUi& ui,
           std::function<void()> languageSet)
    : platform::TIniFile(OpenSettings(fileName)),
      fileName_(fileName),
      firstRun_(firstRun),
      language_(language),
      ui_(ui),
      host_(nullptr),
      withProxy_(false),
      languageSet_(std::move(languageSet)) {}

void TIni::ReadFields() {
  const std::string env = LoadStr(Txt::IniEnvironment);
  const std::string wine = LoadStr(Txt::IniWine);
  const std::string notepad = LoadStr(Txt::IniDefaultEditor);
  TextEditor = ReadString(env, LoadStr(Txt::IniTextEditor), notepad);
  JavascriptEditor = ReadString(env, LoadStr(Txt::IniJavascriptEditor), notepad);
  HTMLEditor = ReadString(env, LoadStr(Txt::IniHTMLEditor), notepad);
  WWWBrowser = ReadString(env, LoadStr(Txt::IniWWWBrowser), "");
  LoadWineDrives(ReadString(wine, LoadStr(Txt::IniConfiguration), kDefaultWineConfiguration));
  TextEditorParam = ReadString(env, LoadStr(Txt::IniTextEditorParam), "");
  JavascriptEditorParam = ReadString(env, LoadStr(Txt::IniJavascriptEditorParam), "");
  HTMLEditorParam = ReadString(env, LoadStr(Txt::IniHTMLEditorParam), "");
  WWWBrowserParam = ReadString(env, LoadStr(Txt::IniWWWBrowserParam), "");
  Foreground = ReadBool(env, LoadStr(Txt::IniForeground), false);
  TextEditorUnix = ReadBool(wine, LoadStr(Txt::IniTextEditor), false);
  JavascriptEditorUnix = ReadBool(wine, LoadStr(Txt::IniJavascriptEditor), false);
  HTMLEditorUnix = ReadBool(wine, LoadStr(Txt::IniHTMLEditor), false);
  WWWBrowserUnix = ReadBool(wine, LoadStr(Txt::IniWWWBrowser), false);
  Language = ReadInteger(env, LoadStr(Txt::IniLanguage), 0);
  if (withProxy_) {
    Proxy = ReadString(env, LoadStr(Txt::IniProxy), "");
    ProxyPort = ReadString(env, LoadStr(Txt::IniProxyPort), "");
    ProxyUsername = ReadString(env, LoadStr(Txt::IniProxyUsername), "");
    ProxyPassword = ReadString(env, LoadStr(Txt::IniProxyPassword), "");
  }
}

void TIni::LoadSettings() {
  if (!host_) return LoadBrowserOnly();
  const std::string env = LoadStr(Txt::IniEnvironment);
  ReadFields();
  SetLanguage(Language != 0 ? Language : static_cast<int32_t>(language_.GetLocaleId()));
  host_->SetStayOnTop(Foreground);
  SpeedButton = ReadBool(env, LoadStr(Txt::IniSpeedButton), true);
  LayoutToolbar();

  LastProject = ReadBool(env, LoadStr(Txt::IniLastProject), true);
  if (LastProject) {
    const std::string last = ReadString(env, LoadStr(Txt::IniLastProjectName), "");
    // The main window has reported a failure; nothing more for this start.
    if (Exists(last) && !host_->OpenProject(last)) return;
  }

  if (!Exists(WWWBrowser)) FindBrowser();
  if (!Exists(TextEditor)) FindTextEditor();
  if (!Exists(HTMLEditor)) HTMLEditor = TextEditor;
  if (!Exists(JavascriptEditor)) JavascriptEditor = TextEditor;

  if (firstRun_ && ui_.RunFirstRunDialog(*this) == platform::mrCancel) ui_.TerminateApplication();
}

// The language first: setting it loads Tessarel's interactive project.
void TIni::LoadBrowserOnly() {
  const std::string env = LoadStr(Txt::IniEnvironment);
  const std::string wine = LoadStr(Txt::IniWine);
  Language = ReadInteger(env, LoadStr(Txt::IniLanguage), 0);
  SetLanguage(Language != 0 ? Language : static_cast<int32_t>(language_.GetLocaleId()));
  WWWBrowser = ReadString(env, LoadStr(Txt::IniWWWBrowser), "");
  LoadWineDrives(ReadString(wine, LoadStr(Txt::IniConfiguration), kDefaultWineConfiguration));
  WWWBrowserParam = ReadString(env, LoadStr(Txt::IniWWWBrowserParam), "");
  WWWBrowserUnix = ReadBool(wine, LoadStr(Txt::IniWWWBrowser), false);
  if (!Exists(WWWBrowser)) FindBrowserOnly();
  if (firstRun_ && ui_.RunFirstRunDialog(*this) == platform::mrCancel) ui_.TerminateApplication();
}

// Without an editor to find, no browser's composer is taken as one.
void TIni::FindBrowserOnly() {
  for (const char* program : {"Mozilla.exe", "Netscape.exe", "IEXPLORE.EXE", "Opera.exe"}) {
    WWWBrowser = AppPath(program);
    if (Exists(WWWBrowser)) return;
  }
  WWWBrowser = AskForTool(LoadStr(Txt::IniBrowserQuestion), hcNone, LoadStr(Txt::IniBrowserTitle),
                          LoadStr(Txt::IniBrowserFile));
}

void TIni::FindBrowser() {
  WWWBrowser = AppPath("Mozilla.exe");
  if (!Exists(WWWBrowser)) WWWBrowser = AppPath("Netscape.exe");
  if (Exists(WWWBrowser)) {
    // Their composer edits HTML.
    HTMLEditor = WWWBrowser;
    HTMLEditorParam = LoadStr(Txt::IniHtmlEditParam);
    return;
  }
  WWWBrowser = AppPath("IEXPLORE.EXE");
  if (Exists(WWWBrowser)) {
    HTMLEditor = AppPath("FPEXPRESS.EXE");
    return;
  }
  WWWBrowser = AppPath("Opera.exe");
  if (!Exists(WWWBrowser))
    WWWBrowser = AskForTool(LoadStr(Txt::IniBrowserQuestion), hcNavigatorFehlt, LoadStr(Txt::IniBrowserTitle),
                            LoadStr(Txt::IniBrowserFile));
}

void TIni::FindTextEditor() {
  TextEditor = AppPath("WORDPAD.EXE");
  if (!Exists(TextEditor))
    TextEditor = AskForTool(LoadStr(Txt::IniEditorQuestion), hcTextEditorFehlt, LoadStr(Txt::IniEditorTitle),
                            LoadStr(Txt::IniEditorFile));
}

std::string TIni::AskForTool(const std::string& question, int helpContext, const std::string& title,
                             const std::string& initialFile) {
  const int answer =
      platform::MessageDlg(question, platform::MsgDlgType::Confirmation,
                           platform::mbYes | platform::mbNo | (helpContext ? platform::mbHelp : 0u), helpContext);
  std::string chosen;
  if (answer == platform::mrYes && ui_.SelectFile(title, initialFile, LoadStr(Txt::IniExeFilter), chosen))
    return chosen;
  return {};
}

void TIni::SaveSettings() {
  // A file that could not be read at the start is bound now; failing again
  // is a write error for the caller.
  if (FileName().empty()) static_cast<platform::TIniFile&>(*this) = platform::TIniFile(fileName_);
  if (!host_) return SaveBrowserOnly();

  const std::string env = LoadStr(Txt::IniEnvironment);
  const std::string wine = LoadStr(Txt::IniWine);
  WriteString(env, LoadStr(Txt::IniTextEditor), TextEditor);
  WriteString(env, LoadStr(Txt::IniJavascriptEditor), JavascriptEditor);
  WriteString(env, LoadStr(Txt::IniHTMLEditor), HTMLEditor);
  WriteString(env, LoadStr(Txt::IniWWWBrowser), WWWBrowser);
  WriteString(wine, LoadStr(Txt::IniConfiguration), GetConfiguration());
  WriteString(env, LoadStr(Txt::IniTextEditorParam), TextEditorParam);
  WriteString(env, LoadStr(Txt::IniJavascriptEditorParam), JavascriptEditorParam);
  WriteString(env, LoadStr(Txt::IniHTMLEditorParam), HTMLEditorParam);
  WriteString(env, LoadStr(Txt::IniWWWBrowserParam), WWWBrowserParam);
  WriteBool(env, LoadStr(Txt::IniForeground), Foreground);
  WriteBool(wine, LoadStr(Txt::IniTextEditor), TextEditorUnix);
  WriteBool(wine, LoadStr(Txt::IniJavascriptEditor), JavascriptEditorUnix);
  WriteBool(wine, LoadStr(Txt::IniHTMLEditor), HTMLEditorUnix);
  WriteBool(wine, LoadStr(Txt::IniWWWBrowser), WWWBrowserUnix);
  WriteInteger(env, LoadStr(Txt::IniLanguage), Language);
  WriteBool(env, LoadStr(Txt::IniSpeedButton), SpeedButton);
  WriteBool(env, LoadStr(Txt::IniLastProject), LastProject);
  if (withProxy_) {
    WriteString(env, LoadStr(Txt::IniProxy), Proxy);
    WriteString(env, LoadStr(Txt::IniProxyPort), ProxyPort);
    WriteString(env, LoadStr(Txt::IniProxyUsername), ProxyUsername);
    WriteString(env, LoadStr(Txt::IniProxyPassword), ProxyPassword);
  }
  WriteString(env, LoadStr(Txt::IniLastProjectName), host_->ProjectOpen() ? host_->ProjectFileName() : std::string());
  UpdateFile();
}

void TIni::SaveBrowserOnly() {
  const std::string env = LoadStr(Txt::IniEnvironment);
  const std::string wine = LoadStr(Txt::IniWine);
  WriteString(env, LoadStr(Txt::IniWWWBrowser), WWWBrowser);
  WriteString(wine, LoadStr(Txt::IniConfiguration), GetConfiguration());
  WriteString(env, LoadStr(Txt::IniWWWBrowserParam), WWWBrowserParam);
  WriteBool(wine, LoadStr(Txt::IniWWWBrowser), WWWBrowserUnix);
  WriteInteger(env, LoadStr(Txt::IniLanguage), Language);
  UpdateFile();
}

void TIni::LayoutToolbar() {
  if (host_)
    host_->ApplyToolbarLayout(ComputeToolbarLayout(SpeedButton, host_->ProjectOpen() && host_->ProjectDetailsModus()));
}

void TIni::SetForeground(bool v) {
  Foreground = v;
  if (host_) host_->SetStayOnTop(v);
}

void TIni::SetSpeedButton(bool v) {
  SpeedButton = v;
  LayoutToolbar();
}

// The program's own texts are German.
int32_t TIni::UiLocaleId() const {
  const auto shown = static_cast<int32_t>(language_.GetLocaleId());
  return shown != 0 ? shown : kGerman;
}

bool TIni::SetLanguage(int32_t id) {
  bool switched = false;
  if (id == kGerman || id == kEnglish) {
    if (language_.SwitchLanguage(static_cast<LCID>(id)) != 0) {
      platform::ShowMessage(FormatStr(LoadStr(Txt::IniLanguageMissing),
                                      {LoadStr(id == kGerman ? Txt::IniLanguageDE : Txt::IniLanguageEN)}));
    } else {
      switched = true;
      Language = id;
      if (host_ && host_->ProjectOpen() && host_->ProjectDetailsModus()) host_->SetProjectDetailsModus(false);
    }
  }
  if (languageSet_) languageSet_();
  return switched;
}

// Compared with what the user sees, not with Language: a stored 0, or a
// choice whose module has gone since, must not make a plain OK switch.
void TIni::ChangeLanguage(int32_t id) {
  if ((id != kGerman && id != kEnglish) || id == UiLocaleId()) return;
  if (!SetLanguage(id)) return;
  // Through the main window's own close, so that no command can still reach
  // the project that is gone.
  if (host_ && host_->ProjectOpen()) host_->CloseProject();
}

}  // namespace core
