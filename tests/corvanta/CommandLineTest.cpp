// The command line shared by the programs (splitting, switches, the parameter
// file below "projekte") and Corvanta's handling of it: help page, missing
// parameter file, interactive start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "corvanta/commandline.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using Params = std::vector<std::string>;

const core::ParameterFileNames kNames{"projekte", "auto.ovk", ".ovk"};
const std::string kDir = "C:\\prog\\";

core::CommandLineChoice Parse(const Params& params) { return core::ParseCommandLine(params, kDir, kNames); }

TEST(CommandLine, SplitsAtBlanksOutsideQuotesAndDropsTheProgram) {
  EXPECT_EQ(core::SplitCommandLine("\"C:\\Program Files\\Corvanta.exe\" /b  \"mein projekt\"\t-x"),
            (Params{"/b", "mein projekt", "-x"}));
  EXPECT_EQ(core::SplitCommandLine("corvanta.exe a\"b c\"d"), (Params{"ab cd"}));
  EXPECT_EQ(core::SplitCommandLine("corvanta.exe"), Params{});
  EXPECT_EQ(core::SplitCommandLine(""), Params{});
  EXPECT_EQ(core::SplitCommandLine("   "), Params{});
  // An unclosed quote runs to the end.
  EXPECT_EQ(core::SplitCommandLine("p \"a b"), (Params{"a b"}));
}

TEST(CommandLine, SwitchesInAnyCase) {
  for (const char* s : {"?", "/?", "-?", "/h", "-H", "/help", "-HeLp"}) EXPECT_TRUE(core::IsHelpSwitch(s)) << s;
  for (const char* s : {"/b", "-B", "/batch", "-BATCH"}) EXPECT_TRUE(core::IsBatchSwitch(s)) << s;
  for (const char* s : {"h", "/hilfe", "--help", "b", "/bat", "batch", ""}) {
    EXPECT_FALSE(core::IsHelpSwitch(s)) << s;
    EXPECT_FALSE(core::IsBatchSwitch(s)) << s;
  }
}

TEST(CommandLine, ParameterFileIsAlwaysBelowProjekte) {
  // The switch alone takes the default file.
  auto c = Parse({"/b"});
  EXPECT_EQ(c.action, core::CommandAction::Batch);
  EXPECT_FALSE(c.nameGiven);
  EXPECT_EQ(c.parameterFile, "C:\\prog\\projekte\\auto.ovk");
  // A path given is put below "projekte" as it stands.
  c = Parse({"/b", "C:\\x\\site"});
  EXPECT_TRUE(c.nameGiven);
  EXPECT_EQ(c.parameterFile, "C:\\prog\\projekte\\C:\\x\\site.ovk");
  // With and without the extension, either switch.
  EXPECT_EQ(Parse({"-batch", "site.ovk"}).parameterFile, Parse({"/BATCH", "site"}).parameterFile);
  EXPECT_EQ(Parse({"/b", "site.txt"}).parameterFile, "C:\\prog\\projekte\\site.txt");
  // A "." in a folder name is no extension.
  EXPECT_EQ(Parse({"/b", "web.de\\site"}).parameterFile, "C:\\prog\\projekte\\web.de\\site.ovk");
  // Whatever follows the switch is the name, a switch too.
  c = Parse({"/b", "/h"});
  EXPECT_EQ(c.action, core::CommandAction::Batch);
  EXPECT_EQ(c.parameterFile, "C:\\prog\\projekte\\/h.ovk");
}

TEST(CommandLine, FirstHelpOrBatchSwitchDecides) {
  EXPECT_EQ(Parse({"/x", "/h"}).action, core::CommandAction::Help);
  EXPECT_EQ(Parse({"site.ovk"}).action, core::CommandAction::Interactive);
  EXPECT_EQ(Parse({}).action, core::CommandAction::Interactive);
  EXPECT_EQ(Parse({"-?", "/b", "x"}).action, core::CommandAction::Help);
  auto c = Parse({"egal", "/B", "x", "/h"});
  EXPECT_EQ(c.action, core::CommandAction::Batch);
  EXPECT_EQ(c.parameterFile, "C:\\prog\\projekte\\x.ovk");
}

TEST(CorvantaCommandLine, HelpSwitchShowsThePageOfSwitches) {
  platform::ScriptedUi ui;
  std::string version;
  ui.Push([&](platform::UiRequest& r) {
    version = r.form->Find<platform::Label>("lblVersion").Caption();
    return int(platform::mrOk);
  });
  EXPECT_EQ(corvanta::HandleCommandLine({"/x", "/H"}, {}), core::kExitOk);
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].kind, platform::UiKind::ModalForm);
  EXPECT_EQ(ui.Requests()[0].caption, "Quarvelin(tm) Corvanta - Kommandozeilen-Parameter");
  EXPECT_EQ(version, "3.0 (Wine, Fast-hack 5)");
}

TEST(CorvantaCommandLine, WithoutSwitchTheProgramStarts) {
  platform::ScriptedUi ui;
  EXPECT_EQ(corvanta::HandleCommandLine({"site.ovk"}, {}), std::nullopt);
  EXPECT_EQ(corvanta::HandleCommandLine({}, {}), std::nullopt);
  EXPECT_TRUE(ui.Requests().empty());
}

TEST(CorvantaCommandLine, NamedParameterFileMustExist) {
  BaseTestFolder folder;
  corvanta::BatchEnvironment env;
  env.programDir = folder.Path() + "\\";
  platform::ScriptedUi ui;
  EXPECT_EQ(corvanta::HandleCommandLine({"/b", "fehlt"}, env), core::kExitMissingParameterFile);
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].kind, platform::UiKind::MessageBox);
  EXPECT_EQ(ui.Requests()[0].text,
            "Die Parameterdatei\r\r" + folder.Path() + "\\projekte\\fehlt.ovk\r\rexistiert nicht. Breche Batchmodus ab.");
  EXPECT_EQ(ui.Requests()[0].buttons, unsigned(platform::mbOK));
}

}  // namespace
