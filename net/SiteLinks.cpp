#include "net/SiteLinks.h"

#include "net/HttpUtil.h"
#include "platform/base/Blanks.h"

namespace net {

namespace {

bool Contains(std::string_view upperText, std::string_view what) { return upperText.find(what) != std::string_view::npos; }

// Position just behind the host of an absolute URL; npos for other texts.
size_t HostEnd(std::string_view url) {
  const std::string upper = UpperAscii(url);
  size_t scheme = upper.find("HTTP://");
  size_t skip = 7;
  if (scheme == std::string::npos) {
    scheme = upper.find("HTTPS://");
    skip = 8;
  }
  if (scheme == std::string::npos) return std::string_view::npos;
  const size_t hostStart = scheme + skip;
  const size_t slash = url.find('/', hostStart);
  return slash == std::string_view::npos ? url.size() : slash;
}

}  // namespace

bool HasPageExtension(std::string_view url, std::string_view extensions) {
  const size_t dot = url.rfind('.');
  const size_t delimiter = url.find_last_of("\\:");
  std::string ext;
  if (dot != std::string_view::npos && (delimiter == std::string_view::npos || dot > delimiter))
    ext = LowerAscii(url.substr(dot));
  if (ext.empty()) return false;
  // The list is trimmed as a whole, not item by item.
  const std::string list = LowerAscii(platform::Trimmed(extensions));
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    const std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if ("." + item == ext) return true;
    if (comma == std::string::npos) return false;
    start = comma + 1;
  }
}

std::string SiteRoot(std::string_view pageUrl) {
  const size_t end = HostEnd(pageUrl);
  if (end == std::string_view::npos) return std::string(pageUrl);
  return std::string(pageUrl.substr(0, end));
}

std::string FilterLink(std::string_view link, std::string_view siteRoot, std::string_view extensions) {
  if (!HasPageExtension(link, extensions)) return {};
  const std::string upper = UpperAscii(link);
  if (Contains(upper, "JAVASCRIPT:")) return {};
  std::string kept(link.substr(0, link.find('#')));
  const std::string upperKept = UpperAscii(kept);
  if (Contains(upperKept, "HTTP://") || Contains(upperKept, "HTTPS://")) {
    // On the site means the root and then nothing, a path or a query:
    // http://host.evil or http://host:8080 is not http://host.
    const std::string root = UpperAscii(siteRoot);
    if (upperKept.compare(0, root.size(), root) != 0) return {};
    if (upperKept.size() > root.size()) {
      const char next = upperKept[root.size()];
      if (next != '/' && next != '?' && next != '#') return {};
    }
    return kept;
  }
  if (Contains(upperKept, "MAILTO:") || Contains(upperKept, "NNTP://") || Contains(upperKept, "FTP://") ||
      Contains(upperKept, "GOPHER://"))
    return {};
  return kept;
}

std::vector<std::string> FindLinks(std::string_view pageUrl, std::string_view text, std::string_view extensions) {
  std::vector<std::string> links;
  const std::string root = SiteRoot(pageUrl);
  auto add = [&](std::string_view link) {
    std::string kept = FilterLink(link, root, extensions);
    if (!kept.empty()) links.push_back(std::move(kept));
  };
  size_t i = 0;
  while ((i = text.find('<', i)) != std::string_view::npos) {
    ++i;
    if (i >= text.size()) break;
    const char c = text[i];
    if ((c == 'A' || c == 'a') && i + 1 < text.size() && text[i + 1] == ' ') {
      const size_t start = i + 1;
      size_t end = text.find('>', start);
      if (end == std::string_view::npos) end = text.size() > 1 ? text.size() - 1 : text.size();
      const std::string_view tag = text.substr(start, end > start ? end - start : 0);
      const std::string upper = UpperAscii(tag);
      const size_t href = upper.find("HREF=\"");
      if (href != std::string::npos) {
        const size_t value = href + 6;
        const size_t close = tag.find('"', value);
        if (close != std::string_view::npos) add(tag.substr(value, close - value));
      }
      i = end;
    } else if (c == 'F' || c == 'f') {
      size_t end = text.find('>', i);
      if (end == std::string_view::npos) end = text.size();
      const std::string_view tag = text.substr(i, end - i);
      const std::string upper = UpperAscii(tag);
      if (upper.compare(0, 6, "FRAME ") == 0) {
        // A frame's source is a page of the site like a link's target.
        const size_t src = upper.find("SRC=\"");
        if (src != std::string::npos) {
          const size_t value = src + 5;
          const size_t close = tag.find('"', value);
          if (close != std::string_view::npos) add(tag.substr(value, close - value));
        }
      }
      i = end;
    }
  }
  return links;
}

std::string ResolveLink(std::string_view pageUrl, std::string_view link, std::string_view extensions) {
  std::string l(link);
  const std::string upper = UpperAscii(l);
  if (Contains(upper, "HTTP://") || Contains(upper, "HTTPS://")) return l;
  // A link from the root of the site.
  if (!l.empty() && l[0] == '/' && (l.size() < 2 || l[1] != '/')) return SiteRoot(pageUrl) + l;

  std::string base(pageUrl);
  if (!base.empty() && base.back() == '/') base.pop_back();
  const size_t hostEnd = HostEnd(base);
  if (HasPageExtension(base, extensions)) {
    // Only a "/" behind the host separates folder and file: in
    // http://www.example.pl the ".pl" is part of the host.
    const size_t slash = base.rfind('/');
    if (slash != std::string::npos && (hostEnd == std::string::npos || slash >= hostEnd)) base.resize(slash);
  }
  if (!l.empty() && l[0] == '/') l.erase(0, 1);
  if (l.compare(0, 2, "./") == 0) l.erase(0, 2);
  for (size_t up; (up = l.find("../")) != std::string::npos;) {
    const size_t lastSlash = base.rfind('/');
    const size_t doubleSlash = base.find("//");
    // Climbing stops at the host: the last "/" is the one of "//".
    if (lastSlash == std::string::npos || (doubleSlash != std::string::npos && lastSlash <= doubleSlash + 1)) break;
    base.resize(lastSlash);
    l.erase(0, up + 3);
  }
  return base + "/" + l;
}

}  // namespace net
