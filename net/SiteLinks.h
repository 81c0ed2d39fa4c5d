#pragma once
// How the site walker reads links: which URLs are pages, which links of a
// page stay inside the site, and how a link becomes an absolute URL. Plain
// text work, no network.
#include <string>
#include <string_view>
#include <vector>

namespace net {

// Whether url's extension (from the last "." behind the last "\" or ":") is
// one of the comma-separated extensions ("html,htm,php"), ASCII case ignored.
bool HasPageExtension(std::string_view url, std::string_view extensions);

// Scheme and host (with port) of a page URL, without the "/" behind them;
// the whole URL when nothing follows the host.
std::string SiteRoot(std::string_view pageUrl);

// The link as the walker keeps it, or "" when it is dropped: it must name a
// page, not be a script, and, when absolute, lie on the site (root followed by
// the end, "/", "?" or "#"). The fragment is cut off.
std::string FilterLink(std::string_view link, std::string_view siteRoot, std::string_view extensions);

// The links of a page that FilterLink keeps, in the order of the text: the
// double-quoted HREF values of anchor tags and the SRC values of frame tags.
std::vector<std::string> FindLinks(std::string_view pageUrl, std::string_view text, std::string_view extensions);

// The absolute URL of link on the page pageUrl: absolute links stay; "/..."
// starts at the site root; others start in the page's folder, "../" climbing
// no higher than the host.
std::string ResolveLink(std::string_view pageUrl, std::string_view link, std::string_view extensions);

}  // namespace net
