// The project file and object: exact file contents after load and save, the
// page entries, the template step, the stop-word file, the failures of the
// load and the project-wide steps of a run.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/ProjectFile.h"
#include "core/Vorlage.h"
#include "coregui/hinweis.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Control.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using core::TProjekt;

// Records the captions of the top-level windows shown while it lives, and closes the
// one whose caption holds closeOnShow as soon as the message loop runs.
class ShownWindows {
 public:
  ShownWindows() : hook_(SetWindowsHookExA(WH_CALLWNDPROC, Proc, nullptr, GetCurrentThreadId())) { current_ = this; }
  ~ShownWindows() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  std::vector<std::string> captions;
  std::string closeOnShow;

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM w, LPARAM l) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && current_ && m->message == WM_SHOWWINDOW && m->wParam &&
        !(GetWindowLongA(m->hwnd, GWL_STYLE) & WS_CHILD)) {
      const std::string caption = platform::WindowText(m->hwnd);
      current_->captions.push_back(caption);
      if (!current_->closeOnShow.empty() && caption.find(current_->closeOnShow) != std::string::npos)
        PostMessageA(m->hwnd, WM_CLOSE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, w, l);
  }
  static inline ShownWindows* current_ = nullptr;
  HHOOK hook_;
};

// Faults on the files whose name contains a text.
class FailingFiles : public platform::FileFaults {
 public:
  std::string openRead, openWrite;
  bool FailOpen(const std::string& path, bool forWrite) override {
    const std::string& part = forWrite ? openWrite : openRead;
    return !part.empty() && path.find(part) != std::string::npos;
  }
};

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

// What the save writes after AnzahlEintraege for a project at its defaults.
std::string DefaultSettingsAfterCount() {
  return Lines({"WebSite=http://", "Benutzername=", "Passwort=", "StopwortListe=stopwort.lst", "AnalyseDauer=",
                "JavascriptGroesse=0", "SpeicherGroesse=0", "SpeicherGroesseMitGlossar=0", "DateiGroesse=0",
                "DateiGroesseOptimiert=0", "GlossarGroesse=0", "Stand=Noch nicht erzeugt", "JavascriptDatei=suche.js",
                "FrameDatei=suche.htm", "FrameEingabeDatei=suchein.htm", "FrameHilfeDatei=suchhilf.htm",
                "FrameLadenDatei=suchlade.htm", "Dateiendungen=html,htm,jhtml,shtml,asp,jsp,php3,cfm,cgi,pl,php",
                "StopwortListeVerwenden=1", "DetailsModus=0", "TitleModus=1", "DescriptionModus=1",
                "VolltextModus=1", "KeywordsModus=0", "OptimiertModus=0", "GlossarModus=0", "AutoOptimierung=0",
                "SchlagworteModus=0", "Beschreibung=0", "Zahlen=0", "Wortbreite=1", "WortbreiteMin=3",
                "WortbreiteMax=40", "GefundeneSchlagworte=0", "SchlagworteGesamt=0", "SchlagworteMaximal=300"});
}

class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::ResetTemplateDescriptor();
    platform::ForceDirectories(Template());
    platform::ForceDirectories(dir / "ziel");
    platform::WriteFileBytes(StopFile(), "und\r\nDer\r\nder\r\n");
  }
  void TearDown() override {
    platform::SetFileFaults(nullptr);
    core::ResetTemplateDescriptor();
  }

  std::string Template() const { return dir / "vorlage"; }
  std::string StopFile() const { return dir / "vorlage\\stopwort.lst"; }
  std::string File() const { return dir / "p.ovk"; }
  std::string FileText() const { return platform::ReadFileBytes(File()); }
  // A project file whose settings are the given lines after the template folder.
  void WriteProject(const std::string& settings, const std::string& rest = {}) {
    platform::WriteFileBytes(File(), "[Einstellungen]\r\nVorlagenVerzeichnis=" + Template() + "\r\n" + settings + rest);
  }
  std::unique_ptr<TProjekt> Open() {
    bool failed = true;
    auto p = std::make_unique<TProjekt>(File(), failed);
    EXPECT_FALSE(failed);
    return p;
  }
  bool OpenFails() {
    bool failed = false;
    TProjekt p(File(), failed);
    return failed;
  }
  void AddPage(TProjekt& p, const std::string& url, std::initializer_list<const char*> words) {
    p.Pages().push_back(std::make_unique<core::TSchlagwortDatei>(url));
    for (const char* w : words) p.Pages().back()->words.Add(w);
  }

  BaseTestFolder dir;
  platform::ScriptedUi ui;
};

TEST_F(ProjectTest, FreshProjectLoadsTheDefaultsAndSavesEveryKeyInOrder) {
  WriteProject("ZielVerzeichnis=" + (dir / "ziel") + "\r\n");
  auto p = Open();
  EXPECT_FALSE(p->Saved());
  EXPECT_EQ(p->GetWebSite(), "http://");
  EXPECT_EQ(p->GetStand(), "Noch nicht erzeugt");
  EXPECT_EQ(p->GetZielVerzeichnis(), dir / "ziel");
  EXPECT_EQ(p->StopWords().Lines(), (std::vector<std::string>{"Der", "und"}));
  p->SaveProject();
  EXPECT_TRUE(p->Saved());
  EXPECT_EQ(FileText(), "[Einstellungen]\r\nVorlagenVerzeichnis=" + Template() + "\r\nZielVerzeichnis=" + (dir / "ziel") +
                            "\r\nAnzahlEintraege=0\r\n" + DefaultSettingsAfterCount());
  EXPECT_TRUE(ui.Requests().empty());
}

TEST_F(ProjectTest, PagesAreRenumberedAndInheritNothingFromDroppedEntries) {
  const auto writeProject = [&] {
    WriteProject("AnzahlEintraege=3\r\n",
                 Lines({"[Dateien]", "1=http://a.de/", "2=", "3=http://c.de/x.htm", "[Beschreibung]", "3=Seite C",
                        "[Schlagworte]", "1=+abc,+xyz", "3=+abc,"}));
  };
  writeProject();
  auto p = Open();
  ASSERT_EQ(p->Pages().size(), 2u);
  EXPECT_EQ(p->Pages()[0]->changeLog.Lines(), (std::vector<std::string>{"+abc", "+xyz"}));
  EXPECT_EQ(p->Pages()[1]->url, "http://c.de/x.htm");
  EXPECT_EQ(p->Pages()[1]->manualDescription, "Seite C");
  EXPECT_EQ(p->Pages()[1]->changeLog.Lines(), (std::vector<std::string>{"+abc"}));

  p->SaveProject();
  std::string text = FileText();
  EXPECT_NE(text.find("\r\nAnzahlEintraege=2\r\n"), std::string::npos);
  // The emptying stops at the empty entry 2: the old entry 3 stays, unread.
  EXPECT_EQ(text.substr(text.find("[Dateien]")),
            Lines({"[Dateien]", "1=http://a.de/", "2=http://c.de/x.htm", "3=http://c.de/x.htm", "[Beschreibung]",
                   "3=Seite C", "2=Seite C", "[Schlagworte]", "1=+abc,+xyz", "3=+abc,", "2=+abc"}));

  // A third page saved under number 3 must not take the description and
  // corrections the dropped entry left there.
  p.reset();
  writeProject();
  p = Open();
  p->Pages().push_back(std::make_unique<core::TSchlagwortDatei>("http://d.de/"));
  p->SaveProject();
  text = FileText();
  EXPECT_EQ(text.substr(text.find("[Dateien]")),
            Lines({"[Dateien]", "1=http://a.de/", "2=http://c.de/x.htm", "3=http://d.de/", "[Beschreibung]", "3=",
                   "2=Seite C", "[Schlagworte]", "1=+abc,+xyz", "3=", "2=+abc"}));
  p.reset();
  p = Open();
  ASSERT_EQ(p->Pages().size(), 3u);
  EXPECT_EQ(p->Pages()[2]->manualDescription, "");
  EXPECT_EQ(p->Pages()[2]->changeLog.Count(), 0);
}

TEST_F(ProjectTest, SaveKeepsTheFileSwitchesButFallsBackInMemory) {
  WriteProject(Lines({"TitleModus=0", "DescriptionModus=0", "VolltextModus=0", "KeywordsModus=0"}));
  auto p = Open();
  p->SaveProject();
  const std::string text = FileText();
  for (const char* key : {"TitleModus=0", "DescriptionModus=0", "VolltextModus=0", "KeywordsModus=0"})
    EXPECT_NE(text.find(std::string("\r\n") + key + "\r\n"), std::string::npos) << key;
  EXPECT_TRUE(p->GetTitleModus());
  EXPECT_TRUE(p->GetVolltextModus());
  EXPECT_TRUE(p->Saved());

  // A saved project writes nothing; a setter makes it write again.
  platform::DeleteFileIfExists(File());
  p->SaveProject();
  EXPECT_FALSE(platform::FileExists(File()));
  p->SetWortbreiteMin(4);
  p->SaveProject();
  EXPECT_NE(FileText().find("\r\nWortbreiteMin=4\r\n"), std::string::npos);
}

TEST_F(ProjectTest, AFailedSaveLeavesTheProjectUnsaved) {
  WriteProject("");
  auto p = Open();
  FailingFiles faults;
  faults.openWrite = "p.ovk";
  platform::SetFileFaults(&faults);
  EXPECT_THROW(p->SaveProject(), platform::EInOutError);
  EXPECT_FALSE(p->Saved());
  platform::SetFileFaults(nullptr);
  p->SaveProject();
  EXPECT_TRUE(p->Saved());
  EXPECT_NE(FileText().find("AnzahlEintraege=0"), std::string::npos);
}

// The list's comparison takes lines that differ in case (or "dass" and "da\xDF"
// where the locale says so) for one entry: saving an unchanged list would
// lose them.
TEST_F(ProjectTest, TheStopWordFileIsWrittenOnlyWhenItsEntriesChanged) {
  const std::string stored = "und\r\nDer\r\nder\r\ndass\r\nda\xDF\r\n";
  platform::WriteFileBytes(StopFile(), stored);
  WriteProject("");
  auto p = Open();
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(StopFile()), stored);

  // Another template folder brings its own list, unchanged as well.
  platform::ForceDirectories(dir / "andere");
  platform::WriteFileBytes(dir / "andere\\stopwort.lst", "Oder\r\noder\r\n");
  p->LoadTemplateSettings(dir / "andere");
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(dir / "andere\\stopwort.lst"), "Oder\r\noder\r\n");

  p->StopWords().Add("aber");
  p->SetStand("x");
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(dir / "andere\\stopwort.lst"), "aber\r\nOder\r\n");
  EXPECT_EQ(platform::ReadFileBytes(StopFile()), stored);
}

TEST_F(ProjectTest, AnUnreadableStopWordFileIsNeitherUsedNorOverwritten) {
  WriteProject("");
  FailingFiles faults;
  faults.openRead = "stopwort.lst";
  platform::SetFileFaults(&faults);
  auto p = Open();
  platform::SetFileFaults(nullptr);
  EXPECT_FALSE(p->GetStopwortListeVerwenden());
  EXPECT_EQ(p->StopWords().Count(), 0);
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(StopFile()), "und\r\nDer\r\nder\r\n");
  EXPECT_NE(FileText().find("StopwortListeVerwenden=0"), std::string::npos);

  // Once edited, the list is the user's and is written.
  p->StopWords().Add("oder");
  p->SetStand("x");
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(StopFile()), "oder\r\n");
}

TEST_F(ProjectTest, LoadFailuresTellTheUserOnceAndFail) {
  // The stop-word list the project needs is missing.
  WriteProject("");
  platform::DeleteFileIfExists(StopFile());
  EXPECT_TRUE(OpenFails());
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 305);
  EXPECT_EQ(ui.Requests()[0].caption, "Fehler");
  EXPECT_EQ(ui.Requests()[0].text,
            "Die Einstellung f\xFCr die Stopwortliste unter\r\"Einstellungen - Projekt... - [Verzeichnisse] - "
            "Vorlagen\" bzw.\r\"Einstellungen - Projekt... - [Analyse/1] - Stopwortliste\"\r ist nicht korrekt.");
  // Without StopwortListeVerwenden a missing list is no error.
  WriteProject("StopwortListeVerwenden=0\r\n");
  EXPECT_FALSE(OpenFails());
  EXPECT_EQ(ui.Requests().size(), 1u);

  // The project file cannot be read at all (here: it is a folder).
  const std::string folder = dir / "ordner.ovk";
  platform::ForceDirectories(folder);
  bool failed = false;
  TProjekt p(folder, failed);
  EXPECT_TRUE(failed);
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_EQ(ui.Requests()[1].helpContext, 800);
  EXPECT_EQ(ui.Requests()[1].caption, "Warnung");
  EXPECT_EQ(ui.Requests()[1].text, "Die Projektdatei\r\r" + folder +
                                       "\r\rlies sich nicht ansprechen.\rBenutzen Sie diese vielleicht in\reiner "
                                       "anderen Corvanta-Instanz\roder einem anderen Programm?");
}

// A file name of the project or its template that climbs out of its folder
// would have the stop-word list read from any file and written back sorted:
// the project does not open, a template chosen later is refused, and the
// message names the key, its value and the file it stands in.
TEST_F(ProjectTest, AFileNameOutsideItsFolderIsRefused) {
  const std::string victim = dir / "OPFER.txt";
  platform::WriteFileBytes(victim, "Zebra\r\nAffe\r\n");
  auto refusal = [](const std::string& setting, const std::string& file) {
    return "Der Dateiname\r\r" + setting + "\r\rin\r\r" + file +
           "\r\rwird nicht verwendet: Er darf weder \"\\\" oder \"/\"\rnoch \"..\" oder ein Laufwerk enthalten.";
  };
  WriteProject("StopwortListe=..\\OPFER.txt\r\n");
  EXPECT_TRUE(OpenFails());
  WriteProject("FrameDatei=C:\\x.htm\r\n");
  EXPECT_TRUE(OpenFails());
  platform::WriteFileBytes(Template() + "\\Pellinova.ini", "[Options]\r\nStopword=..\\OPFER.txt\r\n");
  WriteProject("");
  EXPECT_TRUE(OpenFails());
  ASSERT_EQ(ui.Requests().size(), 3u);
  EXPECT_EQ(ui.Requests()[0].text, refusal("StopwortListe=..\\OPFER.txt", File()));
  EXPECT_EQ(ui.Requests()[1].text, refusal("FrameDatei=C:\\x.htm", File()));
  EXPECT_EQ(ui.Requests()[2].text, refusal("Stopword=..\\OPFER.txt", Template() + "\\Pellinova.ini"));

  platform::DeleteFileIfExists(Template() + "\\Pellinova.ini");
  auto p = Open();
  const std::string other = dir / "andere";
  platform::ForceDirectories(other);
  platform::WriteFileBytes(other + "\\Pellinova.ini", "[Options]\r\nSearchBase=..\\..\\x.js\r\n");
  p->LoadTemplateSettings(other);
  ASSERT_EQ(ui.Requests().size(), 4u);
  EXPECT_EQ(ui.Requests()[3].text, refusal("SearchBase=..\\..\\x.js", other + "\\Pellinova.ini"));
  EXPECT_EQ(p->GetVorlagenVerzeichnis(), Template());
  EXPECT_EQ(p->GetJavascriptDatei(), "suche.js");
  p->SaveProject();
  EXPECT_EQ(platform::ReadFileBytes(victim), "Zebra\r\nAffe\r\n");
}

TEST_F(ProjectTest, ClosingTheProgressWindowCancelsTheLoad) {
  WriteProject("AnzahlEintraege=2\r\n", "[Dateien]\r\n1=http://a.de/\r\n2=http://b.de/\r\n");
  ShownWindows shown;
  shown.closeOnShow = " - Lade Projekt";
  EXPECT_TRUE(OpenFails());
  EXPECT_TRUE(ui.Requests().empty());
  EXPECT_EQ(shown.captions, (std::vector<std::string>{"Quarvelin(tm) Corvanta - Lade Projekt"}));
}

TEST_F(ProjectTest, OnlyMoreThan150PagesAreSavedUnderAProgressWindow) {
  WriteProject("");
  auto p = Open();
  for (int i = 0; i < 150; ++i) AddPage(*p, "http://s.de/" + std::to_string(i), {});
  ShownWindows shown;
  p->SaveProject();
  EXPECT_TRUE(shown.captions.empty());
  AddPage(*p, "http://s.de/150", {});
  p->SetStand("x");
  p->SaveProject();
  EXPECT_EQ(shown.captions, (std::vector<std::string>{"Quarvelin(tm) Corvanta - Speichere Projekt"}));
  EXPECT_NE(FileText().find("\r\n151=http://s.de/150\r\n"), std::string::npos);
}

// A file that announces and numbers pages up to the largest number must open
// at once with the pages it holds, not walk every number in between.
TEST_F(ProjectTest, HugePageNumbersLoadOnlyTheEntriesThere) {
  WriteProject("AnzahlEintraege=2147483647\r\n", Lines({"[Dateien]", "2147483647=http://z.de/", "01=http://null.de/",
                                                         "1=http://a.de/", "2147483648=http://zu-gross.de/"}));
  auto p = Open();
  ASSERT_EQ(p->Pages().size(), 2u);
  EXPECT_EQ(p->Pages()[0]->url, "http://a.de/");
  EXPECT_EQ(p->Pages()[1]->url, "http://z.de/");
}

TEST_F(ProjectTest, MissingFoldersFallBack) {
  platform::WriteFileBytes(File(), Lines({"[Einstellungen]", "ZielVerzeichnis=" + (dir / "weg"),
                                          "VorlagenVerzeichnis=" + (dir / "auch_weg")}));
  bool failed = false;
  TProjekt p(File(), failed);
  EXPECT_TRUE(failed);  // the default template folder has no stop-word list here
  EXPECT_EQ(p.GetZielVerzeichnis(), "C:");
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  EXPECT_EQ(p.GetVorlagenVerzeichnis(), platform::ExtractFilePath(exe) + "vorlage\\Search_Standard");
}

TEST_F(ProjectTest, TheTemplateGivesFileNamesOnlyWhereTheProjectHasNone) {
  platform::WriteFileBytes(Template() + "\\Pellinova.ini",
                           "[Options]\r\nSearchBase=index.js\r\nStopword=stop.txt\r\nWithGlossary=1\r\n");
  platform::WriteFileBytes(Template() + "\\stop.txt", "");
  WriteProject("FrameDatei=eigen.htm\r\n");
  auto p = Open();
  EXPECT_EQ(p->GetJavascriptDatei(), "index.js");
  EXPECT_EQ(p->GetStopwortListe(), "stop.txt");
  EXPECT_EQ(p->GetFrameDatei(), "eigen.htm");
  EXPECT_EQ(p->GetFrameHilfeDatei(), "suchhilf.htm");
  // The load reads GlossarModus again with false: the project file decides.
  EXPECT_FALSE(p->GetGlossarModus());
  // Choosing the template later takes its WithGlossary for a project file
  // without the key, and marks the project unsaved.
  p->LoadTemplateSettings(Template());
  EXPECT_TRUE(p->GetGlossarModus());
  EXPECT_FALSE(p->Saved());
  WriteProject("JavascriptDatei=mein.js\r\n");
  EXPECT_EQ(Open()->GetJavascriptDatei(), "mein.js");
}

TEST_F(ProjectTest, StopWordsAndEmptyPagesLeaveTheRun) {
  WriteProject("");
  auto p = Open();
  AddPage(*p, "http://a.de/", {"Der", "Haus", "UND", "Zaun"});
  AddPage(*p, "http://b.de/", {"der", "und"});
  AddPage(*p, "http://c.de/", {"Tor"});
  for (int i = 0; i < 3; ++i) p->RemoveStopWords(i);
  EXPECT_EQ(p->Pages()[0]->words.Lines(), (std::vector<std::string>{"Haus", "Zaun"}));
  p->DropEmptyPages();
  ASSERT_EQ(p->Pages().size(), 2u);
  EXPECT_EQ(p->Pages()[1]->url, "http://c.de/");
  EXPECT_EQ(p->GetSchlagworteGesamt(), 3);
}

TEST_F(ProjectTest, GlossaryCountsExactSpellingsAndNumbersTheWords) {
  WriteProject("");
  auto p = Open();
  AddPage(*p, "http://a.de/", {"Haus", "Zaun"});
  AddPage(*p, "http://b.de/", {"haus"});
  AddPage(*p, "http://c.de/", {"Haus", "a\\b,c"});
  core::THinweisDlg window;
  window.pbFortschritt.SetMax(3);
  window.pbFortschritt.SetPosition(2);
  core::QuietRun run;
  p->BuildGlossary(window, run);
  EXPECT_EQ(window.pbFortschritt.Position(), 3);  // never past the maximum
  auto& g = p->GlossaryEntries();
  ASSERT_EQ(g.size(), 4u);
  EXPECT_EQ(g[0]->wort, "Haus");
  EXPECT_EQ(g[0]->anzahl, 2);
  EXPECT_EQ(g[1]->wort, "Zaun");
  EXPECT_EQ(g[2]->wort, "haus");
  EXPECT_EQ(p->Pages()[0]->words.Lines(), (std::vector<std::string>{"0", "1"}));
  EXPECT_EQ(p->Pages()[1]->words.Lines(), (std::vector<std::string>{"2"}));
  p->GlossaryLine();
  // A comma or backslash in a word must neither shift the numbers nor break
  // the string.
  EXPECT_EQ(p->GlossaryLines().Lines(), (std::vector<std::string>{"g = \"Haus,Zaun,haus,a/b c\";"}));

  // The next run starts from sorted lists again, so no word is added twice.
  p->ClearRunData();
  EXPECT_TRUE(g.empty());
  p->Pages()[0]->words.Add("b");
  p->Pages()[0]->words.Add("B");
  EXPECT_EQ(p->Pages()[0]->words.Count(), 1);
  p->GlossaryLine();
  EXPECT_EQ(p->GlossaryLines().Lines(), (std::vector<std::string>{"g = \"\";"}));
}

// The project file's format names its sections and keys without the string
// table: they must stay what the table spells, or the files would change.
TEST(ProjectFileNames, AreTheStringTablesFixedTexts) {
  int mapped = 0;
  for (const core::Txt id : core::ProjectFileNameIds()) {
    if (core::TextNumberOf(id) == 0) continue;  // Pellinova's own keys
    ++mapped;
    EXPECT_EQ(core::ProjectFileName(id), core::LoadStr(id)) << core::TextNumberOf(id);
  }
  EXPECT_EQ(mapped, 42);
}

}  // namespace
