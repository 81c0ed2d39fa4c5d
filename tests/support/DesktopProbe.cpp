// Brings up the desktop process of the prefix's default desktop for a test
// run and waits until it serves: run by scripts/wine-prefix.sh --ready with
// its output going nowhere, so that the desktop process holds no test's
// output open. Exit code 0 when the desktop has its driver within minutes.
#include <windows.h>

#include "tests/support/WineDesktop.h"

int main() {
  for (int i = 0; i < 1800; ++i) {
    if (guitest::DesktopHasDriver()) return 0;
    Sleep(100);
  }
  return 1;
}
