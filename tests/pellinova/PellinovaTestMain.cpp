// The main of Pellinova's unit tests: the application initialised as
// Pellinova's start-up does, with its texts, its profile and its entities.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/Profile.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "fsctl/FsControls.h"
#include "pellinova/Texts.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/gui/Application.h"
#include "tests/support/OwnDesktop.h"

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  core::SetTextTable(pellinova::TextTable());
  core::SetProfile(pellinova::PellinovaProfile());
  core::Text().SetTradeEntity(true);
  platform::App().Initialize();
  fsctl::RegisterControlKinds();
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  platform::App().OnException = [](const std::exception& e) {
    ADD_FAILURE() << "exception in an event handler: " << e.what();
  };
  if (!guitest::CanCreateWindows()) return 1;
  return RUN_ALL_TESTS();
}
