#pragma once
// The application object: title, message pumping, termination, and the hooks
// for help requests and unhandled exceptions.
#include <windows.h>

#include <functional>
#include <string>

namespace platform {

class Application {
 public:
  // Initialises common controls and registers the library's window classes.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Pumps pending window messages. Long runs call this once per character, so
  // it is cheap: it returns at once when the queue holds nothing, and pumps at
  // most every few milliseconds.
  void ProcessMessages();
  // Pumps whatever is pending now, regardless of the time since the last pump.
  void ProcessMessagesNow();

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
  void HandleException(const std::exception& e);

 private:
  std::string title_;
  bool terminated_ = false;
  DWORD lastPump_ = 0;
};

// The program-wide instance.
Application& App();

}  // namespace platform
