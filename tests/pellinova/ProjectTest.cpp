// Pellinova's project file: its keys and defaults, the template's say over
// the per-letter files, the substituted folders, the key order of a save, the
// merge of a file search into the pages.
#include <gtest/gtest.h>

#include "core/ProjectFile.h"
#include "core/Texts.h"
#include "corvanta/SiteFetch.h"
#include "desktop/PageList.h"
#include "tests/pellinova/PellinovaFixture.h"

namespace {

using pellinova_test::PellinovaFolder;
using Lines = std::vector<std::string>;

class PellinovaProject : public PellinovaFolder {};

TEST_F(PellinovaProject, NewProjectTakesPellinovasDefaults) {
  platform::ForceDirectories(siteDir_);
  auto& p = OpenFile("[Einstellungen]\r\nHTMLVerzeichnis=" + siteDir_ + "\r\nVorlagenVerzeichnis=" + templateDir_ +
                     "\r\nStopwortListeVerwenden=0\r\n");
  EXPECT_TRUE(p.GetRelativerPfad());
  EXPECT_FALSE(p.GetServerNameVerwenden());
  EXPECT_FALSE(p.GetXML());
  EXPECT_FALSE(p.GetMega());
  EXPECT_EQ(p.GetDateiendungen(), "htm,html");
  EXPECT_EQ(p.GetXMLDatei(), "suche.xml");
  EXPECT_EQ(p.GetServerName(), "http://www.example.com/verzeichnis");
  // Without a target folder of its own, the search form goes beside the pages.
  EXPECT_EQ(p.GetZielVerzeichnis(), siteDir_);
  EXPECT_FALSE(p.FoldersSubstituted());
  EXPECT_FALSE(p.Saved());
}

TEST_F(PellinovaProject, MissingSourceFolderBecomesTheDriveAndIsNoted) {
  auto& gone = OpenFile("[Einstellungen]\r\nHTMLVerzeichnis=" + (folder_ / "weg") + "\r\nStopwortListeVerwenden=0\r\n");
  EXPECT_EQ(gone.GetHTMLVerzeichnis(), "C:");
  EXPECT_EQ(gone.GetZielVerzeichnis(), "C:");
  EXPECT_TRUE(gone.FoldersSubstituted());

  EXPECT_TRUE(OpenFile("[Einstellungen]\r\nStopwortListeVerwenden=0\r\n").FoldersSubstituted());
  EXPECT_TRUE(OpenFile("[Einstellungen]\r\nHTMLVerzeichnis=\r\nStopwortListeVerwenden=0\r\n").FoldersSubstituted());
  platform::ForceDirectories(siteDir_);
  EXPECT_TRUE(OpenFile("[Einstellungen]\r\nHTMLVerzeichnis=" + siteDir_ + "\r\nZielVerzeichnis=" +
                       (folder_ / "weg") + "\r\nStopwortListeVerwenden=0\r\n")
                  .FoldersSubstituted());
  // A drive the file names itself is the user's choice.
  EXPECT_FALSE(OpenFile("[Einstellungen]\r\nHTMLVerzeichnis=C:\r\nStopwortListeVerwenden=0\r\n").FoldersSubstituted());
}

TEST_F(PellinovaProject, TemplateDescriptorDecidesTheLetterFiles) {
  const std::string settings = "Mega=0\r\nGlossarModus=1\r\nAutoOptimierung=1\r\n";
  platform::WriteFileBytes(templateDir_ + "\\Pellinova.ini", "[Options]\r\nMega=1\r\n");
  auto& p = Open({}, settings);
  EXPECT_TRUE(p.GetMega());
  EXPECT_FALSE(p.GetGlossarModus());
  EXPECT_FALSE(p.GetAutoOptimierung());
  p.SaveProject();
  platform::TIniFile saved(p.GetProjectFileName());
  EXPECT_EQ(saved.ReadString("Einstellungen", "Mega", ""), "1");

  // Without a descriptor the project file's value stands.
  platform::DeleteFileIfExists(templateDir_ + "\\Pellinova.ini");
  EXPECT_TRUE(Open({}, "Mega=1\r\n").GetMega());
  EXPECT_FALSE(Open({}, settings).GetMega());
  EXPECT_TRUE(project_->GetGlossarModus());
}

TEST_F(PellinovaProject, SaveWritesPellinovasKeysInOrder) {
  platform::ForceDirectories(siteDir_);
  auto& p = OpenFile("[Einstellungen]\r\nAnzahlEintraege=0\r\nHTMLVerzeichnis=" + siteDir_ +
                     "\r\nVorlagenVerzeichnis=" + templateDir_ + "\r\nStopwortListeVerwenden=0\r\n");
  p.SetServerNameVerwenden(true);
  p.SetXML(true);
  p.SetTitleModus(false);
  p.SetDescriptionModus(false);
  p.SaveProject();
  const std::string expected =
      "[Einstellungen]\r\nAnzahlEintraege=0\r\nHTMLVerzeichnis=" + siteDir_ + "\r\nVorlagenVerzeichnis=" +
      templateDir_ + "\r\nStopwortListeVerwenden=0\r\nZielVerzeichnis=" + siteDir_ +
      "\r\nStopwortListe=stopwort.lst\r\nServerName=http://www.example.com/verzeichnis\r\nAnalyseDauer=\r\n"
      "JavascriptGroesse=0\r\nSpeicherGroesse=0\r\nSpeicherGroesseMitGlossar=0\r\nDateiGroesse=0\r\n"
      "DateiGroesseOptimiert=0\r\nGlossarGroesse=0\r\nStand=Noch nicht erzeugt\r\nJavascriptDatei=suche.js\r\n"
      "XMLDatei=suche.xml\r\nFrameDatei=suche.htm\r\nFrameEingabeDatei=suchein.htm\r\n"
      "FrameHilfeDatei=suchhilf.htm\r\nFrameLadenDatei=suchlade.htm\r\nDateiendungen=htm,html\r\n"
      "ServerNameVerwenden=1\r\nDetailsModus=0\r\nRelativerPfad=1\r\nTitleModus=0\r\nDescriptionModus=0\r\n"
      "VolltextModus=1\r\nKeywordsModus=0\r\nOptimiertModus=0\r\nGlossarModus=0\r\nAutoOptimierung=0\r\n"
      "SchlagworteModus=0\r\nMega=0\r\nXML=1\r\nBeschreibung=0\r\nZahlen=0\r\nWortbreite=1\r\nWortbreiteMin=3\r\n"
      "WortbreiteMax=40\r\nGefundeneSchlagworte=0\r\nSchlagworteGesamt=0\r\nSchlagworteMaximal=300\r\n";
  EXPECT_EQ(platform::ReadFileBytes(p.GetProjectFileName()), expected);
  EXPECT_TRUE(p.GetTitleModus());  // in memory only
}

TEST_F(PellinovaProject, PageWithoutDescriptionNamesItsFile) {
  auto& p = Open({"sub\\seite.htm"});
  core::TSchlagwortDatei& page = *p.Pages()[0];
  page.CleanDescription();
  EXPECT_EQ(page.GetDescription(), "Keine Beschreibung vorhanden f\xFCr Datei <b>sub/seite.htm</b>");
  EXPECT_EQ(p.PageName(page), siteDir_ + "\\sub\\seite.htm");
}

TEST_F(PellinovaProject, MergeKeepsListedPagesAndAppendsNewOnes) {
  auto& p = Open({"a.htm", "weg.htm", "sub\\c.htm"});
  p.Pages()[0]->AddChange("+extra");
  platform::TStringList found;
  found.SetSorted(true);
  for (const char* f : {"sub\\c.htm", "a.htm", "neu.htm", "A.HTM2"}) found.Add(f);
  desktop::MergeFileList(p, found);
  std::vector<std::string> urls;
  for (const auto& page : p.Pages()) urls.push_back(page->url);
  EXPECT_EQ(urls, (Lines{"a.htm", "sub\\c.htm", "A.HTM2", "neu.htm"}));
  EXPECT_EQ(p.Pages()[0]->ChangeLogText(), "+extra");
  EXPECT_EQ(found.Lines(), (Lines{"A.HTM2", "neu.htm"}));
  // New pages carry the letter buckets.
  EXPECT_NO_THROW(pellinova::LetterPage(*p.Pages()[3]));
}

TEST(ProjectFileNames, AreTheStringTablesFixedTexts) {
  int mapped = 0;
  for (const core::Txt id : core::ProjectFileNameIds()) {
    if (core::TextNumberOf(id) == 0) continue;  // Corvanta's site and login
    ++mapped;
    EXPECT_EQ(core::ProjectFileName(id), core::LoadStr(id)) << core::TextNumberOf(id);
  }
  EXPECT_EQ(mapped, 46);
}

}  // namespace
