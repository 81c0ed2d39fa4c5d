// The window-less rules of the project dialogs: folder starts, the count,
// deleting from the page list, name checks and the template list.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "DesktopTestSupport.h"
#include "desktop/FolderStart.h"
#include "desktop/NewProject.h"
#include "desktop/PageSelection.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/gui/TestingUi.h"

namespace {

using Lines = std::vector<std::string>;
using core::Txt;

TEST(ReachableFolder, BareDriveIsItsRootAndAMissingFolderFallsBackToItsParentsThenTheRoot) {
  const std::set<std::string> existing = {"C:\\web", "C:\\web\\suche", "D:\\ziel"};
  const auto exists = [&](const std::string& f) { return existing.count(f) > 0; };
  const struct {
    std::string stored, start;
  } cases[] = {
      {"D:", "D:\\"},
      {"d:\\", "d:\\"},
      {"C:\\web\\suche", "C:\\web\\suche"},
      {"C:\\web\\suche\\", "C:\\web\\suche"},
      {"C:\\web\\alt\\tiefer", "C:\\web"},
      {"C:\\weg", "C:\\"},
      {"E:\\nirgends\\da", "E:\\"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(desktop::ReachableFolder(c.stored, exists), c.start) << c.stored;
  EXPECT_EQ(desktop::StoredFolder("D:\\"), "D:");
  EXPECT_EQ(desktop::StoredFolder("C:\\web"), "C:\\web");
}

TEST(AskNewFolder, AsksAgainAfterAFolderThatCannotBeMadeAndGivesNoneOnCancel) {
  BaseTestFolder dir;
  platform::ScriptedUi ui;
  std::vector<std::string> proposed;
  const auto type = [&](std::string name) {
    return [&proposed, name](platform::UiRequest& r) {
      proposed.push_back(r.form->GetControlValue("edWort").value_or("?"));
      r.form->SetControlValue("edWort", name);
      return platform::mrOk;
    };
  };
  ui.Push(type("fehlt\\tief"));
  ui.Push(platform::mrOk);  // the warning
  ui.Push(type("Suche"));
  EXPECT_EQ(desktop::AskNewFolder(dir.Path() + "\\"), dir / "Suche");
  EXPECT_TRUE(platform::DirectoryExists(dir / "Suche"));
  EXPECT_EQ(proposed, (Lines{"Quarvelin-Suchformular", "fehlt\\tief"}));
  ASSERT_EQ(ui.Requests().size(), 3u);
  EXPECT_EQ(ui.Requests()[0].caption, "Neues Verzeichnis eingeben");
  EXPECT_EQ(ui.Requests()[1].helpContext, 902);

  ui.Push(platform::mrCancel);
  EXPECT_EQ(desktop::AskNewFolder(dir.Path()), "");
  EXPECT_FALSE(ui.RanDry());
}

TEST(PageCountText, RightAlignsTheCountInThreeCharacters) {
  EXPECT_EQ(desktop::PageCountText(5), "  5 Web-Seiten");
  EXPECT_EQ(desktop::PageCountText(0), "  0 Web-Seiten");
  EXPECT_EQ(desktop::PageCountText(1234), "1234 Web-Seiten");
}

TEST(PlanDeletion, SelectedEntriesGoOrElseTheCurrentOneAndTheEntryBelowBecomesCurrent) {
  const struct {
    int count;
    std::vector<int> selected;
    int current;
    std::vector<int> deleted;
    int after;
  } cases[] = {
      {10, {2, 3, 5}, 0, {2, 3, 5}, 3},  // the entry below the last removed one
      {5, {4, 1}, 2, {1, 4}, 2},         // the last removed was the last: the new last
      {3, {}, 1, {1}, 1},
      {3, {}, 2, {2}, 1},
      {2, {0, 1}, 0, {0, 1}, -1},
      // Nothing selected and no current entry (after Esc): nothing goes.
      {3, {}, -1, {}, -1},
      {0, {}, -1, {}, -1},
  };
  for (const auto& c : cases) {
    const desktop::Deletion plan = desktop::PlanDeletion(c.count, c.selected, c.current);
    EXPECT_EQ(plan.deleted, c.deleted) << c.count << "/" << c.current;
    EXPECT_EQ(plan.current, c.after) << c.count << "/" << c.current;
  }
}

TEST(NameWarnings, OnePerKindOfBadCharacterInOrderThenTheExistingFile) {
  using W = std::vector<std::pair<Txt, int>>;
  const auto warnings = [](std::string_view name, bool exists) {
    W out;
    for (const auto& w : desktop::NameWarnings(name, exists)) out.emplace_back(w.text, w.helpContext);
    return out;
  };
  EXPECT_EQ(warnings("Neu", false), W{});
  EXPECT_EQ(warnings("a/b:c/d", false), (W{{Txt::MsgNameColon, 317}, {Txt::MsgNameSlash, 317}}));
  EXPECT_EQ(warnings("a\\b:c", true),
            (W{{Txt::MsgNameBackslash, 317}, {Txt::MsgNameColon, 317}, {Txt::MsgProjectExists, 323}}));
  EXPECT_EQ(core::LoadStr(Txt::MsgNameBackslash), "Zeichen \"\\\" ist unzul\xE4ssig.");
}

TEST(ProjectNames, FileOfANameAndNameOfAFile) {
  EXPECT_EQ(desktop::ProjectFileFor("C:\\p\\projekte", "Neu", ".ovk"), "C:\\p\\projekte\\Neu.ovk");
  // A name with an extension of its own is taken as typed.
  EXPECT_EQ(desktop::ProjectFileFor("C:\\p\\projekte", "neu.txt", ".ovk"), "C:\\p\\projekte\\neu.txt");
  EXPECT_EQ(desktop::ProposedProjectName("C:\\p\\projekte\\Meine Seite.ovk"), "Meine Seite");
  EXPECT_EQ(desktop::ProposedProjectName("C:\\x.y\\a.ovk"), "a");
  EXPECT_EQ(desktop::ProposedProjectName("C:\\p\\ohne"), "ohne");
}

TEST(Templates, SubFoldersButHiddenAndPreviewStandardChosenDescriptorRead) {
  desktoptest::ProjectFolder f;
  const std::string root = desktop::TemplateRoot(f.programDir);
  EXPECT_EQ(root, f.folder / "vorlage");
  for (const char* name : {"Search_Standard", "vorschau", "Blau", ".svn"})
    platform::ForceDirectories(root + "\\" + name);
  platform::WriteFileBytes(root + "\\liesmich.txt", "");
  EXPECT_EQ(desktop::TemplateNames(root), (Lines{"Blau", "Search_Standard"}));
  EXPECT_EQ(desktop::TemplateNames(f.folder / "fehlt"), Lines{});

  EXPECT_EQ(desktop::InitialTemplate({"Blau", "search_standard"}), 1);
  EXPECT_EQ(desktop::InitialTemplate({"Blau", "Rot"}), 0);
  EXPECT_EQ(desktop::InitialTemplate({}), -1);

  const std::string blau = desktop::TemplateFolder(root, "Blau");
  platform::WriteFileBytes(blau + "\\Pellinova.ini", "[vorlage]\r\nBeschreibung=Blaue Suche\r\nAutor=Ich\r\n");
  const desktop::TemplateInfo info = desktop::ReadTemplateInfo(blau);
  EXPECT_EQ(info.description, "Blaue Suche");
  EXPECT_EQ(info.author, "Ich");
  EXPECT_EQ(info.version, "");
  EXPECT_EQ(desktop::TemplatePreviewPage(root, "Blau"), root + "\\vorschau\\Blau\\p_index.htm");
}

}  // namespace
