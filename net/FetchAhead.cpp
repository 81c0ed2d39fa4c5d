#include "net/FetchAhead.h"

#include <stdexcept>
#include <utility>

#include "platform/gui/Application.h"

namespace net {

namespace {

void CopySettings(const THttpClient& from, THttpClient& to) {
  to.Sender = from.Sender;
  to.Agent = from.Agent;
  to.Accept = from.Accept;
  to.Reference = from.Reference;
  to.NoCache = from.NoCache;
  to.ModifiedSince = from.ModifiedSince;
  to.Cookie = from.Cookie;
  to.Timeout = from.Timeout;
  to.TotalTimeout = from.TotalTimeout;
  to.MaxBodySize = from.MaxBodySize;
}

}  // namespace

TFetchAhead::TFetchAhead(const THttpClient& model, int connections, size_t memoryBudget,
                         std::function<void(THttpClient&, const std::string&)> prepare)
    : budget_(memoryBudget), prepare_(std::move(prepare)) {
  for (int i = 0; i < connections; ++i) {
    Connection c{std::make_unique<THttpClient>(), std::make_unique<TMemoryStream>(), {}};
    CopySettings(model, *c.client);
    connections_.push_back(std::move(c));
  }
}

// A request still under way ends with its client: the socket closes and
// nothing of it reaches the walk.
TFetchAhead::~TFetchAhead() = default;

bool TFetchAhead::CanStart() const {
  if (bytesHere_ >= budget_) return false;
  for (const Connection& c : connections_)
    if (c.url.empty()) return true;
  return false;
}

void TFetchAhead::Start(const std::string& url) {
  if (Has(url)) return;
  for (Connection& c : connections_) {
    if (!c.url.empty()) continue;
    c.url = url;
    c.body = std::make_unique<TMemoryStream>();
    try {
      prepare_(*c.client, url);
      c.client->RcvdStream = c.body.get();
      c.client->RequestStart(RequestGet);
    } catch (...) {
      // Failed before it began: the walk learns it when it asks.
      c.client->RcvdStream = nullptr;
      here_[url] = TFetchedPage{};
      c.url.clear();
    }
    return;
  }
}

bool TFetchAhead::Has(const std::string& url) const {
  if (here_.count(url)) return true;
  for (const Connection& c : connections_)
    if (c.url == url) return true;
  return false;
}

// A finished request becomes a page here, as the walk's own fetch would
// have made it, and its connection is free again.
void TFetchAhead::Collect(Connection& c) {
  TFetchedPage page;
  THttpClient& client = *c.client;
  client.RcvdStream = nullptr;
  page.failed = client.StatusCode() >= 400;
  if (!page.failed) {
    page.text = c.body->TakeData();
    const size_t end = page.text.find('\0');
    if (end != std::string::npos) page.text.resize(end);
    page.contentType = client.ContentType();
  }
  bytesHere_ += page.text.size();
  here_[c.url] = std::move(page);
  c.url.clear();
}

void TFetchAhead::CollectFinished() {
  for (Connection& c : connections_)
    if (!c.url.empty() && c.client->State() == HttpIdle) Collect(c);
}

TFetchedPage TFetchAhead::Take(const std::string& url) {
  for (;;) {
    CollectFinished();
    if (const auto it = here_.find(url); it != here_.end()) {
      TFetchedPage page = std::move(it->second);
      here_.erase(it);
      bytesHere_ -= page.text.size();
      return page;
    }
    if (!Has(url)) throw std::logic_error("TFetchAhead::Take: the page was never started");
    platform::App().ProcessMessagesNow();
    CollectFinished();
    if (here_.count(url)) continue;
    // Sleep on the queue: every step of a request arrives as a message.
    MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void TFetchAhead::Forget(const std::function<bool(const std::string& url)>& unwanted) {
  CollectFinished();
  for (auto it = here_.begin(); it != here_.end();) {
    if (unwanted(it->first)) {
      bytesHere_ -= it->second.text.size();
      it = here_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace net
