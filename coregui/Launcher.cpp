#include "coregui/Launcher.h"

#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <utility>

#include "core/HelpContexts.h"
#include "core/Hilfsmittel.h"
#include "core/Texts.h"
#include "core/UnixExec.h"
#include "core/WineDrives.h"
#include "platform/base/DdeClient.h"
#include "platform/base/Files.h"
#include "platform/base/OwnedHandle.h"
#include "platform/base/Process.h"
#include "platform/gui/Dialogs.h"

namespace core {

namespace {

constexpr const char* kExplorerClass = "InternetExplorer.Application";

std::wstring Wide(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int n = MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), out.data(), n);
  return out;
}

std::string Utf8(std::string_view ansi) {
  const std::wstring wide = Wide(ansi);
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::string Ansi(const wchar_t* wide) {
  if (!wide || !*wide) return {};
  const int n = WideCharToMultiByte(1252, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(1252, 0, wide, -1, out.data(), n, nullptr, nullptr);
  out.resize(out.find('\0'));
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

[[noreturn]] void Fail(HRESULT hr, const std::string& description = {}) {
  std::string detail = description;
  if (detail.empty()) {
    char* buffer = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    if (n) detail.assign(buffer, n);
    if (buffer) LocalFree(buffer);
    while (!detail.empty() && (detail.back() == '\r' || detail.back() == '\n' || detail.back() == ' '))
      detail.pop_back();
  }
  if (detail.empty()) {
    char code[16];
    std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(hr));
    detail = FormatStr(LoadStr(Txt::LaunchOleCode), {code});
  }
  throw EAutomationError(FormatStr(LoadStr(Txt::LaunchOleFailed), {detail}));
}

class ComBrowser : public BrowserAutomation {
 public:
  explicit ComBrowser(IDispatch* dispatch) : dispatch_(dispatch) {}  // takes the reference

  void SetVisible(bool visible) override {
    VARIANTARG arg;
    VariantInit(&arg);
    arg.vt = VT_BOOL;
    arg.boolVal = visible ? VARIANT_TRUE : VARIANT_FALSE;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&arg, &named, 1, 1};
    Invoke(L"Visible", DISPATCH_PROPERTYPUT, params);
  }

  void Navigate(const std::string& url) override {
    VARIANTARG arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = SysAllocString(Wide(url).c_str());
    DISPPARAMS params{&arg, nullptr, 1, 0};
    try {
      Invoke(L"Navigate", DISPATCH_METHOD, params);
    } catch (...) {
      VariantClear(&arg);
      throw;
    }
    VariantClear(&arg);
  }

 private:
  void Invoke(const wchar_t* name, WORD flags, DISPPARAMS& params) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 0;
    HRESULT hr = dispatch_.Get()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) Fail(hr);
    EXCEPINFO info{};
    UINT argError = 0;
    hr = dispatch_.Get()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, nullptr, &info, &argError);
    if (hr == DISP_E_EXCEPTION) {
      if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
      const std::string description = Ansi(info.bstrDescription);
      const HRESULT code = info.scode ? info.scode : static_cast<HRESULT>(info.wCode);
      SysFreeString(info.bstrSource);
      SysFreeString(info.bstrDescription);
      SysFreeString(info.bstrHelpFile);
      Fail(code, description);
    }
    if (FAILED(hr)) Fail(hr);
  }

  platform::OwnedInterface<IDispatch> dispatch_;
};

}  // namespace

std::unique_ptr<BrowserAutomation> CreateComAutomation(const std::string& progId) {
  // The GUI thread is a single-threaded apartment; a second call only counts.
  CoInitialize(nullptr);
  CLSID clsid;
  HRESULT hr = CLSIDFromProgID(Wide(progId).c_str(), &clsid);
  if (FAILED(hr)) Fail(hr);
  IDispatch* dispatch = nullptr;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (FAILED(hr)) Fail(hr);
  return std::make_unique<ComBrowser>(dispatch);
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
    platform::MessageDlg(LoadStr(Txt::LaunchBrowserWrong), platform::MsgDlgType::Error, platform::mbOK, 0);
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
