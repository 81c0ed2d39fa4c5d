// A page's steps after its scan: description, index modes, corrections,
// random cap, and the cleaned description of its database entry.
#include <gtest/gtest.h>

#include <set>

#include "core/KeywordList.h"
#include "core/Schlagworte.h"
#include "platform/base/StringList.h"

namespace {

using core::ProjectSettings;
using core::TSchlagwortDatei;

std::vector<std::string> Words(const TSchlagwortDatei& page) { return page.words.Lines(); }

TEST(PageRecord, ComposeDescriptionTakesTitleAndMetaByTheSwitches) {
  ProjectSettings s;
  auto compose = [&](const std::string& title, const std::string& meta) {
    TSchlagwortDatei page("http://x/");
    page.description = title;
    page.metaDescription = meta;
    page.ComposeDescription(s);
    return page.GetDescription();
  };
  EXPECT_EQ(compose("A", "B"), "<b>A</b><br>B");
  EXPECT_EQ(compose("", "B"), "B");
  EXPECT_EQ(compose("A", ""), "A");
  EXPECT_EQ(compose("A", "M\xFCller"), "<b>A</b><br>M&uuml;ller");
  s.DescriptionModus = false;
  EXPECT_EQ(compose("A", "B"), "A");
  s.TitleModus = false;
  EXPECT_EQ(compose("A", "B"), "");
  s.DescriptionModus = true;
  EXPECT_EQ(compose("A", "B"), "B");
}

TEST(PageRecord, CorrectionsAddAndRemoveWordsWhateverTheIndexModes) {
  ProjectSettings s;
  s.VolltextModus = false;
  s.KeywordsModus = true;
  TSchlagwortDatei page("http://x/");
  for (const char* w : {"Haus", "Garten"}) page.words.Add(w);
  for (const char* w : {"web design", "haus"}) page.metaKeywords.Add(w);
  page.manualDescription = "Von Hand";
  page.description = "Titel";
  page.SetChangeLogText("+neu,-HAUS,-alt,+,-,,+Neu");
  EXPECT_EQ(page.changeLog.Count(), 3);  // "+neu", "-HAUS", "-alt"; "+Neu" is "+neu" again

  page.ApplyIndexModes(s);
  EXPECT_EQ(Words(page), (std::vector<std::string>{"haus", "web design"}));
  page.ApplyCorrections();
  EXPECT_EQ(Words(page), (std::vector<std::string>{"neu", "web design"}));
  EXPECT_EQ(page.GetDescription(), "Von Hand");

  // An entry without a word is never added, so never saved either.
  EXPECT_FALSE(page.AddChange("+"));
  EXPECT_FALSE(page.AddChange(""));
  EXPECT_TRUE(page.AddChange("+xyz"));
}

TEST(PageRecord, ChangeLogTextEndsAtATrailingComma) {
  TSchlagwortDatei page("http://x/");
  page.SetChangeLogText("+abc,-def");
  EXPECT_EQ(page.changeLog.Count(), 2);
  EXPECT_GE(page.changeLog.IndexOf("-def"), 0);
  page.SetChangeLogText("+abc,");
  EXPECT_EQ(page.changeLog.Lines(), (std::vector<std::string>{"+abc"}));
  page.SetChangeLogText("+b,+a,+c");
  EXPECT_EQ(page.ChangeLogText(), "+a,+b,+c");
  page.SetChangeLogText("");
  EXPECT_EQ(page.ChangeLogText(), "");
}

TEST(PageRecord, LimitKeywordsKeepsARandomSortedChoice) {
  ProjectSettings s;
  s.SchlagworteModus = true;
  s.SchlagworteMaximal = 3;
  const std::vector<std::string> all{"a1", "b2", "c3", "d4", "e5"};
  std::set<std::vector<std::string>> seen;
  for (int run = 0; run < 40; ++run) {
    TSchlagwortDatei page("http://x/");
    for (const auto& w : all) page.words.Add(w);
    page.LimitKeywords(s);
    const auto kept = Words(page);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    EXPECT_TRUE(std::includes(all.begin(), all.end(), kept.begin(), kept.end()));
    seen.insert(kept);
  }
  EXPECT_GT(seen.size(), 1u) << "every run kept the same words";

  TSchlagwortDatei three("http://x/");
  for (const char* w : {"a", "b", "c"}) three.words.Add(w);
  three.LimitKeywords(s);
  EXPECT_EQ(three.words.Count(), 3);
  s.SchlagworteModus = false;
  s.SchlagworteMaximal = 1;
  three.LimitKeywords(s);
  EXPECT_EQ(three.words.Count(), 3);
}

TEST(PageRecord, CleanDescriptionMakesOneSafeJavascriptString) {
  TSchlagwortDatei page("http://www.example.com/a\\b.htm");
  page.CleanDescription();
  EXPECT_EQ(page.GetDescription(),
            "Keine Beschreibung vorhanden f\xFCr Web-Seite <b>http://www.example.com/a/b.htm</b>");

  // The address of a page without description is cleaned alike.
  TSchlagwortDatei quoted("http://host/a\"b\r\n.htm");
  quoted.CleanDescription();
  EXPECT_EQ(quoted.GetDescription(), "Keine Beschreibung vorhanden f\xFCr Web-Seite <b>http://host/a*b.htm</b>");

  page.description = " \t Er sagte \"Ja\"\r\nund C:\\Pfad \x01";
  page.CleanDescription();
  EXPECT_EQ(page.GetDescription(), "Er sagte *Ja*und C:/Pfad");
  // A second pass (the run cleans before the dialog and again while
  // formatting) changes nothing.
  const std::string once = page.GetDescription();
  page.CleanDescription();
  EXPECT_EQ(page.GetDescription(), once);
}

TEST(PageRecord, ClearRunDataSortsTheWordsAgain) {
  TSchlagwortDatei page("http://x/");
  page.words.SetSorted(false);
  page.words.Add("1");
  page.metaKeywords.Add("m");
  page.ClearRunData();
  page.words.Add("b");
  page.words.Add("A");
  page.words.Add("B");
  EXPECT_EQ(Words(page), (std::vector<std::string>{"A", "b"}));
  EXPECT_EQ(page.metaKeywords.Count(), 0);
  page.description = std::string("Titel");
  page.metaDescription = std::string("Meta");
  page.ClearScanResults();
  EXPECT_EQ(page.description, "");
  EXPECT_EQ(page.metaDescription, "");
}

}  // namespace

// The page's word list keeps each word once in a shared table; it must order,
// merge and delete exactly as the sorted string list it stands in for.
TEST(PageRecord, KeywordListBehavesAsTheSortedStringList) {
  const std::vector<std::vector<std::string>> batches{
      {"Haus", "haus", "\xC4pfel", "apfel", "Zaun", "\xE4pfel", "HAUS", "9lives", "a-b", "ab", "Stra\xDF" "e"},
      {"zaun", "Apfel", "Strasse", "", "Maus", "Haus", "maus"},
      {}};
  platform::TStringList expected;
  expected.SetCaseSensitive(false);
  expected.SetDuplicates(platform::TDuplicates::dupIgnore);
  expected.SetSorted(true);
  core::KeywordList list;
  for (const auto& batch : batches) {
    platform::TStringList fresh;
    core::KeywordCollector met;
    for (const auto& w : batch) {
      fresh.Add(w);
      met.Add(w);
    }
    expected.AddStrings(fresh);
    list.AddAll(met.Words());
    EXPECT_EQ(list.Lines(), expected.Lines());
  }
  for (const char* w : {"HAUSE", "\xC4PFEL", "b"}) EXPECT_EQ(list.Add(w), expected.Add(w)) << w;
  for (const char* w : {"ZAUN", "nein", "strasse"}) EXPECT_EQ(list.IndexOf(w), expected.IndexOf(w)) << w;

  platform::TStringList stop = expected;
  stop.Clear();
  for (const char* w : {"MAUS", "apfel", "xyz", "zaun"}) stop.Add(w);
  EXPECT_EQ(list.DeleteLinesIn(stop), expected.DeleteLinesIn(stop));
  EXPECT_EQ(list.Lines(), expected.Lines());

  list.SetSorted(false);
  list.Put(0, "7");
  EXPECT_EQ(list[0], "7");
  list.SetSorted(true);
  EXPECT_EQ(list.Count(), expected.Count());
}
