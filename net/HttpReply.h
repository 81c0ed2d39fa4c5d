#pragma once
// The head of an HTTP reply, split from its bytes without a socket: the
// status line and header lines as they arrive, and where the body starts.
// The client appends what it receives and asks again; only the bytes not seen
// before are scanned, so a head that trickles in byte by byte costs no more
// than one that comes whole.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace net {

enum class THttpParse { Done, NeedMore, Error };

class THttpReplyParser {
 public:
  // Limits of a head: a line holding more bytes than kMaxLine before its line
  // feed, or a head longer than kMaxHead, is an error.
  static constexpr std::size_t kMaxLine = 8192;
  static constexpr std::size_t kMaxHead = 256 * 1024;

  // received: every byte of the reply so far, those of earlier calls first.
  // Done: the head ended with an empty line, or a line begins with "<HTML>"
  // (any case): from there on all is body, header or not. NeedMore: every
  // complete line so far is in Lines(). Error: a line or the head is too long;
  // the parser stays in error until Reset.
  THttpParse Parse(std::string_view received);

  // The head's complete lines, without their line ends (a CR before the LF is
  // dropped); the empty line that ends the head is not among them.
  const std::vector<std::string>& Lines() const { return lines_; }
  // Where the body begins in received (after Done).
  std::size_t BodyStart() const { return bodyStart_; }
  // The body began at an "<HTML>" line rather than after an empty line.
  bool HtmlBody() const { return htmlBody_; }
  // Whether the error was a line (rather than the whole head) too long.
  bool LineTooLong() const { return lineTooLong_; }

  void Reset() { *this = THttpReplyParser(); }

 private:
  std::vector<std::string> lines_;
  std::size_t lineStart_ = 0;  // where the line under way begins
  std::size_t scanned_ = 0;    // bytes of it searched for its line feed
  std::size_t bodyStart_ = 0;
  THttpParse state_ = THttpParse::NeedMore;
  bool htmlBody_ = false;
  bool lineTooLong_ = false;
};

// A header line "Name: value": the name lower-cased, the value without the
// blanks after the colon. False for a line without a colon.
bool SplitHeaderField(std::string_view line, std::string& name, std::string& value);

// A Content-Length value: its leading decimal digits; -1 when there are none
// or they do not fit into 63 bits.
std::int64_t ParseContentLength(std::string_view value);

}  // namespace net
