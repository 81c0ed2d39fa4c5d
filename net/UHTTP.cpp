#include "net/UHTTP.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "net/FetchAhead.h"
#include "net/SiteLinks.h"
#include "net/dtmHTTP.h"

namespace net {

namespace {

THttpClient& ProgramClient() {
  TdtmHTTP* module = dtmHTTP();
  if (!module) throw std::logic_error("THTTPGetPage: the HTTP data module does not exist");
  return module->httpClient;
}

// What the pages fetched ahead may hold before the walk has asked for them.
constexpr size_t kFetchedAheadBudget = 8u << 20;

void SetUpList(platform::TStringList& list) {
  list.SetSorted(true);
  list.SetDuplicates(platform::TDuplicates::dupIgnore);
  list.SetCaseSensitive(false);
}

}  // namespace

THTTPGetPage::THTTPGetPage() : THTTPGetPage(ProgramClient()) {}

THTTPGetPage::THTTPGetPage(THttpClient& client)
    : client_(client), extensions_(kDefaultPageExtensions) {
  SetUpList(VisitedList);
  SetUpList(FailedList);
}

void THTTPGetPage::SetSite(const std::string& startUrl, const std::string& user, const std::string& password) {
  startUrl_ = startUrl;
  user_ = user;
  password_ = password;
}

void THTTPGetPage::SetProxy(const std::string& host, const std::string& port, const std::string& user,
                            const std::string& password) {
  proxy_ = {host, port, user, password};
}

void THTTPGetPage::SetProgress(TWalkProgress* progress) { progress_ = progress; }

void THTTPGetPage::SetPageExtensions(const std::string& extensions) { extensions_ = extensions; }

void THTTPGetPage::SetBodies(TPageBodies* bodies) { bodies_ = bodies; }

void THTTPGetPage::SetFetchAhead(int connections) { fetchAhead_ = connections; }

void THTTPGetPage::CrawlSite(platform::TStringList& urls, bool& stop) {
  platform::TStringList failed;
  CrawlSiteCollectFailed(urls, failed, stop);
}

void THTTPGetPage::CrawlSiteCollectFailed(platform::TStringList& urls, platform::TStringList& failed, bool& stop) {
  ShowProgress(startUrl_);
  VisitedList.Clear();
  FailedList.Clear();
  CrawlPage(startUrl_, stop);
  urls.Assign(VisitedList);
  failed.Assign(FailedList);
}

// Depth-first, each page's links in alphabetical order. The pages under way
// are kept on a stack of our own: a long chain of links must not exhaust the
// call stack.
void THTTPGetPage::CrawlPage(const std::string& startUrl, bool& stop) {
  struct Frame {
    std::string url;
    std::vector<std::string> links;
    size_t next = 0;
    size_t scanned = 0;  // links looked at for fetching ahead
  };
  std::vector<Frame> pages;

  std::unique_ptr<TFetchAhead> ahead;
  if (fetchAhead_ > 0)
    ahead = std::make_unique<TFetchAhead>(client_, fetchAhead_, kFetchedAheadBudget,
                                          [this](THttpClient& client, const std::string& url) { Prepare(client, url); });
  // The pages next in the walk's order: the links of the newest page first,
  // then those left on the pages below it. Each link is looked at once.
  auto fetchAhead = [&] {
    if (!ahead) return;
    // A page reached meanwhile under another spelling is never asked for.
    ahead->Forget([this](const std::string& url) { return IsVisited(url); });
    for (size_t f = pages.size(); f-- > 0 && ahead->CanStart();) {
      Frame& frame = pages[f];
      frame.scanned = std::max(frame.scanned, frame.next);
      while (frame.scanned < frame.links.size() && ahead->CanStart()) {
        const std::string url = ResolveLink(frame.url, frame.links[frame.scanned++]);
        if (!IsVisited(url)) ahead->Start(url);
      }
    }
  };

  // A page visited brings links to fetch ahead; they start at the next link
  // the user lets the walk go on to, never after a cancel.
  bool refill = false;
  auto visit = [&](const std::string& url) {
    if (stop) return;
    ShowProgress(url);
    fetchAhead();
    std::string text, contentType;
    bool failed = false;
    if (ahead && ahead->Has(url)) {
      TFetchedPage page = ahead->Take(url);
      failed = page.failed;
      text = std::move(page.text);
      contentType = std::move(page.contentType);
    } else {
      failed = FetchPage(url, text);
      contentType = client_.ContentType();
    }
    if (failed) {
      FailedList.Add(url);
      return;
    }
    VisitedList.Add(url);
    platform::TStringList links;
    SetUpList(links);
    ExtractLinks(links, url, text);
    if (bodies_) bodies_->Put(url, std::move(text), std::move(contentType));
    Frame frame{url, {}, 0, 0};
    frame.links.reserve(static_cast<size_t>(links.Count()));
    for (int i = 0; i < links.Count(); ++i) frame.links.push_back(links[i]);
    pages.push_back(std::move(frame));
    refill = true;
  };

  visit(startUrl);
  while (!pages.empty() && !stop) {
    Frame& top = pages.back();
    if (top.next >= top.links.size()) {
      pages.pop_back();
      continue;
    }
    const std::string link = top.links[top.next++];
    const std::string pageUrl = top.url;
    if (progress_ && progress_->NextLink()) {
      stop = true;
      return;
    }
    if (refill) {
      refill = false;
      fetchAhead();
    }
    const std::string url = ResolveLink(pageUrl, link);
    if (!IsVisited(url)) visit(url);
  }
}

bool THTTPGetPage::FetchPage(const std::string& url, std::string& text) {
  TMemoryStream stream;
  bool failed = false;
  try {
    Prepare(client_, url);
    client_.RcvdStream = &stream;
    client_.Get();
    text = stream.TakeData();
    const size_t end = text.find('\0');
    if (end != std::string::npos) text.resize(end);
  } catch (...) {
    failed = true;
    text.clear();
  }
  // The stream ends here; the client must not keep writing to it.
  client_.RcvdStream = nullptr;
  return failed;
}

void THTTPGetPage::Prepare(THttpClient& client, const std::string& url) const {
  client.URL = url;
  client.Password = password_;
  client.Username = user_;
  client.Proxy = proxy_.host;
  client.ProxyPort = proxy_.port;
  client.ProxyPassword = proxy_.password;
  client.ProxyUsername = proxy_.user;
  // A page that moved to another site is no page of this one.
  client.KeepToSite = true;
}

void THTTPGetPage::ShowProgress(const std::string& url) {
  try {
    if (progress_) progress_->ShowPage(url);
  } catch (...) {
  }
}

bool THTTPGetPage::IsVisited(const std::string& url) const { return VisitedList.IndexOf(url) >= 0; }

bool THTTPGetPage::HasPageExtension(const std::string& url) const { return net::HasPageExtension(url, extensions_); }

std::string THTTPGetPage::ResolveLink(const std::string& pageUrl, const std::string& link) const {
  return net::ResolveLink(pageUrl, link, extensions_);
}

void THTTPGetPage::ExtractLinks(platform::TStringList& list, const std::string& pageUrl,
                                const std::string& text) const {
  for (const std::string& link : FindLinks(pageUrl, text, extensions_)) list.Add(link);
}

std::string FetchPageText(THttpClient& client, const std::string& url, const std::string& user,
                          const std::string& password, const TProxySettings& proxy) {
  THTTPGetPage page(client);
  page.SetSite(url, user, password);
  page.SetProxy(proxy.host, proxy.port, proxy.user, proxy.password);
  std::string text;
  if (page.FetchPage(url, text)) return {};
  return text;
}

}  // namespace net
