#include "net/UHTTP.h"

#include <stdexcept>
#include <vector>

#include "net/SiteLinks.h"
#include "net/dtmHTTP.h"

namespace net {

namespace {

THttpClient& ProgramClient() {
  TdtmHTTP* module = dtmHTTP();
  if (!module) throw std::logic_error("THTTPGetPage: the HTTP data module does not exist");
  return module->httpClient;
}

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
  };
  std::vector<Frame> pages;

  auto visit = [&](const std::string& url) {
    if (stop) return;
    ShowProgress(url);
    std::string text;
    if (FetchPage(url, text)) {
      FailedList.Add(url);
      return;
    }
    VisitedList.Add(url);
    platform::TStringList links;
    SetUpList(links);
    ExtractLinks(links, url, text);
    if (bodies_) bodies_->Put(url, std::move(text), client_.ContentType());
    Frame frame{url, {}, 0};
    frame.links.reserve(static_cast<size_t>(links.Count()));
    for (int i = 0; i < links.Count(); ++i) frame.links.push_back(links[i]);
    pages.push_back(std::move(frame));
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
    const std::string url = ResolveLink(pageUrl, link);
    if (!IsVisited(url)) visit(url);
  }
}

bool THTTPGetPage::FetchPage(const std::string& url, std::string& text) {
  TMemoryStream stream;
  bool failed = false;
  try {
    client_.URL = url;
    client_.Password = password_;
    client_.Username = user_;
    client_.Proxy = proxy_.host;
    client_.ProxyPort = proxy_.port;
    client_.ProxyPassword = proxy_.password;
    client_.ProxyUsername = proxy_.user;
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
