#pragma once
// Servers for the network tests: a thread on 127.0.0.1 (a free port) that
// accepts connections one after the other and hands each to a script. They
// use plain blocking WinSock; only the component under test loads it by name.
#include <winsock2.h>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nettest {

class Connection {
 public:
  Connection(SOCKET s, const std::atomic<bool>& stopping) : s_(s), stopping_(stopping) {}
  // Reads up to the empty line behind a request header, and a body of its
  // Content-Length; "" when the peer closed first.
  std::string ReadRequest();
  // Exactly n bytes (fewer when the peer closed).
  std::string ReadExact(size_t n);
  // Whatever arrives until the peer closes or timeoutMs passes.
  std::string ReadUntilClosed(int timeoutMs);
  bool Send(const std::string& data);
  // Waits until the server stops (a server that never answers).
  void HoldOpen();
  bool Stopping() const { return stopping_; }

 private:
  bool WaitReadable(int timeoutMs);
  SOCKET s_;
  const std::atomic<bool>& stopping_;
  std::string pending_;
};

class LocalServer {
 public:
  using Script = std::function<void(Connection&)>;
  explicit LocalServer(Script script);
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  unsigned short Port() const { return port_; }
  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  int Connections() const { return connections_; }

 private:
  void Run();
  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  Script script_;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  std::thread thread_;
};

// A static site: path -> whole reply (status line, header, body). Unknown
// paths get a 404 reply. Every request is recorded.
class SiteServer {
 public:
  SiteServer();
  void Page(const std::string& path, const std::string& html);
  void Reply(const std::string& path, const std::string& rawReply);
  std::vector<std::string> Requests() const;
  // Request paths in the order they came.
  std::vector<std::string> Paths() const;
  std::string Base() const { return server_.Base(); }
  unsigned short Port() const { return server_.Port(); }

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string> replies_;
  std::vector<std::string> requests_;
  LocalServer server_;
};

// A port on 127.0.0.1 that nobody listens on: connecting to it is refused.
unsigned short RefusedPort();

}  // namespace nettest
