#pragma once
// The HTTP client's text work that needs no socket: URL splitting, the
// request target and its relocations, header lines, Base64/UUencode and the
// date format of If-Modified-Since.
#include <string>
#include <string_view>

namespace net {

struct TUrlParts {
  std::string proto, user, password, host, port, path;
};

// Splits a URL the way the client reads it (see the .cpp for the rules).
TUrlParts SplitUrl(std::string_view url);

// Where a request goes.
struct THttpTarget {
  std::string hostName;    // host to connect to (the proxy's through a proxy)
  std::string hostHeader;  // value of the Host header
  std::string port;        // port to connect to
  std::string path;        // request path; a whole URL through a proxy
  std::string location;    // URL of the current request
};

struct THttpRequestSetup {
  THttpTarget target;
  std::string docName;
  // From the URL; they replace the client's credentials when non-empty.
  std::string user, password;
};

// The target of a request for url, direct (proxy empty) or through the proxy
// (proxy host[:port], proxyPort used when it names none).
THttpRequestSetup PrepareRequest(const std::string& url, const std::string& proxy, const std::string& proxyPort);

// The document name of a request path: its last segment, without query;
// "document.htm" for the root.
std::string DocumentName(const std::string& path);

// Whether two URLs name the same site: scheme (http when none), host (ASCII
// case ignored) and port (the scheme's own when none) alike.
bool SameSite(std::string_view a, std::string_view b);

// Moves target to the URL of a "location" header value.
void ApplyLocation(THttpTarget& target, const std::string& value, bool viaProxy);

// A request target as it may stand in the request line: without its
// fragment, and with controls, blanks, bytes above 127, '"', '<' and '>'
// percent-encoded ("%" itself stays, so encoded links pass unchanged).
std::string RequestTarget(std::string_view target);
// The same encoding of a whole text (a header value), fragment and all.
std::string EncodeUnsafeBytes(std::string_view text);

// A reply's status line: true when line is one, with its code and reason.
bool ParseStatusLine(std::string_view line, int& code, std::string& reason);

// Mode 1: Base64 (RFC 2045), mode 0: UUencode of one line.
std::string EncodeBlock(int mode, std::string_view data);

// "Mon, 02 Jan 2006 15:04:05" for a day count since 1899-12-30 (UTC).
std::string FormatHttpDate(double utc);

// name up to its last "." plus ext, or name + "." + ext.
std::string ReplaceFileExt(const std::string& name, const std::string& ext);

std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);

}  // namespace net
