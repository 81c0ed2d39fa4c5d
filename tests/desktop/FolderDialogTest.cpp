// The folder choice: where it starts, which drive it shows, what OK and
// Abbrechen give.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "coregui/CommandLine.h"
#include "desktop/verzeichnis.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

TEST(FolderDialog, StartsOnTheFoldersDriveAtWhatIsLeftOfIt) {
  BaseTestFolder dir;
  platform::ForceDirectories(dir / "ziel");
  std::vector<std::string> pages;
  desktop::TVerzeichnisDlg dlg([&](const std::string& page) {
    pages.push_back(page);
    return true;
  });
  const struct {
    std::string start, chosen;
  } cases[] = {
      {dir / "ziel", dir / "ziel"},
      {"Z:", "Z:\\"},
      {dir / "ziel\\weg\\tiefer", dir / "ziel"},
  };
  for (const auto& c : cases) {
    dlg.SetStartFolder(c.start);
    EXPECT_EQ(dlg.GetChosenFolder(), c.chosen) << c.start;
    EXPECT_EQ(dlg.DriveComboBox1.Value(), std::string(1, static_cast<char>(tolower(c.chosen[0])))) << c.start;
  }
  dlg.HilfeBtn.Click();
  EXPECT_EQ(pages, std::vector<std::string>{core::ProgramDirectory() + "hilfe\\projekteinstellungen.htm#selector"});
}

TEST(FolderDialog, GivesTheChosenFolderOnOkAndNoneOnAbbrechen) {
  BaseTestFolder dir;
  platform::ForceDirectories(dir / "a");
  platform::ScriptedUi ui;
  ui.Push([&](platform::UiRequest& r) {
    EXPECT_EQ(r.caption, "Zielverzeichnis");
    r.form->SetControlValue("DirectoryListBox1", dir / "a");
    return platform::mrOk;
  });
  ui.Push(platform::mrCancel);
  EXPECT_EQ(desktop::ChooseFolder("Zielverzeichnis", dir.Path(), {}), dir / "a");
  EXPECT_EQ(desktop::ChooseFolder("Vorlagen", dir.Path(), {}), std::nullopt);
}

}  // namespace
