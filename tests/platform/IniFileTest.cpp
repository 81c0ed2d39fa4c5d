#include <gtest/gtest.h>

#include "BaseTestFolder.h"
#include "platform/base/IniFile.h"

using namespace platform;
using Lines = std::vector<std::string>;

namespace {

// Comments, unknown lines, duplicate keys and sections, quotes, mixed line ends.
const char* const kProject =
    "; Projektdatei\r\n"
    "[Einstellungen]\r\n"
    "WebSite = http://www.example.org/ \r\n"
    "Passwort=\"geheim \"\n"
    "Leer=\r\n"
    "Quote='einzeln'\r\n"
    "Halb=\"offen\r\n"
    "AnzahlEintraege=2\r\n"
    "anzahleintraege=9\r\n"
    "kein Schlüssel hier\r\n"
    "Wert=a=b\r\n"
    "\r\n"
    "  [ Dateien ]  \r\n"
    "1=http://a/\r"
    "2=http://b/\r\n"
    "; Kommentar zur Beschreibung\r\n"
    "\r\n"
    "[Beschreibung]\r\n"
    "1=Erste\r\n"
    "[einstellungen]\r\n"
    "WebSite=zweite";

std::vector<std::string> Keys(const TIniFile& ini, const std::string& section) {
  TStringList list;
  ini.ReadSection(section, list);
  return list.Lines();
}

}  // namespace

TEST(IniFile, ReadsTheFirstOccurrenceTrimmedAndUnquoted) {
  const TIniFile ini = TIniFile::FromText(kProject);
  EXPECT_EQ(ini.ReadString("EINSTELLUNGEN", "website", "-"), "http://www.example.org/");
  EXPECT_EQ(ini.ReadString("Einstellungen", "Passwort", "-"), "geheim ");
  EXPECT_EQ(ini.ReadString("Einstellungen", "Leer", "-"), "");
  EXPECT_EQ(ini.ReadString("Einstellungen", "Fehlt", "-"), "-");
  EXPECT_EQ(ini.ReadString("Einstellungen", "Quote", "-"), "einzeln");
  EXPECT_EQ(ini.ReadString("Einstellungen", "Halb", "-"), "\"offen");
  EXPECT_EQ(ini.ReadString("Einstellungen", "Wert", "-"), "a=b");
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "AnzahlEintraege", 0), 2);
  EXPECT_EQ(ini.ReadString("dateien", "2", "-"), "http://b/");
  EXPECT_TRUE(ini.ValueExists("Einstellungen", "Leer"));
  EXPECT_FALSE(ini.ValueExists("Einstellungen", "kein Schlüssel hier"));

  TStringList list;
  ini.ReadSections(list);
  EXPECT_EQ(list.Lines(), (Lines{"Einstellungen", "Dateien", "Beschreibung"}));
  EXPECT_EQ(Keys(ini, "einstellungen"),
            (Lines{"WebSite", "Passwort", "Leer", "Quote", "Halb", "AnzahlEintraege", "Wert"}));
  ini.ReadSectionValues("Dateien", list);
  EXPECT_EQ(list.Lines(), (Lines{"1=http://a/", "2=http://b/"}));
}

TEST(IniFile, EditsKeepEveryOtherLineByteForByte) {
  TIniFile ini = TIniFile::FromText(kProject);
  ini.WriteString("Dateien", "1", "http://a/");
  EXPECT_FALSE(ini.Modified());  // the same value changes nothing
  ini.WriteString("Dateien", "3", "http://c/");
  ini.WriteString("einstellungen", "WEBSITE", "http://neu/");
  ini.WriteString("Beschreibung", "2", "Zweite");
  ini.WriteInteger("Neu", "Zahl", -5);
  ini.WriteBool("Neu", "An", true);
  EXPECT_TRUE(ini.Modified());
  EXPECT_EQ(ini.Text(),
            "; Projektdatei\r\n"
            "[Einstellungen]\r\n"
            "WebSite=http://neu/\r\n"
            "Passwort=\"geheim \"\r\n"
            "Leer=\r\n"
            "Quote='einzeln'\r\n"
            "Halb=\"offen\r\n"
            "AnzahlEintraege=2\r\n"
            "anzahleintraege=9\r\n"
            "kein Schlüssel hier\r\n"
            "Wert=a=b\r\n"
            "\r\n"
            "  [ Dateien ]  \r\n"
            "1=http://a/\r\n"
            "2=http://b/\r\n"
            "3=http://c/\r\n"
            "; Kommentar zur Beschreibung\r\n"
            "\r\n"
            "[Beschreibung]\r\n"
            "1=Erste\r\n"
            "2=Zweite\r\n"
            "[einstellungen]\r\n"
            "WebSite=zweite\r\n"
            "\r\n"
            "[Neu]\r\n"
            "Zahl=-5\r\n"
            "An=1\r\n");
}

TEST(IniFile, ValuesThatWouldNotReadBackAreQuotedAndLineBreaksFlattened) {
  TIniFile ini = TIniFile::FromText("");
  ini.WriteString("S", "Blanks", " x ");
  ini.WriteString("S", "Quoted", "'y'");
  ini.WriteString("S", "Break", "a\r\nb\nc");
  ini.WriteString("S\r\n[X]", "k", "v");
  EXPECT_EQ(ini.Text(), "[S]\r\nBlanks=\" x \"\r\nQuoted=\"'y'\"\r\nBreak=a b c\r\n\r\n[S [X]]\r\nk=v\r\n");
  const TIniFile back = TIniFile::FromText(ini.Text());
  EXPECT_EQ(back.ReadString("S", "Blanks", "-"), " x ");
  EXPECT_EQ(back.ReadString("S", "Quoted", "-"), "'y'");
  // A line break at the end of a name turns into no blank that sticks to it.
  ini.WriteString("\r\nT", "\nk\r", "w");
  EXPECT_EQ(TIniFile::FromText(ini.Text()).ReadString("T", "k", "-"), "w");
  EXPECT_THROW(ini.WriteString("S", "", "v"), std::invalid_argument);
  EXPECT_THROW(ini.WriteString("S", "a=b", "v"), std::invalid_argument);
  EXPECT_THROW(ini.UpdateFile(), std::logic_error);
}

TEST(IniFile, NumbersAndBooleans) {
  const TIniFile ini = TIniFile::FromText(
      "[s]\na=42\nb= -7 \nc=$1F\nd=0x1f\ne=12abc\nf=\ng=99999999999\nh=$FFFFFFFF\ni=-2147483648\nj=+3\n"
      "t=2\nz=0\ny=ja\n");
  const std::pair<const char*, int> cases[] = {{"a", 42}, {"b", -7}, {"c", 31}, {"d", 31}, {"e", 99}, {"f", 99},
                                               {"g", 99}, {"h", -1}, {"i", INT32_MIN}, {"j", 3}, {"x", 99}};
  for (const auto& [key, expected] : cases) EXPECT_EQ(ini.ReadInteger("s", key, 99), expected) << key;
  EXPECT_TRUE(ini.ReadBool("s", "t", false));
  EXPECT_FALSE(ini.ReadBool("s", "z", true));
  EXPECT_TRUE(ini.ReadBool("s", "y", true));
  EXPECT_FALSE(ini.ReadBool("s", "y", false));
}

TEST(IniFile, DeleteAndErase) {
  TIniFile ini = TIniFile::FromText("[s]\nk=1\nx=2\nK=3\n[Leer]\n[t]\na=1\n[S]\nk=4\n");
  EXPECT_FALSE(ini.SectionExists("Leer"));  // a section counts once it holds a key
  EXPECT_TRUE(ini.SectionExists("T"));
  ini.DeleteKey("S", "k");
  EXPECT_EQ(ini.ReadString("s", "k", "-"), "-");  // no duplicate comes to light
  ini.EraseSection("t");
  EXPECT_EQ(ini.Text(), "[s]\r\nx=2\r\n[Leer]\r\n[S]\r\nk=4\r\n");
  ini.EraseSection("s");
  EXPECT_EQ(ini.Text(), "[Leer]\r\n");
}

TEST(IniFile, ObjectsOnOneFileShareOneCachedDocument) {
  BaseTestFolder dir;
  const std::string path = dir / "Corvanta.ini";
  {
    TIniFile a(path);
    a.UpdateFile();
    EXPECT_FALSE(FileExists(path));  // nothing written, nothing created
    TIniFile b(dir.Path() + "\\.\\CORVANTA.INI");
    a.WriteString("Environment", "Language", "1031");
    EXPECT_EQ(b.ReadInteger("environment", "language", 0), 1031);
    EXPECT_TRUE(b.Modified());
    b.UpdateFile();
    EXPECT_FALSE(a.Modified());
    EXPECT_EQ(ReadFileBytes(path), "[Environment]\r\nLanguage=1031\r\n");

    // Unchanged documents are not written; Reload takes the file as it is now.
    WriteFileBytes(path, "[Environment]\nLanguage=1033\n");
    a.UpdateFile();
    EXPECT_EQ(ReadFileBytes(path), "[Environment]\nLanguage=1033\n");
    EXPECT_EQ(b.ReadInteger("Environment", "Language", 0), 1031);
    b.Reload();
    EXPECT_EQ(a.ReadInteger("Environment", "Language", 0), 1033);
    a.WriteString("Environment", "Language", "0");
    WriteFileBytes(path, "[Environment]\nLanguage=7\n");
  }
  // Once no object holds it, the document is read anew and unsaved changes are gone.
  TIniFile c(path);
  EXPECT_EQ(c.ReadInteger("Environment", "Language", 0), 7);
  EXPECT_EQ(c.FileName(), path);
}

TEST(IniFile, WriteErrorsReachTheCallerAndKeepTheChanges) {
  BaseTestFolder dir;
  TIniFile missing(dir / "no\\such\\folder.ini");
  missing.WriteString("s", "k", "v");
  EXPECT_THROW(missing.UpdateFile(), EInOutError);
  EXPECT_TRUE(missing.Modified());

  const std::string path = dir / "readonly.ini";
  WriteFileBytes(path, "[s]\r\nk=old\r\n");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  TIniFile ro(path);
  ro.WriteString("s", "k", "new");
  try {
    ro.UpdateFile();
    ADD_FAILURE() << "a read-only file was written";
  } catch (const EInOutError& e) {
    // The message names the file: "Access denied." alone does not say which.
    EXPECT_EQ(e.what(), path + "\r\r" + SysErrorMessage(ERROR_ACCESS_DENIED));
  }
  EXPECT_EQ(ReadFileBytes(path), "[s]\r\nk=old\r\n");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  // A disk filling up while saving leaves the old file as it was.
  struct Full : FileFaults {
    size_t LimitWrite(const std::string&, size_t n) override { return n / 2; }
  } full;
  SetFileFaults(&full);
  EXPECT_THROW(ro.UpdateFile(), EInOutError);
  SetFileFaults(nullptr);
  EXPECT_EQ(ReadFileBytes(path), "[s]\r\nk=old\r\n");
  ro.UpdateFile();
  EXPECT_EQ(ReadFileBytes(path), "[s]\r\nk=new\r\n");

  EXPECT_THROW(TIniFile{dir.Path()}, EInOutError);  // a folder cannot be read as a file
}
