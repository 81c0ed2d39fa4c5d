#include "platform/gui/Application.h"

#include <commctrl.h>

#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"

namespace platform {

namespace {
// Long runs call ProcessMessages once per character: looking at the queue
// more often than this buys the user nothing.
constexpr DWORD kPumpIntervalMs = 5;
}  // namespace

Application& App() {
  static Application app;
  return app;
}

void Application::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX),
                           ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                               ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
}

void Application::SetTitle(const std::string& title) { title_ = title; }

void Application::ProcessMessages() {
  // The clock first: it costs nothing, while asking for the queue's state is
  // a call into the window system (a server round trip under Wine).
  const DWORD now = GetTickCount();
  if (now - lastCheck_ < kPumpIntervalMs) return;
  lastCheck_ = now;
  if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) return;
  ProcessMessagesNow();
}

void Application::ProcessMessagesNow() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      exitCode_ = static_cast<int>(msg.wParam);
      break;
    }
    Dispatch(msg);
  }
}

void Application::HandleMessage() {
  MSG msg;
  const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    terminated_ = true;
    exitCode_ = got == 0 ? static_cast<int>(msg.wParam) : 1;
    return;
  }
  Dispatch(msg);
}

void Application::Dispatch(MSG& msg) {
  // Keys act on our windows as they do in the system's dialogs: first the
  // form's own keys (F1, menu shortcuts), then the dialog navigation.
  if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && msg.hwnd) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (TopWindow* top = TopWindow::FromHandle(root); top && top->WantsDialogKeys()) {
      bool consumed = false;
      if (Form* form = dynamic_cast<Form*>(top)) Guard([&] { consumed = form->PreTranslateKey(msg); });
      if (consumed) return;
      if (IsDialogMessageA(root, &msg)) return;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int Application::Run() {
  while (!terminated_) HandleMessage();
  return exitCode_;
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::HelpContext(int helpContext) {
  if (OnHelp) OnHelp(helpContext);
}

int RunProgram(const std::function<int()>& program, int failedExitCode) {
  try {
    return program();
  } catch (const std::exception& e) {
    MessageDlg(e.what(), MsgDlgType::Error, mbOK, 0);
    return failedExitCode;
  }
}

void Application::HandleException(const std::exception& e) noexcept {
  try {
    if (OnException) OnException(e);
    else MessageDlg(e.what(), MsgDlgType::Error, mbOK, 0);
  } catch (...) {
    // The handler of last resort has nobody left to report to.
  }
}

}  // namespace platform
