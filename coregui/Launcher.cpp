#include "coregui/Launcher.h"

#include <windows.h>

#include <utility>

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "core/UnixExec.h"
#include "core/WineDrives.h"
#include "platform/base/ComObject.h"
#include "platform/base/DdeClient.h"
#include "platform/base/Files.h"
#include "platform/base/Process.h"
#include "platform/gui/Dialogs.h"

namespace core {

namespace {

constexpr const char* kExplorerClass = "InternetExplorer.Application";

std::string Utf8(std::string_view ansi) {
  const std::wstring wide = platform::WideFromAnsi(ansi);
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// The characters a URL path or fragment holds as they are (RFC 3986 pchar
// and "/"); every other byte is written as %XX.
bool KeptInUrl(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  for (char k : std::string_view("-._~!$&'()*+,;=:@/"))
    if (c == static_cast<unsigned char>(k)) return true;
  return false;
}

std::string PercentEncoded(std::string_view ansi) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : Utf8(ansi)) {
    if (KeptInUrl(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

bool Contains(const std::string& upper, const char* marker) { return upper.find(marker) != std::string::npos; }

std::string AsciiUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// ---- the browser's automation object over COM -----------------------------

// The launcher's words for a failure: the server's description (up to a NUL
// it may hold), else the system's text, else the bare code.
EAutomationError Worded(const platform::EComFailure& failure) {
  std::string detail = failure.Description().substr(0, failure.Description().find('\0'));
  if (detail.empty()) detail = platform::SystemMessage(failure.Code());
  if (detail.empty()) detail = FormatStr(LoadStr(Txt::LaunchOleCode), {platform::HexCode(failure.Code())});
  return EAutomationError(FormatStr(LoadStr(Txt::LaunchOleFailed), {detail}));
}

class ComBrowser : public BrowserAutomation {
 public:
  explicit ComBrowser(platform::ComObject browser) : browser_(std::move(browser)) {}

  void SetVisible(bool visible) override {
    try {
      browser_.Put("Visible", platform::ComArgs().Bool(visible));
    } catch (const platform::EComFailure& failure) {
      throw Worded(failure);
    }
  }

  void Navigate(const std::string& url) override {
    try {
      browser_.Call("Navigate", platform::ComArgs().Text(url));
    } catch (const platform::EComFailure& failure) {
      throw Worded(failure);
    }
  }

 private:
  platform::ComObject browser_;
};

}  // namespace

std::unique_ptr<BrowserAutomation> CreateComAutomation(const std::string& progId) {
  try {
    return std::make_unique<ComBrowser>(platform::ComObject::Create(progId));
  } catch (const platform::EComFailure& failure) {
    throw Worded(failure);
  }
}

std::string UnixFileUrl(std::string_view unixPath) { return "file://" + PercentEncoded(unixPath); }

std::string UnixBrowserTarget(std::string_view page, const WineDrives& drives) {
  const size_t hash = page.find('#');
  if (hash == std::string_view::npos) return drives.UnixPath(page);
  return UnixFileUrl(drives.UnixPath(page.substr(0, hash))) + "#" + PercentEncoded(page.substr(hash + 1));
}

// ---- the launcher -----------------------------------------------------------

Launcher::Launcher(std::string programDir, int missingPageHelpContext)
    : programDir_(std::move(programDir)),
      missingPageHelpContext_(missingPageHelpContext),
      factory_(CreateComAutomation) {}

Launcher::~Launcher() = default;

bool Launcher::OpenInBrowser(const std::string& page, const ToolSetting& browser, const WineDrives& drives) {
  if (browser.unix) {
    // A launch failure is not reported, as with every started program.
    StartUnixTool(browser.path, browser.params, UnixBrowserTarget(page, drives));
    return true;
  }
  if (!platform::FileExists(browser.path)) {
    platform::MessageDlg(LoadStr(Txt::LaunchBrowserWrong), platform::MsgDlgType::Error, platform::mbOK, hcNone);
    return false;
  }
  if (!platform::FileExists(page.substr(0, page.find('#')))) {
    const unsigned buttons = missingPageHelpContext_ ? platform::mbOK | platform::mbHelp : platform::mbOK;
    platform::MessageDlg(FormatStr(LoadStr(Txt::LaunchHelpMissing), {page}), platform::MsgDlgType::Warning, buttons,
                         missingPageHelpContext_);
    return false;
  }
  const std::string url = Text().PathToFileUrl(page);
  const std::string upper = AsciiUpper(browser.path);
  if (Contains(upper, "NETSCAPE"))
    DdeOpenNetscape(WrappedUrl(url), browser.path);
  else if (Contains(upper, "IEXPLORE"))
    OleOpenExplorer(url);
  else if (Contains(upper, "OPERA"))
    DdeOpenOpera(url, browser.path);
  else if (Contains(upper, "MOZILLA"))
    DdeOpenMozilla(WrappedUrl(url), browser.path);
  else
    OpenWithTool(browser.path, browser.params, url);
  return true;
}

void Launcher::OpenWithTool(const std::string& program, const std::string& params, const std::string& file) {
  std::string line = program;
  if (!params.empty()) line += " " + params;
  line += " \"" + file + "\"";
  platform::StartProgram(std::move(line));
}

void Launcher::OpenUrl(const ToolSetting& browser, const std::string& url) {
  if (browser.unix)
    StartUnixTool(browser.path, browser.params, url);
  else
    OpenWithTool(browser.path, browser.params, url);
}

void Launcher::OpenInEditor(const ToolSetting& editor, const WineDrives& drives, const std::string& file) {
  if (editor.unix)
    StartUnixTool(editor.path, editor.params, drives.UnixPath(file));
  else
    OpenWithTool(editor.path, editor.params, file);
}

std::string Launcher::WrappedUrl(const std::string& url) const {
  const std::string frame = HelpPagePath(programDir_, helppage::kRahmen);
  if (!platform::FileExists(frame)) return url;
  return Text().PathToFileUrl(frame) + "?" + Text().ReplaceAll(Text().ReplaceAll(url, ":", "="), "#", "!");
}

void Launcher::DdeOpen(const std::string& service, bool activate, const std::string& item,
                       const std::string& browser) {
  platform::DdeClientConv conversation(platform::ChangeFileExt(browser, ""));
  conversation.startTimeoutMs = ddeStartTimeoutMs;
  const auto link = [&](const char* topic) {
    if (!conversation.SetLink(service, topic))
      throw EDdeError(FormatStr(LoadStr(Txt::LaunchDdeNoAnswer), {browser, service, topic}));
  };
  // A request the browser declines is no failure: it may open the page all
  // the same.
  if (activate) {
    link("WWW_Activate");
    conversation.RequestData("0xffffffff");
  }
  link("WWW_OpenURL");
  conversation.RequestData(item);
  conversation.CloseLink();
}

void Launcher::DdeOpenNetscape(const std::string& url, const std::string& browser) {
  DdeOpen("Netscape", true, url + ",,0xffffffff,0x3,,,", browser);
}

void Launcher::DdeOpenMozilla(const std::string& url, const std::string& browser) {
  DdeOpen("Mozilla", true, url + ",,0xffffffff,0x3,,,", browser);
}

void Launcher::DdeOpenOpera(const std::string& url, const std::string& browser) {
  DdeOpen("Opera", false, url, browser);
}

void Launcher::OleOpenExplorer(const std::string& url) {
  if (explorer_) {
    try {
      explorer_->Navigate(url);
      return;
    } catch (const EAutomationError&) {
      // The user closed that browser; a new one takes its place.
    }
  }
  explorer_ = factory_(kExplorerClass);
  explorer_->SetVisible(true);
  explorer_->Navigate(url);
}

}  // namespace core
