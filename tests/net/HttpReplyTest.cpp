// The reply head parser: every reply fed whole, split at every point and
// byte by byte must give the same lines and body; limits and numbers that
// would overflow; request targets that a hostile link cannot break.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/HttpReply.h"
#include "net/HttpUtil.h"

namespace {

using namespace net;
using Lines = std::vector<std::string>;

struct ReplyCase {
  std::string reply;
  Lines lines;
  std::string body;  // what follows the head
  bool htmlBody;
};

const std::vector<ReplyCase> kReplies = {
    {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<p>x</p>", {"HTTP/1.0 200 OK", "Content-Type: text/html"},
     "<p>x</p>", false},
    {"HTTP/1.1 404 Not Found\n\n", {"HTTP/1.1 404 Not Found"}, "", false},
    // A CR not before the LF stays in its line; an empty line ends the head.
    {"HTTP/1.0 200 OK\r\nX: a\rb\r\n\r\n\r\nbody\r\n", {"HTTP/1.0 200 OK", "X: a\rb"}, "\r\nbody\r\n", false},
    {"\r\nrest", {}, "rest", false},
    {"<HTML>\r\n<body>a</body>", {}, "<HTML>\r\n<body>a</body>", true},
    {"<html><body>one line</body></html>", {}, "<html><body>one line</body></html>", true},
    // An <HTML> line after part of a header starts the body there.
    {"HTTP/1.0 200 OK\r\n<Html>\r\nx", {"HTTP/1.0 200 OK"}, "<Html>\r\nx", true},
    {std::string("HTTP/1.0 200 OK\r\nX: \0\xff\r\n\r\n\0", 27), {"HTTP/1.0 200 OK", std::string("X: \0\xff", 5)},
     std::string(1, '\0'), false},
};

// Feeds the reply in the given pieces, as the socket would hand them over.
THttpParse Feed(THttpReplyParser& parser, const std::string& reply, const std::vector<size_t>& cuts) {
  THttpParse result = THttpParse::NeedMore;
  for (size_t cut : cuts) {
    result = parser.Parse(std::string_view(reply).substr(0, cut));
    if (result != THttpParse::NeedMore) break;
  }
  return result;
}

void ExpectParsed(const ReplyCase& c, const std::vector<size_t>& cuts, const std::string& how) {
  THttpReplyParser parser;
  ASSERT_EQ(Feed(parser, c.reply, cuts), THttpParse::Done) << how;
  EXPECT_EQ(parser.Lines(), c.lines) << how;
  EXPECT_EQ(c.reply.substr(parser.BodyStart()), c.body) << how;
  EXPECT_EQ(parser.HtmlBody(), c.htmlBody) << how;
}

TEST(HttpReply, SameHeadWholeAtEverySplitAndByteByByte) {
  for (const ReplyCase& c : kReplies) {
    ExpectParsed(c, {c.reply.size()}, "whole");
    for (size_t split = 0; split <= c.reply.size(); ++split) ExpectParsed(c, {split, c.reply.size()}, "split");
    std::vector<size_t> bytes;
    for (size_t n = 1; n <= c.reply.size(); ++n) bytes.push_back(n);
    ExpectParsed(c, bytes, "byte by byte");
  }
}

TEST(HttpReply, AnUnfinishedHeadNeedsMoreAndKeepsItsCompleteLines) {
  THttpReplyParser parser;
  EXPECT_EQ(parser.Parse(""), THttpParse::NeedMore);
  EXPECT_EQ(parser.Parse("HTTP/1.0 200 OK\r\nX-A: 1\r\nX-B"), THttpParse::NeedMore);
  EXPECT_EQ(parser.Lines(), (Lines{"HTTP/1.0 200 OK", "X-A: 1"}));
  // Five bytes of "<HTML>" are not yet a body.
  parser.Reset();
  EXPECT_EQ(parser.Parse("<HTML"), THttpParse::NeedMore);
  EXPECT_EQ(parser.Parse("<HTMX>"), THttpParse::NeedMore);
}

TEST(HttpReply, OverlongLinesAndHeadsAreErrors) {
  const std::string longest(THttpReplyParser::kMaxLine, 'v');
  THttpReplyParser parser;
  EXPECT_EQ(parser.Parse("X: " + longest.substr(3) + "\n\n"), THttpParse::Done);
  parser.Reset();
  EXPECT_EQ(parser.Parse(longest + "v"), THttpParse::Error);
  EXPECT_TRUE(parser.LineTooLong());
  EXPECT_EQ(parser.Parse(longest + "v\r\n\r\n"), THttpParse::Error);  // stays in error
  parser.Reset();
  EXPECT_EQ(parser.Parse("Y: " + longest + "\r\n"), THttpParse::Error);
  // Endless short lines.
  parser.Reset();
  std::string head;
  THttpParse result = THttpParse::NeedMore;
  while (result == THttpParse::NeedMore && head.size() < 2 * THttpReplyParser::kMaxHead) {
    head += "X-Filler: 0123456789\r\n";
    result = parser.Parse(head);
  }
  EXPECT_EQ(result, THttpParse::Error);
  EXPECT_FALSE(parser.LineTooLong());
  EXPECT_LE(head.size(), THttpReplyParser::kMaxHead + THttpReplyParser::kMaxLine);
}

TEST(HttpReply, HeaderFieldsAndContentLength) {
  std::string name, value;
  EXPECT_TRUE(SplitHeaderField("Content-Length:   12", name, value));
  EXPECT_EQ(name, "content-length");
  EXPECT_EQ(value, "12");
  EXPECT_TRUE(SplitHeaderField("X:a:b", name, value));
  EXPECT_EQ(value, "a:b");
  EXPECT_FALSE(SplitHeaderField("no colon", name, value));

  const std::vector<std::pair<std::string, long long>> lengths = {
      {"0", 0}, {"42", 42}, {"42abc", 42}, {"", -1}, {"abc", -1}, {" 5", -1},
      {"9223372036854775807", 9223372036854775807LL}, {"9223372036854775808", -1},
      {"99999999999999999999999999", -1},
  };
  for (const auto& [text, length] : lengths) EXPECT_EQ(ParseContentLength(text), length) << text;
}

TEST(HttpReply, RequestTargetsCarryNothingThatBreaksTheRequestLine) {
  const std::vector<std::pair<std::string, std::string>> targets = {
      {"/a/b.html?x=1&y=%41", "/a/b.html?x=1&y=%41"},
      {"/p.html#top", "/p.html"},
      {"/a b\r\nX-Injected: 1.html", "/a%20b%0D%0AX-Injected:%201.html"},
      {"/\x01\x7f\xe4\xff\"<>'.html", "/%01%7F%E4%FF%22%3C%3E'.html"},
      {"http://host/x.html#a#b", "http://host/x.html"},
  };
  for (const auto& [target, sent] : targets) EXPECT_EQ(RequestTarget(target), sent) << target;
  EXPECT_EQ(EncodeUnsafeBytes("host\r\nX: y#z"), "host%0D%0AX:%20y#z");
}

}  // namespace
