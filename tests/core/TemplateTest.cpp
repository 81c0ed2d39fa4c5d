// The template descriptor's values and formats, and the stop-word list file.
#include <gtest/gtest.h>

#include "core/Vorlage.h"
#include "platform/base/Files.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using core::Descriptor;
using core::DescriptorValue;

class TemplateTest : public ::testing::Test {
 protected:
  void SetUp() override { core::ResetTemplateDescriptor(); }
  void TearDown() override { core::ResetTemplateDescriptor(); }
  BaseTestFolder dir;
};

// A template without descriptor must still give a working run: the values
// start at the defaults, never empty.
TEST_F(TemplateTest, ValuesStartAtTheDefaults) {
  EXPECT_EQ(Descriptor(DescriptorValue::EntryPage), "eintrag.item[%s].seite = \"");
  EXPECT_EQ(Descriptor(DescriptorValue::EntryDescription), "eintrag.item[%s].beschreibung = \"");
  EXPECT_EQ(Descriptor(DescriptorValue::EntryKeywords), "eintrag.item[%s].begriff = \"");
  EXPECT_EQ(Descriptor(DescriptorValue::IndexMax), "var index_max = %s;");
  EXPECT_EQ(Descriptor(DescriptorValue::GlossaryMode), "var glossarModus = %s;");
  EXPECT_EQ(Descriptor(DescriptorValue::LastUpdate), "var stand = \"%s");
  EXPECT_EQ(Descriptor(DescriptorValue::InsertConsts), "// Pellinova: Konstanten");
  EXPECT_EQ(Descriptor(DescriptorValue::InsertArray), "// Pellinova: Array");
  EXPECT_EQ(Descriptor(DescriptorValue::InsertGlossary), "// Pellinova: Glossar");
  EXPECT_EQ(Descriptor(DescriptorValue::SearchBase), "suche.js");
  EXPECT_EQ(Descriptor(DescriptorValue::Stopword), "stopwort.lst");
  EXPECT_EQ(Descriptor(DescriptorValue::Search), "suche.htm");
  EXPECT_EQ(Descriptor(DescriptorValue::SearchInput), "suchein.htm");
  EXPECT_EQ(Descriptor(DescriptorValue::SearchHelp), "suchhilf.htm");
  EXPECT_EQ(Descriptor(DescriptorValue::SearchLoad), "suchlade.htm");
}

TEST_F(TemplateTest, DescriptorReplacesAllValuesAndAMissingOneChangesNothing) {
  platform::WriteFileBytes(dir / "Pellinova.ini", "[Options]\r\nSearchBase=index.js\r\nWithGlossary=1\r\n"
                                                  "[Strings]\r\nIndexMax=var n = %s;\r\n");
  bool withGlossary = false;
  ASSERT_TRUE(core::ReadTemplateDescriptor(dir.Path(), withGlossary));
  EXPECT_TRUE(withGlossary);
  EXPECT_EQ(Descriptor(DescriptorValue::SearchBase), "index.js");
  EXPECT_EQ(Descriptor(DescriptorValue::IndexMax), "var n = %s;");
  EXPECT_EQ(Descriptor(DescriptorValue::Search), "suche.htm");
  EXPECT_EQ(Descriptor(DescriptorValue::InsertArray), "// Pellinova: Array");

  // A folder without descriptor keeps the values of the last one read.
  BaseTestFolder bare;
  EXPECT_FALSE(core::ReadTemplateDescriptor(bare.Path(), withGlossary));
  EXPECT_FALSE(withGlossary);
  EXPECT_EQ(Descriptor(DescriptorValue::SearchBase), "index.js");

  // The file is read afresh: a changed descriptor counts at the next read.
  platform::WriteFileBytes(dir / "Pellinova.ini", "[Options]\r\nSearch=start.htm\r\n");
  ASSERT_TRUE(core::ReadTemplateDescriptor(dir.Path(), withGlossary));
  EXPECT_EQ(Descriptor(DescriptorValue::SearchBase), "suche.js");
  EXPECT_EQ(Descriptor(DescriptorValue::Search), "start.htm");
  EXPECT_FALSE(withGlossary);
}

TEST(FileNames, NameAFileInTheFolderOnly) {
  for (const char* name : {"suche.js", "stopwort.lst", "suche_%s.js", "a b.htm", ".lst", ""})
    EXPECT_TRUE(core::NamesFileInFolder(name)) << name;
  for (const char* name : {"..\\..\\OPFER.txt", "../x.js", "sub\\x.js", "sub/x.js", "C:\\x.js", "C:x.js", "..",
                           "a..b.js", "x.js:strom", "\\\\server\\share\\x.js"})
    EXPECT_FALSE(core::NamesFileInFolder(name)) << name;
}

// A descriptor that would have the run read or write outside the template or
// target folder is not taken at all, and names the key that would.
TEST_F(TemplateTest, ADescriptorWithAFileNameOutsideItsFolderIsRefused) {
  for (const char* line : {"Stopword=..\\..\\..\\OPFER.txt", "SearchHelp=D:\\x.htm", "SearchBase=sub/suche.js"}) {
    platform::WriteFileBytes(dir / "Pellinova.ini", std::string("[Options]\r\nSearch=start.htm\r\n") + line + "\r\n");
    core::TemplateSwitches switches;
    core::RefusedFileName refused;
    EXPECT_FALSE(core::ReadTemplateDescriptor(dir.Path(), switches, &refused)) << line;
    const std::string text = line;
    EXPECT_EQ(refused.key + "=" + refused.value, text);
    EXPECT_EQ(refused.file, dir / "Pellinova.ini");
    EXPECT_EQ(Descriptor(DescriptorValue::Search), "suche.htm") << line;
  }
}

TEST_F(TemplateTest, FormatsFillOnlyPercentSAndKeepEveryOtherPercent) {
  EXPECT_EQ(core::FormatDescriptor("eintrag.item[%s].seite = \"", "12"), "eintrag.item[12].seite = \"");
  EXPECT_EQ(core::FormatDescriptor("var a = %s; // 100%% sicher", "1"), "var a = 1; // 100% sicher");
  EXPECT_EQ(core::FormatDescriptor("%d %x %", "1"), "%d %x %");
  EXPECT_EQ(core::FormatDescriptor("%s-%s", "7"), "7-7");
  // The argument is not read as a format.
  EXPECT_EQ(core::FormatDescriptor("[%s]", "%s%%"), "[%s%%]");
}

TEST_F(TemplateTest, StopWordListComesBackSortedWithoutCaseDuplicates) {
  platform::WriteFileBytes(dir / "stopwort.lst", "Der\r\nder\nDie\r\u00E4hnlich\r\nabc");
  platform::TStringList list;
  core::LoadStopWords(dir / "stopwort.lst", list);
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"abc", "\xE4hnlich", "Der", "Die"}));
  int at;
  EXPECT_TRUE(list.Find("DIE", at));
  core::SaveStopWords(dir / "stopwort.lst", list);
  EXPECT_EQ(platform::ReadFileBytes(dir / "stopwort.lst"), "abc\r\n\xE4hnlich\r\nDer\r\nDie\r\n");

  EXPECT_THROW(core::LoadStopWords(dir / "fehlt.lst", list), platform::EInOutError);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
