#pragma once
// The asynchronous TCP/UDP socket: one WinSock handle and one hidden window
// that receives WinSock's notifications and turns them into events. All
// events fire on the thread that created the socket, from its message loop
// or from inside Send, Close and DnsLookup.
#include <windows.h>

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/HiddenWindow.h"
#include "net/SockBuf.h"
#include "net/SocketException.h"

namespace net {

enum TSocketState { wsInvalidState, wsOpened, wsBound, wsConnecting, wsConnected, wsAccepting, wsListening, wsClosed };
enum TSocketSendFlags { wsSendNormal, wsSendUrgent };
enum TSocketLingerOnOff { wsLingerOff, wsLingerOn, wsLingerNoSet };
// Set of options, combined with |.
enum TSocketOption : unsigned { wsoNoReceiveLoop = 1u << 0 };
using TSocketOptions = unsigned;

using TSocket = UINT_PTR;
inline constexpr TSocket kNoSocket = static_cast<TSocket>(~0ULL);

// Messages of the socket's hidden window.
inline constexpr UINT WM_ASYNCSELECT = WM_USER + 1;
inline constexpr UINT WM_ASYNCGETHOSTBYNAME = WM_USER + 2;
inline constexpr UINT WM_ASYNCGETHOSTBYADDR = WM_USER + 3;
inline constexpr UINT WM_CLOSE_DELAYED = WM_USER + 4;
inline constexpr UINT WM_WSOCKET_RELEASE = WM_USER + 5;
inline constexpr UINT WM_TRIGGER_EXCEPTION = WM_USER + 6;

class TCustomAsyncSocket : protected IMessageTarget {
 public:
  TCustomAsyncSocket();
  virtual ~TCustomAsyncSocket();
  TCustomAsyncSocket(const TCustomAsyncSocket&) = delete;
  TCustomAsyncSocket& operator=(const TCustomAsyncSocket&) = delete;

  // Properties. Addr, Port, Proto, LocalAddr and LocalPort change only while
  // closed; every close forgets Addr and Port, so set them before each Connect.
  const std::string& Addr() const { return addrStr_; }
  void SetAddr(const std::string& value);
  const std::string& Port() const { return portStr_; }
  void SetPort(const std::string& value);
  const std::string& Proto() const { return protoStr_; }
  void SetProto(const std::string& value);
  const std::string& LocalAddr() const { return localAddr_; }
  void SetLocalAddr(const std::string& value);
  const std::string& LocalPort() const { return localPortStr_; }
  void SetLocalPort(const std::string& value);
  std::string PeerAddr();
  std::string PeerPort();
  const std::string& DnsResult() const { return dnsResult_; }
  const std::vector<std::string>& DnsResultList() const { return dnsResultList_; }
  TSocketState State() const { return state_; }
  std::int64_t ReadCount() const { return readCount_; }
  // Bytes waiting to be received; -1 on error.
  int RcvdCount() { return GetRcvdCount(); }
  int LastError() const { return lastError_; }
  bool MultiThreaded() const { return multiThreaded_; }
  void SetMultiThreaded(bool on) { multiThreaded_ = on; }
  TSocketOptions ComponentOptions() const { return options_; }
  void SetComponentOptions(TSocketOptions options) { options_ = options; }
  int FlushTimeout() const { return flushTimeout_; }
  void SetFlushTimeout(int seconds) { flushTimeout_ = seconds; }
  TSocketSendFlags SendFlags();
  void SetSendFlags(TSocketSendFlags flags);
  TSocketLingerOnOff LingerOnOff() const { return lingerOnOff_; }
  void SetLingerOnOff(TSocketLingerOnOff value) { lingerOnOff_ = value; }
  int LingerTimeout() const { return lingerTimeout_; }
  void SetLingerTimeout(int seconds) { lingerTimeout_ = seconds; }
  bool Terminated() const { return terminated_; }
  HWND Handle() const { return window_->Handle(); }
  TSocket HSocket() const { return hSocket_; }

  // Events. Handlers may re-enter the socket.
  std::function<void(std::uint16_t error)> OnSessionAvailable;
  std::function<void(std::uint16_t error)> OnSessionConnected;
  std::function<void(std::uint16_t error)> OnSessionClosed;
  std::function<void(TSocketState oldState, TSocketState newState)> OnChangeState;
  std::function<void(std::uint16_t error)> OnDataAvailable;
  std::function<void(std::uint16_t error)> OnDataSent;
  std::function<void(int count)> OnSendData;
  std::function<void()> OnLineTooLong;
  std::function<void(std::uint16_t error)> OnDnsLookupDone;
  // With a handler, errors call it (LastError tells which) instead of raising.
  std::function<void()> OnError;
  // An exception that escaped a handler run from the message loop; leaving
  // canClose true aborts the connection.
  std::function<void(const std::exception& e, bool& canClose)> OnBgException;

  virtual void Connect();
  virtual void Close();
  // Close / free from the message loop (the socket must be allocated by new
  // and owned by nobody else for FreeLater).
  virtual void CloseLater();
  virtual void FreeLater();
  virtual void Abort();
  virtual void Flush();
  virtual void DrainUntilClosed();
  virtual void Listen();
  virtual TSocket Accept();
  virtual int Receive(void* buffer, int length);
  virtual std::string ReceiveText();
  virtual int ReceiveFrom(void* buffer, int length, sockaddr_in& from, int& fromLength);
  // Queues the data; it leaves as the socket can take it. Returns the length.
  virtual int Send(const void* data, int length);
  virtual int SendTo(const sockaddr_in& destination, const void* data, int length);
  virtual int SendText(const std::string& text);
  virtual void DnsLookup(const std::string& hostName);
  virtual void ReverseLookup(const std::string& dottedAddress);
  virtual void CancelLookup();
  virtual int GetPeerName(sockaddr_in& name, int& length);
  // The port the socket is bound to, or "error".
  virtual std::string GetXPort();
  virtual int GetSockName(sockaddr_in& name, int& length);
  virtual void Dup(TSocket handle);
  virtual void Shutdown(int how);
  virtual bool Pause();
  virtual bool Resume();
  virtual void ProcessMessages();

 protected:
  std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // The window message handler; layers add their own messages.
  virtual bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void AssignDefaultValue();
  virtual void InternalClose(bool shutdown, std::uint16_t error);
  virtual int GetRcvdCount();
  virtual void BindSocket();
  virtual int RealSend(const void* data, int length);
  virtual void RaiseExceptionFmt(const std::string& format, const std::string& arg, int number);
  virtual void RaiseException(const std::string& message, int code = 0);
  virtual void HandleBackGroundException(const std::exception& e);
  // Returns whether a handler took the event.
  virtual bool TriggerDataAvailable(std::uint16_t error);
  virtual void TriggerSessionAvailable(std::uint16_t error);
  virtual void TriggerSessionConnected(std::uint16_t error);
  virtual void TriggerSessionClosed(std::uint16_t error);
  virtual void TriggerDataSent(std::uint16_t error);
  virtual void TriggerChangeState(TSocketState oldState, TSocketState newState);
  virtual void TriggerDnsLookupDone(std::uint16_t error);
  virtual void TriggerError();
  // The low-level receive: straight from WinSock.
  virtual int DoRecv(void* buffer, int length, int flags);
  virtual int DoRecvFrom(void* buffer, int length, int flags, sockaddr_in& from, int& fromLength);

  void SocketError(const std::string& operation);
  void ChangeState(TSocketState newState);
  void SetLingerOption();
  void TryToSend();
  void DeleteBufferedData();
  void MessagePump();
  // Addresses resolved for the current connection.
  std::uint16_t PortNumber() const { return portNum_; }
  // Counts every low-level receive, so the receive loop sees whether a
  // handler read anything.
  std::uint64_t LowLevelReads() const { return lowLevelReads_; }
  // Layers that hand out bytes they hold count them as reads too.
  void CountRead() {
    ++lowLevelReads_;
    lastReadShort_ = false;
  }
  // Pumps everything pending now (waits pump between sleeps).
  void ProcessMessagesNow();
  // Sleeps until input arrives for the thread or the time passes.
  static bool WaitForMessages(DWORD milliseconds);

  bool destroying_ = false;
  std::uint16_t portNum_ = 0;
  sockaddr_in sin_{};
  bool addrResolved_ = false;
  bool portResolved_ = false;
  TSocketState state_ = wsClosed;
  int lastError_ = 0;

 private:
  void OnNetworkEvent(WPARAM wParam, LPARAM lParam);
  void OnLookupDone(WPARAM wParam, LPARAM lParam, bool reverse);
  void ASyncReceive(std::uint16_t error);
  void PutDataInSendBuffer(const char* data, int length);

  std::unique_ptr<THiddenWindow> window_;
  std::string dnsResult_;
  std::vector<std::string> dnsResultList_;
  TSocket acceptedHandle_ = kNoSocket;
  std::deque<std::unique_ptr<TBuffer>> bufferList_;
  int bufSize_ = TBuffer::kDefaultSize;
  int sendFlags_ = 0;
  std::vector<char> dnsBuffer_;
  HANDLE dnsLookupHandle_ = nullptr;
  long selectEvent_ = 0;
  TSocket hSocket_ = kNoSocket;
  std::string addrStr_;
  bool addrAssigned_ = false;
  int proto_ = 6;
  bool protoAssigned_ = false;
  bool protoResolved_ = false;
  std::string protoStr_;
  std::string portStr_;
  bool portAssigned_ = false;
  std::uint16_t localPortNum_ = 0;
  std::string localPortStr_;
  bool localPortResolved_ = false;
  std::string localAddr_;
  int type_ = SOCK_STREAM;
  TSocketLingerOnOff lingerOnOff_ = wsLingerOn;
  int lingerTimeout_ = 0;
  bool allSent_ = true;
  std::int64_t readCount_ = 0;
  bool paused_ = false;
  bool closeInvoked_ = false;
  int flushTimeout_ = 60;
  bool multiThreaded_ = false;
  TSocketOptions options_ = 0;
  bool terminated_ = false;
  std::uint64_t lowLevelReads_ = 0;
  // The last low-level receive returned less than it asked for: the socket
  // had no more at that moment.
  bool lastReadShort_ = false;
};

}  // namespace net
