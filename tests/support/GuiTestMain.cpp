// The main of test programs that open windows: the application is
// initialised as a program's start-up does, with Corvanta's texts, on a
// desktop of its own (OwnDesktop.h).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/Texts.h"
#include "corvanta/Texts.h"
#include "fsctl/FsControls.h"
#include "platform/gui/Application.h"
#include "tests/support/OwnDesktop.h"

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  core::SetTextTable(corvanta::TextTable());
  platform::App().Initialize();
  fsctl::RegisterControlKinds();
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  // An exception that escapes an event handler would otherwise end up in a
  // message box that nobody closes; here it fails the running test.
  platform::App().OnException = [](const std::exception& e) {
    ADD_FAILURE() << "exception in an event handler: " << e.what();
  };
  if (!guitest::CanCreateWindows()) return 1;
  return RUN_ALL_TESTS();
}
