// The main of the tests of Tessarel's windows: the application initialised
// as the program's start-up does, with Tessarel's texts and the file-system
// controls.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/Texts.h"
#include "fsctl/FsControls.h"
#include "platform/gui/Application.h"
#include "tessarel/Texts.h"
#include "tests/support/OwnDesktop.h"

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  core::SetTextTable(tessarel::TextTable());
  platform::App().Initialize();
  fsctl::RegisterControlKinds();
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  platform::App().OnException = [](const std::exception& e) {
    ADD_FAILURE() << "exception in an event handler: " << e.what();
  };
  if (!guitest::CanCreateWindows()) return 1;
  return RUN_ALL_TESTS();
}
