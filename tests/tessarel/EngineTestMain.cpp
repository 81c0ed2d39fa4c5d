// The main of Tessarel's engine tests: the application is initialised as the
// program's start-up does, with Tessarel's texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/Texts.h"
#include "platform/gui/Application.h"
#include "tessarel/Texts.h"
#include "tests/support/OwnDesktop.h"

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  core::SetTextTable(tessarel::TextTable());
  platform::App().Initialize();
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  // An exception that escapes an event handler would otherwise end up in a
  // message box that nobody closes; here it fails the running test.
  platform::App().OnException = [](const std::exception& e) {
    ADD_FAILURE() << "exception in an event handler: " << e.what();
  };
  if (!guitest::CanCreateWindows()) return 1;
  return RUN_ALL_TESTS();
}
