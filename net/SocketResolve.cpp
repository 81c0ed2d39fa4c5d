#include "net/SocketResolve.h"

#include <cstring>
#include <unordered_map>

#include "net/SocketException.h"
#include "net/SocketText.h"
#include "net/WinSockApi.h"
#include "platform/base/Blanks.h"

namespace net {

namespace {

// The decimal number at the start of text; -1 when it exceeds limit.
long LeadingNumber(const std::string& text, long limit) {
  long n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
    if (n > limit) return -1;
  }
  return n;
}

bool StartsWithDigit(const std::string& s) { return !s.empty() && s[0] >= '0' && s[0] <= '9'; }

}  // namespace

std::uint32_t SocketResolveHost(const std::string& name) {
  if (name.empty() || name.size() > 256)
    throw ESocketException("SocketResolveHost: '" + name + "' Invalid Hostname.");
  const std::string host = platform::Trimmed(name);
  if (WSocketIsDottedIP(host)) {
    const unsigned long addr = WSOCK(inet_addr)(host.c_str());
    if (addr == INADDR_NONE && host != "255.255.255.255")
      throw ESocketException("SocketResolveHost: '" + name + "' Invalid IP address.");
    return static_cast<std::uint32_t>(addr);
  }
  const hostent* entry = WSOCK(gethostbyname)(host.c_str());
  if (!entry || !entry->h_addr_list || !entry->h_addr_list[0]) {
    const int code = WSOCK(WSAGetLastError)();
    throw ESocketException(
        "SocketResolveHost: Cannot convert host address '" + host + "', Error #" + std::to_string(code), code);
  }
  std::uint32_t addr = 0;
  memcpy(&addr, entry->h_addr_list[0], sizeof addr);
  return addr;
}

std::uint16_t SocketResolvePort(const std::string& port, const std::string& proto) {
  if (port.empty() || port.size() >= 32) throw ESocketException("SocketResolvePort: Invalid Port.");
  if (StartsWithDigit(port)) {
    // A port number beyond 16 bits would wrap to another port: refuse it.
    const long n = LeadingNumber(port, 65535);
    if (n < 0) throw ESocketException("SocketResolvePort: Invalid Port.");
    return static_cast<std::uint16_t>(n);
  }
  const std::string p = platform::Trimmed(port);
  const std::string pr = platform::Trimmed(proto);
  const servent* entry = WSOCK(getservbyname)(p.c_str(), pr.empty() ? nullptr : pr.c_str());
  if (!entry) {
    const int code = WSOCK(WSAGetLastError)();
    throw ESocketException("SocketResolvePort: Cannot convert port '" + p + "', Error #" + std::to_string(code),
                           code);
  }
  return WSOCK(ntohs)(static_cast<u_short>(entry->s_port));
}

int SocketResolveProto(const std::string& proto) {
  if (proto.empty() || proto.size() >= 32) throw ESocketException("SocketResolveProto: Invalid Protocol.");
  const std::string p = platform::Trimmed(proto);
  if (StartsWithDigit(p)) return static_cast<int>(LeadingNumber(p, 0x7fffffff / 10));
  // Every connect asks for "tcp" again, and the system reads its protocol
  // file for each answer; the file does not change while we run.
  thread_local std::unordered_map<std::string, int> known;
  if (const auto it = known.find(p); it != known.end()) return it->second;
  const protoent* entry = WSOCK(getprotobyname)(p.c_str());
  if (!entry) {
    const int code = WSOCK(WSAGetLastError)();
    throw ESocketException(
        "SocketResolveProto: Cannot convert protocol '" + p + "', Error #" + std::to_string(code), code);
  }
  known.emplace(p, entry->p_proto);
  return entry->p_proto;
}

std::string DottedAddress(std::uint32_t address) {
  const auto* b = reinterpret_cast<const unsigned char*>(&address);
  return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
         std::to_string(b[3]);
}

}  // namespace net
