#include "net/SocksSocket.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "net/SocketResolve.h"
#include "net/WinSockApi.h"
#include "platform/base/Blanks.h"

namespace net {

namespace {

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

const char* ReplyText(int code) {
  switch (code) {
    case socksGeneralFailure: return "general SOCKS server failure";
    case socksConnectionNotAllowed: return "connection not allowed by ruleset";
    case socksNetworkUnreachable: return "network unreachable";
    case socksHostUnreachable: return "host unreachable";
    case socksConnectionRefused: return "connection refused";
    case socksTtlExpired: return "time to live expired";
    case socksUnknownCommand: return "command not supported";
    case socksUnknownAddressType: return "address type not supported";
    default: return "";
  }
}

}  // namespace

TCustomSocksSocket::TCustomSocksSocket() { AssignSocksDefaults(); }

void TCustomSocksSocket::AssignSocksDefaults() {
  socksState_ = 0;
  socksServer_.clear();
  socksPort_.clear();
  socksLevel_.assign(1, '5');  // assign: GCC 12 warns falsely on "="
  rcvdCnt_ = 0;
  rcvdPtr_ = 0;
  socksPortAssigned_ = false;
  socksServerAssigned_ = false;
}

void TCustomSocksSocket::AssignDefaultValue() {
  TCustomAsyncSocket::AssignDefaultValue();
  AssignSocksDefaults();
}

void TCustomSocksSocket::SetSocksLevel(const std::string& value) {
  if (state_ != wsClosed) return RaiseException("Can't change socks level if not closed");
  if (value != "4" && value != "5" && value != "4A" && value != "4a")
    return RaiseException("Invalid socks level. Must be 4, 4A or 5.");
  socksLevel_ = value == "4a" ? "4A" : value;
}

void TCustomSocksSocket::SetSocksServer(const std::string& value) {
  if (state_ != wsClosed) return RaiseException("Can't change socks server if not closed");
  socksServer_ = platform::Trimmed(value);
  socksServerAssigned_ = !socksServer_.empty();
}

void TCustomSocksSocket::SetSocksPort(const std::string& value) {
  if (state_ != wsClosed) return RaiseException("Can't change socks port if not closed");
  socksPort_ = platform::Trimmed(value);
  socksPortAssigned_ = !socksPort_.empty();
}

void TCustomSocksSocket::Listen() {
  if (socksServerAssigned_) return RaiseException("Listening is not supported thru socks server");
  TCustomAsyncSocket::Listen();
}

void TCustomSocksSocket::Connect() {
  if (!socksServerAssigned_) return TCustomAsyncSocket::Connect();
  if (Lower(Proto()) != "tcp") return RaiseException("tcp is the only protocol supported thru socks server");
  try {
    // The socket connects to the SOCKS server; Addr and Port name the
    // destination, which the server is asked for.
    if (!portResolved_) {
      portNum_ = SocketResolvePort(socksPort_, Proto());
      sin_.sin_port = WSOCK(htons)(portNum_);
      portResolved_ = true;
    }
    if (!addrResolved_) {
      sin_.sin_addr.s_addr = SocketResolveHost(socksServer_);
      addrResolved_ = true;
    }
    destPort_ = SocketResolvePort(Port(), Proto());
  } catch (const std::exception& e) {
    return RaiseException(std::string("connect: ") + e.what());
  }
  socksState_ = 1;
  rcvCnt_ = 0;
  TCustomAsyncSocket::Connect();
}

void TCustomSocksSocket::TriggerSocksConnected(std::uint16_t error) {
  if (OnSocksConnected) {
    auto handler = OnSocksConnected;
    handler(error);
  }
}

void TCustomSocksSocket::TriggerSocksError(int error, const std::string& message) {
  if (OnSocksError) {
    auto handler = OnSocksError;
    handler(error, message);
  }
}

void TCustomSocksSocket::TriggerSessionConnected(std::uint16_t error) {
  if (socksState_ != 1) return TCustomAsyncSocket::TriggerSessionConnected(error);
  TriggerSocksConnected(error);
  if (error != 0) return TCustomAsyncSocket::TriggerSessionConnected(error);
  if (socksLevel_[0] == '4') return SocksDoConnect();
  authMethod_ = socksAuthentication_ == socksAuthenticateUsercode ? 2 : 0;
  SendRequest(std::string{'\x05', '\x01', static_cast<char>(authMethod_)});
}

void TCustomSocksSocket::TriggerSessionClosed(std::uint16_t error) {
  if (socksState_ == 2 && OnSocksAuthState) {
    auto handler = OnSocksAuthState;
    handler(socksAuthFailure);
  }
  TCustomAsyncSocket::TriggerSessionClosed(error);
}

void TCustomSocksSocket::SendRequest(const std::string& request) {
  try {
    Send(request.data(), static_cast<int>(request.size()));
  } catch (...) {
  }
}

void TCustomSocksSocket::SocksNegotiationError(int error, const std::string& message) {
  TriggerSocksError(error, message);
  TCustomAsyncSocket::TriggerSessionConnected(static_cast<std::uint16_t>(error));
  InternalClose(true, static_cast<std::uint16_t>(error));
}

void TCustomSocksSocket::SocksDoAuthenticate() {
  // The request gives each length in one byte: longer values cannot be sent.
  if (socksUsercode_.size() > 255) return SocksNegotiationError(socksValueTooLong, "socks user code too long");
  if (socksPassword_.size() > 255) return SocksNegotiationError(socksValueTooLong, "socks password too long");
  socksState_ = 2;
  rcvCnt_ = 0;
  if (OnSocksAuthState) {
    auto handler = OnSocksAuthState;
    handler(socksAuthStart);
  }
  std::string request{'\x01'};
  request += static_cast<char>(socksUsercode_.size());
  request += socksUsercode_;
  request += static_cast<char>(socksPassword_.size());
  request += socksPassword_;
  SendRequest(request);
}

void TCustomSocksSocket::SocksDoConnect() {
  if (Addr().size() > 255) return SocksNegotiationError(socksValueTooLong, "destination name too long");
  if (socksLevel_[0] == '4' && socksUsercode_.size() > 255)
    return SocksNegotiationError(socksValueTooLong, "socks user code too long");
  socksState_ = 3;
  rcvCnt_ = 0;
  const char portHi = static_cast<char>(destPort_ >> 8);
  const char portLo = static_cast<char>(destPort_ & 0xFF);
  std::string request;
  if (socksLevel_ == "4") {
    std::uint32_t addr = 0;
    try {
      addr = SocketResolveHost(Addr());
    } catch (const std::exception& e) {
      const char* cls = dynamic_cast<const ESocketException*>(&e) ? "ESocketException" : "Exception";
      const std::string message = std::string(cls) + " " + e.what();
      TriggerSocksError(socksHostResolutionFailed, message);
      InternalClose(true, socksHostResolutionFailed);
      return;
    }
    request = {'\x04', '\x01', portHi, portLo};
    request.append(reinterpret_cast<const char*>(&addr), 4);
    request += socksUsercode_;
    request += '\0';
  } else if (socksLevel_ == "4A") {
    request = {'\x04', '\x01', portHi, portLo, '\0', '\0', '\0', '\x01'};
    request += socksUsercode_;
    request += '\0';
    request += Addr();
    request += '\0';
  } else {
    request = {'\x05', '\x01', '\0', '\x03', static_cast<char>(Addr().size())};
    request += Addr();
    request += portHi;
    request += portLo;
  }
  SendRequest(request);
}

// Reads what is waiting into the reply buffer; false when nothing came.
bool TCustomSocksSocket::ReadReply() {
  const int room = static_cast<int>(rcvBuf_.size()) - rcvCnt_;
  if (room <= 0) return false;
  const int n = TCustomAsyncSocket::DoRecv(rcvBuf_.data() + rcvCnt_, room, 0);
  if (n <= 0) return false;
  rcvCnt_ += n;
  return true;
}

bool TCustomSocksSocket::TriggerDataAvailable(std::uint16_t error) {
  if (socksState_ == 0) return TCustomAsyncSocket::TriggerDataAvailable(error);
  if (error != 0) {
    SocksNegotiationError(error, "data receive error");
    return true;
  }
  switch (socksState_) {
    case 1: DataInMethodState(); break;
    case 2: DataInAuthState(); break;
    case 3:
      if (socksLevel_[0] == '4')
        DataInConnectState4();
      else
        DataInConnectState5();
      break;
    default: SocksNegotiationError(socksInternalError, "internal error");
  }
  return true;
}

void TCustomSocksSocket::DataInMethodState() {
  if (socksLevel_[0] == '4') return SocksNegotiationError(socksProtocolError, "TAsyncSocket logic error");
  ReadReply();
  if (rcvCnt_ < 2) return;
  if (rcvBuf_[0] != 0x05) return SocksNegotiationError(socksVersionError, "socks version error");
  if (rcvBuf_[1] == 0x00) {
    if (socksAuthentication_ == socksAuthenticateUsercode && OnSocksAuthState) {
      auto handler = OnSocksAuthState;
      handler(socksAuthNotRequired);
    }
    SocksDoConnect();
  } else if (rcvBuf_[1] == 0x02) {
    SocksDoAuthenticate();
  } else {
    SocksNegotiationError(socksAuthMethodError, "authentification method not acceptable");
  }
}

void TCustomSocksSocket::DataInAuthState() {
  ReadReply();
  if (rcvCnt_ < 1) return;
  if (rcvBuf_[0] != 0x01) return SocksNegotiationError(socksVersionError, "socks version error");
  if (rcvCnt_ < 2) return;
  if (rcvCnt_ > 2) return SocksNegotiationError(socksProtocolError, "too much data availaible");
  if (rcvBuf_[1] != 0x00) return SocksNegotiationError(socksAuthenticationFailed, "socks authentication failed");
  if (OnSocksAuthState) {
    auto handler = OnSocksAuthState;
    handler(socksAuthSuccess);
  }
  SocksDoConnect();
}

void TCustomSocksSocket::DataInConnectState4() {
  ReadReply();
  if (rcvCnt_ < 8) return;
  if (rcvBuf_[0] != 0x00) return SocksNegotiationError(socksVersionError, "socks version error");
  switch (rcvBuf_[1]) {
    case 0x5A: return SocksConnected(8);
    case 0x5B: return SocksNegotiationError(socksRejectedOrFailed, "request rejected or failed");
    case 0x5C: return SocksNegotiationError(socksConnectionRefused, "connection refused");
    case 0x5D: return SocksNegotiationError(socksAuthenticationFailed, "authentification failed");
    default:
      return SocksNegotiationError(socksUnassignedError, "unassigned error #" + std::to_string(rcvBuf_[1]));
  }
}

void TCustomSocksSocket::DataInConnectState5() {
  ReadReply();
  if (rcvCnt_ < 1) return;
  if (rcvBuf_[0] != 0x05) return SocksNegotiationError(socksVersionError, "socks version error");
  if (rcvCnt_ < 2) return;
  if (rcvBuf_[1] != 0x00) {
    const int code = rcvBuf_[1];
    if (code >= 1 && code <= 8) return SocksNegotiationError(socksGeneralFailure + code - 1, ReplyText(socksGeneralFailure + code - 1));
    return SocksNegotiationError(socksUnassignedError, "unassigned error #" + std::to_string(code));
  }
  if (rcvCnt_ <= 4) return;
  const int type = rcvBuf_[3];
  const int length = type == 1 ? 10 : type == 3 ? rcvBuf_[4] + 7 : 5;
  if (rcvCnt_ < length) return;
  if (type == 1) {
    std::uint32_t addr = 0;
    std::memcpy(&addr, rcvBuf_.data() + 4, 4);
    boundAddr_ = DottedAddress(addr);
  } else if (type == 3) {
    boundAddr_.assign(reinterpret_cast<const char*>(rcvBuf_.data()) + 5, rcvBuf_[4]);
  } else {
    return SocksNegotiationError(socksUnknownAddressType, "address type not supported");
  }
  boundPort_ = std::to_string(rcvBuf_[length - 2] * 256 + rcvBuf_[length - 1]);
  SocksConnected(length);
}

void TCustomSocksSocket::SocksConnected(int replyLength) {
  // What the destination sent right behind the reply waits for the first
  // reads of the caller.
  rcvdCnt_ = rcvCnt_ - replyLength;
  rcvdPtr_ = replyLength;
  socksState_ = 0;
  TCustomAsyncSocket::TriggerSessionConnected(0);
  if (rcvdCnt_ > 0) TriggerDataAvailable(0);
}

int TCustomSocksSocket::GetRcvdCount() {
  if (rcvdCnt_ > 0) return rcvdCnt_;
  return TCustomAsyncSocket::GetRcvdCount();
}

int TCustomSocksSocket::DoRecv(void* buffer, int length, int flags) {
  if (rcvdCnt_ <= 0) return TCustomAsyncSocket::DoRecv(buffer, length, flags);
  const int n = std::min(length, rcvdCnt_);
  if (n <= 0) return 0;
  std::memcpy(buffer, rcvBuf_.data() + rcvdPtr_, static_cast<size_t>(n));
  rcvdPtr_ += n;
  rcvdCnt_ -= n;
  CountRead();
  return n;
}

}  // namespace net
