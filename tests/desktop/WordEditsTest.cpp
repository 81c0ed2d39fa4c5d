// The rules of the word dialogs: the corrections a page keeps after inserts,
// renames and deletes in its review, the current entry after each change,
// the stop-word list's edits and import, and the description as typed and
// as stored.
#include "desktop/DescriptionText.h"
#include "desktop/WordEdits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

platform::TStringList Sorted(const Lines& lines) {
  platform::TStringList list;
  list.SetSorted(true);
  for (const auto& l : lines) list.Add(l);
  return list;
}

platform::TStringList Plain(const Lines& lines) {
  platform::TStringList list;
  for (const auto& l : lines) list.Add(l);
  return list;
}

void Select(desktop::WordList& list, const std::string& word) {
  const auto& words = list.Words();
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] == word) return list.SetCurrent(static_cast<int>(i));
  }
  FAIL() << word << " is not listed";
}

// One step as the user takes it: "+w" inserts w, "-w" deletes w, "w>x"
// renames w to x, "!w" moves w to the stop words.
void Apply(desktop::KeywordReview& review, platform::TStringList& stopWords, const std::string& step) {
  const std::string word = step.substr(1);
  if (const size_t arrow = step.find('>'); arrow != std::string::npos) {
    Select(review.List(), step.substr(0, arrow));
    review.Rename(step.substr(arrow + 1));
  } else if (step[0] == '+') {
    review.Insert(word);
  } else if (step[0] == '-') {
    Select(review.List(), word);
    review.Delete();
  } else {
    Select(review.List(), word);
    review.MoveToStopWords(stopWords);
  }
}

TEST(KeywordReview, CorrectionsAfterEachHistory) {
  struct Case {
    const char* what;
    Lines words, log, steps;
    Lines wordsAfter, logAfter;
  };
  const Case cases[] = {
      {"insert", {"alt"}, {}, {"+neu"}, {"alt", "neu"}, {"+neu"}},
      {"delete", {"alt", "bau"}, {}, {"-alt"}, {"bau"}, {"-alt"}},
      {"inserted then deleted", {"alt"}, {}, {"+neu", "-neu"}, {"alt"}, {}},
      {"deleted then inserted", {"alt"}, {}, {"-alt", "+alt"}, {"alt"}, {}},
      {"rename", {"alt", "bau"}, {}, {"alt>neu"}, {"neu", "bau"}, {"+neu", "-alt"}},
      {"rename an inserted word", {"alt"}, {}, {"+neu", "neu>neuer"}, {"alt", "neuer"}, {"+neuer"}},
      {"rename back", {"alt"}, {}, {"alt>neu", "neu>alt"}, {"alt"}, {}},
      {"corrections of earlier runs", {"alt", "haus"}, {"+haus", "-weg"}, {"-haus", "+weg"}, {"alt", "weg"}, {}},
      {"the case of a found word", {"haus"}, {}, {"haus>Haus"}, {"Haus"}, {}},
      {"the case of an added word", {"haus"}, {"+haus", "-HAUS", "-dach"}, {"haus>Haus"}, {"Haus"},
       {"-dach", "+Haus"}},
      {"the case, then the word", {"haus"}, {}, {"haus>Haus", "Haus>Hof"}, {"Hof"}, {"+Hof", "-Haus"}},
      {"the case, then deleted", {"haus", "hof"}, {}, {"haus>Haus", "-Haus"}, {"hof"}, {"-Haus"}},
      {"to the stop words", {"alt", "Und"}, {"+Und"}, {"!Und"}, {"alt"}, {"+Und"}},
  };
  for (const auto& c : cases) {
    desktop::KeywordReview review(Sorted(c.words), Plain(c.log), true);
    platform::TStringList stopWords = Sorted({});
    for (const auto& step : c.steps) Apply(review, stopWords, step);
    EXPECT_EQ(review.List().Words(), c.wordsAfter) << c.what;
    EXPECT_EQ(review.ChangeLog().Lines(), c.logAfter) << c.what;
  }
}

TEST(KeywordReview, StopWordsGetTheWordInLowerCaseOnlyWhenUsable) {
  platform::TStringList stopWords = Sorted({"der"});
  desktop::KeywordReview review(Sorted({"Garten", "Ähre"}), Sorted({}), true);
  EXPECT_FALSE(review.StopWordsAdded());
  Select(review.List(), "Ähre");
  review.MoveToStopWords(stopWords);
  EXPECT_EQ(stopWords.Lines(), (Lines{"ähre", "der"}));
  EXPECT_TRUE(review.StopWordsAdded());

  desktop::KeywordReview unusable(Sorted({"Garten"}), Sorted({}), false);
  EXPECT_TRUE(unusable.CanEdit());
  EXPECT_FALSE(unusable.CanMoveToStopWords());
  unusable.MoveToStopWords(stopWords);
  EXPECT_EQ(unusable.List().Count(), 1);
}

TEST(KeywordReview, EmptyListGetsACurrentEntryWithTheFirstInsert) {
  desktop::KeywordReview review(Sorted({}), Sorted({}), true);
  EXPECT_FALSE(review.CanEdit());
  EXPECT_FALSE(review.CanMoveToStopWords());
  // Without a current entry the commands on it do nothing.
  review.Delete();
  review.Rename("x");
  EXPECT_EQ(review.ChangeLog().Count(), 0);

  review.Insert("neu");
  EXPECT_TRUE(review.CanEdit());
  EXPECT_EQ(review.List().Current(), 0);
  review.Delete();
  EXPECT_EQ(review.List().Current(), -1);
  EXPECT_FALSE(review.CanEdit());
  EXPECT_EQ(review.ChangeLog().Count(), 0);
}

TEST(WordList, CurrentEntryAfterChanges) {
  desktop::WordList list;
  list.Assign({"d", "b", "a", "c"});
  EXPECT_EQ(list.Words(), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(list.Current(), 0);
  // An insert keeps the index, whatever word now stands there.
  list.SetCurrent(1);
  list.Insert("A");
  EXPECT_EQ(list.Words(), (Lines{"a", "A", "b", "c", "d"}));
  EXPECT_EQ(list.Current(), 1);
  // A rename stays in its place.
  list.SetCurrent(2);
  list.ReplaceCurrent("zz");
  EXPECT_EQ(list.Words(), (Lines{"a", "A", "zz", "c", "d"}));
  EXPECT_TRUE(list.Contains("ZZ"));
  EXPECT_FALSE(list.Contains("B"));
  // Deleting the last entry makes the new last one current.
  list.SetCurrent(4);
  list.DeleteCurrent();
  EXPECT_EQ(list.Current(), 3);
  list.SetCurrent(7);
  EXPECT_FALSE(list.HasCurrent());
  // No selection: the new word becomes current.
  list.Insert("e");
  EXPECT_EQ(list.CurrentWord(), "e");
}

TEST(KeywordCheck, RefusesWhatBreaksCorrectionsOrTheDatabase) {
  const struct {
    const char* word;
    desktop::KeywordFault fault;
    char character;
  } cases[] = {
      {"Haus", desktop::KeywordFault::None, 0},
      {"Haus und Hof", desktop::KeywordFault::None, 0},
      {"", desktop::KeywordFault::Empty, 0},
      {"a,b", desktop::KeywordFault::Character, ','},
      {"\"zitat\"", desktop::KeywordFault::Character, '"'},
      {"C:\\pfad", desktop::KeywordFault::Character, '\\'},
  };
  for (const auto& c : cases) {
    char character = 'x';
    EXPECT_EQ(desktop::CheckKeyword(c.word, character), c.fault) << c.word;
    EXPECT_EQ(character, c.character) << c.word;
  }
}

TEST(StopWordEdit, InsertLowerCasesRenameKeepsTheText) {
  desktop::StopWordEdit edit(Sorted({"der", "und"}));
  EXPECT_TRUE(edit.Insert("ÄRGER"));
  EXPECT_FALSE(edit.Insert("DER"));
  EXPECT_EQ(edit.List().Words(), (Lines{"ärger", "der", "und"}));
  Select(edit.List(), "und");
  edit.Rename("UND");
  EXPECT_EQ(edit.List().Words(), (Lines{"ärger", "der", "UND"}));
  edit.Delete();
  edit.Delete();
  EXPECT_EQ(edit.List().Words(), (Lines{"ärger"}));
  EXPECT_EQ(edit.List().Current(), 0);
}

TEST(StopWordEdit, ImportAddsTheNewWordsUntilCancelled) {
  desktop::StopWordEdit edit(Sorted({"der"}));
  Lines shown;
  EXPECT_TRUE(edit.Import(Plain({"Die", "der", "DAS"}), [&](const std::string& line) {
    shown.push_back(line);
    return true;
  }));
  EXPECT_EQ(shown, (Lines{"Die", "der", "DAS"}));
  EXPECT_EQ(edit.List().Words(), (Lines{"das", "der", "die"}));

  desktop::StopWordEdit empty(Sorted({}));
  int lines = 0;
  EXPECT_FALSE(empty.Import(Plain({"eins", "zwei", "drei"}), [&](const std::string&) { return ++lines < 3; }));
  EXPECT_EQ(empty.List().Words(), (Lines{"eins", "zwei"}));
  EXPECT_EQ(empty.List().Current(), 0);
}

TEST(Description, TagButtonsWrapTheSelection) {
  using desktop::DescriptionTag;
  const struct {
    DescriptionTag tag;
    const char* selection;
    const char* result;
  } cases[] = {
      {DescriptionTag::Bold, "", "<b></b>"},          {DescriptionTag::Italic, "x", "<i>x</i>"},
      {DescriptionTag::Underline, "x", "<u>x</u>"},   {DescriptionTag::Small, "x", "<small>x</small>"},
      {DescriptionTag::LineBreak, "x", "x<br>"},      {DescriptionTag::Paragraph, "x", "<p>x</p>"},
  };
  for (const auto& c : cases) EXPECT_EQ(desktop::WrapSelection(c.tag, c.selection), c.result) << c.result;
}

TEST(Description, StoredOnOneLineInCanonicalFormWithItsTags) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {
      {" Zeile eins\r\nZeile zwei\t\r\n", "Zeile einsZeile zwei"},
      {"M\xFCller & S\xF6hne\tGmbH", "M&uuml;ller & S&ouml;hneGmbH"},
      {"Gr&uuml;n &amp; gelb", "Gr&uuml;n & gelb"},
      {"<b>Haus</b><br>f\xFCr <i>alle</i> > 3", "<b>Haus</b><br>f&uuml;r <i>alle</i> > 3"},
  };
  for (const auto& c : cases) EXPECT_EQ(desktop::StoredDescription(c.typed), c.stored) << c.typed;
}

}  // namespace
