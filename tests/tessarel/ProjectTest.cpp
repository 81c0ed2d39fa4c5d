// Tessarel's project file and its list files, and Tessarel's settings file.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "coregui/ULanguage.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/ini.h"
#include "tessarel/menue.h"
#include "tessarel/projektVerwaltung.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using tessarel::TProjekt;

const std::string kDefaultExclude =
    ",*~,~,~*,pdf,ps,eps,ai,cdr,wmf,cgm,tif,gif,jpg,bmp,pcx,js,exe,com,dll,res,lib,ico,bat,zip,lzh,arj,rar,ini,cfg,"
    "diz,sql,pas,dpr,dcu,dfm,dsm,mak,c,h,ico,bin,obj,cpp,hpp,hlp,txt,bak,wbk,lnk,xls,js,dot,sql,pas,dpr,bas,ocx,tlb,"
    "db,fon,deu,abt,ddd,did,pdd,plc,stp,trn,pdx,txt,log,eml,jar,jsp,asp,mdb,idx,dat,sh,css,class,java,xml";

class ProjectFile : public ::testing::Test {
 protected:
  std::unique_ptr<TProjekt> Loaded(const std::string& text) {
    if (!text.empty()) platform::WriteFileBytes(file_, text);
    auto p = std::make_unique<TProjekt>(file_);
    p->LoadProject();
    return p;
  }
  BaseTestFolder dir_;
  std::string file_ = dir_ / "p.tzn";
};

TEST_F(ProjectFile, MissingFileLoadsTheDefaults) {
  auto p = Loaded("");
  EXPECT_EQ(p->SchlagwortbreiteMin, 3);
  EXPECT_EQ(p->SchlagwortbreiteMax, 40);
  EXPECT_EQ(p->AnzahlSchlagworteMax, 160);
  EXPECT_TRUE(p->SchlagwortbreiteVerwenden);
  EXPECT_TRUE(p->AnzahlSchlagworteVerwenden);
  EXPECT_FALSE(p->OLEAutomationVerwenden);
  EXPECT_TRUE(p->OLEAutoPDFVerwenden && p->OLEAutoDOCVerwenden && p->OLEAutoXLSVerwenden && p->OLEAutoPPTVerwenden);
  EXPECT_FALSE(p->UpdateHTMLDatei);
  EXPECT_EQ(p->ExcludeDateiendungen, kDefaultExclude);
  EXPECT_EQ(p->DokumenteVerzeichnis, "C:");
  // No folder named: a batch run must not take the drive for one.
  EXPECT_TRUE(p->DokumenteVerzeichnisErsetzt());
  EXPECT_EQ(p->VorlagenVerzeichnis, tessarel::ProgramDir() + "vorlage");
  EXPECT_EQ(p->StopwortListe, "stopword.lst");
  EXPECT_EQ(p->StopzeichenListe, "stopchars.lst");
  EXPECT_EQ(p->Rahmen, "extract.htm");
  EXPECT_EQ(p->RahmenVerzeichnis, "C:");
  EXPECT_FALSE(p->GemeinsamesRahmenVerzeichnis);
  EXPECT_EQ(p->stopWords.Count(), 0);
}

TEST_F(ProjectFile, FoldersThatHaveGoneAreReplaced) {
  auto p = Loaded("[Einstellungen]\r\nDokumenteVerzeichnis=" + dir_.Path() + "\\fehlt\r\nVorlagenVerzeichnis=" +
                  dir_.Path() + "\\fehlt\r\nRahmenVerzeichnis=" + dir_.Path() + "\\fehlt\r\n");
  EXPECT_EQ(p->DokumenteVerzeichnis, "C:");
  EXPECT_TRUE(p->DokumenteVerzeichnisErsetzt());
  EXPECT_EQ(p->VorlagenVerzeichnis, tessarel::ProgramDir() + "vorlage");
  // Taken as stored.
  EXPECT_EQ(p->RahmenVerzeichnis, dir_.Path() + "\\fehlt");
  p.reset();  // objects on one file share its document

  auto q = Loaded("[Einstellungen]\r\nDokumenteVerzeichnis=" + dir_.Path() + "\r\n");
  EXPECT_EQ(q->DokumenteVerzeichnis, dir_.Path());
  EXPECT_FALSE(q->DokumenteVerzeichnisErsetzt());
}

TEST_F(ProjectFile, SavesEveryKeyInItsOrderAndLoadsItBack) {
  {
    auto p = Loaded("");
    p->DokumenteVerzeichnis = dir_.Path();
    p->VorlagenVerzeichnis = dir_.Path();
    p->OLEAutoXLSVerwenden = false;
    p->SchlagwortbreiteMin = -1;
    p->SaveProject();
  }
  const std::string expected =
      "[Einstellungen]\r\n"
      "SchlagwortbreiteMin=-1\r\n"
      "SchlagwortbreiteMax=40\r\n"
      "AnzahlSchlagworteMax=160\r\n"
      "SchlagwortbreiteVerwenden=1\r\n"
      "AnzahlSchlagworteVerwenden=1\r\n"
      "UpdateHTMLDatei=0\r\n"
      "OLEAutomationVerwenden=0\r\n"
      "OLEAutoPDFVerwenden=1\r\n"
      "OLEAutoDOCVerwenden=1\r\n"
      "OLEAutoXLSVerwenden=0\r\n"
      "OLEAutoPPTVerwenden=1\r\n"
      "ExcludeDateiendungen=" +
      kDefaultExclude + "\r\nDokumenteVerzeichnis=" + dir_.Path() + "\r\nVorlagenVerzeichnis=" + dir_.Path() +
      "\r\n"
      "StopwortListe=stopword.lst\r\n"
      "StopzeichenListe=stopchars.lst\r\n"
      "Rahmen=extract.htm\r\n"
      "RahmenVerzeichnis=C:\r\n"
      "GemeinsamesRahmenVerzeichnis=0\r\n";
  EXPECT_EQ(platform::ReadFileBytes(file_), expected);
  // The lists were not changed: no list file is made.
  EXPECT_FALSE(platform::FileExists(dir_ / "stopword.lst"));
  EXPECT_FALSE(platform::FileExists(dir_ / "stopchars.lst"));

  auto again = Loaded("");
  EXPECT_EQ(again->SchlagwortbreiteMin, -1);
  EXPECT_FALSE(again->OLEAutoXLSVerwenden);
  again->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(file_), expected);
}

// The list's comparison takes lines that differ in case for one entry:
// saving a list that was not changed would lose them.
TEST_F(ProjectFile, ListFilesAreWrittenOnlyWhenTheirEntriesChanged) {
  platform::WriteFileBytes(dir_ / "stopword.lst", "Und\r\nund\r\noder\nUND\r\n");
  platform::WriteFileBytes(dir_ / "stopchars.lst", "x,1\r\n\xDF\r\n");
  auto p = Loaded("[Einstellungen]\r\nVorlagenVerzeichnis=" + dir_.Path() + "\r\n");
  EXPECT_EQ(p->stopWords.Lines(), (std::vector<std::string>{"oder", "Und"}));
  EXPECT_EQ(p->stopCharacters.Count(), 2);
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(dir_ / "stopword.lst"), "Und\r\nund\r\noder\nUND\r\n");
  EXPECT_EQ(platform::ReadFileBytes(dir_ / "stopchars.lst"), "x,1\r\n\xDF\r\n");

  // A changed list goes into the template folder named now.
  platform::ForceDirectories(dir_ / "neu");
  p->VorlagenVerzeichnis = dir_ / "neu";
  p->stopWords.Add("aber");
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(dir_ / "neu\\stopword.lst"), "aber\r\noder\r\nUnd\r\n");
  EXPECT_FALSE(platform::FileExists(dir_ / "neu\\stopchars.lst"));
  EXPECT_EQ(platform::ReadFileBytes(dir_ / "stopword.lst"), "Und\r\nund\r\noder\nUND\r\n");
}

// Reading the stop-word list fails; the stop-character list is missing.
struct UnreadableStopwords : platform::FileFaults {
  bool FailOpen(const std::string& path, bool forWrite) override {
    return !forWrite && path.find("stopword.lst") != std::string::npos;
  }
};

TEST_F(ProjectFile, AnUnreadableListIsNotOverwritten) {
  platform::WriteFileBytes(dir_ / "stopword.lst", "wichtig\r\n");
  UnreadableStopwords faults;
  platform::SetFileFaults(&faults);
  auto p = Loaded("[Einstellungen]\r\nVorlagenVerzeichnis=" + dir_.Path() + "\r\n");
  platform::SetFileFaults(nullptr);
  EXPECT_EQ(p->stopWords.Count(), 0);
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(dir_ / "stopword.lst"), "wichtig\r\n");
  // The keys after the lists were written all the same.
  EXPECT_NE(platform::ReadFileBytes(file_).find("GemeinsamesRahmenVerzeichnis=0"), std::string::npos);
}

TEST_F(ProjectFile, ReloadDropsUnsavedChanges) {
  platform::WriteFileBytes(file_, "[Einstellungen]\r\nSchlagwortbreiteMin=7\r\n");
  tessarel::ReloadProjekt(file_).SchlagwortbreiteMin = 99;
  tessarel::Projekt()->WriteInteger("Einstellungen", "SchlagwortbreiteMax", 1);
  EXPECT_EQ(tessarel::ReloadProjekt(file_).SchlagwortbreiteMin, 7);
  EXPECT_EQ(tessarel::Projekt()->SchlagwortbreiteMax, 40);
  tessarel::SetProjekt(nullptr);
}

// The project file's format spells its names and defaults without the string
// table: they must stay what the table holds, or the files would change.
TEST(ProjectFileTexts, AreTheStringTablesFixedTexts) {
  for (const unsigned number : tessarel::ProjectFileTextNumbers())
    EXPECT_EQ(tessarel::ProjectFileText(number), tessarel::txt::Fixed(number)) << number;
  EXPECT_EQ(tessarel::ProjectFileTextNumbers().size(), 26u);
}

// The settings. The interactive project lies beside the test program.
class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    createdProjekte_ = !platform::DirectoryExists(projekte_);
    platform::ForceDirectories(projekte_);
  }
  void TearDown() override {
    tessarel::SetProjekt(nullptr);
    platform::DeleteFileIfExists(dialog_);
    if (createdProjekte_) RemoveDirectoryA(projekte_.c_str());
  }

  BaseTestFolder dir_;
  std::string ini_ = dir_ / "Tessarel.INI";
  std::string projekte_ = tessarel::ProgramDir() + "projekte";
  std::string dialog_ = tessarel::DialogProjectFile();
  bool createdProjekte_ = false;
  core::TLanguage language_;
  core::StandInSettingsHost host_;
};

TEST_F(SettingsFile, AFirstRunCancelledStillSavesFiveKeys) {
  // A browser that exists: no registry lookup, no question.
  const std::string browser = dir_ / "browser.exe";
  platform::WriteFileBytes(browser, "");
  platform::WriteFileBytes(ini_, "[Environment]\r\nWWWBrowser=" + browser + "\r\n");
  platform::ScriptedUi ui;
  ui.Push(platform::mrCancel);  // the first-run dialog
  {
    tessarel::TIni settings(ini_, true, language_, host_);
    EXPECT_EQ(tessarel::Settings(), &settings);
    settings.LoadSettings();
    ASSERT_EQ(ui.Requests().size(), 1u);
    EXPECT_EQ(ui.Requests()[0].kind, platform::UiKind::ModalForm);
    EXPECT_TRUE(host_.terminated);
    // The language step made the interactive project.
    ASSERT_NE(tessarel::Projekt(), nullptr);
    EXPECT_EQ(tessarel::Projekt()->FileName(), dialog_);
    EXPECT_EQ(settings.GetWWWBrowser(), browser);
    settings.SaveSettings();
  }
  EXPECT_EQ(tessarel::Settings(), nullptr);
  EXPECT_EQ(platform::ReadFileBytes(ini_),
            "[Environment]\r\n"
            "WWWBrowser=" + browser + "\r\n"
            "WWWBrowserParam=\r\n"
            "Language=0\r\n"
            "\r\n"
            "[Unix x86 Wine]\r\n"
            "Configuration=~/.Wine/config\r\n"
            "WWWBrowser=0\r\n");
}

TEST_F(SettingsFile, ChangingTheLanguageReloadsTheProjectEvenWhenTheSwitchFails) {
  platform::WriteFileBytes(dialog_, "[Einstellungen]\r\nSchlagwortbreiteMin=7\r\n");
  // A browser that exists: no question.
  platform::WriteFileBytes(ini_, "[Environment]\r\nWWWBrowser=" + ini_ + "\r\n");
  platform::ScriptedUi ui;
  tessarel::TIni settings(ini_, false, language_, host_);
  settings.LoadSettings();
  EXPECT_TRUE(ui.Requests().empty());
  ASSERT_EQ(tessarel::Projekt()->SchlagwortbreiteMin, 7);

  tessarel::Projekt()->SchlagwortbreiteMin = 99;
  settings.ChangeLanguage(1031);  // the language the texts are shown in: nothing
  EXPECT_EQ(tessarel::Projekt()->SchlagwortbreiteMin, 99);

  ui.Push(platform::mrOk);
  settings.ChangeLanguage(1033);  // there is no English module beside the test
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].text, "Sprachmodul f\xFCr die Sprache EN? fehlt.");
  EXPECT_EQ(settings.GetLanguage(), 0);
  EXPECT_EQ(tessarel::Projekt()->SchlagwortbreiteMin, 7);
}

TEST_F(SettingsFile, UnixPathsComeWithoutQuotes) {
  platform::WriteFileBytes(dir_ / "config", "[Drive D]\r\nPath = /mnt/d\r\n");
  tessarel::TIni settings(ini_, false, language_, host_);
  settings.LoadWineDrives(dir_ / "config");
  EXPECT_EQ(settings.ToUnixPath("D:\\x y\\z.doc"), "/mnt/d/x y/z.doc");
  EXPECT_EQ(settings.ToUnixPath(""), "");
}

TEST_F(SettingsFile, TheMainWindowOwnsTheInteractiveProject) {
  platform::WriteFileBytes(dialog_, "[Einstellungen]\r\nSchlagwortbreiteMin=5\r\n");
  {
    tessarel::TBrisoltHauptmenue window;
    ASSERT_NE(tessarel::Projekt(), nullptr);
    EXPECT_EQ(tessarel::Projekt()->FileName(), dialog_);
    EXPECT_EQ(tessarel::Projekt()->SchlagwortbreiteMin, 5);
    EXPECT_EQ(window.Caption(), "Quarvelin(tm) Tessarel");

    platform::ScriptedUi ui;
    std::string filter;
    std::string folder;
    ui.Push([&](platform::UiRequest& r) {
      filter = r.filter;
      folder = r.initialDir;
      r.fileName = "C:\\gew\xE4hlt.htm";
      return int(platform::mrOk);
    });
    ui.Push(platform::mrCancel);
    std::string result;
    bool cancelled = true;
    window.SelectFile("HTML-Datei w\xE4hlen", "C:\\docs\\*.htm", result, cancelled, "*.htm|*.htm");
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(result, "C:\\gew\xE4hlt.htm");
    window.SelectFile("HTML-Datei w\xE4hlen", "C:\\docs\\*.htm", result, cancelled, "*.htm|*.htm");
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(result, "C:\\docs\\*.htm");
    ASSERT_EQ(ui.Requests().size(), 2u);
    EXPECT_EQ(ui.Requests()[0].caption, "HTML-Datei w\xE4hlen");
    EXPECT_EQ(filter, "*.htm|*.htm|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(folder, "C:\\docs\\");
  }
  // Freed with the window, without saving.
  EXPECT_EQ(tessarel::Projekt(), nullptr);
}

}  // namespace
