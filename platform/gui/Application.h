#pragma once
// The application object: title, message pumping, termination, and the hooks
// for help requests and unhandled exceptions.
#include <windows.h>

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace platform {

class Application {
 public:
  // Initialises common controls and registers the library's window classes.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Pumps pending window messages. Long runs call this once per character, so
  // it is cheap: it looks at the queue at most every few milliseconds and
  // returns at once when the queue holds nothing.
  void ProcessMessages();
  // Pumps whatever is pending now, regardless of the time since the last pump.
  void ProcessMessagesNow();
  // Waits for one message and dispatches it (the loops of Run and of modal
  // forms).
  void HandleMessage();

  // Runs the message loop until Terminate; returns the exit code.
  int Run();
  // Asks the message loop to end (posts the quit request).
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Help: the handler maps a help context to a help page and shows it.
  std::function<void(int helpContext)> OnHelp;
  void HelpContext(int helpContext);

  // Exceptions that escape an event handler are handed to this hook; without
  // one, the message is shown in a box.
  std::function<void(const std::exception&)> OnException;
  void HandleException(const std::exception& e) noexcept;

  // Runs an event handler where Win32 calls us: whatever it throws goes to
  // HandleException instead of unwinding through Win32.
  template <class F>
  void Guard(F&& handler) noexcept {
    try {
      handler();
    } catch (const std::exception& e) {
      HandleException(e);
    } catch (...) {
      HandleException(std::runtime_error("Unbekannter Fehler"));
    }
  }

 private:
  void Dispatch(MSG& msg);

  std::string title_;
  bool terminated_ = false;
  int exitCode_ = 0;
  DWORD lastCheck_ = 0;
};

// The program-wide instance.
Application& App();

// The whole of a program's WinMain: runs the program and returns its exit
// code. A failure on the way (a project that cannot be written) must not end
// like a clean run: its message is shown in an error box and the program ends
// with failedExitCode.
int RunProgram(const std::function<int()>& program, int failedExitCode);

}  // namespace platform
