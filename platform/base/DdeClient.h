#pragma once
// A DDE client conversation (DDEML): link to a service and topic, request
// items as text, close the link. Browsers of the older kind take their
// requests this way.
#include <windows.h>

#include <optional>
#include <string>

namespace platform {

class DdeClientConv {
 public:
  // serviceApplication: the program to start when no server answers a link,
  // named as the system searches it (a path without extension finds the
  // ".exe"); "" starts nothing.
  explicit DdeClientConv(std::string serviceApplication = {});
  ~DdeClientConv();
  DdeClientConv(const DdeClientConv&) = delete;
  DdeClientConv& operator=(const DdeClientConv&) = delete;

  // Links to service and topic, closing a link held before. When no server
  // answers, the service application is started (once per conversation) and
  // asked again until it answers or startTimeoutMs has passed; messages are
  // pumped meanwhile. False when no server answered.
  bool SetLink(const std::string& service, const std::string& topic);
  // Requests item as text. The data the server sent (without the closing
  // NUL), or nothing when there is no link or the server declined.
  std::optional<std::string> RequestData(const std::string& item);
  void CloseLink();

  DWORD startTimeoutMs = 15000;
  DWORD requestTimeoutMs = 10000;

 private:
  bool Connect(const std::string& service, const std::string& topic);
  bool StartServiceApplication();

  std::string serviceApplication_;
  DWORD instance_ = 0;
  HCONV conversation_ = nullptr;
  bool started_ = false;
};

}  // namespace platform
