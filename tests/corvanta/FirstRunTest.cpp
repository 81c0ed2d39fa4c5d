// The first start: the settings load through Corvanta's main window shows
// the first-run dialog; what it keeps and what giving it up ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "corvanta/menue.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

// A fresh interactive start: the settings load shows the real first-run
// dialog through the main window, and its OK leaves the file holding what
// was entered.
TEST(FirstRun, FreshStartShowsTheFirstRunDialogAndOkSavesWhatWasEntered) {
  {
    BaseTestFolder folder;
    const std::string file = folder / "Corvanta.INI";
    corvanta::TMarbelkosteHaupt window;
    core::TLanguage language;
    core::TIni ini(file, true, language, window, true);
    window.SetSettings(&ini);
    platform::ScriptedUi ui;
    std::string caption;
    for (int i = 0; i < 4; ++i)
      ui.Push([&](platform::UiRequest& r) {
        if (r.kind != platform::UiKind::ModalForm) return int(platform::mrNo);
        caption = r.form->Caption();
        r.form->SetControlValue("edTextEditorParam", "-neu");
        r.form->SetControlValue("ckbHTMLEditor", "1");
        return int(platform::mrOk);
      });
    ini.LoadSettings();
    EXPECT_EQ(caption, "Quarvelin(tm) Corvanta - Arbeitsumgebung einstellen");
    const std::string text = platform::ReadFileBytes(file);
    EXPECT_NE(text.find("TextEditorParam=-neu\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("HTMLEditor=1\r\n"), std::string::npos) << text;
  }
}

// Giving the first-run dialog up ends the program: the main window asks the
// application to end, nothing entered there is kept, and the settings
// written on the way out make the next start no first run.
TEST(FirstRun, CancelEndsTheProgramAndTheNextStartIsNoFirstRun) {
  BaseTestFolder folder;
  const std::string file = folder / "Corvanta.INI";
  int forms = 0;
  const auto start = [&](bool exitAfterLoad) {
    corvanta::TMarbelkosteHaupt window;
    core::TLanguage language;
    core::TIni ini(file, !platform::FileExists(file), language, window, true);
    window.SetSettings(&ini);
    platform::ScriptedUi ui;
    for (int i = 0; i < 4; ++i)
      ui.Push([&](platform::UiRequest& r) {
        if (r.kind != platform::UiKind::ModalForm) return int(platform::mrNo);
        ++forms;
        r.form->SetControlValue("edTextEditorParam", "-weg");
        return int(platform::mrCancel);
      });
    ini.LoadSettings();
    MSG quit;
    const bool ending = PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    if (exitAfterLoad) ini.SaveSettings();
    return ending;
  };
  EXPECT_TRUE(start(true));
  EXPECT_EQ(forms, 1);
  EXPECT_EQ(platform::ReadFileBytes(file).find("-weg"), std::string::npos);
  EXPECT_FALSE(start(false));
  EXPECT_EQ(forms, 1);
}

}  // namespace
