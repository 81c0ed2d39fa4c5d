#include "net/dtmHTTP.h"

namespace net {

namespace {
TdtmHTTP* g_instance = nullptr;
}

TdtmHTTP::TdtmHTTP() {
  httpClient.ProxyPort = "80";
  httpClient.Agent = "Mozilla/3.0 (compatible)";
  httpClient.Accept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
  httpClient.NoCache = false;
  httpClient.ContentTypePost = "application/x-www-form-urlencoded";
  httpClient.SetMultiThreaded(false);
  g_instance = this;
}

TdtmHTTP::~TdtmHTTP() {
  if (g_instance == this) g_instance = nullptr;
}

TdtmHTTP* dtmHTTP() { return g_instance; }

}  // namespace net
