#pragma once
// Stand-in for the application object, for the page scanner's fuzz target
// only (see core/hinweis.h beside it): no messages to pump.
#include <string>

namespace platform {

class Application {
 public:
  void ProcessMessages() {}
  void ProcessMessagesNow() {}
};

inline Application& App() {
  static Application app;
  return app;
}

}  // namespace platform
