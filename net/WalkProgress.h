#pragma once
// What the site walker tells the one who runs it, and how it learns that the
// user has cancelled. Web retrieval knows no window: the program puts its
// progress window behind this.
#include <string>

namespace net {

class TWalkProgress {
 public:
  virtual ~TWalkProgress() = default;
  // The page about to be fetched; the user interface may run here.
  virtual void ShowPage(const std::string& url) = 0;
  // One link further on a page; true when the user has cancelled the walk.
  virtual bool NextLink() = 0;
};

}  // namespace net
