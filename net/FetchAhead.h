#pragma once
// Pages fetched ahead of a site walk: while the walk works through one page,
// the pages it is going to visit next are already on their way, each over a
// connection of its own. The walk still visits in its own order and asks
// for each page as it comes to it; it gets the page at once if it is here,
// or after the rest of its way.
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "net/HttpClient.h"

namespace net {

struct TFetchedPage {
  bool failed = true;
  std::string text;  // up to its first zero byte
  std::string contentType;
};

class TFetchAhead {
 public:
  // prepare sets a client up for a URL (the address, login and proxy); each
  // connection also takes model's other settings. Pages fetched and not yet
  // asked for hold at most memoryBudget bytes.
  TFetchAhead(const THttpClient& model, int connections, size_t memoryBudget,
              std::function<void(THttpClient&, const std::string&)> prepare);
  ~TFetchAhead();
  TFetchAhead(const TFetchAhead&) = delete;
  TFetchAhead& operator=(const TFetchAhead&) = delete;

  // Whether another page may be started now.
  bool CanStart() const;
  // Starts the page unless it is on its way or here already.
  void Start(const std::string& url);
  // Whether the page is on its way or here.
  bool Has(const std::string& url) const;
  // Waits for a page that Has and hands it over.
  TFetchedPage Take(const std::string& url);
  // Forgets the pages here that nobody will ask for.
  void Forget(const std::function<bool(const std::string& url)>& unwanted);

 private:
  struct Connection {
    std::unique_ptr<THttpClient> client;
    std::unique_ptr<TMemoryStream> body;
    std::string url;  // empty: free
  };

  void Collect(Connection& c);
  void CollectFinished();

  std::vector<Connection> connections_;
  std::unordered_map<std::string, TFetchedPage> here_;
  size_t bytesHere_ = 0;
  size_t budget_;
  std::function<void(THttpClient&, const std::string&)> prepare_;
};

}  // namespace net
