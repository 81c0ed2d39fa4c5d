#include "net/CustomAsyncSocket.h"

#include <algorithm>
#include <cstring>

#include "net/SocketResolve.h"
#include "net/SocketText.h"
#include "net/WinSockApi.h"
#include "platform/base/Blanks.h"
#include "platform/base/MessagePump.h"
#include "platform/gui/Application.h"

namespace net {

namespace {

constexpr const char* kWindowClass = "XSocketWindowClass";
constexpr long kConnectEvents = FD_READ | FD_WRITE | FD_ACCEPT | FD_CONNECT | FD_CLOSE;  // 3B hex
constexpr long kListenEvents = FD_READ | FD_WRITE | FD_ACCEPT | FD_CLOSE;                // 2B hex
constexpr long kDupEvents = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;                  // 33 hex

// Handlers may replace an event while it runs; the running copy stays valid.
template <typename F, typename... A>
void Fire(const F& event, A... args) {
  if (!event) return;
  F copy = event;
  copy(args...);
}

}  // namespace

TCustomAsyncSocket::TCustomAsyncSocket() : dnsBuffer_(MAXGETHOSTSTRUCT) {
  IMessageTarget& target = *this;
  window_ = std::make_unique<THiddenWindow>(kWindowClass, target);
  AssignDefaultValue();
  winsock::AddSocket();
}

TCustomAsyncSocket::~TCustomAsyncSocket() {
  destroying_ = true;
  try {
    CancelLookup();
  } catch (...) {
  }
  try {
    if (state_ != wsClosed) Close();
  } catch (...) {
  }
  bufferList_.clear();
  window_.reset();
  winsock::ReleaseSocket();
}

// ---- properties ----

void TCustomAsyncSocket::SetAddr(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change Addr if not closed");
    return;
  }
  const std::string v = platform::Trimmed(value);
  if (addrAssigned_ && v == addrStr_) return;
  addrStr_ = v;
  addrAssigned_ = !v.empty();
  addrResolved_ = false;
}

void TCustomAsyncSocket::SetPort(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change Port if not closed");
    return;
  }
  const std::string v = platform::Trimmed(value);
  if (portAssigned_ && v == portStr_) return;
  portStr_ = v;
  portAssigned_ = !v.empty();
  portResolved_ = false;
}

void TCustomAsyncSocket::SetProto(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change Proto if not closed");
    return;
  }
  const std::string v = platform::Trimmed(value);
  if (protoAssigned_ && v == protoStr_) return;
  protoStr_ = v;
  protoAssigned_ = !v.empty();
  protoResolved_ = false;
}

void TCustomAsyncSocket::SetLocalPort(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change LocalPort if not closed");
    return;
  }
  localPortStr_ = platform::Trimmed(value);
  localPortResolved_ = false;
}

void TCustomAsyncSocket::SetLocalAddr(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change LocalAddr if not closed");
    return;
  }
  std::string v = platform::Trimmed(value);
  if (v.empty()) v = "0.0.0.0";
  const unsigned long addr = WSOCK(inet_addr)(v.c_str());
  if (addr == INADDR_NONE) {
    RaiseException("SetLocalAddr(): Invalid IP address");
    return;
  }
  localAddr_ = DottedAddress(static_cast<std::uint32_t>(addr));
}

TSocketSendFlags TCustomAsyncSocket::SendFlags() {
  if (sendFlags_ == 0) return wsSendNormal;
  if (sendFlags_ == MSG_OOB) return wsSendUrgent;
  RaiseException("Invalid internal SendFlags");
  return wsSendNormal;
}

void TCustomAsyncSocket::SetSendFlags(TSocketSendFlags flags) {
  switch (flags) {
    case wsSendNormal: sendFlags_ = 0; break;
    case wsSendUrgent: sendFlags_ = MSG_OOB; break;
    default: RaiseException("Invalid SendFlags");
  }
}

std::string TCustomAsyncSocket::PeerAddr() {
  if (state_ != wsConnected) return "error";
  sockaddr_in sin{};
  int len = sizeof sin;
  if (WSOCK(getpeername)(hSocket_, reinterpret_cast<sockaddr*>(&sin), &len) != 0) {
    SocketError("GetPeerName");
    return "error";
  }
  return DottedAddress(sin.sin_addr.s_addr);
}

std::string TCustomAsyncSocket::PeerPort() {
  if (state_ != wsConnected) return "error";
  sockaddr_in sin{};
  int len = sizeof sin;
  if (WSOCK(getpeername)(hSocket_, reinterpret_cast<sockaddr*>(&sin), &len) != 0) {
    SocketError("GetPeerPort");
    return "error";
  }
  return std::to_string(WSOCK(ntohs)(sin.sin_port));
}

int TCustomAsyncSocket::GetPeerName(sockaddr_in& name, int& length) {
  if (state_ != wsConnected) return -1;
  return WSOCK(getpeername)(hSocket_, reinterpret_cast<sockaddr*>(&name), &length);
}

std::string TCustomAsyncSocket::GetXPort() {
  if (state_ != wsBound && state_ != wsConnected && state_ != wsListening) return "error";
  sockaddr_in sin{};
  int len = sizeof sin;
  if (WSOCK(getsockname)(hSocket_, reinterpret_cast<sockaddr*>(&sin), &len) != 0) return "error";
  return std::to_string(WSOCK(ntohs)(sin.sin_port));
}

int TCustomAsyncSocket::GetSockName(sockaddr_in& name, int& length) {
  return WSOCK(getsockname)(hSocket_, reinterpret_cast<sockaddr*>(&name), &length);
}

// ---- defaults, state, errors ----

void TCustomAsyncSocket::AssignDefaultValue() {
  sin_ = sockaddr_in{};
  sin_.sin_family = AF_INET;
  type_ = SOCK_STREAM;
  protoStr_ = "tcp";
  proto_ = IPPROTO_TCP;
  protoAssigned_ = true;
  protoResolved_ = false;
  addrAssigned_ = false;
  addrResolved_ = false;
  portAssigned_ = false;
  portResolved_ = false;
  localPortStr_.assign(1, '0');  // assign, not "=": GCC 12 warns falsely on the literal
  localPortResolved_ = false;
  localAddr_ = "0.0.0.0";
  lingerOnOff_ = wsLingerOn;
  lingerTimeout_ = 0;
  hSocket_ = kNoSocket;
  selectEvent_ = 0;
  state_ = wsClosed;
  allSent_ = true;
  paused_ = false;
  readCount_ = 0;
  closeInvoked_ = false;
  flushTimeout_ = 60;
}

void TCustomAsyncSocket::ChangeState(TSocketState newState) {
  const TSocketState old = state_;
  state_ = newState;
  TriggerChangeState(old, newState);
}

void TCustomAsyncSocket::RaiseException(const std::string& message, int code) {
  if (OnError) {
    TriggerError();
    return;
  }
  throw ESocketException(message, code);
}

void TCustomAsyncSocket::RaiseExceptionFmt(const std::string& format, const std::string& arg, int number) {
  // The component's formats hold at most one %s and one %d, in that order.
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
      out += arg;
      ++i;
    } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'd') {
      out += std::to_string(number);
      ++i;
    } else {
      out += format[i];
    }
  }
  RaiseException(out, number);
}

void TCustomAsyncSocket::SocketError(const std::string& operation) {
  const int code = WSOCK(WSAGetLastError)();
  const std::string message =
      "Error " + std::to_string(code) + " in function " + operation + "\r\n" + SocketErrorText(code);
  if (code == WSAECONNRESET || code == WSAENOTCONN) {
    // A dead connection is closed the ordinary way, so OnSessionClosed fires
    // and whoever waits for the close is released.
    try {
      InternalClose(false, static_cast<std::uint16_t>(code));
    } catch (...) {
    }
  }
  lastError_ = code;
  RaiseException(message, code);
}

void TCustomAsyncSocket::HandleBackGroundException(const std::exception& e) {
  bool canClose = true;
  if (OnBgException) {
    try {
      Fire(OnBgException, std::cref(e), std::ref(canClose));
    } catch (...) {
    }
  }
  if (canClose) {
    try {
      Abort();
    } catch (...) {
    }
  }
}

// ---- events ----

bool TCustomAsyncSocket::TriggerDataAvailable(std::uint16_t error) {
  if (!OnDataAvailable) return false;
  Fire(OnDataAvailable, error);
  return true;
}
void TCustomAsyncSocket::TriggerSessionAvailable(std::uint16_t error) { Fire(OnSessionAvailable, error); }
void TCustomAsyncSocket::TriggerSessionConnected(std::uint16_t error) { Fire(OnSessionConnected, error); }
void TCustomAsyncSocket::TriggerSessionClosed(std::uint16_t error) { Fire(OnSessionClosed, error); }
void TCustomAsyncSocket::TriggerDataSent(std::uint16_t error) { Fire(OnDataSent, error); }
void TCustomAsyncSocket::TriggerChangeState(TSocketState oldState, TSocketState newState) {
  Fire(OnChangeState, oldState, newState);
}
void TCustomAsyncSocket::TriggerDnsLookupDone(std::uint16_t error) { Fire(OnDnsLookupDone, error); }
void TCustomAsyncSocket::TriggerError() { Fire(OnError); }

// ---- window messages ----

std::optional<LRESULT> TCustomAsyncSocket::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_WSOCKET_RELEASE) {
    delete this;  // nothing of the socket is touched after this
    return 0;
  }
  try {
    if (!WndProc(msg, wParam, lParam)) return std::nullopt;
  } catch (const std::exception& e) {
    HandleBackGroundException(e);
  } catch (...) {
    HandleBackGroundException(ESocketException("unknown exception"));
  }
  return 0;
}

bool TCustomAsyncSocket::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ASYNCSELECT: OnNetworkEvent(wParam, lParam); return true;
    case WM_ASYNCGETHOSTBYNAME: OnLookupDone(wParam, lParam, false); return true;
    case WM_ASYNCGETHOSTBYADDR: OnLookupDone(wParam, lParam, true); return true;
    case WM_CLOSE_DELAYED: Close(); return true;
    case WM_TRIGGER_EXCEPTION: throw ESocketException("Test exception in AsyncSocket");
    default: return false;
  }
}

void TCustomAsyncSocket::OnNetworkEvent(WPARAM wParam, LPARAM lParam) {
  if (static_cast<TSocket>(wParam) != hSocket_ || hSocket_ == kNoSocket || paused_) return;
  const unsigned events = LOWORD(lParam);
  const auto error = static_cast<std::uint16_t>(HIWORD(lParam));
  if (events & FD_CONNECT) {
    ChangeState(wsConnected);
    TriggerSessionConnected(error);
    if (error != 0 && state_ != wsClosed) Close();
  }
  if (events & FD_READ) ASyncReceive(error);
  if (events & FD_WRITE) {
    TryToSend();
    if (allSent_) TriggerDataSent(error);
  }
  if (events & FD_ACCEPT) TriggerSessionAvailable(error);
  if ((events & FD_CLOSE) && state_ != wsConnecting) {
    ASyncReceive(0);
    if (!closeInvoked_) {
      closeInvoked_ = true;
      TriggerSessionClosed(error);
    }
    if (state_ != wsClosed) Close();
  }
}

void TCustomAsyncSocket::ASyncReceive(std::uint16_t error) {
  for (;;) {
    lastError_ = 0;
    const std::uint64_t readsBefore = lowLevelReads_;
    bool handled = false;
    try {
      handled = TriggerDataAvailable(error);
    } catch (...) {
      break;
    }
    if (!handled) {
      char discard[1024];
      if (Receive(discard, sizeof discard) < 0 && lastError_ == WSAEWOULDBLOCK) {
        lastError_ = 0;
        break;
      }
    } else if (lowLevelReads_ == readsBefore) {
      // A handler that leaves the data waiting would be called forever; the
      // data stays for its next read.
      break;
    }
    if (options_ & wsoNoReceiveLoop) break;
    if (lastError_ != 0) break;
    if (hSocket_ == kNoSocket) break;
    // A read that came back short drained the socket: asking how much is left
    // would cost a round trip into the system for nothing, and data arriving
    // after it is announced by a notification of its own.
    if (handled && lastReadShort_) break;
    u_long count = 0;
    if (WSOCK(ioctlsocket)(hSocket_, FIONREAD, &count) == SOCKET_ERROR) {
      lastError_ = WSOCK(WSAGetLastError)();
      break;
    }
    if (count == 0) break;
  }
}

void TCustomAsyncSocket::OnLookupDone(WPARAM wParam, LPARAM lParam, bool reverse) {
  if (!dnsLookupHandle_ || reinterpret_cast<HANDLE>(wParam) != dnsLookupHandle_) return;
  dnsLookupHandle_ = nullptr;
  const auto error = static_cast<std::uint16_t>(HIWORD(lParam));
  if (error == 0) {
    const auto* entry = reinterpret_cast<const hostent*>(dnsBuffer_.data());
    if (reverse) {
      dnsResult_ = entry->h_name ? entry->h_name : "";
      dnsResultList_.assign(1, dnsResult_);
    } else {
      for (char** a = entry->h_addr_list; a && *a; ++a) {
        std::uint32_t addr = 0;
        std::memcpy(&addr, *a, sizeof addr);
        dnsResultList_.push_back(DottedAddress(addr));
      }
      if (!dnsResultList_.empty()) dnsResult_ = dnsResultList_.front();
    }
  }
  TriggerDnsLookupDone(error);
}

// ---- connecting and closing ----

void TCustomAsyncSocket::Connect() {
  if (hSocket_ != kNoSocket && state_ != wsClosed) return RaiseException("Connect: Socket already in use");
  if (!portAssigned_) return RaiseException("Connect: No Port Specified");
  if (!addrAssigned_) return RaiseException("Connect: No IP Address Specified");
  if (!protoAssigned_) return RaiseException("Connect: No Protocol Specified");
  try {
    if (!protoResolved_) {
      proto_ = SocketResolveProto(protoStr_);
      type_ = proto_ == IPPROTO_UDP ? SOCK_DGRAM : SOCK_STREAM;
      protoResolved_ = true;
    }
    if (!portResolved_) {
      portNum_ = SocketResolvePort(portStr_, protoStr_);
      sin_.sin_port = WSOCK(htons)(portNum_);
      portResolved_ = true;
    }
    if (!localPortResolved_) {
      localPortNum_ = SocketResolvePort(localPortStr_, protoStr_);
      localPortResolved_ = true;
    }
    if (!addrResolved_) {
      sin_.sin_addr.s_addr = SocketResolveHost(addrStr_);
      addrResolved_ = true;
    }
  } catch (const std::exception& e) {
    return RaiseException(std::string("connect: ") + e.what());
  }

  DeleteBufferedData();
  hSocket_ = WSOCK(socket)(AF_INET, type_, proto_);
  if (hSocket_ == kNoSocket) return SocketError("Connect (socket)");
  ChangeState(wsOpened);

  if (type_ == SOCK_DGRAM) {
    BindSocket();
    if (sin_.sin_addr.s_addr == INADDR_BROADCAST) {
      BOOL on = TRUE;
      if (WSOCK(setsockopt)(hSocket_, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof on) ==
          SOCKET_ERROR)
        return SocketError("setsockopt(SO_BROADCAST)");
    }
  } else {
    if (localPortNum_ != 0 || localAddr_ != "0.0.0.0") BindSocket();
    SetLingerOption();
    BOOL on = TRUE;
    if (WSOCK(setsockopt)(hSocket_, SOL_SOCKET, SO_KEEPALIVE, reinterpret_cast<const char*>(&on), sizeof on) ==
        SOCKET_ERROR)
      return SocketError("setsockopt(SO_KEEPALIVE)");
    if (WSOCK(setsockopt)(hSocket_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on) ==
        SOCKET_ERROR)
      return SocketError("setsockopt(SO_REUSEADDR)");
  }

  selectEvent_ = kConnectEvents;
  if (WSOCK(WSAAsyncSelect)(hSocket_, Handle(), WM_ASYNCSELECT, selectEvent_) != 0)
    return SocketError("WSAAsyncSelect");

  if (type_ == SOCK_DGRAM) {
    ChangeState(wsConnected);
    TriggerSessionConnected(0);
    return;
  }
  if (WSOCK(connect)(hSocket_, reinterpret_cast<const sockaddr*>(&sin_), sizeof sin_) == 0) {
    ChangeState(wsConnecting);
    return;
  }
  const int err = WSOCK(WSAGetLastError)();
  if (err == WSAEWOULDBLOCK) {
    ChangeState(wsConnecting);
    return;
  }
  lastError_ = err;
  SocketError("Connect");
}

void TCustomAsyncSocket::SetLingerOption() {
  if (lingerOnOff_ == wsLingerNoSet) return;
  if (hSocket_ == kNoSocket) return RaiseException("Cannot set linger option at this time");
  linger l{};
  l.l_onoff = lingerOnOff_ == wsLingerOn ? 1 : 0;
  l.l_linger = static_cast<u_short>(lingerTimeout_);
  if (WSOCK(setsockopt)(hSocket_, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&l), sizeof l) ==
      SOCKET_ERROR)
    SocketError("setsockopt(SO_LINGER)");
}

void TCustomAsyncSocket::BindSocket() {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = WSOCK(htons)(localPortNum_);
  local.sin_addr.s_addr = SocketResolveHost(localAddr_);
  if (WSOCK(bind)(hSocket_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
    return RaiseExceptionFmt("winsock.bind failed, error #%d", "", WSOCK(WSAGetLastError)());
  int len = sizeof local;
  if (WSOCK(getsockname)(hSocket_, reinterpret_cast<sockaddr*>(&local), &len) != 0)
    return RaiseExceptionFmt("winsock.getsockname failed, error #%d", "", WSOCK(WSAGetLastError)());
  localPortNum_ = WSOCK(ntohs)(local.sin_port);
  localPortStr_ = std::to_string(localPortNum_);
}

void TCustomAsyncSocket::Close() { InternalClose(true, 0); }

void TCustomAsyncSocket::CloseLater() { window_->Post(WM_CLOSE_DELAYED); }

void TCustomAsyncSocket::FreeLater() { window_->Post(WM_WSOCKET_RELEASE); }

void TCustomAsyncSocket::Abort() {
  CancelLookup();
  DeleteBufferedData();
  if (state_ == wsConnected && proto_ == IPPROTO_TCP) {
    lingerOnOff_ = wsLingerOff;
    SetLingerOption();
  }
  InternalClose(false, 0);
}

void TCustomAsyncSocket::InternalClose(bool shutdown, std::uint16_t error) {
  if (hSocket_ == kNoSocket) {
    if (state_ != wsClosed) {
      ChangeState(wsClosed);
      AssignDefaultValue();
    }
    return;
  }
  if (state_ == wsClosed) return;
  if (shutdown) WSOCK(shutdown)(hSocket_, 1);
  for (;;) {
    if (WSOCK(closesocket)(hSocket_) == 0) break;
    lastError_ = WSOCK(WSAGetLastError)();
    if (lastError_ == WSAEWOULDBLOCK) {
      ProcessMessages();
      continue;
    }
    if (lastError_ == WSANOTINITIALISED) break;
    hSocket_ = kNoSocket;
    return SocketError("Disconnect (closesocket)");
  }
  hSocket_ = kNoSocket;
  // Notifications still queued belong to the old handle, whose number the
  // next socket may get again.
  window_->Purge(WM_ASYNCSELECT, WM_ASYNCSELECT);
  ChangeState(wsClosed);
  if (!destroying_ && !closeInvoked_) {
    closeInvoked_ = true;
    TriggerSessionClosed(error);
  }
  try {
    AssignDefaultValue();
  } catch (...) {
  }
}

void TCustomAsyncSocket::Shutdown(int how) {
  if (hSocket_ != kNoSocket) WSOCK(shutdown)(hSocket_, how);
}

bool TCustomAsyncSocket::Pause() {
  paused_ = true;
  return WSOCK(WSAAsyncSelect)(hSocket_, Handle(), 0, 0) != SOCKET_ERROR;
}

bool TCustomAsyncSocket::Resume() {
  paused_ = false;
  return WSOCK(WSAAsyncSelect)(hSocket_, Handle(), WM_ASYNCSELECT, selectEvent_) != SOCKET_ERROR;
}

// ---- listening ----

void TCustomAsyncSocket::Listen() {
  if (!portAssigned_) {
    WSOCK(WSASetLastError)(WSAEINVAL);
    return SocketError("listen: port not assigned");
  }
  if (!protoAssigned_) {
    WSOCK(WSASetLastError)(WSAEINVAL);
    return SocketError("listen: protocol not assigned");
  }
  if (!addrAssigned_) {
    WSOCK(WSASetLastError)(WSAEINVAL);
    return SocketError("listen: address not assigned");
  }
  try {
    if (!protoResolved_) {
      proto_ = SocketResolveProto(protoStr_);
      type_ = proto_ == IPPROTO_UDP ? SOCK_DGRAM : SOCK_STREAM;
      protoResolved_ = true;
    }
    if (!portResolved_) {
      portNum_ = SocketResolvePort(portStr_, protoStr_);
      sin_.sin_port = WSOCK(htons)(portNum_);
      portResolved_ = true;
    }
    if (!addrResolved_) {
      sin_.sin_addr.s_addr = SocketResolveHost(addrStr_);
      addrResolved_ = true;
    }
  } catch (const std::exception& e) {
    return RaiseException(std::string("listen: ") + e.what());
  }

  DeleteBufferedData();
  hSocket_ = WSOCK(socket)(AF_INET, type_, proto_);
  if (hSocket_ == kNoSocket) return SocketError("socket");
  if (WSOCK(bind)(hSocket_, reinterpret_cast<const sockaddr*>(&sin_), sizeof sin_) != 0) {
    // The handle is not left open behind the error.
    const int err = WSOCK(WSAGetLastError)();
    ChangeState(wsOpened);
    Close();
    WSOCK(WSASetLastError)(err);
    return SocketError("Bind");
  }
  ChangeState(wsBound);
  if (type_ == SOCK_DGRAM) {
    ChangeState(wsListening);
    ChangeState(wsConnected);
    TriggerSessionConnected(0);
  } else {
    if (WSOCK(listen)(hSocket_, 5) != 0) return SocketError("Listen");
    ChangeState(wsListening);
  }
  selectEvent_ = kListenEvents;
  if (WSOCK(WSAAsyncSelect)(hSocket_, Handle(), WM_ASYNCSELECT, selectEvent_) != 0)
    SocketError("WSAASyncSelect");
}

TSocket TCustomAsyncSocket::Accept() {
  if (state_ != wsListening) {
    WSOCK(WSASetLastError)(WSAEINVAL);
    SocketError("not a listening socket");
    return kNoSocket;
  }
  sockaddr_in peer{};
  int len = sizeof peer;
  acceptedHandle_ = WSOCK(accept)(hSocket_, reinterpret_cast<sockaddr*>(&peer), &len);
  if (acceptedHandle_ == kNoSocket) SocketError("Accept");
  return acceptedHandle_;
}

void TCustomAsyncSocket::Dup(TSocket handle) {
  if (handle == 0 || handle == kNoSocket) {
    WSOCK(WSASetLastError)(WSAEINVAL);
    return SocketError("Dup");
  }
  if (state_ != wsClosed) {
    if (WSOCK(closesocket)(hSocket_) != 0) return SocketError("Dup (closesocket)");
    ChangeState(wsClosed);
  }
  hSocket_ = handle;
  SetLingerOption();
  selectEvent_ = kDupEvents;
  if (WSOCK(WSAAsyncSelect)(hSocket_, Handle(), WM_ASYNCSELECT, selectEvent_) != 0)
    return SocketError("WSAAsyncSelect");
  ChangeState(wsConnected);
}

// ---- receiving ----

int TCustomAsyncSocket::DoRecv(void* buffer, int length, int flags) {
  ++lowLevelReads_;
  const int n = WSOCK(recv)(hSocket_, static_cast<char*>(buffer), length, flags);
  lastReadShort_ = n < length;
  return n;
}

int TCustomAsyncSocket::DoRecvFrom(void* buffer, int length, int flags, sockaddr_in& from, int& fromLength) {
  ++lowLevelReads_;
  return WSOCK(recvfrom)(hSocket_, static_cast<char*>(buffer), length, flags, reinterpret_cast<sockaddr*>(&from),
                         &fromLength);
}

int TCustomAsyncSocket::Receive(void* buffer, int length) {
  const int n = DoRecv(buffer, length, 0);
  if (n < 0)
    lastError_ = WSOCK(WSAGetLastError)();
  else
    readCount_ += n;
  return n;
}

std::string TCustomAsyncSocket::ReceiveText() {
  const int length = RcvdCount();
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length), '\0');
  const int n = Receive(text.data(), length);
  text.resize(static_cast<size_t>(std::max(n, 0)));
  return text;
}

int TCustomAsyncSocket::ReceiveFrom(void* buffer, int length, sockaddr_in& from, int& fromLength) {
  const int n = DoRecvFrom(buffer, length, 0, from, fromLength);
  if (n < 0)
    lastError_ = WSOCK(WSAGetLastError)();
  else
    readCount_ += n;
  return n;
}

int TCustomAsyncSocket::GetRcvdCount() {
  u_long count = 0;
  if (WSOCK(ioctlsocket)(hSocket_, FIONREAD, &count) == SOCKET_ERROR) {
    SocketError("ioctlSocket");
    return -1;
  }
  return static_cast<int>(count);
}

// ---- lookups ----

void TCustomAsyncSocket::DnsLookup(const std::string& hostName) {
  if (hostName.empty()) {
    RaiseException("DNS lookup: invalid host name.");
    TriggerDnsLookupDone(WSAEINVAL);
    return;
  }
  if (dnsLookupHandle_) CancelLookup();
  dnsResult_.clear();
  dnsResultList_.clear();
  const unsigned long addr = WSOCK(inet_addr)(hostName.c_str());
  if (addr != INADDR_NONE || hostName == "255.255.255.255") {
    dnsResult_ = DottedAddress(static_cast<std::uint32_t>(addr));
    dnsResultList_.push_back(dnsResult_);
    TriggerDnsLookupDone(0);
    return;
  }
  dnsLookupHandle_ = WSOCK(WSAAsyncGetHostByName)(Handle(), WM_ASYNCGETHOSTBYNAME, hostName.c_str(),
                                                  dnsBuffer_.data(), static_cast<int>(dnsBuffer_.size()));
  if (!dnsLookupHandle_)
    RaiseExceptionFmt("%s: can't start DNS lookup, error #%d", hostName, WSOCK(WSAGetLastError)());
}

void TCustomAsyncSocket::ReverseLookup(const std::string& dottedAddress) {
  if (dottedAddress.empty()) {
    RaiseException("DNS lookup: invalid host name.");
    TriggerDnsLookupDone(WSAEINVAL);
    return;
  }
  if (dnsLookupHandle_) CancelLookup();
  dnsResult_.clear();
  dnsResultList_.clear();
  const unsigned long addr = WSOCK(inet_addr)(dottedAddress.c_str());
  dnsLookupHandle_ =
      WSOCK(WSAAsyncGetHostByAddr)(Handle(), WM_ASYNCGETHOSTBYADDR, reinterpret_cast<const char*>(&addr), 4,
                                   AF_INET, dnsBuffer_.data(), static_cast<int>(dnsBuffer_.size()));
  if (!dnsLookupHandle_)
    RaiseExceptionFmt("%s: can't start DNS lookup, error #%d", dottedAddress, WSOCK(WSAGetLastError)());
}

void TCustomAsyncSocket::CancelLookup() {
  if (!dnsLookupHandle_) return;
  const HANDLE request = dnsLookupHandle_;
  dnsLookupHandle_ = nullptr;
  if (WSOCK(WSACancelAsyncRequest)(request) != 0) return SocketError("WSACancelAsyncRequest");
  if (!destroying_) TriggerDnsLookupDone(WSAEINTR);
}

// ---- sending ----

void TCustomAsyncSocket::DeleteBufferedData() { bufferList_.clear(); }

void TCustomAsyncSocket::PutDataInSendBuffer(const char* data, int length) {
  if (length <= 0) return;
  int done = 0;
  if (!bufferList_.empty()) done = bufferList_.back()->Write(data, length);
  while (done < length) {
    bufferList_.push_back(std::make_unique<TBuffer>(bufSize_));
    done += bufferList_.back()->Write(data + done, length - done);
  }
}

int TCustomAsyncSocket::Send(const void* data, int length) {
  if (state_ != wsConnected) {
    WSOCK(WSASetLastError)(WSAENOTCONN);
    SocketError("Send");
    return -1;
  }
  // Nothing to queue leaves the all-sent flag alone: no write event would
  // ever set it again.
  if (length <= 0) return 0;
  allSent_ = false;
  PutDataInSendBuffer(static_cast<const char*>(data), length);
  TryToSend();
  if (allSent_) window_->Post(WM_ASYNCSELECT, hSocket_, FD_WRITE);
  return length;
}

int TCustomAsyncSocket::SendText(const std::string& text) {
  return Send(text.data(), static_cast<int>(text.size()));
}

int TCustomAsyncSocket::SendTo(const sockaddr_in& destination, const void* data, int length) {
  const int n = WSOCK(sendto)(hSocket_, static_cast<const char*>(data), length, sendFlags_,
                              reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
  if (n > 0) Fire(OnSendData, n);
  return n;
}

int TCustomAsyncSocket::RealSend(const void* data, int length) {
  int n;
  if (type_ == SOCK_DGRAM)
    n = WSOCK(sendto)(hSocket_, static_cast<const char*>(data), length, sendFlags_,
                      reinterpret_cast<const sockaddr*>(&sin_), sizeof sin_);
  else
    n = WSOCK(send)(hSocket_, static_cast<const char*>(data), length, sendFlags_);
  if (n > 0) Fire(OnSendData, n);
  return n;
}

void TCustomAsyncSocket::TryToSend() {
  if (hSocket_ == kNoSocket || bufferList_.empty()) return;
  for (;;) {
    TBuffer& block = *bufferList_.front();
    int pending = 0;
    const char* data = block.Peek(pending);
    if (pending <= 0) {
      if (bufferList_.size() == 1) {
        allSent_ = true;
        return;
      }
      bufferList_.pop_front();
      continue;
    }
    const int n = RealSend(data, pending);
    if (n == 0) return;
    if (n == SOCKET_ERROR) {
      const int err = WSOCK(WSAGetLastError)();
      if (err == WSAECONNRESET || err == WSAENOTSOCK || err == WSAENOTCONN || err == WSAEINVAL ||
          err == WSAECONNABORTED) {
        closeInvoked_ = true;
        Close();
        TriggerSessionClosed(static_cast<std::uint16_t>(err));
        return;
      }
      if (err == WSAEWOULDBLOCK) return;
      return SocketError("TryToSend failed");
    }
    block.Remove(n);
    // A partial send: the next write event goes on from here.
    if (n < pending) return;
  }
}

// ---- waiting ----

bool TCustomAsyncSocket::WaitForMessages(DWORD milliseconds) {
  return MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0;
}

void TCustomAsyncSocket::Flush() {
  while (hSocket_ != kNoSocket && !allSent_) {
    TryToSend();
    ProcessMessages();
    if (hSocket_ != kNoSocket && !allSent_) WaitForMessages(50);
  }
}

void TCustomAsyncSocket::DrainUntilClosed() {
  while (hSocket_ != kNoSocket && state_ != wsClosed) {
    ProcessMessages();
    u_long count = 0;
    if (hSocket_ == kNoSocket || WSOCK(ioctlsocket)(hSocket_, FIONREAD, &count) == SOCKET_ERROR) break;
    if (count > 0) TriggerDataAvailable(0);
    char probe;
    if (WSOCK(recv)(hSocket_, &probe, 0, 0) == 0 && WSOCK(WSAGetLastError)() != WSAEWOULDBLOCK) break;
    ProcessMessages();
    if (count == 0) WaitForMessages(50);
  }
}

void TCustomAsyncSocket::MessagePump() {
  if (platform::PumpWaitingMessages()) terminated_ = true;
}

void TCustomAsyncSocket::ProcessMessagesNow() {
  if (multiThreaded_)
    MessagePump();
  else
    platform::App().ProcessMessagesNow();
}

void TCustomAsyncSocket::ProcessMessages() {
  if (multiThreaded_)
    MessagePump();
  else
    platform::App().ProcessMessages();
}

}  // namespace net
