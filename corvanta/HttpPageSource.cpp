#include "corvanta/HttpPageSource.h"

#include <utility>

#include "core/Utf8.h"

namespace corvanta {

HttpPageSource::HttpPageSource(net::THttpClient& client, std::string user, std::string password,
                               net::TProxySettings proxy, net::TPageBodies* fetched)
    : client_(client),
      user_(std::move(user)),
      password_(std::move(password)),
      proxy_(std::move(proxy)),
      fetched_(fetched) {}

std::string HttpPageSource::ReadPage(int, const std::string& address, bool&) {
  std::string text, contentType;
  if (fetched_ && fetched_->Take(address, text, contentType)) return core::PageAsAnsi(std::move(text), contentType);
  text = net::FetchPageText(client_, address, user_, password_, proxy_);
  // The reply's charset comes before what the page itself declares, as in
  // the browser.
  return core::PageAsAnsi(std::move(text), client_.ContentType());
}

}  // namespace corvanta
