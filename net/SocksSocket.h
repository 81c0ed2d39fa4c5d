#pragma once
// The SOCKS client layer: a stream connection through a SOCKS 4, 4A or 5
// server (version 5 optionally with user name and password). With no SOCKS
// server set, the layer is transparent.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "net/CustomAsyncSocket.h"

namespace net {

enum TSocksAuthentication { socksNoAuthentication, socksAuthenticateUsercode };
enum TSocksAuthState { socksAuthStart, socksAuthSuccess, socksAuthFailure, socksAuthNotRequired };

// Error codes of the negotiation.
inline constexpr int socksProtocolError = 20001;
inline constexpr int socksVersionError = 20002;
inline constexpr int socksAuthMethodError = 20003;
inline constexpr int socksGeneralFailure = 20004;
inline constexpr int socksConnectionNotAllowed = 20005;
inline constexpr int socksNetworkUnreachable = 20006;
inline constexpr int socksHostUnreachable = 20007;
inline constexpr int socksConnectionRefused = 20008;
inline constexpr int socksTtlExpired = 20009;
inline constexpr int socksUnknownCommand = 20010;
inline constexpr int socksUnknownAddressType = 20011;
inline constexpr int socksUnassignedError = 20012;
inline constexpr int socksInternalError = 20013;
// A user name, password or destination name that does not fit its length byte.
inline constexpr int socksValueTooLong = 20014;
inline constexpr int socksAuthenticationFailed = 20015;
inline constexpr int socksRejectedOrFailed = 20016;
inline constexpr int socksHostResolutionFailed = 20017;

class TCustomSocksSocket : public TCustomAsyncSocket {
 public:
  TCustomSocksSocket();

  const std::string& SocksServer() const { return socksServer_; }
  void SetSocksServer(const std::string& value);
  const std::string& SocksPort() const { return socksPort_; }
  void SetSocksPort(const std::string& value);
  const std::string& SocksLevel() const { return socksLevel_; }
  void SetSocksLevel(const std::string& value);
  const std::string& SocksUsercode() const { return socksUsercode_; }
  void SetSocksUsercode(const std::string& value) { socksUsercode_ = value; }
  const std::string& SocksPassword() const { return socksPassword_; }
  void SetSocksPassword(const std::string& value) { socksPassword_ = value; }
  TSocksAuthentication SocksAuthentication() const { return socksAuthentication_; }
  void SetSocksAuthentication(TSocksAuthentication value) { socksAuthentication_ = value; }
  // Reported by a version 5 server on success.
  const std::string& BoundAddr() const { return boundAddr_; }
  const std::string& BoundPort() const { return boundPort_; }

  std::function<void(int error, const std::string& message)> OnSocksError;
  std::function<void(std::uint16_t error)> OnSocksConnected;
  std::function<void(TSocksAuthState state)> OnSocksAuthState;

  void Connect() override;
  void Listen() override;

 protected:
  void AssignDefaultValue() override;
  int GetRcvdCount() override;
  int DoRecv(void* buffer, int length, int flags) override;
  bool TriggerDataAvailable(std::uint16_t error) override;
  void TriggerSessionConnected(std::uint16_t error) override;
  void TriggerSessionClosed(std::uint16_t error) override;
  virtual void TriggerSocksConnected(std::uint16_t error);
  virtual void TriggerSocksError(int error, const std::string& message);

  // 0 none or finished, 1 method reply, 2 authentication reply, 3 connect reply.
  int SocksState() const { return socksState_; }

 private:
  void AssignSocksDefaults();
  void SocksDoConnect();
  void SocksDoAuthenticate();
  void SocksNegotiationError(int error, const std::string& message);
  void SendRequest(const std::string& request);
  bool ReadReply();
  void DataInMethodState();
  void DataInAuthState();
  void DataInConnectState4();
  void DataInConnectState5();
  void SocksConnected(int replyLength);

  int socksState_ = 0;
  std::string socksServer_;
  std::string socksLevel_ = "5";
  std::string socksPort_;
  bool socksPortAssigned_ = false;
  bool socksServerAssigned_ = false;
  std::string socksUsercode_;
  std::string socksPassword_;
  TSocksAuthentication socksAuthentication_ = socksNoAuthentication;
  int authMethod_ = 0;
  std::string boundAddr_;
  std::string boundPort_;
  std::uint16_t destPort_ = 0;
  // Large enough for a version 5 reply that names the bound host (262 bytes).
  std::array<unsigned char, 512> rcvBuf_{};
  int rcvCnt_ = 0;
  // Bytes that arrived behind the last reply, handed out before the socket.
  int rcvdCnt_ = 0;
  int rcvdPtr_ = 0;
};

}  // namespace net
