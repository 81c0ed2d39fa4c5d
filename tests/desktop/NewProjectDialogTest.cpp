// The new-project dialog: the template list it opens with, the details of
// the chosen template, and the checks of the name when it closes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/projektneu.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using Lines = std::vector<std::string>;

struct ProgramFolder {
  ProgramFolder() {
    for (const char* name : {"Search_Standard", "vorschau\\Search_Standard", "Blau", ".alt"})
      platform::ForceDirectories(root + "\\" + name);
    platform::ForceDirectories(dir / "projekte");
    platform::WriteFileBytes(root + "\\Search_Standard\\Pellinova.ini",
                             "[vorlage]\r\nBeschreibung=Die Standardsuche\r\nAutor=Ich\r\nVersion=2.1\r\n");
    platform::WriteFileBytes(root + "\\vorschau\\Search_Standard\\p_index.htm", "<html></html>");
    platform::WriteFileBytes(dir / "projekte\\Da.ovk", "");
  }
  BaseTestFolder dir;
  std::string programDir = dir.Path() + "\\";
  std::string root = dir / "vorlage";
  Lines pages;
  std::function<bool(const std::string&)> browser = [this](const std::string& page) {
    pages.push_back(page);
    return true;
  };
};

TEST(NewProjectDialog, OpensAtTheStandardTemplateWithItsDetailsAndPreview) {
  ProgramFolder p;
  desktop::TprojektNeuDlg dlg(p.programDir, ".ovk", p.browser);
  EXPECT_EQ(dlg.lbxVorlagen.Items(), (Lines{"Blau", "Search_Standard"}));
  EXPECT_EQ(dlg.GetTemplateFolder(), p.root + "\\Search_Standard");
  EXPECT_EQ(dlg.meoBeschreibung.Text(), "Die Standardsuche");
  EXPECT_EQ(dlg.edAutor.Text(), "Ich");
  EXPECT_EQ(dlg.edVersion.Text(), "2.1");
  EXPECT_EQ(dlg.GetNewProjectName(), "Search_Standard");
  EXPECT_TRUE(dlg.btnVorschau.Enabled());
  dlg.btnVorschau.Click();

  // A template without descriptor or preview.
  dlg.lbxVorlagen.SetValue("Blau");
  EXPECT_EQ(dlg.GetNewProjectName(), "Blau");
  EXPECT_EQ(dlg.edAutor.Text(), "");
  EXPECT_FALSE(dlg.btnVorschau.Enabled());
  dlg.btnHilfe.Click();
  EXPECT_EQ(p.pages, (Lines{p.root + "\\vorschau\\Search_Standard\\p_index.htm", p.programDir + "hilfe\\projektneu.htm"}));

  // No template folder at all: nothing to create a project from.
  BaseTestFolder empty;
  desktop::TprojektNeuDlg none(empty.Path() + "\\", ".ovk", {});
  EXPECT_EQ(none.lbxVorlagen.Count(), 0);
  EXPECT_FALSE(none.btnok.Enabled());
}

TEST(NewProjectDialog, NameChecksWarnPerKindAndCancelOnAWarningEndsTheDialog) {
  ProgramFolder p;
  desktop::TprojektNeuDlg dlg(p.programDir, ".ovk", {});
  platform::ScriptedUi ui;
  const auto texts = [&] {
    Lines t;
    for (const auto& r : ui.Requests()) t.push_back(r.text + "|" + std::to_string(r.helpContext));
    return t;
  };

  dlg.edProjekt.SetText("a:b/c");
  ui.Push(platform::mrOk);
  ui.Push(platform::mrOk);
  EXPECT_FALSE(dlg.CanClose(platform::mrOk));
  EXPECT_EQ(texts(), (Lines{"Zeichen \":\" ist unzul\xE4ssig.|317", "Zeichen \"/\" ist unzul\xE4ssig.|317"}));

  // The existing project: OK returns to the name, Cancel ends without one.
  dlg.edProjekt.SetText("Da");
  ui.Push(platform::mrOk);
  EXPECT_FALSE(dlg.CanClose(platform::mrOk));
  ui.Push(platform::mrCancel);
  dlg.SetModalResult(platform::mrOk);
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));
  EXPECT_EQ(dlg.ModalResult(), platform::mrCancel);
  EXPECT_EQ(ui.Requests().back().text, "Projekt existiert schon.");
  EXPECT_EQ(ui.Requests().back().helpContext, 323);
  EXPECT_EQ(ui.Requests().back().buttons, platform::mbOK | platform::mbCancel | platform::mbHelp);

  // A name with an extension of its own is looked for as typed.
  const size_t asked = ui.Requests().size();
  dlg.edProjekt.SetText("Da.txt");
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));
  EXPECT_TRUE(dlg.CanClose(platform::mrCancel));
  EXPECT_EQ(ui.Requests().size(), asked);
}

}  // namespace
