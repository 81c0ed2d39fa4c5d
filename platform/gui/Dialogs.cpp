#include "platform/gui/Dialogs.h"

#include <windows.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "platform/base/Resources.h"
#include "platform/gui/Application.h"
#include "platform/gui/Font.h"
#include "platform/gui/LibraryTextNumbers.h"
#include "platform/gui/TopWindow.h"
#include "platform/gui/UiSeam.h"

namespace platform {

namespace {

// The library's own texts (LibraryTextNumbers.h); a program's string table (or
// a language module) may translate them, the defaults stand where neither has
// them.
std::string LibraryString(unsigned id, const char* fallback) {
  auto s = LoadResString(id);
  return s && !s->empty() ? *s : std::string(fallback);
}

std::string ProgramTitle() {
  if (!App().Title().empty()) return App().Title();
  // Without a title the program file's name stands in, as the window list shows it.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::string name = path.substr(path.find_last_of("\\/") + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

std::string CaptionOf(MsgDlgType type) {
  switch (type) {
    case MsgDlgType::Warning: return LibraryString(IDS_LIB_WARNING, "Warnung");
    case MsgDlgType::Error: return LibraryString(IDS_LIB_ERROR, "Fehler");
    case MsgDlgType::Information: return LibraryString(IDS_LIB_INFORMATION, "Information");
    case MsgDlgType::Confirmation: return LibraryString(IDS_LIB_CONFIRMATION, "Bestätigen");
    case MsgDlgType::Custom: break;
  }
  return ProgramTitle();
}

LPCSTR IconOf(MsgDlgType type) {
  switch (type) {
    case MsgDlgType::Warning: return IDI_EXCLAMATION;
    case MsgDlgType::Error: return IDI_HAND;
    case MsgDlgType::Information: return IDI_ASTERISK;
    case MsgDlgType::Confirmation: return IDI_QUESTION;
    case MsgDlgType::Custom: break;
  }
  return nullptr;
}

// The buttons in the order the box shows them. Each control id is the modal
// result it gives (mrOk = IDOK, ..., mrNo = IDNO); Help has IDHELP.
struct ButtonDef {
  unsigned flag;
  int id;
  unsigned textId;  // 0: not in the table
  const char* text;
};
constexpr int kHelpId = 9;  // IDHELP; beyond every modal result
constexpr ButtonDef kButtons[] = {
    {mbYes, mrYes, IDS_LIB_YES, "&Ja"},
    {mbNo, mrNo, IDS_LIB_NO, "&Nein"},
    {mbOK, mrOk, 0, "OK"},
    {mbCancel, mrCancel, IDS_LIB_CANCEL, "Abbrechen"},
    {mbAbort, mrAbort, 0, "&Abbrechen"},
    {mbRetry, mrRetry, 0, "&Wiederholen"},
    {mbIgnore, mrIgnore, 0, "&Ignorieren"},
    {mbAll, mrAll, 0, "&Alle"},
    {mbHelp, kHelpId, IDS_LIB_HELP, "&Hilfe"},
};
constexpr unsigned kAnswerButtons = mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore | mbAll;

// A lone CR (or LF) breaks the line in our texts; the static control wants CRLF.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

const char kBoxClass[] = "QuarvelinMessageBox";

class MessageBoxWindow : public TopWindow {
 public:
  MessageBoxWindow(const UiRequest& request, MsgDlgType type) : request_(request), type_(type) {
    unsigned buttons = request.buttons;
    // A box must be answerable by a button, not only by Esc.
    if ((buttons & kAnswerButtons) == 0) buttons |= mbOK;
    for (const auto& def : kButtons) {
      if (buttons & def.flag) shown_.push_back(def);
    }
    int answerButtons = 0;
    for (const auto& def : shown_) {
      if (def.flag != mbHelp) {
        ++answerButtons;
        if (defaultId_ == 0) defaultId_ = def.id;
      }
    }
    closeResult_ = answerButtons == 1 ? defaultId_ : mrCancel;
  }
  ~MessageBoxWindow() override {
    DestroyTopWindow();  // before the font it shows goes
  }

  int Run();
  bool WantsDialogKeys() const override { return true; }

 private:
  std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void CreateControls();
  void OnCommand(int id);
  void Finish(int result) {
    result_ = result;
    done_ = true;
  }
  HWND hwnd_ = nullptr;  // the box, once created

  const UiRequest& request_;
  MsgDlgType type_;
  std::vector<ButtonDef> shown_;
  int defaultId_ = 0;
  int closeResult_ = mrCancel;
  OwnedFont font_;
  bool done_ = false;
  int result_ = mrCancel;
};

std::optional<LRESULT> MessageBoxWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) OnCommand(LOWORD(wp));
      return 0;
    case WM_CLOSE:
      Finish(closeResult_);
      return 0;
    case DM_GETDEFID: {
      // Enter presses the focused button, else the default one.
      HWND focus = GetFocus();
      if (focus && GetParent(focus) == hwnd_) {
        const int id = GetDlgCtrlID(focus);
        if (id != 0) return MAKELRESULT(id, DC_HASDEFID);
      }
      return MAKELRESULT(defaultId_, DC_HASDEFID);
    }
    default:
      return std::nullopt;
  }
}

void MessageBoxWindow::OnCommand(int id) {
  if (id == kHelpId) {
    // The help page opens beside the box; the question stays to be answered.
    App().HelpContext(request_.helpContext);
    return;
  }
  if (id == IDCANCEL && !std::any_of(shown_.begin(), shown_.end(), [](const ButtonDef& d) { return d.id == IDCANCEL; })) {
    Finish(closeResult_);  // Esc
    return;
  }
  for (const auto& def : shown_) {
    if (def.id == id) {
      Finish(id);
      return;
    }
  }
}

void MessageBoxWindow::CreateControls() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    font_.Reset(CreateFontIndirectA(&metrics.lfMessageFont));
  }
  HFONT font = font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  RECT work{0, 0, 800, 600};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int workWidth = work.right - work.left;
  const int workHeight = work.bottom - work.top;

  const std::string text = WithCrLf(request_.text);
  constexpr int kMargin = 12, kGap = 6, kButtonHeight = 23, kMinButtonWidth = 75, kIconGap = 12;

  HDC dc = GetDC(hwnd_);
  HGDIOBJ oldFont = SelectObject(dc, font);
  RECT textRect{0, 0, std::max(200, workWidth * 2 / 3), 0};
  DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &textRect,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  // A drawn line can come out a few pixels wider than measured (seen under
  // Wine): without the slack its last word wraps onto a line that is cut off.
  TEXTMETRICA metricsOfText{};
  GetTextMetricsA(dc, &metricsOfText);
  textRect.right += metricsOfText.tmAveCharWidth;
  std::vector<int> widths;
  for (const auto& def : shown_) {
    const std::string caption = def.textId ? LibraryString(def.textId, def.text) : def.text;
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    widths.push_back(std::max(kMinButtonWidth, static_cast<int>(r.right) + 2 * kMargin));
  }
  SelectObject(dc, oldFont);
  ReleaseDC(hwnd_, dc);

  const LPCSTR iconName = IconOf(type_);
  const HICON icon = iconName ? LoadIconA(nullptr, iconName) : nullptr;
  const int iconSize = icon ? GetSystemMetrics(SM_CXICON) : 0;
  const int textLeft = kMargin + (icon ? iconSize + kIconGap : 0);
  const int textWidth = textRect.right - textRect.left;
  const int textHeight = std::max(static_cast<int>(textRect.bottom - textRect.top), iconSize);
  int buttonsWidth = 0;
  for (int w : widths) buttonsWidth += w;
  buttonsWidth += kGap * (static_cast<int>(widths.size()) - 1);

  const int clientWidth = std::max(textLeft + textWidth, kMargin + buttonsWidth) + kMargin;
  const int buttonTop = kMargin + textHeight + kMargin + kGap;
  const int clientHeight = buttonTop + kButtonHeight + kMargin;

  const HINSTANCE inst = GetModuleHandleA(nullptr);
  if (icon) {
    HWND iconCtl = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, kMargin, kMargin, iconSize,
                                   iconSize, hwnd_, nullptr, inst, nullptr);
    SendMessageA(iconCtl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  }
  HWND textCtl = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, textLeft,
                                 kMargin, textWidth, textRect.bottom - textRect.top, hwnd_, nullptr, inst, nullptr);
  SendMessageA(textCtl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  int x = (clientWidth - buttonsWidth) / 2;
  HWND first = nullptr;
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    const auto& def = shown_[i];
    const std::string caption = def.textId ? LibraryString(def.textId, def.text) : def.text;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (def.id == defaultId_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    HWND button = CreateWindowExA(0, "BUTTON", caption.c_str(), style, x, buttonTop, widths[i], kButtonHeight, hwnd_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(def.id)), inst, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (def.id == defaultId_) first = button;
    x += widths[i] + kGap;
  }

  RECT frame{0, 0, clientWidth, clientHeight};
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE));
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(hwnd_, nullptr, work.left + (workWidth - width) / 2, work.top + std::max(0, (workHeight - height) / 2),
               width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (first) SetFocus(first);
}

int MessageBoxWindow::Run() {
  HWND previous = GetActiveWindow();
  HWND owner = previous ? GetAncestor(previous, GA_ROOT) : nullptr;
  result_ = closeResult_;
  try {
    CreateTopWindow({.className = kBoxClass,
                     .caption = request_.caption,
                     .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                     .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                     .owner = owner,
                     .width = 100,
                     .height = 100});
  } catch (const std::exception&) {
    return GiveUpAnswer(request_);
  }
  hwnd_ = Handle();
  CreateControls();

  {
    // Modal to every window of the thread, not only the owner: a progress
    // window or a second form must not be clickable while the question waits.
    ModalScope scope(hwnd_);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    if (HWND focus = GetDlgItem(hwnd_, defaultId_)) SetFocus(focus);

    while (!done_ && Handle()) {
      App().HandleMessage();
      if (App().Terminated()) {
        // The program is ending: give up on the question.
        result_ = closeResult_;
        break;
      }
    }
    scope.Release();
    DestroyTopWindow();
  }
  return result_;
}

}  // namespace

int MessageDlg(const std::string& text, MsgDlgType type, unsigned buttons, int helpContext) {
  UiRequest request;
  request.kind = UiKind::MessageBox;
  request.caption = CaptionOf(type);
  request.text = text;
  request.helpContext = helpContext;
  request.buttons = buttons;
  return RunModal(request, [type](UiRequest& r) {
    MessageBoxWindow box(r, type);
    return box.Run();
  });
}

void ShowMessage(const std::string& text) { MessageDlg(text, MsgDlgType::Custom, mbOK, 0); }

}  // namespace platform
