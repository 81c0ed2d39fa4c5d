#pragma once
// Corvanta's pages for the index run: each page is fetched over HTTP with the
// site's login and the proxy of the settings. A page that cannot be fetched
// is an empty page, without a message: the run goes on with the others. A
// page in UTF-8 (by its reply's Content-Type, its META tag or its byte order
// mark) is handed on in code page 1252. A page that the walk before the run
// kept is taken from there instead of being fetched again.
#include <string>

#include "core/PageSource.h"
#include "net/UHTTP.h"

namespace corvanta {

class HttpPageSource : public core::PageSource {
 public:
  HttpPageSource(net::THttpClient& client, std::string user, std::string password, net::TProxySettings proxy,
                 net::TPageBodies* fetched = nullptr);

  std::string ReadPage(int position, const std::string& address, bool& abort) override;

 private:
  net::THttpClient& client_;
  std::string user_;
  std::string password_;
  net::TProxySettings proxy_;
  net::TPageBodies* fetched_;
};

}  // namespace corvanta
