// The reply head parser on any bytes: fed whole or in any pieces it must come
// to the same head, keep to its limits, and the header values it yields must
// parse without overflow.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "net/HttpReply.h"
#include "net/HttpUtil.h"

using net::THttpParse;
using net::THttpReplyParser;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  std::vector<size_t> pieces;
  for (int i = 0; i < 8 && in.remaining_bytes() > 0; ++i) pieces.push_back(in.ConsumeIntegralInRange<size_t>(0, 64));
  const std::string reply = in.ConsumeRemainingBytesAsString();

  THttpReplyParser whole;
  const THttpParse result = whole.Parse(reply);

  THttpReplyParser split;
  THttpParse splitResult = THttpParse::NeedMore;
  size_t fed = 0;
  for (size_t piece : pieces) {
    fed = std::min(reply.size(), fed + piece);
    splitResult = split.Parse(std::string_view(reply).substr(0, fed));
    if (splitResult != THttpParse::NeedMore) break;
  }
  if (splitResult == THttpParse::NeedMore) splitResult = split.Parse(reply);

  FUZZ_CHECK(splitResult == result);
  FUZZ_CHECK(split.Lines() == whole.Lines());
  if (result == THttpParse::Done) {
    FUZZ_CHECK(split.BodyStart() == whole.BodyStart());
    FUZZ_CHECK(split.HtmlBody() == whole.HtmlBody());
    FUZZ_CHECK(whole.BodyStart() <= reply.size());
  }
  size_t headBytes = 0;
  for (const std::string& line : whole.Lines()) {
    FUZZ_CHECK(line.size() <= THttpReplyParser::kMaxLine);
    FUZZ_CHECK(line.find('\n') == std::string::npos);
    headBytes += line.size();
    std::string name, value;
    if (net::SplitHeaderField(line, name, value)) FUZZ_CHECK(net::ParseContentLength(value) >= -1);
    int code = 0;
    std::string reason;
    if (net::ParseStatusLine(line, code, reason)) FUZZ_CHECK(code >= 0 && code <= 999);
  }
  FUZZ_CHECK(headBytes <= THttpReplyParser::kMaxHead + THttpReplyParser::kMaxLine);

  // Whatever a link holds, the request line gets none of it raw.
  for (const char c : net::RequestTarget(reply)) {
    const auto b = static_cast<unsigned char>(c);
    FUZZ_CHECK(b > ' ' && b < 127 && c != '"' && c != '<' && c != '>' && c != '#');
  }
  return 0;
}
