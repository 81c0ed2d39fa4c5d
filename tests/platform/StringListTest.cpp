#include <gtest/gtest.h>

#include "BaseTestFolder.h"
#include "platform/base/Blanks.h"
#include "platform/base/StringList.h"

using namespace platform;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(LocaleText, ComparesInTheUsersLocale) {
  EXPECT_EQ(AnsiCompareText("Äpfel", "äPFEL"), 0);
  EXPECT_LT(AnsiCompareText("apfel", "Äpfel"), 0);  // umlauts sort with their letter, not after "z"
  EXPECT_LT(AnsiCompareText("Äpfel", "Zebra"), 0);
  EXPECT_NE(AnsiCompareStr("Apfel", "apfel"), 0);
  EXPECT_LT(AnsiCompareText("a\0b"s, "a\0c"s), 0);  // the whole text, not up to a NUL
  EXPECT_TRUE(SameText("STRAßE", "straße"));
  EXPECT_EQ(AnsiUpperCase("äöü straße"), "ÄÖÜ STRAßE");
  EXPECT_EQ(AnsiLowerCase("ÄÖÜ"), "äöü");
}

TEST(StringList, SortedIgnoresDuplicatesCaseInsensitively) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"Zebra", "Äpfel", "apfel", "ÄPFEL", "mango", "APFEL"}) list.Add(s);
  EXPECT_EQ(list.Lines(), (Lines{"apfel", "Äpfel", "mango", "Zebra"}));
  EXPECT_EQ(list.Add("MANGO"), 2);  // the line already there
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.IndexOf("zebra"), 3);
  EXPECT_EQ(list.IndexOf("birne"), -1);
  EXPECT_THROW(list.Insert(0, "a"), EStringListError);
  EXPECT_THROW(list.Put(0, "a"), EStringListError);

  list.SetCaseSensitive(true);
  list.Add("APFEL");
  EXPECT_EQ(list.Count(), 5);
}

TEST(StringList, FindGivesTheInsertionPlace) {
  TStringList list{"b", "d", "f"};
  list.SetSorted(true);
  int i = -1;
  EXPECT_FALSE(list.Find("a", i));
  EXPECT_EQ(i, 0);
  EXPECT_FALSE(list.Find("c", i));
  EXPECT_EQ(i, 1);
  EXPECT_TRUE(list.Find("D", i));
  EXPECT_EQ(i, 1);
  EXPECT_FALSE(list.Find("g", i));
  EXPECT_EQ(i, 3);
}

TEST(StringList, DuplicatesAcceptedKeepTheirOrderOrRefused) {
  int one = 1, two = 2, three = 3;
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(TDuplicates::dupAccept);
  list.AddObject("x", &one);
  list.AddObject("a", &two);
  list.AddObject("X", &three);
  EXPECT_EQ(list.Lines(), (Lines{"a", "x", "X"}));
  EXPECT_EQ(list.Objects(2), &three);
  int i = -1;
  EXPECT_TRUE(list.Find("x", i));
  EXPECT_EQ(i, 1);  // the first of the equal lines
  list.SetDuplicates(TDuplicates::dupError);
  EXPECT_THROW(list.Add("A"), EStringListError);
  EXPECT_THROW(list.Strings(3), EStringListError);
  EXPECT_THROW(list.Delete(-1), EStringListError);
}

TEST(StringList, SortIsStableAndUnsortedListsKeepEverything) {
  TStringList list{"b", "A", "a", "B", "a"};
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.IndexOf("A"), 1);
  list.Insert(0, "c");
  list.Sort();
  EXPECT_EQ(list.Lines(), (Lines{"A", "a", "a", "b", "B", "c"}));
}

TEST(StringList, CommaText) {
  TStringList list{"a b", "x,y", "say \"hi\"", "", "plain", "Müller", "tab\there"};
  const std::string text = list.CommaText();
  EXPECT_EQ(text, "\"a b\",\"x,y\",\"say \"\"hi\"\"\",,plain,Müller,\"tab\there\"");
  TStringList back;
  back.SetCommaText(text);
  EXPECT_EQ(back, list);

  back.SetCommaText("  a b,\"c d\" , e,,\"f\"\"g\",  ");
  EXPECT_EQ(back.Lines(), (Lines{"a", "b", "c d", "e", "", "f\"g"}));
  back.SetCommaText("\"open");
  EXPECT_EQ(back.Lines(), (Lines{"open"}));

  TStringList trailing{"a", ""};
  EXPECT_EQ(trailing.CommaText(), "a,\"\"");
  back.SetCommaText(trailing.CommaText());
  EXPECT_EQ(back, trailing);

  TStringList empty{""};
  EXPECT_EQ(empty.CommaText(), "\"\"");
  back.SetCommaText(empty.CommaText());
  EXPECT_EQ(back.Count(), 1);
  back.SetCommaText("");
  EXPECT_EQ(back.Count(), 0);
}

TEST(StringList, TextSplitsAtEveryLineEndAndWritesCrLf) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd\r\r\ne");
  EXPECT_EQ(list.Lines(), (Lines{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  list.SetText("last\n\n");
  EXPECT_EQ(list.Lines(), (Lines{"last", ""}));
  list.SetText("");
  EXPECT_EQ(list.Text(), "");
}

TEST(StringList, LoadAndSaveKeepBytesAndWriteCrLf) {
  BaseTestFolder dir;
  const std::string path = dir / "stopwort.txt";
  WriteFileBytes(path, "der\ndie\r\n\xE4rger\rnul\0byte"s);
  TStringList list;
  list.LoadFromFile(path);
  EXPECT_EQ(list.Lines(), (Lines{"der", "die", "ärger", "nul\0byte"s}));
  list.SaveToFile(path);
  EXPECT_EQ(ReadFileBytes(path), "der\r\ndie\r\närger\r\nnul\0byte\r\n"s);
  EXPECT_THROW(list.LoadFromFile(dir / "missing.txt"), EInOutError);
  EXPECT_THROW(list.SaveToFile(dir / "no\\such\\list.txt"), EInOutError);
}

TEST(StringList, NamesAndValues) {
  TStringList list{"Proxy=host=1", "noequals", "Port=80"};
  EXPECT_EQ(list.Names(0), "Proxy");
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.Values("PROXY"), "host=1");
  EXPECT_EQ(list.IndexOfName("port"), 2);
  list.SetValue("port", "8080");
  list.SetValue("User", "ich");
  list.SetValue("Proxy", "");
  EXPECT_EQ(list.Lines(), (Lines{"noequals", "port=8080", "User=ich"}));

  TStringList copy;
  copy.SetSorted(true);
  copy.Assign(list);
  EXPECT_EQ(copy.Lines(), (Lines{"noequals", "port=8080", "User=ich"}));
  copy.AddStrings(copy);
  EXPECT_EQ(copy.Count(), 3);
}

// Control characters count as blanks at the ends; bytes above the blank
// (the no-break space 0xA0 among them) are text, and so is everything inside.
TEST(Trimmed, DropsBlanksAndControlCharactersAtTheEndsOnly) {
  const struct {
    std::string in, out;
  } cases[] = {{"", ""}, {" \t\r\n\x01 ", ""}, {"  a b  ", "a b"}, {"\x1f" "x\x7f", "x\x7f"}, {"\xa0y\xa0", "\xa0y\xa0"}};
  for (const auto& c : cases) EXPECT_EQ(platform::Trimmed(c.in), c.out) << c.in;
  // With a set of its own, the other control characters stay.
  EXPECT_EQ(platform::Trimmed("\x01 a\r\n", platform::IsBlankOrLineBreak), "\x01 a");
}
