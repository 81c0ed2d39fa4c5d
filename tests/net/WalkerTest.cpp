// The site walker and page fetcher: which links count, how they resolve, and
// whole walks over a small site served on 127.0.0.1.
#include "LocalServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "NetTestSupport.h"
#include "net/SiteLinks.h"
#include "net/UHTTP.h"
#include "net/dtmHTTP.h"

namespace {

using namespace net;
using nettest::SiteServer;

constexpr const char* kExtensions = "html,htm,jhtml,shtml,asp,jsp,php3,cfm,cgi,pl,php";

TEST(SiteLinks, PageExtensions) {
  EXPECT_TRUE(HasPageExtension("http://host/a.html", kExtensions));
  EXPECT_TRUE(HasPageExtension("http://host/A.HTM", kExtensions));
  EXPECT_TRUE(HasPageExtension("x.php", kExtensions));
  EXPECT_FALSE(HasPageExtension("page.php?id=1", kExtensions));
  EXPECT_FALSE(HasPageExtension("http://host/dir/", kExtensions));
  EXPECT_FALSE(HasPageExtension("page.html#top", kExtensions));
  EXPECT_FALSE(HasPageExtension("picture.gif", kExtensions));
  // The host's "." counts when the path has none.
  EXPECT_TRUE(HasPageExtension("http://www.example.pl", kExtensions));
  EXPECT_FALSE(HasPageExtension("C:\\dir.html\\file", kExtensions));
  // The list is trimmed as a whole; a blank after a comma spoils the item.
  EXPECT_TRUE(HasPageExtension("a.htm", "  html,htm  "));
  EXPECT_FALSE(HasPageExtension("a.htm", "html, htm"));
}

TEST(SiteLinks, FilterKeepsPagesOfTheSiteOnly) {
  const std::string root = "http://host";
  EXPECT_EQ(FilterLink("x.html", root, kExtensions), "x.html");
  EXPECT_EQ(FilterLink("http://host/x.html", root, kExtensions), "http://host/x.html");
  EXPECT_EQ(FilterLink("HTTP://HOST/x.html", root, kExtensions), "HTTP://HOST/x.html");
  EXPECT_EQ(FilterLink("http://other/x.html", root, kExtensions), "");
  // Only the root followed by the end, "/", "?" or "#" is the site.
  EXPECT_EQ(FilterLink("http://host.evil/x.html", root, kExtensions), "");
  EXPECT_EQ(FilterLink("http://host:8080/x.html", root, kExtensions), "");
  EXPECT_EQ(FilterLink("http://hostile.dom/x.html", root, kExtensions), "");
  EXPECT_EQ(FilterLink("page.php?x=1", root, kExtensions), "");
  EXPECT_EQ(FilterLink("mailto:x", root, kExtensions), "");
  EXPECT_EQ(FilterLink("mailto:x@host.html", root, kExtensions), "");
  EXPECT_EQ(FilterLink("javascript:f().html", root, kExtensions), "");
  EXPECT_EQ(FilterLink("ftp://h/x.html", root, kExtensions), "");
  EXPECT_EQ(FilterLink("news.html", root, kExtensions), "news.html");
  EXPECT_EQ(SiteRoot("http://host:81/dir/p.html"), "http://host:81");
  EXPECT_EQ(SiteRoot("http://host"), "http://host");
  EXPECT_EQ(SiteRoot("https://host/x"), "https://host");
}

TEST(SiteLinks, FindsDoubleQuotedAnchorsAndFrameSources) {
  const std::string text =
      "<html><a href=\"one.html\">1</a> <A class=x HREF=\"two.htm\">2</A>"
      "<a href='single.html'>no</a><a\thref=\"tab.html\">no</a><area href=\"area.html\">"
      "<frameset><FRAME name=\"m\" src=\"frame.html\" scrolling=no><a href=\"open.html";
  EXPECT_EQ(FindLinks("http://host/", text, kExtensions),
            (std::vector<std::string>{"one.html", "two.htm", "frame.html"}));
  EXPECT_EQ(FindLinks("http://host/", "<a href=\"#top\"><a href=\"p.html#part\"><a href=\"q.html\"", kExtensions),
            std::vector<std::string>{});
}

TEST(SiteLinks, ResolveLinks) {
  EXPECT_EQ(ResolveLink("http://host/dir/p.html", "../x.htm", kExtensions), "http://host/x.htm");
  EXPECT_EQ(ResolveLink("http://host/p.html", "../../x.htm", kExtensions), "http://host/../../x.htm");
  EXPECT_EQ(ResolveLink("http://host/dir/p.html", "q.html", kExtensions), "http://host/dir/q.html");
  EXPECT_EQ(ResolveLink("http://host/dir/p.html", "./q.html", kExtensions), "http://host/dir/q.html");
  EXPECT_EQ(ResolveLink("http://host/dir/", "q.html", kExtensions), "http://host/dir/q.html");
  EXPECT_EQ(ResolveLink("http://host/dir", "q.html", kExtensions), "http://host/dir/q.html");
  EXPECT_EQ(ResolveLink("http://host", "q.html", kExtensions), "http://host/q.html");
  EXPECT_EQ(ResolveLink("http://host/a/b/p.html", "http://host/z.html", kExtensions), "http://host/z.html");
  // From the site root, not from the page's folder.
  EXPECT_EQ(ResolveLink("http://host:81/a/b/p.html", "/top.html", kExtensions), "http://host:81/top.html");
  // A host with a page-like ending is no file name.
  EXPECT_EQ(ResolveLink("http://www.example.pl", "a.html", kExtensions), "http://www.example.pl/a.html");
  EXPECT_EQ(ResolveLink("http://www.example.pl/", "a.html", kExtensions), "http://www.example.pl/a.html");
}

// A small site:
//   index.html -> b.html, A.html, a.html (A first: a is its duplicate),
//                 sub/c.html, absolute abs.html, other-port and foreign links,
//                 missing.html (404)
//   A.html -> /root.html, index.html, sub/c.html
//   sub/c.html -> ../b.html, d.html (404)
//   b.html -> missing.html
class SiteWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string base = site_.Base();
    site_.Page("/index.html",
               "<a href=\"b.html\">b</a><a href=\"A.html\">A</a><a href=\"a.html\">a</a>"
               "<a href=\"sub/c.html\">c</a><a href=\"" + base + "/abs.html\">abs</a>"
               "<a href=\"" + base + "0/port.html\">other port</a>"
               "<a href=\"http://other.dom/x.html\">foreign</a><a href=\"missing.html\">m</a>"
               "<a href=\"mailto:webmaster@site.dom\">mail</a><a href=\"img.gif\">gif</a>");
    site_.Page("/A.html", "<a href=\"/root.html\"><a href=\"index.html\"><a href=\"sub/c.html\">");
    site_.Page("/a.html", "never asked for");
    site_.Page("/root.html", "root");
    site_.Page("/sub/c.html", "<a href=\"../b.html\">up</a><a href=\"d.html\">d</a>");
    site_.Page("/b.html", "<a href=\"missing.html\">again</a>");
    site_.Page("/abs.html", "absolute");
  }
  std::vector<std::string> Lines(const platform::TStringList& list) {
    std::vector<std::string> v;
    for (int i = 0; i < list.Count(); ++i) v.push_back(list[i]);
    return v;
  }
  SiteServer site_;
  THttpClient client_;
};

TEST_F(SiteWalk, GoesDepthFirstThroughTheSortedLinksOfEachPage) {
  THTTPGetPage walker(client_);
  walker.SetSite(site_.Base() + "/index.html", "", "");
  walker.SetPageExtensions(kExtensions);
  platform::TStringList urls, failed;
  bool stop = false;
  walker.CrawlSiteCollectFailed(urls, failed, stop);
  EXPECT_FALSE(stop);
  EXPECT_EQ(site_.Paths(), (std::vector<std::string>{"/index.html", "/A.html", "/root.html", "/sub/c.html",
                                                     "/b.html", "/missing.html", "/sub/d.html", "/abs.html",
                                                     "/missing.html"}));
  const std::string b = site_.Base();
  EXPECT_EQ(Lines(urls), (std::vector<std::string>{b + "/A.html", b + "/abs.html", b + "/b.html",
                                                   b + "/index.html", b + "/root.html", b + "/sub/c.html"}));
  EXPECT_EQ(Lines(failed), (std::vector<std::string>{b + "/missing.html", b + "/sub/d.html"}));
}

TEST_F(SiteWalk, AStartUrlWithoutPathAsksForTheRoot) {
  site_.Page("/", "<a href=\"" + site_.Base() + "/root.html\">r</a>");
  THTTPGetPage walker(client_);
  walker.SetSite(site_.Base(), "", "");
  walker.SetPageExtensions(kExtensions);
  platform::TStringList urls;
  bool stop = false;
  walker.CrawlSite(urls, stop);
  EXPECT_EQ(site_.Paths(), (std::vector<std::string>{"/", "/root.html"}));
  EXPECT_EQ(Lines(urls), (std::vector<std::string>{site_.Base(), site_.Base() + "/root.html"}));
}

TEST_F(SiteWalk, AnUnreachableStartGivesOnlyAFailure) {
  THTTPGetPage walker(client_);
  const std::string start = site_.Base() + "/nothing.html";
  walker.SetSite(start, "", "");
  platform::TStringList urls, failed;
  bool stop = false;
  walker.CrawlSiteCollectFailed(urls, failed, stop);
  EXPECT_EQ(urls.Count(), 0);
  EXPECT_EQ(Lines(failed), std::vector<std::string>{start});
}

// Also with pages on their way ahead: those may reach the server, the walk
// ends all the same, and the client is free for the next request.
TEST_F(SiteWalk, ACancelReportedByTheProgressStopsAtTheNextLink) {
  for (const int ahead : {0, 3}) {
    struct Progress : TWalkProgress {
      std::vector<std::string> pages;
      int links = 0;
      void ShowPage(const std::string& url) override { pages.push_back(url); }
      bool NextLink() override { return ++links == 2; }
    } progress;
    THTTPGetPage walker(client_);
    walker.SetSite(site_.Base() + "/index.html", "", "");
    walker.SetPageExtensions(kExtensions);
    walker.SetProgress(&progress);
    walker.SetFetchAhead(ahead);
    platform::TStringList urls;
    bool stop = false;
    walker.CrawlSite(urls, stop);
    EXPECT_TRUE(stop);
    if (ahead == 0) {
      EXPECT_EQ(site_.Paths(), (std::vector<std::string>{"/index.html", "/A.html"}));
    }
    EXPECT_EQ(Lines(urls), (std::vector<std::string>{site_.Base() + "/A.html", site_.Base() + "/index.html"}));
    // The start is shown once before the walk and once as it is fetched.
    EXPECT_EQ(progress.pages, (std::vector<std::string>{site_.Base() + "/index.html", site_.Base() + "/index.html",
                                                        site_.Base() + "/A.html"}));
    EXPECT_EQ(FetchPageText(client_, site_.Base() + "/abs.html", "", "", {}), "absolute");
  }
}

// Fetching ahead changes when the server is asked, not what: the same
// pages in the same order for the walk, each page as often, the same bodies.
TEST_F(SiteWalk, FetchingAheadVisitsAndAsksForTheSamePages) {
  site_.Page("/root.html", std::string("root\0cut off"));
  struct Walk {
    std::vector<std::string> urls, failed, shown, paths, bodies;
  };
  auto walk = [&](int ahead) {
    struct Progress : TWalkProgress {
      std::vector<std::string> pages;
      void ShowPage(const std::string& url) override { pages.push_back(url); }
      bool NextLink() override { return false; }
    } progress;
    const size_t before = site_.Paths().size();
    TPageBodies bodies(1 << 20, "");
    THTTPGetPage walker(client_);
    walker.SetSite(site_.Base() + "/index.html", "", "");
    walker.SetPageExtensions(kExtensions);
    walker.SetProgress(&progress);
    walker.SetBodies(&bodies);
    walker.SetFetchAhead(ahead);
    platform::TStringList urls, failed;
    bool stop = false;
    walker.CrawlSiteCollectFailed(urls, failed, stop);
    Walk w{Lines(urls), Lines(failed), progress.pages, {}, {}};
    const std::vector<std::string> all = site_.Paths();
    w.paths.assign(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
    std::sort(w.paths.begin(), w.paths.end());
    for (const std::string& url : w.urls) {
      std::string body, type;
      EXPECT_TRUE(bodies.Take(url, body, type)) << url;
      w.bodies.push_back(type + ":" + body);
    }
    return w;
  };
  const Walk one = walk(0);
  const Walk ahead = walk(3);
  EXPECT_EQ(ahead.urls, one.urls);
  EXPECT_EQ(ahead.failed, one.failed);
  EXPECT_EQ(ahead.shown, one.shown);
  EXPECT_EQ(ahead.paths, one.paths);
  EXPECT_EQ(ahead.bodies, one.bodies);
  EXPECT_EQ(ahead.bodies[4], "text/html:root");
}

TEST_F(SiteWalk, TheFetcherSendsTheLoginAndProxyAndCutsAtAZeroByte) {
  site_.Reply("/z.html", std::string("HTTP/1.0 200 OK\r\n\r\nbefore\0after", 31));
  const std::string text = FetchPageText(client_, site_.Base() + "/z.html", "user", "pw", {});
  EXPECT_EQ(text, "before");
  EXPECT_NE(site_.Requests()[0].find("Authorization: Basic dXNlcjpwdw==\r\n"), std::string::npos);
  EXPECT_EQ(FetchPageText(client_, site_.Base() + "/none.html", "", "", {}), "");
  // Through the site server posing as proxy.
  const std::string viaProxy =
      FetchPageText(client_, "http://site.dom/abs.html", "", "", {"127.0.0.1", std::to_string(site_.Port()), "p", "q"});
  EXPECT_EQ(viaProxy, "");  // the proxy has no such URL
  EXPECT_EQ(site_.Requests().back().substr(0, 37), "GET http://site.dom/abs.html HTTP/1.0");
  EXPECT_NE(site_.Requests().back().find("Proxy-Authorization: Basic cDpx\r\n"), std::string::npos);
  EXPECT_EQ(client_.RcvdStream, nullptr);
}

// Another host's words must not be indexed under this site's address.
TEST_F(SiteWalk, APageMovedToAnotherSiteIsAFailedFetch) {
  site_.Reply("/away.html", "HTTP/1.0 302 Found\r\nLocation: http://localhost:" + std::to_string(site_.Port()) +
                                "/abs.html\r\n\r\n");
  site_.Reply("/here.html", "HTTP/1.0 302 Found\r\nLocation: " + site_.Base() + "/abs.html\r\n\r\n");
  std::string text;
  THTTPGetPage walker(client_);
  walker.SetSite(site_.Base() + "/index.html", "", "");
  EXPECT_TRUE(walker.FetchPage(site_.Base() + "/away.html", text));
  EXPECT_FALSE(walker.FetchPage(site_.Base() + "/here.html", text));
  EXPECT_EQ(text, "absolute");
  EXPECT_EQ(site_.Paths(), (std::vector<std::string>{"/away.html", "/here.html", "/abs.html"}));
}

TEST(DataModule, HoldsTheProgramsClientForTheWalker) {
  EXPECT_EQ(dtmHTTP(), nullptr);
  EXPECT_THROW(THTTPGetPage(), std::logic_error);
  {
    TdtmHTTP module;
    EXPECT_EQ(dtmHTTP(), &module);
    EXPECT_EQ(module.httpClient.Agent, "Mozilla/3.0 (compatible)");
    EXPECT_EQ(module.httpClient.ProxyPort, "80");
    THTTPGetPage walker;
    EXPECT_TRUE(walker.HasPageExtension("x.cfm"));  // the project default
  }
  EXPECT_EQ(dtmHTTP(), nullptr);
}

}  // namespace
