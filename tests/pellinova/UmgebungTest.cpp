// Pellinova's environment dialogs: Corvanta's with Pellinova's texts and no
// proxy; the first-run dialog shown by a fresh start.
#include <gtest/gtest.h>

#include <string>

#include "coregui/ULanguage.h"
#include "coregui/ini.h"
#include "desktop/umgebung.h"
#include "pellinova/SharedForms.h"
#include "pellinova/menue.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Label.h"
#include "platform/gui/TestingUi.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

TEST(PellinovaUmgebung, FirstRunAndEnvironmentDialogsNamePellinovaAndHaveNoProxy) {
  {
    BaseTestFolder folder;
    const std::string file = folder / "Pellinova.INI";
    pellinova::TMarbelkosteHaupt window;
    core::TLanguage language;
    core::TIni ini(file, true, language, window, false);
    platform::ScriptedUi ui;
    std::string caption, text;
    for (int i = 0; i < 4; ++i)
      ui.Push([&](platform::UiRequest& r) {
        if (r.kind != platform::UiKind::ModalForm) return int(platform::mrNo);
        caption = r.form->Caption();
        text = r.form->Find<platform::Label>("lblText1").Caption();
        r.form->SetControlValue("edWWWBrowserParam", "-p");
        return int(platform::mrOk);
      });
    ini.LoadSettings();
    EXPECT_EQ(caption, "Quarvelin(tm) Pellinova - Arbeitsumgebung einstellen");
    EXPECT_EQ(text.substr(0, 46), "Sie haben Pellinova zum ersten Mal gestartet. ");
    EXPECT_NE(platform::ReadFileBytes(file).find("WWWBrowserParam=-p\r\n"), std::string::npos);

    desktop::TUmgebungDlg dlg(pellinova::SharedLayouts().environment, ini, {}, false);
    EXPECT_EQ(dlg.Caption(), "Quarvelin(tm) Pellinova - Arbeitsumgebung");
    EXPECT_FALSE(dlg.tasProxy.TabVisible());
  }
}

}  // namespace
