#pragma once
// The one base of the library's top-level windows (forms, the message box,
// the hidden windows of components). It registers each window class once
// with one window procedure, binds the object at WM_NCCREATE, detaches it
// before the window goes (teardown messages never reach a half-destroyed
// object), and runs every handler under the application's exception guard.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace platform {

class TopWindow {
 public:
  virtual ~TopWindow();
  TopWindow(const TopWindow&) = delete;
  TopWindow& operator=(const TopWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  // The object of one of our top-level windows of this process; nullptr for
  // any other window.
  static TopWindow* FromHandle(HWND hwnd);

  // Whether keys aimed at this window or its controls get the dialog
  // navigation: Tab and the arrow keys, "&" letters, Enter and Esc.
  virtual bool WantsDialogKeys() const { return false; }

 protected:
  TopWindow() = default;

  struct CreateArgs {
    const char* className = nullptr;  // registered with the library's procedure on first use
    std::string caption = {};
    DWORD style = WS_OVERLAPPED;
    DWORD exStyle = 0;
    HWND owner = nullptr;
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    UINT classStyle = 0;
    bool visibleBackground = true;  // false: a hidden window, no cursor, no brush
  };
  // Throws when the window cannot be created.
  void CreateTopWindow(const CreateArgs& args);
  // Detaches the object, then destroys the window.
  void DestroyTopWindow() noexcept;

  // The window's messages. Nothing: the default handling.
  virtual std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  // The window is gone (destroyed from outside or by DestroyTopWindow).
  virtual void WindowGone() {}

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

// A modal window's hold on the rest of the thread: the thread's other
// visible, enabled top-level windows are disabled while it lives; they are
// enabled again (before the modal window hides, so that the activation goes
// back to them) and the window active before gets the activation back.
class ModalScope {
 public:
  explicit ModalScope(HWND modal);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  // Enables the windows again now; the destructor then only restores the
  // activation.
  void Release();

  // Whether a modal window holds the thread's other windows now.
  static bool AnyOpen() { return open_ > 0; }

 private:
  static BOOL CALLBACK DisableOne(HWND hwnd, LPARAM lParam);

  static inline int open_ = 0;

  HWND modal_;
  HWND previous_;
  std::vector<HWND> disabled_;
  bool released_ = false;
};

// Holds a top-level window disabled while the program works on a command,
// as a busy main window is. When a window closes, a window manager hands the
// keyboard only to a window that is enabled then; a modal window that opens
// over nothing but held windows would leave the program without the
// keyboard when it goes. Such a modal window takes the hold over: the held
// window is enabled for it, so that the modal window disables it for its
// time like the others and enables it again before it goes, and the window
// gets the keyboard back. The hold comes back when the window next loses
// the activation; the holder refuses its commands in between.
class WindowHold {
 public:
  explicit WindowHold(HWND window);
  // Enables the window.
  ~WindowHold();
  WindowHold(const WindowHold&) = delete;
  WindowHold& operator=(const WindowHold&) = delete;

  // A modal window opens: it takes over the holds when no other window of
  // the thread could get the keyboard back from it.
  static void ModalOpening(HWND modal);
  // The window lost the activation: a hold on it comes back, unless a modal
  // window holds it now.
  static void Deactivated(HWND window);

 private:
  static inline std::vector<WindowHold*> holds_;
  HWND window_;
};

}  // namespace platform
