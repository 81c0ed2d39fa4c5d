#pragma once
// The site walker and page fetcher, the programs' only road to the network.
// The walker goes depth-first from the start URL through the links inside the
// site and lists the pages it could fetch and those it could not; the fetcher
// gets one page's text. Both go through the one shared HTTP client.
#include <string>

#include "net/HttpClient.h"
#include "net/PageBodies.h"
#include "net/WalkProgress.h"
#include "platform/base/StringList.h"

namespace net {

// The page extensions a walker follows until told others: the project's
// default.
inline constexpr const char* kDefaultPageExtensions = "html,htm,jhtml,shtml,asp,jsp,php3,cfm,cgi,pl,php";

struct TProxySettings {
  std::string host, port, user, password;
};

class THTTPGetPage {
 public:
  // Uses the program's client (dtmHTTP), which must exist.
  THTTPGetPage();
  explicit THTTPGetPage(THttpClient& client);
  THTTPGetPage(const THTTPGetPage&) = delete;
  THTTPGetPage& operator=(const THTTPGetPage&) = delete;

  void SetSite(const std::string& startUrl, const std::string& user, const std::string& password);
  void SetProxy(const std::string& host, const std::string& port, const std::string& user,
                const std::string& password);
  // The walk reports each page and link to progress and stops when it says
  // the user cancelled; without one it runs to the end. The caller keeps it.
  void SetProgress(TWalkProgress* progress);
  // The project's page extensions ("html,htm,..."); kDefaultPageExtensions
  // until set.
  void SetPageExtensions(const std::string& extensions);
  // The walk keeps each page it fetched there (with the reply's content
  // type), for a run that indexes them next; none: the bodies are dropped.
  // The caller keeps it.
  void SetBodies(TPageBodies* bodies);
  // The walk fetches up to this many pages ahead of itself, each over a
  // connection of its own, while it works through the page before; it still
  // visits in the same order and asks for the same pages. 0: one page after
  // the other over the client alone.
  void SetFetchAhead(int connections);

  // Walks the site; urls receives the pages fetched. A stop flag set (by the
  // caller, or here when the window is closed) ends the walk with what it
  // has.
  void CrawlSite(platform::TStringList& urls, bool& stop);
  void CrawlSiteCollectFailed(platform::TStringList& urls, platform::TStringList& failed, bool& stop);

  // True when the fetch failed; otherwise text is the page up to its first
  // zero byte.
  bool FetchPage(const std::string& url, std::string& text);

  void ShowProgress(const std::string& url);
  bool IsVisited(const std::string& url) const;
  bool HasPageExtension(const std::string& url) const;
  std::string ResolveLink(const std::string& pageUrl, const std::string& link) const;
  // Adds the page's usable links to list (sorted, case ignored, no duplicates).
  void ExtractLinks(platform::TStringList& list, const std::string& pageUrl, const std::string& text) const;

  platform::TStringList VisitedList;
  platform::TStringList FailedList;

 private:
  void CrawlPage(const std::string& url, bool& stop);
  // Sets client up for a request of url with the site's login and the proxy.
  void Prepare(THttpClient& client, const std::string& url) const;

  THttpClient& client_;
  std::string user_;
  std::string password_;
  std::string startUrl_;
  TProxySettings proxy_;
  std::string extensions_;
  TWalkProgress* progress_ = nullptr;
  TPageBodies* bodies_ = nullptr;
  int fetchAhead_ = 0;
};

// One page's text through client, with the site's login and the proxy
// settings; "" when the fetch fails.
std::string FetchPageText(THttpClient& client, const std::string& url, const std::string& user,
                          const std::string& password, const TProxySettings& proxy);

}  // namespace net
