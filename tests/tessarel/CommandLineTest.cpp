// Tessarel's command line and batch run, called in-process; the built
// program's exit codes and error file are tested by tessarel_e2e.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/Files.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/gui/TestingUi.h"
#include "tessarel/commandline.h"
#include "tessarel/projektVerwaltung.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using Params = std::vector<std::string>;

TEST(CommandLine, ParameterFilesLieBelowProjekte) {
  const std::string dir = tessarel::ProgramDir();
  const core::ParameterFileNames names = tessarel::TessarelParameterFiles();
  EXPECT_EQ(core::ParameterFilePath(dir, "docs", names), dir + "projekte\\docs.tzn");
  EXPECT_EQ(core::ParameterFilePath(dir, names.defaultName, names), dir + "projekte\\auto.tzn");
  EXPECT_EQ(core::ParameterFilePath(dir, "C:\\x\\site", names), dir + "projekte\\C:\\x\\site.tzn");
}

class Batch : public ::testing::Test {
 protected:
  void SetUp() override {
    createdProjekte_ = !platform::DirectoryExists(projekte_);
    platform::ForceDirectories(projekte_);
    platform::ForceDirectories(docs_);
    platform::ForceDirectories(vorlage_);
    platform::WriteFileBytes(vorlage_ + "\\extract.htm", "<!--Tessarel: Keywords-->\r\n");
  }
  void TearDown() override {
    tessarel::SetProjekt(nullptr);
    for (const auto& f : files_) platform::DeleteFileIfExists(f);
    if (createdProjekte_) RemoveDirectoryA(projekte_.c_str());
  }
  // A parameter file below "projekte" beside the test program.
  std::string Parameters(const std::string& name, const std::string& documents) {
    const std::string path = projekte_ + "\\" + name;
    files_.push_back(path);
    files_.push_back(platform::ChangeFileExt(path, ".ERR"));
    platform::WriteFileBytes(path, "[Einstellungen]\r\nDokumenteVerzeichnis=" + documents +
                                       "\r\nVorlagenVerzeichnis=" + vorlage_ + "\r\n");
    return path;
  }

  BaseTestFolder dir_;
  std::string projekte_ = tessarel::ProgramDir() + "projekte";
  std::string docs_ = dir_ / "docs";
  std::string vorlage_ = dir_ / "vorlage";
  std::vector<std::string> files_;
  bool createdProjekte_ = false;
};

TEST_F(Batch, HelpSwitchShowsTheSwitchesAndOtherParametersAreIgnored) {
  platform::ScriptedUi ui;
  std::string caption;
  std::string version;
  ui.Push([&](platform::UiRequest& r) {
    caption = r.form->Caption();
    version = r.form->Find<platform::Label>("lblVersion").Caption();
    return int(platform::mrOk);
  });
  EXPECT_EQ(tessarel::HandleCommandLine({"/x", "/help"}), 0);
  EXPECT_EQ(caption, "Quarvelin(tm) Tessarel - Kommandozeilen-Parameter");
  EXPECT_EQ(version, "3.0 (Wine, Fast-hack 5)");
  EXPECT_EQ(tessarel::HandleCommandLine({"site.tzn"}), std::nullopt);
  EXPECT_EQ(tessarel::HandleCommandLine({}), std::nullopt);
  EXPECT_EQ(ui.Requests().size(), 1u);
}

TEST_F(Batch, AMissingParameterFileEndsWithOneNamedOrNot) {
  platform::ScriptedUi ui;
  EXPECT_EQ(tessarel::HandleCommandLine({"-BATCH", "fehlt"}), 1);
  // /b followed by a switch takes it as the name.
  EXPECT_EQ(tessarel::HandleCommandLine({"/b", "/h"}), 1);
  // Without a name, a missing "auto.tzn" does not walk a drive with defaults.
  ASSERT_FALSE(platform::FileExists(projekte_ + "\\auto.tzn"));
  EXPECT_EQ(tessarel::HandleCommandLine({"/B"}), 1);
  ASSERT_EQ(ui.Requests().size(), 3u);
  EXPECT_EQ(ui.Requests()[0].text, "Die Parameterdatei" + projekte_ + "\\fehlt.tzn" +
                                       "existiert nicht. Breche Batchmodus ab.");
  EXPECT_EQ(ui.Requests()[1].text.find(projekte_ + "\\/h.tzn"), 18u);
  EXPECT_EQ(ui.Requests()[2].text.find(projekte_ + "\\auto.tzn"), 18u);
}

TEST_F(Batch, AGoneDocumentsFolderEndsWithTwoBeforeWalking) {
  const std::string path = Parameters("weg.tzn", dir_ / "weg");
  platform::ScriptedUi ui;
  EXPECT_EQ(tessarel::HandleCommandLine({"/b", "weg"}), 2);
  EXPECT_EQ(tessarel::Projekt()->FileName(), path);
  EXPECT_TRUE(ui.Requests().empty());
  // Nor may a file that names no folder at all walk the drive.
  const std::string unnamed = Parameters("ohne.tzn", "");
  platform::WriteFileBytes(unnamed, "[Einstellungen]\r\nVorlagenVerzeichnis=" + vorlage_ + "\r\n");
  EXPECT_EQ(tessarel::RunBatch(unnamed), 2);
  EXPECT_EQ(tessarel::Projekt()->DokumenteVerzeichnis, "C:");
  EXPECT_FALSE(platform::FileExists(platform::ChangeFileExt(path, ".ERR")));
}

TEST_F(Batch, ARunWithoutErrorsLeavesAnOlderErrorFileAndTheParametersAlone) {
  platform::WriteFileBytes(docs_ + "\\a.doc", "apfel");
  const std::string path = Parameters("lauf.tzn", docs_);
  const std::string before = platform::ReadFileBytes(path);
  platform::WriteFileBytes(platform::ChangeFileExt(path, ".ERR"), "alt\r\n");
  EXPECT_EQ(tessarel::RunBatch(path), 0);
  EXPECT_TRUE(platform::FileExists(docs_ + "\\a_doc.htm"));
  EXPECT_EQ(platform::ReadFileBytes(platform::ChangeFileExt(path, ".ERR")), "alt\r\n");
  EXPECT_EQ(platform::ReadFileBytes(path), before);
  EXPECT_EQ(tessarel::Projekt()->analysed, "1");
}

// A list or page template named outside the template folder: no list is
// read from there or written back, and the batch run does not start.
TEST_F(Batch, AListNamedOutsideTheTemplateFolderEndsWithTwo) {
  platform::WriteFileBytes(docs_ + "\\a.doc", "apfel");
  const std::string victim = dir_ / "OPFER.txt";
  platform::WriteFileBytes(victim, "Zebra\r\nAffe\r\n");
  const std::string path = Parameters("raus.tzn", docs_);
  for (const char* line : {"StopwortListe=..\\OPFER.txt", "StopzeichenListe=..\\OPFER.txt", "Rahmen=C:\\x.htm"}) {
    platform::WriteFileBytes(path, "[Einstellungen]\r\nDokumenteVerzeichnis=" + docs_ + "\r\nVorlagenVerzeichnis=" +
                                       vorlage_ + "\r\n" + line + "\r\n");
    platform::ScriptedUi ui;
    EXPECT_EQ(tessarel::RunBatch(path), 2) << line;
    ASSERT_EQ(ui.Requests().size(), 1u) << line;
    EXPECT_EQ(ui.Requests()[0].text.substr(0, 15 + std::string(line).size()), "Der Dateiname\r\r" + std::string(line));
    EXPECT_EQ(tessarel::Projekt()->stopWords.Count() + tessarel::Projekt()->stopCharacters.Count(), 0);
    tessarel::Projekt()->SaveProject();
  }
  EXPECT_FALSE(platform::FileExists(docs_ + "\\a_doc.htm"));
  EXPECT_EQ(platform::ReadFileBytes(victim), "Zebra\r\nAffe\r\n");
}

}  // namespace
