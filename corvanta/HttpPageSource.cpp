#include "corvanta/HttpPageSource.h"

#include <utility>

namespace corvanta {

HttpPageSource::HttpPageSource(net::THttpClient& client, std::string user, std::string password,
                               net::TProxySettings proxy)
    : client_(client), user_(std::move(user)), password_(std::move(password)), proxy_(std::move(proxy)) {}

std::string HttpPageSource::ReadPage(int, const std::string& address, bool&) {
  return net::FetchPageText(client_, address, user_, password_, proxy_);
}

}  // namespace corvanta
