#pragma once
// The data module that holds the program's one HTTP client. The start-up
// creates it after the main window; every page fetch of the program goes
// through its httpClient.
#include "net/HttpClient.h"

namespace net {

class TdtmHTTP {
 public:
  TdtmHTTP();
  ~TdtmHTTP();
  TdtmHTTP(const TdtmHTTP&) = delete;
  TdtmHTTP& operator=(const TdtmHTTP&) = delete;

  THttpClient httpClient;
};

// The data module while one exists, nullptr otherwise.
TdtmHTTP* dtmHTTP();

}  // namespace net
