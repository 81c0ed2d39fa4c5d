#include "net/HttpClient.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "net/SocketText.h"
#include "platform/base/Clock.h"
#include "platform/gui/Application.h"

namespace net {

namespace {

constexpr const char* kWindowClass = "XHttpClientWindowClass";
constexpr UINT WM_HTTP_REQUEST_DONE = WM_USER + 1;
constexpr UINT WM_HTTP_SET_READY = WM_USER + 2;
constexpr UINT WM_HTTP_LOGIN = WM_USER + 3;
constexpr UINT_PTR kSilenceTimer = 1;

// What one read takes from the socket.
// Large enough that a page usually arrives in one or two reads: each read is
// a round trip into the system.
constexpr int kReceiveBlock = 64 * 1024;

// What an announced body length reserves at most before anything arrived.
constexpr std::int64_t kMaxExpectedBody = 16LL * 1024 * 1024;

}  // namespace

std::string HttpDateText(double localDateTime) {
  const SYSTEMTIME local = platform::SystemTimeFromDateTime(localDateTime);
  SYSTEMTIME utc{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc)) utc = local;
  return FormatHttpDate(platform::DateTimeFromSystemTime(utc));
}

THttpClient::THttpClient()
    : socket_(std::make_unique<TAsyncSocket>()),
      receiveBlock_(std::make_unique_for_overwrite<char[]>(kReceiveBlock)) {
  IMessageTarget& target = *this;
  window_ = std::make_unique<THiddenWindow>(kWindowClass, target);
  socket_->OnDnsLookupDone = [this](std::uint16_t e) { SocketDnsLookupDone(e); };
  socket_->OnSessionConnected = [this](std::uint16_t e) { SocketSessionConnected(e); };
  socket_->OnDataAvailable = [this](std::uint16_t e) { SocketDataAvailable(e); };
  socket_->OnDataSent = [this](std::uint16_t e) { SocketDataSent(e); };
  socket_->OnSessionClosed = [this](std::uint16_t e) { SocketSessionClosed(e); };
}

THttpClient::~THttpClient() {
  StopTimer();
  socket_->OnDnsLookupDone = nullptr;
  socket_->OnSessionConnected = nullptr;
  socket_->OnDataAvailable = nullptr;
  socket_->OnDataSent = nullptr;
  socket_->OnSessionClosed = nullptr;
  socket_.reset();
  window_.reset();
}

void THttpClient::SetMultiThreaded(bool on) {
  multiThreaded_ = on;
  socket_->SetMultiThreaded(on);
}

void THttpClient::Fire(const std::function<void()>& event) {
  if (!event) return;
  auto copy = event;
  copy();
}

void THttpClient::SetState(THttpClientState state) {
  if (state == state_) return;
  state_ = state;
  Fire(OnStateChange);
  if (state == HttpIdle) {
    window_->Post(WM_HTTP_REQUEST_DONE, static_cast<WPARAM>(requestType_), requestDoneError_);
  }
}

std::optional<LRESULT> THttpClient::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  try {
    switch (msg) {
      case WM_HTTP_REQUEST_DONE:
        if (OnRequestDone) {
          auto handler = OnRequestDone;
          handler(static_cast<THttpRequest>(wParam), static_cast<std::uint16_t>(lParam));
        }
        return 0;
      case WM_HTTP_SET_READY:
        if (wParam == serial_) SetState(HttpIdle);
        return 0;
      case WM_HTTP_LOGIN:
        if (wParam == serial_ && !finished_) StartLookup();
        return 0;
      case WM_TIMER:
        if (wParam != kSilenceTimer) return std::nullopt;
        // Left running from request to request, and stopped once idle.
        if (state_ == HttpIdle) StopTimer();
        else CheckTimeout();
        return 0;
      default: return std::nullopt;
    }
  } catch (...) {
    // An event handler's exception must not unwind through the system's
    // message dispatch; the request still ends through its own events.
    return 0;
  }
}

// ---- starting ----

void THttpClient::Get() { RequestSync(RequestGet); }
void THttpClient::Post() { RequestSync(RequestPost); }
void THttpClient::Head() { RequestSync(RequestHead); }

void THttpClient::RequestSync(THttpRequest request) {
  RequestStart(request);
  while (state_ != HttpIdle) {
    if (multiThreaded_)
      socket_->ProcessMessages();
    else
      platform::App().ProcessMessagesNow();
    if (state_ == HttpIdle) break;
    // Sleep on the queue: every step of the request arrives as a message.
    MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  if (statusCode_ >= 400) throw EHttpException(reasonPhrase_, static_cast<std::uint16_t>(statusCode_));
}

void THttpClient::RequestStart(THttpRequest request) {
  if (state_ != HttpIdle) throw EHttpException("HTTP component is busy", 1);
  if (request == RequestPost && !SendStream) throw EHttpException("HTTP component has nothing to post", 2);

  rcvdHeader_.clear();
  authChallenges_.clear();
  requestType_ = request;
  requestDoneError_ = 0;
  closedStep_ = ClosedStep::Normal;
  ++serial_;
  finished_ = false;
  relocations_ = 0;
  locationChange_ = false;
  connected_ = false;
  ForgetHead();
  SetState(HttpStarting);
  docName_.clear();
  statusCode_ = 0;
  reasonPhrase_.clear();
  rcvdCount_ = 0;
  sentCount_ = 0;
  headerLineCount_ = 0;
  bodyChunkCount_ = 0;
  contentLength_ = -1;
  contentType_.clear();
  allowedToSend_ = false;

  const THttpRequestSetup setup = PrepareRequest(URL, Proxy, ProxyPort);
  target_ = setup.target;
  location_ = target_.location;
  docName_ = setup.docName;
  if (!setup.user.empty()) Username = setup.user;
  if (!setup.password.empty()) Password = setup.password;

  origin_ = URL;
  offSite_.clear();
  Activity();
  started_ = lastActivity_;
  // The timer of the last request goes on if it ticks as this one would:
  // one request after the other costs no stop and start of it.
  const unsigned limit = Timeout > 0 && TotalTimeout > 0 ? std::min(Timeout, TotalTimeout)
                                                         : std::max(Timeout, TotalTimeout);
  const UINT interval = limit > 0 ? std::clamp(limit / 4, 10u, 1000u) : 0;
  if (interval != timerInterval_) {
    StopTimer();
    if (interval > 0 && SetTimer(window_->Handle(), kSilenceTimer, interval, nullptr)) timerInterval_ = interval;
  }
  StartLookup();
}

void THttpClient::StartLookup() {
  dnsResult_.clear();
  SetState(HttpResolving);
  try {
    socket_->DnsLookup(target_.hostName);
  } catch (const std::exception&) {
    // No host to look up (an empty name): the lookup fails like any other.
    if (state_ == HttpResolving) Fail(WSAEINVAL, "can't resolve hostname to IP address");
  }
}

// Ends the request as failed with status 404.
void THttpClient::Fail(std::uint16_t error, const std::string& reason) {
  requestDoneError_ = error;
  statusCode_ = 404;
  reasonPhrase_ = reason;
  RequestClosed();
}

void THttpClient::StopTimer() {
  if (timerInterval_ == 0) return;
  KillTimer(window_->Handle(), kSilenceTimer);
  timerInterval_ = 0;
}

void THttpClient::Activity() { lastActivity_ = GetTickCount64(); }

void THttpClient::CheckTimeout() {
  if (finished_ || state_ == HttpIdle) return;
  const ULONGLONG now = GetTickCount64();
  // A server that accepts and never answers (or a lookup that never ends)
  // must not hold the caller forever; nor one that sends a byte now and then.
  std::string reason;
  if (Timeout > 0 && now - lastActivity_ >= Timeout)
    reason = "timeout: nothing received for " + std::to_string(Timeout) + " ms";
  else if (TotalTimeout > 0 && now - started_ >= TotalTimeout)
    reason = "timeout: reply not complete within " + std::to_string(TotalTimeout) + " ms";
  else
    return;
  SetState(HttpAborting);
  closedStep_ = ClosedStep::Normal;
  requestDoneError_ = WSAETIMEDOUT;
  statusCode_ = 404;
  reasonPhrase_ = reason;
  try {
    socket_->Abort();
  } catch (...) {
  }
  RequestClosed();
}

// ---- socket events ----

void THttpClient::SocketDnsLookupDone(std::uint16_t error) {
  Activity();
  if (state_ != HttpResolving || finished_) return;
  if (error != 0) return Fail(error, "can't resolve hostname to IP address");
  dnsResult_ = socket_->DnsResult();
  SetState(HttpConnecting);
  try {
    socket_->SetAddr(dnsResult_);
    socket_->SetPort(target_.port);
    socket_->SetProto("tcp");
    socket_->Connect();
  } catch (const std::exception& e) {
    const auto* se = dynamic_cast<const ESocketException*>(&e);
    const int code = se ? se->Code() : 0;
    // Errors found before WinSock was asked carry no code: their message
    // says what went wrong.
    const std::string why = code != 0
                                ? SocketErrorText(code) + " (Error #" + std::to_string(code) + ")"
                                : std::string(e.what());
    requestDoneError_ = static_cast<std::uint16_t>(code);
    statusCode_ = 404;
    reasonPhrase_ = "can't connect: " + why;
    try {
      socket_->Close();
    } catch (...) {
    }
    RequestClosed();
  }
}

void THttpClient::SocketSessionConnected(std::uint16_t error) {
  Activity();
  if (state_ != HttpConnecting || finished_) return;
  if (error != 0) return Fail(error, SocketErrorText(error) + " (Error #" + std::to_string(error) + ")");
  connected_ = true;
  SetState(HttpConnected);
  Fire(OnSessionConnected);
  SetState(HttpWaitingHeader);
  try {
    switch (requestType_) {
      case RequestGet: WriteRequestHeader("GET", "1.0"); break;
      case RequestPost:
        WriteRequestHeader("POST", "1.0");
        Fire(OnSendBegin);
        allowedToSend_ = true;
        SendPostBlock();
        break;
      case RequestHead: WriteRequestHeader("HEAD", "1.0"); break;
      default: break;
    }
  } catch (const std::exception& e) {
    // The request never went out: that is a failure, not an empty reply.
    if (statusCode_ < 400) {
      statusCode_ = 404;
      reasonPhrase_ = e.what();
    }
    try {
      socket_->Close();
    } catch (...) {
    }
    RequestClosed();
  }
}

void THttpClient::SendCommand(std::string line) {
  if (OnCommand) {
    auto handler = OnCommand;
    handler(line);
  }
  requestStream_ += line;
  requestStream_ += "\r\n";
}

void THttpClient::WriteRequestHeader(const std::string& method, const std::string& version) {
  requestStream_.clear();
  Fire(OnRequestHeaderBegin);
  const bool post = method == "POST";
  // The target as linked may hold what no request line can: it goes out
  // percent-encoded and without its fragment.
  SendCommand(method + " " + RequestTarget(target_.path) + " HTTP/" + version);
  if (!Sender.empty()) SendCommand("From: " + Sender);
  if (!Accept.empty()) SendCommand("Accept: " + Accept);
  if (!Reference.empty()) SendCommand("Referer: " + Reference);
  if (post && !ContentTypePost.empty()) SendCommand("Content-Type: " + ContentTypePost);
  if (!Agent.empty()) SendCommand("User-Agent: " + Agent);
  SendCommand("Host: " + EncodeUnsafeBytes(target_.hostHeader));
  if (NoCache) SendCommand("Pragma: no-cache");
  if (post) SendCommand("Content-Length: " + std::to_string(SendStream ? SendStream->Size() : 0));
  if (ModifiedSince != 0) SendCommand("If-Modified-Since: " + HttpDateText(ModifiedSince) + " GMT");
  if (!Username.empty()) SendCommand("Authorization: Basic " + EncodeBlock(1, Username + ":" + Password));
  if (!Proxy.empty() && !ProxyUsername.empty())
    SendCommand("Proxy-Authorization: Basic " + EncodeBlock(1, ProxyUsername + ":" + ProxyPassword));
  if (!Cookie.empty()) SendCommand("Cookie: " + Cookie);
  if (!ContentRangeBegin.empty() || !ContentRangeEnd.empty()) {
    SendCommand("Range: bytes=" + ContentRangeBegin + "-" + ContentRangeEnd);
    ContentRangeBegin.clear();
    ContentRangeEnd.clear();
  }
  AcceptRanges.clear();
  Fire(OnRequestHeaderEnd);
  SendCommand("");
  const std::string request = std::move(requestStream_);
  requestStream_.clear();
  socket_->Send(request.data(), static_cast<int>(request.size()));
}

void THttpClient::SocketDataSent(std::uint16_t) {
  Activity();
  SendPostBlock();
}

void THttpClient::SendPostBlock() {
  if (!allowedToSend_ || !SendStream) return;
  char block[8193];
  const int n = SendStream->Read(block, sizeof block);
  if (n > 0) {
    sentCount_ += n;
    if (OnSendData) {
      auto handler = OnSendData;
      handler(block, n);
    }
    socket_->Send(block, n);
  } else {
    allowedToSend_ = false;
    Fire(OnSendEnd);
  }
}

void THttpClient::ForgetHead() {
  head_.clear();
  reply_.Reset();
  linesTaken_ = 0;
  headFailed_ = false;
}

void THttpClient::SocketDataAvailable(std::uint16_t) {
  Activity();
  // The client's block, borrowed for this read: a page then costs no fresh
  // block from the heap per read. An event handler that pumps messages may
  // bring us back here meanwhile; that read gets a block of its own.
  struct Lease {
    std::unique_ptr<char[]>& home;
    std::unique_ptr<char[]> block;
    ~Lease() {
      if (!home) home = std::move(block);
    }
  } lease{receiveBlock_,
          receiveBlock_ ? std::move(receiveBlock_) : std::make_unique_for_overwrite<char[]>(kReceiveBlock)};
  char* const block = lease.block.get();
  const int n = socket_->Receive(block, kReceiveBlock);
  if (n <= 0 || requestType_ == RequestNone || finished_) return;
  if (state_ == HttpReceivingBody) return BodyChunk(block, n);
  // After an overlong head the rest is read only so that the close is seen.
  if (state_ != HttpWaitingHeader || headFailed_) return;

  head_.append(block, static_cast<size_t>(n));
  const THttpParse parsed = reply_.Parse(head_);
  while (linesTaken_ < reply_.Lines().size() && state_ == HttpWaitingHeader && !finished_)
    HeaderLine(reply_.Lines()[linesTaken_++]);
  if (state_ != HttpWaitingHeader || finished_) return;
  if (parsed == THttpParse::Error) {
    const bool line = reply_.LineTooLong();
    ForgetHead();
    headFailed_ = true;
    throw EHttpException(line ? "HTTP line too long" : "HTTP header too long", 4);
  }
  if (parsed != THttpParse::Done) return;
  const std::string head = std::move(head_);
  const size_t bodyStart = reply_.BodyStart();
  const bool htmlBody = reply_.HtmlBody();
  ForgetHead();
  const int rest = static_cast<int>(head.size() - bodyStart);
  if (htmlBody) return HeaderlessBody(head.data() + bodyStart, rest);
  HeaderLine(std::string());
  if (state_ == HttpReceivingBody && rest > 0 && !finished_) BodyChunk(head.data() + bodyStart, rest);
}

void THttpClient::HeaderLine(const std::string& line) {
  if (headerLineCount_ == 0) Fire(OnHeaderBegin);
  ++headerLineCount_;
  if (line.empty()) return HeaderEnd();
  rcvdHeader_.push_back(line);
  int code = 0;
  std::string reason, name, value;
  if (ParseStatusLine(line, code, reason)) {
    statusCode_ = code;
    reasonPhrase_ = reason;
  } else if (SplitHeaderField(line, name, value)) {
    if (name == "location") {
      locationChange_ = true;
      // Only a value with a scheme can name another site; the rest resolve
      // on the current server.
      if (KeepToSite && value.find("://") != std::string::npos && !SameSite(value, origin_)) {
        if (offSite_.empty()) offSite_ = value;
      } else if (offSite_.empty()) {
        ApplyLocation(target_, value, !Proxy.empty());
        location_ = target_.location;
      }
    } else if (name == "content-length") {
      contentLength_ = ParseContentLength(value);
    } else if (name == "content-range") {
      const size_t dash = value.find('-');
      const size_t slash = value.find('/');
      if (dash != std::string::npos) {
        ContentRangeBegin = value.size() > 6 && dash > 6 ? value.substr(6, dash - 6) : std::string();
        ContentRangeEnd = value.substr(dash + 1, slash == std::string::npos ? std::string::npos : slash - dash - 1);
      }
    } else if (name == "accept-ranges") {
      AcceptRanges = value;
    } else if (name == "content-type") {
      contentType_ = LowerAscii(value);
    } else if (name == "www-authenticate") {
      authChallenges_.push_back(value);
    } else if (name == "set-cookie") {
      bool accept = true;
      if (OnCookie) {
        auto handler = OnCookie;
        handler(value, accept);
      }
    }
  }
  Fire(OnHeaderData);
  if (statusCode_ >= 400) socket_->Close();
}

void THttpClient::HeaderEnd() {
  if (locationChange_) {
    Fire(OnHeaderEnd);
    ForgetHead();
    headerLineCount_ = 0;
    bodyChunkCount_ = 0;
    if (relocations_ >= kMaxRelocations || !offSite_.empty()) {
      // A server that sends the client round in circles ends the request; so
      // does one that sends it to another site, whose words would be taken
      // for this site's.
      locationChange_ = false;
      statusCode_ = 404;
      reasonPhrase_ = offSite_.empty() ? "too many relocations (" + std::to_string(kMaxRelocations) + ")"
                                       : "relocation to another site: " + offSite_;
      socket_->Close();
      RequestClosed();
      return;
    }
    ++relocations_;
    closedStep_ = ClosedStep::Relocation;
    socket_->Close();
    return;
  }
  if (LowerAscii(docName_.size() >= 4 ? docName_.substr(docName_.size() - 4) : "") == ".exe" &&
      contentType_ == "text/html")
    docName_ = ReplaceFileExt(docName_, "htm");
  // Room for the announced body at once; a server that announces more than
  // it sends must not make us take much memory up front.
  if (RcvdStream && requestType_ != RequestHead && contentLength_ > 0) {
    std::int64_t room = std::min<std::int64_t>(contentLength_, kMaxExpectedBody);
    if (MaxBodySize > 0) room = std::min(room, MaxBodySize);
    RcvdStream->ExpectSize(room);
  }
  SetState(HttpReceivingBody);
  Fire(OnHeaderEnd);
}

// A reply without a header: the <HTML> line, its line end and everything
// behind it are the body, as they came.
void THttpClient::HeaderlessBody(const char* data, int length) {
  if (headerLineCount_ == 0) Fire(OnHeaderBegin);
  ++headerLineCount_;
  if (contentType_.empty()) contentType_ = "text/html";
  SetState(HttpReceivingBody);
  Fire(OnHeaderEnd);
  if (length > 0 && !finished_) BodyChunk(data, length);
}

void THttpClient::BodyChunk(const char* data, int length) {
  if (bodyChunkCount_ == 0) Fire(OnDocBegin);
  ++bodyChunkCount_;
  bool cut = false;
  if (MaxBodySize > 0 && rcvdCount_ + length > MaxBodySize) {
    // A server that never stops sending must not fill the memory.
    length = static_cast<int>(MaxBodySize - rcvdCount_);
    cut = true;
  }
  rcvdCount_ += length;
  if (RcvdStream && length > 0) RcvdStream->Write(data, length);
  if (OnDocData) {
    auto handler = OnDocData;
    handler(data, length);
  }
  if (cut) {
    socket_->Close();
    RequestClosed();
  }
}

void THttpClient::SocketSessionClosed(std::uint16_t) {
  Activity();
  if (closedStep_ == ClosedStep::Relocation) return RelocationContinuation();
  RequestClosed();
}

void THttpClient::RelocationContinuation() {
  connected_ = false;
  locationChange_ = false;
  closedStep_ = ClosedStep::Normal;
  Fire(OnLocationChange);
  window_->Post(WM_HTTP_LOGIN, serial_);
}

void THttpClient::RequestClosed() {
  if (finished_) return;
  finished_ = true;
  connected_ = false;
  if (bodyChunkCount_ > 0) Fire(OnDocEnd);
  window_->Post(WM_HTTP_SET_READY, serial_);
}

}  // namespace net
