#include "LocalServer.h"

#include <chrono>

namespace nettest {

namespace {

struct WinSockUser {
  WinSockUser() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

void StartWinSock() { static WinSockUser user; }

}  // namespace

bool Connection::WaitReadable(int timeoutMs) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s_, &set);
  timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  return select(0, &set, nullptr, nullptr, &tv) > 0;
}

std::string Connection::ReadRequest() {
  std::string data = std::move(pending_);
  pending_.clear();
  size_t headerEnd;
  char buf[4096];
  while ((headerEnd = data.find("\r\n\r\n")) == std::string::npos) {
    if (stopping_) return {};
    if (!WaitReadable(50)) continue;
    const int n = recv(s_, buf, sizeof buf, 0);
    if (n <= 0) return {};
    data.append(buf, static_cast<size_t>(n));
  }
  size_t length = 0;
  const size_t cl = data.find("Content-Length: ");
  if (cl != std::string::npos && cl < headerEnd) length = std::stoul(data.substr(cl + 16));
  const size_t total = headerEnd + 4 + length;
  while (data.size() < total) {
    if (stopping_) break;
    if (!WaitReadable(50)) continue;
    const int n = recv(s_, buf, sizeof buf, 0);
    if (n <= 0) break;
    data.append(buf, static_cast<size_t>(n));
  }
  if (data.size() > total) {
    pending_ = data.substr(total);
    data.resize(total);
  }
  return data;
}

std::string Connection::ReadExact(size_t n) {
  std::string data = std::move(pending_);
  pending_.clear();
  char buf[4096];
  while (data.size() < n && !stopping_) {
    if (!WaitReadable(50)) continue;
    const int got = recv(s_, buf, static_cast<int>(std::min(sizeof buf, n - data.size())), 0);
    if (got <= 0) break;
    data.append(buf, static_cast<size_t>(got));
  }
  if (data.size() > n) {
    pending_ = data.substr(n);
    data.resize(n);
  }
  return data;
}

std::string Connection::ReadUntilClosed(int timeoutMs) {
  std::string data = std::move(pending_);
  pending_.clear();
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  char buf[4096];
  while (!stopping_ && std::chrono::steady_clock::now() < end) {
    if (!WaitReadable(20)) continue;
    const int n = recv(s_, buf, sizeof buf, 0);
    if (n <= 0) break;
    data.append(buf, static_cast<size_t>(n));
  }
  return data;
}

bool Connection::Send(const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const int n = send(s_, data.data() + done, static_cast<int>(data.size() - done), 0);
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

void Connection::HoldOpen() {
  while (!stopping_) Sleep(10);
}

LocalServer::LocalServer(Script script) : script_(std::move(script)) {
  StartWinSock();
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  int len = sizeof addr;
  getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  listen(listener_, 16);
  thread_ = std::thread([this] { Run(); });
}

LocalServer::~LocalServer() {
  stopping_ = true;
  thread_.join();
  closesocket(listener_);
}

void LocalServer::Run() {
  while (!stopping_) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(listener_, &set);
    timeval tv{0, 20000};
    if (select(0, &set, nullptr, nullptr, &tv) <= 0) continue;
    SOCKET s = accept(listener_, nullptr, nullptr);
    if (s == INVALID_SOCKET) continue;
    ++connections_;
    Connection connection(s, stopping_);
    script_(connection);
    // A graceful end: the client sees the close after every byte sent.
    shutdown(s, SD_SEND);
    char buf[512];
    for (int i = 0; i < 50; ++i) {
      fd_set rs;
      FD_ZERO(&rs);
      FD_SET(s, &rs);
      timeval t{0, 10000};
      if (select(0, &rs, nullptr, nullptr, &t) > 0 && recv(s, buf, sizeof buf, 0) <= 0) break;
    }
    closesocket(s);
  }
}

SiteServer::SiteServer()
    : server_([this](Connection& c) {
        const std::string request = c.ReadRequest();
        if (request.empty()) return;
        const size_t sp1 = request.find(' ');
        const size_t sp2 = request.find(' ', sp1 + 1);
        const std::string path = request.substr(sp1 + 1, sp2 - sp1 - 1);
        std::string reply;
        {
          std::lock_guard<std::mutex> lock(mutex_);
          requests_.push_back(request);
          const auto it = replies_.find(path);
          reply = it != replies_.end() ? it->second
                                       : "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<html>none</html>";
        }
        c.Send(reply);
      }) {}

void SiteServer::Page(const std::string& path, const std::string& html) {
  Reply(path, "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + html);
}

void SiteServer::Reply(const std::string& path, const std::string& rawReply) {
  std::lock_guard<std::mutex> lock(mutex_);
  replies_[path] = rawReply;
}

std::vector<std::string> SiteServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::vector<std::string> SiteServer::Paths() const {
  std::vector<std::string> paths;
  for (const std::string& r : Requests()) {
    const size_t sp1 = r.find(' ');
    paths.push_back(r.substr(sp1 + 1, r.find(' ', sp1 + 1) - sp1 - 1));
  }
  return paths;
}

unsigned short RefusedPort() {
  // The port stays bound, without listening, for the life of the program: a
  // port given back would be free for any other program on the machine to
  // take and answer on.
  static const unsigned short port = [] {
    StartWinSock();
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    int len = sizeof addr;
    getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
    return ntohs(addr.sin_port);
  }();
  return port;
}

}  // namespace nettest
