#include "net/HttpUtil.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace net {

std::string LowerAscii(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string UpperAscii(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// The proto is the text before "://"; "/..." is a path of scheme http (or,
// as "//...", an authority); "http:" without "//" may be followed directly by
// a path; "mailto:" is followed by the address. What is left is cut at its
// first "/" into authority and path; the authority is
// [user[:password]@]host[:port].
TUrlParts SplitUrl(std::string_view url) {
  TUrlParts p;
  if (url.empty()) return p;
  std::string_view rest;
  if (const size_t scheme = url.find("://"); scheme != std::string_view::npos) {
    p.proto = std::string(url.substr(0, scheme));
    rest = url.substr(scheme + 3);
  } else if (url[0] == '/') {
    p.proto = "http";
    if (url.size() < 2 || url[1] != '/') {
      p.path = std::string(url);
      return p;
    }
    rest = url.substr(2);
  } else if (LowerAscii(url.substr(0, 5)) == "http:") {
    p.proto = "http";
    if (url.size() > 6 && url[6] != '/') {
      p.path = std::string(url.substr(5));
      return p;
    }
    rest = url.substr(5);
  } else if (LowerAscii(url.substr(0, 7)) == "mailto:") {
    p.proto = "mailto";
    rest = url.substr(url.find(':') + 1);
  } else {
    rest = url;
  }

  std::string_view authority = rest;
  if (const size_t slash = rest.find('/'); slash != std::string_view::npos) {
    p.path = std::string(rest.substr(slash));
    authority = rest.substr(0, slash);
  }
  const size_t colon = authority.rfind(':');
  const size_t at = authority.rfind('@');
  const size_t hostStart = at == std::string_view::npos ? 0 : at + 1;
  if (colon != std::string_view::npos && (at == std::string_view::npos || colon > at)) {
    p.port = std::string(authority.substr(colon + 1));
    p.host = std::string(authority.substr(hostStart, colon - hostStart));
  } else {
    p.host = std::string(authority.substr(hostStart));
  }
  if (at != std::string_view::npos) {
    const std::string_view userInfo = authority.substr(0, at);
    const size_t split = userInfo.find(':');
    p.user = std::string(userInfo.substr(0, split));
    if (split != std::string_view::npos) p.password = std::string(userInfo.substr(split + 1));
  }
  return p;
}

std::string DocumentName(const std::string& path) {
  if (path.empty() || path == "/") return "document.htm";
  std::string name = path;
  if (name.back() == '/') name.pop_back();
  if (const size_t slash = name.rfind('/'); slash != std::string::npos) name.erase(0, slash + 1);
  if (name.size() > 255) name.resize(255);
  if (const size_t q = name.find('?'); q != std::string::npos) name.resize(q);
  return name;
}

THttpRequestSetup PrepareRequest(const std::string& url, const std::string& proxy, const std::string& proxyPort) {
  THttpRequestSetup s;
  const TUrlParts u = SplitUrl(url);
  s.user = u.user;
  s.password = u.password;
  s.target.hostHeader = u.host;
  s.target.location = url;
  if (proxy.empty()) {
    s.target.hostName = u.host;
    s.target.path = u.path;
    s.target.port = u.port.empty() ? "80" : u.port;
  } else {
    // A proxy is asked for the whole URL; the root's "/" is not left out.
    s.target.path = (u.proto.empty() ? std::string("http") : u.proto) + "://" + u.host +
                    (u.port.empty() ? "" : ":" + u.port) + (u.path.empty() ? "/" : u.path);
    const TUrlParts p = SplitUrl(proxy);
    s.target.hostName = p.host;
    s.target.port = p.port.empty() ? proxyPort : p.port;
  }
  if (s.target.path.empty()) s.target.path.assign(1, '/');  // assign: GCC 12 warns falsely on "="
  s.docName = DocumentName(u.path);
  return s;
}

namespace {

// The folder part of a path (through its last "/"), query left out.
std::string Folder(std::string path) {
  if (const size_t q = path.find('?'); q != std::string::npos) path.resize(q);
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string("/") : path.substr(0, slash + 1);
}

}  // namespace

bool SameSite(std::string_view a, std::string_view b) {
  struct Site {
    std::string proto, host, port;
    bool operator==(const Site&) const = default;
  };
  auto site = [](std::string_view url) {
    const TUrlParts u = SplitUrl(url);
    Site s{LowerAscii(u.proto.empty() ? "http" : u.proto), LowerAscii(u.host), u.port};
    if (s.port.empty()) s.port = s.proto == "https" ? "443" : "80";
    return s;
  };
  return site(a) == site(b);
}

void ApplyLocation(THttpTarget& t, const std::string& value, bool viaProxy) {
  const bool absolute = value.find("://") != std::string::npos;
  if (!viaProxy) {
    if (absolute) {
      const TUrlParts u = SplitUrl(value);
      t.hostName = u.host;
      t.hostHeader = u.host;
      if (!u.port.empty()) t.port = u.port;
      t.path = u.path.empty() ? "/" : u.path;
      t.location = u.proto + "://" + u.host + (u.path.empty() ? "" : u.path);
      return;
    }
    // A value without a scheme names a place on the same server: from the
    // root when it starts with "/", else from the current document's folder.
    t.path = !value.empty() && value[0] == '/' ? value : Folder(t.path) + value;
    t.location = "http://" + t.hostName + t.path;
    return;
  }
  // Through a proxy the request path is the whole URL; its port stays with it.
  const TUrlParts current = SplitUrl(t.path);
  std::string proto = current.proto.empty() ? "http" : current.proto;
  std::string host = current.host;
  std::string port = current.port;
  std::string path;
  if (absolute) {
    const TUrlParts u = SplitUrl(value);
    proto = u.proto;
    host = u.host;
    port = u.port;
    path = u.path.empty() ? "/" : u.path;
    t.hostHeader = host;
  } else {
    path = !value.empty() && value[0] == '/' ? value : Folder(current.path) + value;
  }
  t.path = proto + "://" + host + (port.empty() ? "" : ":" + port) + path;
  t.location = t.path;
}

std::string EncodeUnsafeBytes(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c <= ' ' || c >= 127 || c == '"' || c == '<' || c == '>') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

std::string RequestTarget(std::string_view target) { return EncodeUnsafeBytes(target.substr(0, target.find('#'))); }

bool ParseStatusLine(std::string_view line, int& code, std::string& reason) {
  if (line.substr(0, 8) != "HTTP/1.0" && line.substr(0, 8) != "HTTP/1.1") return false;
  code = 0;
  for (size_t i = 9; i < 12 && i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
    code = code * 10 + (line[i] - '0');
  reason = line.size() > 13 ? std::string(line.substr(13)) : std::string();
  return true;
}

std::string EncodeBlock(int mode, std::string_view data) {
  std::string out;
  if (mode == 1) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (size_t i = 0; i < data.size(); i += 3) {
      const size_t n = std::min<size_t>(3, data.size() - i);
      unsigned v = static_cast<unsigned char>(data[i]) << 16;
      if (n > 1) v |= static_cast<unsigned char>(data[i + 1]) << 8;
      if (n > 2) v |= static_cast<unsigned char>(data[i + 2]);
      out += kAlphabet[(v >> 18) & 63];
      out += kAlphabet[(v >> 12) & 63];
      out += n > 1 ? kAlphabet[(v >> 6) & 63] : '=';
      out += n > 2 ? kAlphabet[v & 63] : '=';
    }
    return out;
  }
  // UUencode: 0 is written as the grave accent, 1 to 63 as value + 32. The
  // last group is filled with zero bytes, never read past the data.
  auto uu = [](unsigned v) { return static_cast<char>(v == 0 ? '`' : v + 32); };
  out += static_cast<char>((data.size() + 32) & 0xFF);
  for (size_t i = 0; i < data.size(); i += 3) {
    unsigned char b[3] = {0, 0, 0};
    for (size_t k = 0; k < 3 && i + k < data.size(); ++k) b[k] = static_cast<unsigned char>(data[i + k]);
    out += uu(b[0] >> 2);
    out += uu(((b[0] & 3) << 4) | (b[1] >> 4));
    out += uu(((b[1] & 15) << 2) | (b[2] >> 6));
    out += uu(b[2] & 63);
  }
  return out;
}

std::string FormatHttpDate(double utc) {
  static constexpr const char* kDays = "MonTueWedThuFriSatSun";
  static constexpr const char* kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
  // Whole milliseconds, so 23:59:59.9996 does not print as 24:00:00.
  const long long ms = std::llround(utc * 86400000.0);
  long long days = ms / 86400000;
  long long msOfDay = ms % 86400000;
  if (msOfDay < 0) {
    msOfDay += 86400000;
    --days;
  }
  const int weekday = static_cast<int>(((days - 2) % 7 + 7) % 7);
  // Civil date from the day count (days since 1899-12-30 = 25569 before 1970).
  long long z = days - 25569 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long long y = yoe + era * 400;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  if (m <= 2) ++y;
  const int secs = static_cast<int>(msOfDay / 1000);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3s, %2.2d %.3s %4.4d %2.2d:%2.2d:%2.2d", kDays + weekday * 3, d,
                kMonths + (m - 1) * 3, static_cast<int>(y), secs / 3600, secs / 60 % 60, secs % 60);
  return buf;
}

std::string ReplaceFileExt(const std::string& name, const std::string& ext) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return name + "." + ext;
  return name.substr(0, dot + 1) + ext;
}

}  // namespace net
