#pragma once
// The asynchronous HTTP/1.0 client on one socket: it resolves the host,
// connects, sends one request, splits the reply into header lines and hands
// the body to the receive stream as it arrives; the body ends when the server
// closes the connection. Get runs a request and pumps messages until the
// client is idle again.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/AsyncSocket.h"
#include "net/HiddenWindow.h"
#include "net/HttpReply.h"
#include "net/HttpUtil.h"
#include "net/Streams.h"

namespace net {

class EHttpException : public std::runtime_error {
 public:
  EHttpException(const std::string& message, std::uint16_t code) : std::runtime_error(message), code_(code) {}
  std::uint16_t ErrorCode() const { return code_; }

 private:
  std::uint16_t code_;
};

enum THttpRequest { RequestNone, RequestGet, RequestPost, RequestHead };

enum THttpClientState {
  HttpIdle,
  HttpStarting,
  HttpConnected,
  HttpResolving,
  HttpConnecting,
  HttpWaitingHeader,
  HttpReceivingBody,
  HttpAborting
};

class THttpClient : protected IMessageTarget {
 public:
  // A request in which nothing arrives for this long, or that is not done
  // after the total time, ends like a failed connect; a body is cut at this
  // size; relocations followed at most.
  static constexpr unsigned kDefaultTimeout = 60000;
  static constexpr unsigned kDefaultTotalTimeout = 120000;
  static constexpr std::int64_t kDefaultMaxBodySize = 64LL * 1024 * 1024;
  static constexpr int kMaxRelocations = 10;

  THttpClient();
  ~THttpClient();
  THttpClient(const THttpClient&) = delete;
  THttpClient& operator=(const THttpClient&) = delete;

  // Published properties.
  std::string URL;
  std::string Proxy;  // proxy host[:port]; empty = direct
  std::string ProxyPort = "80";
  std::string Sender;  // sent as "From"
  std::string Agent = "Mozilla/3.0 (compatible)";
  std::string Accept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
  std::string Reference;  // sent as "Referer"
  std::string Username;
  std::string Password;
  std::string ProxyUsername;
  std::string ProxyPassword;
  bool NoCache = false;
  double ModifiedSince = 0;  // local date-time; 0 = not sent
  std::string Cookie;
  std::string ContentTypePost = "application/x-www-form-urlencoded";
  std::string ContentRangeBegin;
  std::string ContentRangeEnd;
  std::string AcceptRanges;
  unsigned Timeout = kDefaultTimeout;  // milliseconds of silence; 0 = none
  // Milliseconds from the start of a request to its end, relocations
  // included; 0 = none.
  unsigned TotalTimeout = kDefaultTotalTimeout;
  // A relocation to another site (scheme, host or port) than URL's ends the
  // request as failed instead of being followed.
  bool KeepToSite = false;
  std::int64_t MaxBodySize = kDefaultMaxBodySize;
  bool MultiThreaded() const { return multiThreaded_; }
  void SetMultiThreaded(bool on);

  // The body goes here as it arrives (may be none); POST reads this.
  TStream* RcvdStream = nullptr;
  TStream* SendStream = nullptr;

  // Run-time values of the last request.
  THttpClientState State() const { return state_; }
  int StatusCode() const { return statusCode_; }
  const std::string& ReasonPhrase() const { return reasonPhrase_; }
  std::int64_t ContentLength() const { return contentLength_; }
  const std::string& ContentType() const { return contentType_; }
  const std::vector<std::string>& RcvdHeader() const { return rcvdHeader_; }
  const std::vector<std::string>& AuthChallenges() const { return authChallenges_; }
  const std::string& DocName() const { return docName_; }
  const std::string& Location() const { return location_; }
  std::int64_t RcvdCount() const { return rcvdCount_; }
  std::int64_t SentCount() const { return sentCount_; }
  std::uint16_t RequestDoneError() const { return requestDoneError_; }
  TAsyncSocket& CtrlSocket() { return *socket_; }

  // Events.
  std::function<void()> OnSessionConnected;
  std::function<void()> OnHeaderData;
  std::function<void(std::string& line)> OnCommand;  // may rewrite each request line
  std::function<void()> OnHeaderBegin;
  std::function<void()> OnHeaderEnd;
  std::function<void()> OnRequestHeaderBegin;
  std::function<void()> OnRequestHeaderEnd;
  std::function<void()> OnDocBegin;
  std::function<void(const char* buffer, int length)> OnDocData;
  std::function<void()> OnDocEnd;
  std::function<void()> OnSendBegin;
  std::function<void(const char* buffer, int length)> OnSendData;
  std::function<void()> OnSendEnd;
  std::function<void()> OnStateChange;
  std::function<void(THttpRequest request, std::uint16_t error)> OnRequestDone;
  std::function<void()> OnLocationChange;
  std::function<void(const std::string& data, bool& accept)> OnCookie;

  // Synchronous requests: return when the client is idle again; a status of
  // 400 or more raises EHttpException (reason phrase, status code).
  void Get();
  void Post();
  void Head();
  void RequestSync(THttpRequest request);
  // Starts a request; it runs on in the background (OnRequestDone).
  void RequestStart(THttpRequest request);

 protected:
  std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  enum class ClosedStep { Normal, Relocation };

  void SetState(THttpClientState state);
  void StartLookup();
  void Fail(std::uint16_t error, const std::string& reason);
  void SocketDnsLookupDone(std::uint16_t error);
  void SocketSessionConnected(std::uint16_t error);
  void SocketDataAvailable(std::uint16_t error);
  void SocketDataSent(std::uint16_t error);
  void SocketSessionClosed(std::uint16_t error);
  void RequestClosed();
  void RelocationContinuation();
  void WriteRequestHeader(const std::string& method, const std::string& version);
  void SendCommand(std::string line);
  void SendPostBlock();
  void HeaderLine(const std::string& line);
  void HeaderEnd();
  void HeaderlessBody(const char* data, int length);
  void ForgetHead();
  void BodyChunk(const char* data, int length);
  void Activity();
  void StopTimer();
  void CheckTimeout();
  void Fire(const std::function<void()>& event);

  std::unique_ptr<TAsyncSocket> socket_;
  // The block replies are read into (empty while a read has it).
  std::unique_ptr<char[]> receiveBlock_;
  std::unique_ptr<THiddenWindow> window_;
  THttpClientState state_ = HttpIdle;
  THttpTarget target_;
  bool connected_ = false;
  std::string dnsResult_;
  THttpRequest requestType_ = RequestNone;
  // The reply's head as it arrives, the lines of it already handled, and
  // whether it broke the parser's limits (then the rest is read and dropped
  // until the server closes).
  std::string head_;
  THttpReplyParser reply_;
  size_t linesTaken_ = 0;
  bool headFailed_ = false;
  int headerLineCount_ = 0;
  int bodyChunkCount_ = 0;
  bool allowedToSend_ = false;
  bool locationChange_ = false;
  ClosedStep closedStep_ = ClosedStep::Normal;
  std::string requestStream_;
  bool multiThreaded_ = false;

  int statusCode_ = 0;
  std::string reasonPhrase_;
  std::int64_t contentLength_ = -1;
  std::string contentType_;
  std::vector<std::string> rcvdHeader_;
  std::vector<std::string> authChallenges_;
  std::string docName_;
  std::string location_;
  std::int64_t rcvdCount_ = 0;
  std::int64_t sentCount_ = 0;
  std::uint16_t requestDoneError_ = 0;

  // Guards of one request: its number (stale messages are ignored), whether
  // its end was handled, how many relocations it followed, when anything
  // last happened.
  WPARAM serial_ = 0;
  bool finished_ = true;
  int relocations_ = 0;
  ULONGLONG lastActivity_ = 0;
  ULONGLONG started_ = 0;
  // The URL the request was started for, and the location that would have
  // left its site ("" when none).
  std::string origin_;
  std::string offSite_;
  UINT timerInterval_ = 0;  // of the silence timer; 0: not running
};

// HttpDateText of If-Modified-Since: the local date-time in universal time.
std::string HttpDateText(double localDateTime);

}  // namespace net
