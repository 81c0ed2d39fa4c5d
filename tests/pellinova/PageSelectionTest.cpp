// Pellinova's page selection: the search into the two lists, the moves
// between them, the source folder's effect on the selection, the drive
// question and what OK and Abbrechen leave in the project.
#include <gtest/gtest.h>

#include <cctype>

#include "pellinova/directory.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/pellinova/PellinovaFixture.h"

namespace {

using Lines = std::vector<std::string>;

class PageSelection : public pellinova_test::PellinovaFolder {
 protected:
  void SetUp() override {
    PellinovaFolder::SetUp();
    for (const char* f : {"a.htm", "b.html", "INDEX.HTM", "sub\\c.htm", ".git\\d.htm", "suche.htm", "suche\\e.htm",
                          "alt\\suche.htm"})
      Page(f, "x");
  }

  pellinova::TDirectoryDlg& Dialog(const std::vector<std::string>& pages) {
    Open(pages, "Dateiendungen=htm,html\r\n");
    desktop::PageSelectionServices services;
    services.viewPage = [this](const std::string& file) { viewed_.push_back(file); };
    dlg_ = std::make_unique<pellinova::TDirectoryDlg>(*project_, services);
    dlg_->FormShow();
    return *dlg_;
  }

  static Lines Pages(const pellinova::TProjekt& p) {
    Lines urls;
    for (const auto& page : p.Pages()) urls.push_back(page->url);
    return urls;
  }

  platform::ScriptedUi ui_;
  std::unique_ptr<pellinova::TDirectoryDlg> dlg_;
  Lines viewed_;
};

TEST_F(PageSelection, SearchFindsEachFileOnceWithoutTheSearchForm) {
  auto& dlg = Dialog({});
  EXPECT_EQ(dlg.lblAnzahlAusgewaehlt.Caption(), "  0 Dateien");
  dlg.btnEinlesenClick();
  // Not INDEX.HTM (case), not the dot folder, not the form's own files
  // wherever they lie, nothing below the target folder.
  EXPECT_EQ(dlg.lbxHTMLDateien.Items(), (Lines{"a.htm", "b.html", "sub\\c.htm"}));
  EXPECT_EQ(dlg.lblAnzahlAusgewaehlt.Caption(), "  3 Dateien");
  EXPECT_TRUE(dlg.btnLoeschen.Enabled());
  EXPECT_TRUE(ui_.Requests().empty());

  // The other tab lists only what is not selected, ignoring case.
  dlg.lbxHTMLDateien.Replace(0, "A.HTM");
  dlg.lbxHTMLDateien.Delete(1);
  dlg.btnEinlesenVerzeichnisClick();
  EXPECT_EQ(dlg.lbxVerzeichnisDateien.Items(), (Lines{"b.html"}));

  // Nothing found: the information with its help context.
  dlg.edDateiendungen.SetText("php");
  dlg.btnEinlesenClick();
  ASSERT_EQ(ui_.Requests().size(), 1u);
  EXPECT_EQ(ui_.Requests()[0].text, "Keine Dateien gefunden.");
  EXPECT_EQ(ui_.Requests()[0].helpContext, 319);
}

TEST_F(PageSelection, MovesGoToTheEndOfTheOtherListAndOkMergesInListOrder) {
  auto& dlg = Dialog({"sub\\c.htm", "alt.htm"});
  project_->Pages()[0]->AddChange("+behalten");
  dlg.btnEinlesenClick();
  for (int i = 0; i < 3; ++i) dlg.lbxHTMLDateien.SetSelected(i, true);
  dlg.lbxHTMLDateien.OnKeyDown(VK_DELETE);
  EXPECT_EQ(dlg.lbxHTMLDateien.Count(), 0);
  EXPECT_FALSE(dlg.btnLoeschen.Enabled());
  EXPECT_EQ(dlg.lbxVerzeichnisDateien.Items(), (Lines{"a.htm", "b.html", "sub\\c.htm"}));
  EXPECT_TRUE(dlg.btnAuswaehlenVerzeichnis.Enabled());

  // With none selected the current entry moves; the selected list keeps
  // the order of the moves.
  for (int i : {2, 0}) {
    for (int j = 0; j < dlg.lbxVerzeichnisDateien.Count(); ++j) dlg.lbxVerzeichnisDateien.SetSelected(j, false);
    dlg.lbxVerzeichnisDateien.SetItemIndex(i);
    dlg.btnAuswaehlenVerzeichnisClick();
  }
  EXPECT_EQ(dlg.lbxHTMLDateien.Items(), (Lines{"sub\\c.htm", "a.htm"}));
  EXPECT_EQ(dlg.lblAnzahlAusgewaehlt.Caption(), "  2 Dateien");

  dlg.FormClose();
  EXPECT_EQ(Pages(*project_), (Lines{"sub\\c.htm", "a.htm"}));
  EXPECT_EQ(project_->Pages()[0]->ChangeLogText(), "+behalten");
}

TEST_F(PageSelection, AnotherSourceFolderEmptiesTheSelectionAndViewsItsFiles) {
  auto& dlg = Dialog({"a.htm", "sub\\c.htm"});
  EXPECT_EQ(dlg.lbxHTMLDateien.Items(), (Lines{"a.htm", "sub\\c.htm"}));
  dlg.DirectoryListBox1.SetDirectory(siteDir_ + "\\sub");
  EXPECT_EQ(dlg.lbxHTMLDateien.Count(), 0);
  EXPECT_EQ(dlg.lblAnzahlAusgewaehlt.Caption(), "  0 Dateien");
  EXPECT_FALSE(dlg.btnAnsehen.Enabled());
  dlg.btnEinlesenClick();
  dlg.btnAnsehen.OnClick();
  EXPECT_EQ(viewed_, (Lines{siteDir_ + "\\sub\\c.htm"}));
  dlg.DirectoryListBox1.SetDirectory(siteDir_);
  EXPECT_EQ(dlg.lbxHTMLDateien.Items(), (Lines{"a.htm", "sub\\c.htm"}));
}

TEST_F(PageSelection, DifferentDrivesAskOnOkOnly) {
  auto& dlg = Dialog({});
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));
  dlg.DriveComboBox2.SetDrive('z');
  dlg.DriveComboBox2.OnChange();
  ASSERT_EQ(std::toupper(dlg.DirectoryListBox2.Drive()), 'Z');
  EXPECT_TRUE(dlg.CanClose(platform::mrCancel));
  EXPECT_TRUE(ui_.Requests().empty());
  ui_.Push(platform::mrNo);
  EXPECT_FALSE(dlg.CanClose(platform::mrOk));
  ui_.Push(platform::mrYes);
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));
  ASSERT_EQ(ui_.Requests().size(), 2u);
  EXPECT_EQ(ui_.Requests()[0].helpContext, 324);
}

TEST_F(PageSelection, CancelLeavesTheProjectAsItWas) {
  auto& dlg = Dialog({"a.htm"});
  dlg.DirectoryListBox1.SetDirectory(siteDir_ + "\\sub");
  dlg.btnEinlesenClick();
  ui_.Push(platform::mrCancel);
  EXPECT_EQ(dlg.Execute(), platform::mrCancel);
  EXPECT_EQ(project_->GetHTMLVerzeichnis(), siteDir_);
  EXPECT_EQ(Pages(*project_), (Lines{"a.htm"}));
}

}  // namespace
