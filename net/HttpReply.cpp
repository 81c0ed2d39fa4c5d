#include "net/HttpReply.h"

#include <cstring>

#include "net/HttpUtil.h"

namespace net {

namespace {

bool StartsWithHtmlTag(std::string_view line) { return line.size() >= 6 && UpperAscii(line.substr(0, 6)) == "<HTML>"; }

}  // namespace

THttpParse THttpReplyParser::Parse(std::string_view received) {
  if (state_ != THttpParse::NeedMore) return state_;
  while (lineStart_ < received.size()) {
    if (lineStart_ > kMaxHead) return state_ = THttpParse::Error;
    const std::string_view rest = received.substr(lineStart_);
    // A body without a header (or after part of one) shows at the start of a
    // line, whether or not its line has ended yet.
    if (StartsWithHtmlTag(rest)) {
      htmlBody_ = true;
      bodyStart_ = lineStart_;
      return state_ = THttpParse::Done;
    }
    const void* lf = std::memchr(rest.data() + scanned_, '\n', rest.size() - scanned_);
    if (!lf) {
      scanned_ = rest.size();
      if (scanned_ > kMaxLine) {
        lineTooLong_ = true;
        return state_ = THttpParse::Error;
      }
      break;
    }
    const std::size_t lineEnd = static_cast<std::size_t>(static_cast<const char*>(lf) - rest.data());
    if (lineEnd > kMaxLine) {
      lineTooLong_ = true;
      return state_ = THttpParse::Error;
    }
    std::string_view line = rest.substr(0, lineEnd);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lineStart_ += lineEnd + 1;
    scanned_ = 0;
    if (line.empty()) {
      bodyStart_ = lineStart_;
      return state_ = THttpParse::Done;
    }
    lines_.emplace_back(line);
  }
  if (received.size() > kMaxHead) return state_ = THttpParse::Error;
  return THttpParse::NeedMore;
}

bool SplitHeaderField(std::string_view line, std::string& name, std::string& value) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return false;
  name = LowerAscii(line.substr(0, colon));
  std::size_t start = colon + 1;
  while (start < line.size() && line[start] == ' ') ++start;
  value = std::string(line.substr(start));
  return true;
}

std::int64_t ParseContentLength(std::string_view value) {
  constexpr std::int64_t kMax = INT64_MAX;
  std::int64_t n = 0;
  std::size_t i = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    const int digit = value[i] - '0';
    if (n > (kMax - digit) / 10) return -1;
    n = n * 10 + digit;
  }
  return i == 0 ? -1 : n;
}

}  // namespace net
