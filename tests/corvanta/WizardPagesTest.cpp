// The wizard's pages: what the name page proposes and refuses, what the site
// page writes on every closing, where the focus starts, and each page's help.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "coregui/CommandLine.h"
#include "corvanta/wizard.h"
#include "desktop/wizard.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/desktop/DesktopTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

struct WizardProject {
  desktoptest::ProjectFolder folder;
  std::unique_ptr<core::TProjekt> project = folder.Open(folder.WriteProject(
      "Meine Seite.ovk", "WebSite=http://alt/\r\nBenutzername=ich\r\nPasswort=geheim\r\n"));
  Lines pages;
  desktop::WizardServices services{[this] { return project.get(); }, [this](const std::string& page) {
                                      pages.push_back(page);
                                      return true;
                                    }};
};

TEST(WizardNamePage, ProposesTheOpenProjectsNameAndRefusesTheFirstBadCharacter) {
  WizardProject w;
  ASSERT_TRUE(w.project);
  desktop::TWizardProjektDlg page(w.services);
  page.Show();
  EXPECT_EQ(page.ProjectName(), "Meine Seite");

  platform::ScriptedUi ui;
  ui.Push(platform::mrOk);
  page.edProjektName.SetText("a:b/c");
  EXPECT_FALSE(page.CanClose(platform::mrOk));
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].text, "Zeichen \":\" ist unzul\xE4ssig.");
  EXPECT_EQ(ui.Requests()[0].helpContext, 317);
  EXPECT_EQ(ui.Requests()[0].buttons, platform::mbOK | platform::mbHelp);
  // Back and Abbrechen leave without a check.
  EXPECT_TRUE(page.CanClose(platform::mrYes));
  EXPECT_TRUE(page.CanClose(platform::mrCancel));
  page.edProjektName.SetText("Gut");
  EXPECT_TRUE(page.CanClose(platform::mrOk));
  EXPECT_EQ(ui.Requests().size(), 1u);

  // Without an open project the designed name stays.
  desktop::TWizardProjektDlg fresh({[] { return nullptr; }, {}});
  fresh.Show();
  EXPECT_EQ(fresh.ProjectName(), "Neues Projekt");
}

TEST(WizardSitePage, NeedsAnAddressToGoOnAndWritesTheFieldsOnEveryClosing) {
  WizardProject w;
  ASSERT_TRUE(w.project);
  corvanta::TWizardQuelleDlg page(w.services);
  page.Show();
  EXPECT_EQ(page.edWebsite.Text(), "http://alt/");
  EXPECT_EQ(page.edBenutzername.Text(), "ich");
  EXPECT_EQ(page.edPasswort.Text(), "geheim");

  platform::ScriptedUi ui;
  ui.Push(platform::mrOk);
  page.edWebsite.SetText("");
  EXPECT_FALSE(page.CanClose(platform::mrOk));
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].text, "Es wird eine URL ben\xF6tigt.");
  EXPECT_EQ(w.project->GetWebSite(), "http://alt/");

  // Back with the field empty still stores the scheme alone.
  EXPECT_TRUE(page.CanClose(platform::mrYes));
  ui.Push(platform::mrYes);
  EXPECT_EQ(page.Execute(), platform::mrYes);
  EXPECT_EQ(w.project->GetWebSite(), "http://");

  ui.Push([](platform::UiRequest& r) {
    r.form->SetControlValue("edWebsite", " HTTP://neu.de/ ");
    r.form->SetControlValue("edBenutzername", " du ");
    r.form->SetControlValue("edPasswort", " pw ");
    return platform::mrCancel;
  });
  page.Execute();
  EXPECT_EQ(w.project->GetWebSite(), "http://neu.de/");
  EXPECT_EQ(w.project->GetBenutzername(), "du");
  EXPECT_EQ(w.project->GetPasswort(), "pw");
}

TEST(WizardTargetPage, StartsAtTheTargetOrWhatIsLeftOfItAndStoresTheTreesFolder) {
  WizardProject w;
  ASSERT_TRUE(w.project);
  desktop::TWizardZielDlg page(w.services);
  const struct {
    std::string stored, shown, kept;
  } cases[] = {
      {w.folder.targetDir, w.folder.targetDir, w.folder.targetDir},
      {w.folder.targetDir + "\\weg\\tiefer", w.folder.targetDir, w.folder.targetDir},
      {"Z:", "Z:\\", "Z:"},
  };
  for (const auto& c : cases) {
    w.project->SetZielVerzeichnis(c.stored);
    page.Show();
    EXPECT_EQ(page.DirectoryListBox1.Directory(), c.shown) << c.stored;
    EXPECT_EQ(page.DriveComboBox1.Value(), std::string(1, static_cast<char>(tolower(c.shown[0])))) << c.stored;
    page.Hide();
    platform::ScriptedUi ui;
    ui.Push(platform::mrYes);
    page.Execute();
    EXPECT_EQ(w.project->GetZielVerzeichnis(), c.kept);
  }

  // A new folder below the chosen one: the tree moves into it.
  w.project->SetZielVerzeichnis(w.folder.targetDir);
  page.Show();
  platform::ScriptedUi ui;
  ui.Push([](platform::UiRequest& r) {
    r.form->SetControlValue("edWort", "Suche");
    return platform::mrOk;
  });
  page.BitBtn3.Click();
  EXPECT_EQ(page.DirectoryListBox1.Directory(), w.folder.targetDir + "\\Suche");
  page.Hide();
  ui.Push(platform::mrCancel);
  page.Execute();
  EXPECT_EQ(w.project->GetZielVerzeichnis(), w.folder.targetDir + "\\Suche");
}

// Every page of the wizard over one project.
struct WizardPageSet {
  WizardProject w;
  desktop::TWizardIntroProgrammDlg p1{w.services};
  desktop::TWizardIntroDlg p2{w.services};
  desktop::TWizardProjektDlg p3{w.services};
  corvanta::TWizardQuelleDlg p4{w.services};
  desktop::TWizardZielDlg p5{w.services};
  desktop::TWizardAnalyseDlg p6{w.services};
  desktop::TWizardFertigDlg p7{w.services};
};

TEST(WizardPages, EnterOnAFreshPageGoesOnOrIntoItsField) {
  WizardPageSet s;
  const struct {
    desktop::TWizardPage* page;
    const char* focused;
  } cases[] = {{&s.p1, "btnok"},     {&s.p2, "btnok"}, {&s.p3, "edProjektName"},
               {&s.p4, "edWebsite"}, {&s.p6, "btnok"}, {&s.p7, "btnok"}};
  for (const auto& c : cases) {
    c.page->Show();
    EXPECT_EQ(c.page->ActiveControl(), c.page->FindComponent(c.focused)) << c.page->ClassName();
    c.page->Hide();
  }
}

TEST(WizardPages, EachHelpButtonOpensItsAnchor) {
  WizardPageSet s;
  for (desktop::TWizardPage* page :
       std::initializer_list<desktop::TWizardPage*>{&s.p1, &s.p2, &s.p3, &s.p4, &s.p5, &s.p6, &s.p7})
    page->btnHilfe.Click();
  const std::string help = core::ProgramDirectory() + "hilfe\\assistent.htm#";
  EXPECT_EQ(s.w.pages, (Lines{help + "einfuehrungprogramm", help + "einfuehrungassistent", help + "projektname",
                              help + "html", help + "ziel", help + "analysestart", help + "fertig"}));
}

}  // namespace
