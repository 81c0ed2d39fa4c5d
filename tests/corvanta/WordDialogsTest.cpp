// The shared word dialogs through the modal seam: scripted answers, form
// assignments and button presses, and what each leaves in the project.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CommandLine.h"
#include "core/Texts.h"
#include "corvanta/SharedForms.h"
#include "corvanta/neueswort.h"
#include "corvanta/ueber.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/gui/TestingUi.h"

namespace {

using Lines = std::vector<std::string>;

// A modal form's answer: the assignments in order, then the result.
platform::ScriptedUi::Handler Answer(int result, std::vector<std::pair<std::string, std::string>> assignments) {
  return [result, assignments](platform::UiRequest& r) {
    for (const auto& [name, value] : assignments) {
      EXPECT_TRUE(r.form->SetControlValue(name, value)) << r.caption << ": " << name;
    }
    return result;
  };
}

TEST(WordEntry, GivesTheTypedWordOnOkOnly) {
  platform::ScriptedUi ui;
  std::string shown;
  ui.Push([&](platform::UiRequest& r) {
    shown = r.form->GetControlValue("edWort").value_or("?");
    r.form->SetControlValue("edWort", "Neu");
    return platform::mrOk;
  });
  ui.Push(Answer(platform::mrCancel, {{"edWort", "weg"}}));
  EXPECT_EQ(corvanta::AskWord("Wort editieren", "alt"), "Neu");
  EXPECT_EQ(shown, "alt");
  EXPECT_EQ(corvanta::AskWord("Neues Wort eingeben", ""), std::nullopt);
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[0].caption, "Wort editieren");
  EXPECT_EQ(ui.Requests()[1].caption, "Neues Wort eingeben");
}

TEST(AboutBox, ShowsTheVersionAndOpensTheProjectPages) {
  Lines pages;
  corvanta::TUeberDlg about(corvanta::SharedLayouts{}.about, [&](const std::string& page) {
    pages.push_back(page);
    return true;
  });
  EXPECT_EQ(about.lblVersion.Caption(), core::LoadStr(core::Txt::ProgramVersion));
  about.BtnHomepage.Click();
  about.btnEmail.Click();
  const std::string dir = core::ProgramDirectory();
  EXPECT_EQ(pages, (Lines{dir + "..\\homepage\\index.htm", dir + "..\\homepage\\mail.htm"}));
}

}  // namespace
