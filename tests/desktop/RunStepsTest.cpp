// The steps around the generation that the main window's run and the batch
// run share: the checks, the database's size, the copy of the template's
// remaining files, and the automatic optimisation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DesktopTestSupport.h"
#include "coregui/SearchFormFiles.h"
#include "desktop/RunSteps.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"

namespace {

using desktoptest::ProjectFolder;
using Lines = std::vector<std::string>;

TEST(RunChecks, StopWordListAlwaysFoldersOnlyWhileNotAborted) {
  ProjectFolder f;
  platform::WriteFileBytes(f.templateDir + "\\stopwort.lst", "und\r\n");
  auto p = f.Open(f.WriteProject("c.ovk", "StopwortListeVerwenden=1\r\n"));
  ASSERT_TRUE(p);
  bool abort = false;
  EXPECT_EQ(desktop::CheckRunSettings(*p, abort), desktop::RunCheck::Passed);
  EXPECT_FALSE(abort);

  // The list goes after the load: the check sees it, even with abort set.
  DeleteFileA((f.templateDir + "\\stopwort.lst").c_str());
  abort = true;
  EXPECT_EQ(desktop::CheckRunSettings(*p, abort), desktop::RunCheck::StopWordList);
  abort = false;
  EXPECT_EQ(desktop::CheckRunSettings(*p, abort), desktop::RunCheck::StopWordList);
  EXPECT_TRUE(abort);
  platform::WriteFileBytes(f.templateDir + "\\stopwort.lst", "und\r\n");

  RemoveDirectoryA(f.targetDir.c_str());
  abort = true;
  EXPECT_EQ(desktop::CheckRunSettings(*p, abort), desktop::RunCheck::Passed);
  abort = false;
  EXPECT_EQ(desktop::CheckRunSettings(*p, abort), desktop::RunCheck::TargetFolder);
  EXPECT_TRUE(abort);
}

TEST(RunChecks, MissingTemplateFolder) {
  ProjectFolder f;
  auto p = f.Open(f.WriteProject("t.ovk", "VorlagenVerzeichnis=" + f.folder / "fehlt" + "\r\n"));
  ASSERT_TRUE(p);
  bool abort = false;
  EXPECT_EQ(desktop::CheckRunSettings(*p, abort), desktop::RunCheck::TemplateFolder);
  EXPECT_TRUE(abort);
}

TEST(IndexFileSize, SizeOfTheDatabaseInTheTargetFolder) {
  ProjectFolder f;
  auto p = f.Open(f.WriteProject("s.ovk", ""));
  ASSERT_TRUE(p);
  EXPECT_EQ(core::IndexFileSize(*p), 0);
  platform::WriteFileBytes(f.targetDir + "\\suche.js", std::string(1234, 'x'));
  EXPECT_EQ(core::IndexFilePath(*p), f.targetDir + "\\suche.js");
  EXPECT_EQ(core::IndexFileSize(*p), 1234);
  // One trailing backslash of the folder is dropped.
  auto q = f.Open(f.WriteProject("s2.ovk", "ZielVerzeichnis=" + f.targetDir + "\\\r\n"));
  ASSERT_TRUE(q);
  EXPECT_EQ(core::IndexFilePath(*q), f.targetDir + "\\suche.js");
  EXPECT_EQ(core::IndexFileSize(*q), 1234);
}

class TemplateCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"a.htm", "b.html", "c.gif", "d.jpg", "e.js", "x.HTM", "f.txt"})
      platform::WriteFileBytes(f.templateDir + "\\" + name, std::string("vorlage ") + name);
    platform::ForceDirectories(f.templateDir + "\\sub");
    platform::WriteFileBytes(f.templateDir + "\\sub\\g.htm", "unten");
    platform::WriteFileBytes(f.targetDir + "\\a.htm", "eigene");
    // The database is excluded by its name in any case.
    p = f.Open(f.WriteProject("k.ovk", "JavascriptDatei=SUCHE.JS\r\n"));
    ASSERT_TRUE(p);
  }
  std::string Target(const std::string& name) const { return f.targetDir + "\\" + name; }

  ProjectFolder f;
  std::unique_ptr<core::TProjekt> p;
};

TEST_F(TemplateCopy, FilesOfTheFiveMasksWithoutTheDatabase) {
  platform::TStringList files;
  core::TemplateFiles(*p, files);
  Lines names;
  for (int i = 0; i < files.Count(); ++i) names.push_back(platform::ExtractFileName(files[i]));
  // The masks compare extensions exactly.
  EXPECT_EQ(names, (Lines{"a.htm", "b.html", "c.gif", "d.jpg", "e.js"}));
  EXPECT_EQ(files[0], f.templateDir + "\\a.htm");
}

TEST_F(TemplateCopy, CopiesWhatTheTargetLacksOrHoldsCutOff) {
  // Copies that a kill or a full disk cut off: empty, or the template's
  // first bytes. A file of the user's own (a.htm: shorter but other bytes;
  // e.js: longer) stays.
  platform::WriteFileBytes(Target("c.gif"), "");
  platform::WriteFileBytes(Target("d.jpg"), "vorlage d");
  platform::WriteFileBytes(Target("e.js"), "vorlage e.js und mehr");
  bool abort = false;
  EXPECT_EQ(core::CopyRemainingTemplateFiles(*p, "Kopie", abort), core::CopyOutcome::Done);
  EXPECT_FALSE(abort);
  EXPECT_EQ(platform::ReadFileBytes(Target("a.htm")), "eigene");
  EXPECT_EQ(platform::ReadFileBytes(Target("e.js")), "vorlage e.js und mehr");
  for (const char* name : {"b.html", "c.gif", "d.jpg"})
    EXPECT_EQ(platform::ReadFileBytes(Target(name)), std::string("vorlage ") + name);
  for (const char* name : {"suche.js", "f.txt", "g.htm"}) EXPECT_FALSE(platform::FileExists(Target(name)));
}

TEST_F(TemplateCopy, GivingUpStopsAfterThatFile) {
  struct FailB : platform::FileFaults {
    bool FailOpen(const std::string& path, bool forWrite) override {
      return !forWrite && platform::ExtractFileName(path) == "b.html";
    }
  } faults;
  platform::SetFileFaults(&faults);
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  bool abort = false;
  EXPECT_EQ(core::CopyRemainingTemplateFiles(*p, "Kopie", abort), core::CopyOutcome::Failed);
  platform::SetFileFaults(nullptr);
  EXPECT_TRUE(abort);
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 1000);
  for (const char* name : {"c.gif", "d.jpg", "e.js"}) EXPECT_FALSE(platform::FileExists(Target(name))) << name;
}

// The automatic optimisation over a run that only reports sizes.
TEST(AutoOptimise, KeepsTheSmallerDatabase) {
  ProjectFolder f;
  auto project = f.Open(f.WriteProject("o.ovk", ""));
  ASSERT_TRUE(project);
  struct Case {
    int without, with;
    int runs;
    bool glossaryAfter;
  };
  for (const Case& c : {Case{900, 1000, 3, false}, Case{1000, 1000, 2, true}, Case{1000, 900, 2, true}}) {
    int runs = 0;
    project->SetOptimiertModus(false);
    EXPECT_TRUE(desktop::AutoOptimise(*project, [&] {
      ++runs;
      project->SetJavascriptGroesse(project->GetGlossarModus() ? c.with : c.without);
      return true;
    }));
    EXPECT_EQ(runs, c.runs) << c.without << "/" << c.with;
    EXPECT_EQ(project->GetGlossarModus(), c.glossaryAfter);
    EXPECT_TRUE(project->GetOptimiertModus());
  }
  // A failed second run puts both switches back.
  project->SetGlossarModus(false);
  project->SetOptimiertModus(false);
  int runs = 0;
  EXPECT_FALSE(desktop::AutoOptimise(*project, [&] { return ++runs < 2; }));
  EXPECT_FALSE(project->GetGlossarModus());
  EXPECT_FALSE(project->GetOptimiertModus());
}

}  // namespace
