// The main of the class library's tests that open windows: the application
// is initialised as a program's start-up does, without the core or any
// program's texts (the library knows no application), on a desktop of its own
// (OwnDesktop.h).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/gui/Application.h"
#include "tests/support/OwnDesktop.h"

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  platform::App().Initialize();
  platform::App().SetTitle("Klassenbibliothek");
  // An exception that escapes an event handler would otherwise end up in a
  // message box that nobody closes; here it fails the running test.
  platform::App().OnException = [](const std::exception& e) {
    ADD_FAILURE() << "exception in an event handler: " << e.what();
  };
  if (!guitest::CanCreateWindows()) return 1;
  return RUN_ALL_TESTS();
}
