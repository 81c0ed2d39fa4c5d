// Sorted lists compare their lines by the locale's sort keys instead of
// asking CompareStringA each time. These tests hold the keys to the
// comparison they replace, over the characters the locale treats specially,
// and the lists' batch operations to the result of one Add after the other.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/base/StringList.h"

using namespace platform;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

// Case, umlauts and their spelt-out forms, ß, ligatures, accents, digits,
// blanks, punctuation, hyphen and apostrophe (compared apart from the
// letters), their typographic variants, soft hyphen and no-break space,
// control characters.
const std::vector<std::string> kAlphabet = {
    "a", "A", "b", "s", "z", "Z", "ä", "Ä", "ö", "Ö", "ü", "Ü", "ß", "é", "É", "æ", "Æ", "œ", "Œ", "ÿ", "Ÿ",
    "ð", "þ", "0", "1", "9", "-", "'", ".", ",", " ", "_", "/", "&", "\x96", "\x92", "\xAD", "\xA0", "\x01", "\x7F",
};

// Words as pages bring them, many equal but for case or spelling.
const std::vector<std::string> kPieces = {
    "haus", "Haus", "HAUS",  "straße", "Strasse", "STRASSE", "Müller", "mueller", "Mueller", "öl",   "Öl",
    "co-op", "coop", "Co-Op", "o'neil",  "oneil",   "2000",    "1999",   "x-1",     "a",       "ä",    "à",
    "æ",    "ae",   "Æ",     "œ",       "oe",      "-",       "'",      "ß",       "SS",      "\xAD", "bahn",
};

std::vector<std::string> RandomWords(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::string> words;
  for (std::size_t i = 0; i < count; ++i) {
    std::string word;
    const std::size_t parts = 1 + random() % 3;
    for (std::size_t p = 0; p < parts; ++p) word += kPieces[random() % kPieces.size()];
    words.push_back(word);
  }
  return words;
}

// What a sorted list held before it kept keys: each line put in its place by
// a binary search with the locale comparison itself.
Lines AddOneByOne(const Lines& words, TDuplicates duplicates, Lines lines = {}) {
  auto less = [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; };
  for (const auto& word : words) {
    auto at = std::lower_bound(lines.begin(), lines.end(), word, less);
    const bool found = at != lines.end() && AnsiCompareText(*at, word) == 0;
    if (found && duplicates == TDuplicates::dupIgnore) continue;
    while (at != lines.end() && AnsiCompareText(*at, word) == 0) ++at;
    lines.insert(at, word);
  }
  return lines;
}

TStringList Sorted(TDuplicates duplicates) {
  TStringList list;
  list.SetDuplicates(duplicates);
  list.SetSorted(true);
  return list;
}

TStringList Unsorted(const Lines& lines) {
  TStringList list;
  for (const auto& line : lines) list.Add(line);
  return list;
}

}  // namespace

TEST(SortKey, OrdersAsTheLocaleComparisonDoes) {
  std::vector<std::string> texts = kAlphabet;
  for (const auto& a : kAlphabet) {
    for (const auto& b : kAlphabet) texts.push_back(a + b);
  }
  std::vector<std::string> keys;
  for (const auto& t : texts) keys.push_back(AnsiTextSortKey(t));
  for (const auto& key : keys) ASSERT_FALSE(key.empty());
  int mismatches = 0;
  auto check = [&](const std::string& a, const std::string& ka, const std::string& b, const std::string& kb) {
    const int expected = Sign(AnsiCompareText(a, b));
    if (Sign(ka.compare(kb)) == expected) return;
    if (++mismatches <= 10) ADD_FAILURE() << "\"" << a << "\" against \"" << b << "\": locale says " << expected;
  };
  // Every pair of texts of one and two characters.
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = 0; j < texts.size(); ++j) check(texts[i], keys[i], texts[j], keys[j]);
  }
  // Longer words, built from the pieces.
  const auto words = RandomWords(3000, 7);
  std::vector<std::string> wordKeys;
  for (const auto& w : words) wordKeys.push_back(AnsiTextSortKey(w));
  std::mt19937 random(11);
  for (int n = 0; n < 300000; ++n) {
    const std::size_t i = random() % words.size(), j = random() % words.size();
    check(words[i], wordKeys[i], words[j], wordKeys[j]);
  }
  EXPECT_EQ(mismatches, 0);
  // The locale maps no empty text: lists compare it as CompareStringA does.
  EXPECT_EQ(AnsiTextSortKey(""), "");
  EXPECT_EQ(AnsiTextSortKey(std::string(600, 'x')).empty(), false);  // past the first buffer
}

TEST(SortKey, BatchesGiveWhatOneAddAfterTheOtherGives) {
  auto words = RandomWords(4000, 3);
  words.push_back("");
  words.push_back("\xAD");  // ignorable: equal to the empty text
  const Lines head(words.begin(), words.begin() + 1500);
  const Lines tail(words.begin() + 1500, words.end());
  for (TDuplicates duplicates : {TDuplicates::dupIgnore, TDuplicates::dupAccept}) {
    SCOPED_TRACE(duplicates == TDuplicates::dupIgnore ? "ignored" : "accepted");
    const Lines expected = AddOneByOne(words, duplicates);

    TStringList one = Sorted(duplicates);
    for (const auto& w : words) one.Add(w);
    EXPECT_EQ(one.Lines(), expected);

    // Into an empty list, into one that holds lines, and from a sorted list.
    TStringList batch = Sorted(duplicates);
    batch.AddStrings(Unsorted(head));
    batch.AddStrings(Unsorted(tail));
    EXPECT_EQ(batch.Lines(), expected);
    TStringList fromSorted = Sorted(duplicates);
    fromSorted.AddStrings(one);
    EXPECT_EQ(fromSorted.Lines(), expected);

    TStringList text = Sorted(duplicates);
    std::string joined;
    for (const auto& w : words) joined += w + "\r\n";
    text.SetText(joined);
    EXPECT_EQ(text.Lines(), expected);

    // Sorting a list afterwards keeps equal lines in the order they came.
    TStringList later = Unsorted(words);
    later.SetDuplicates(duplicates);
    later.SetSorted(true);
    EXPECT_EQ(later.Lines(), AddOneByOne(words, TDuplicates::dupAccept));

    for (const auto& w : {"HAUS"s, "strasse"s, "Zzz"s, ""s}) {
      int at = -1, reference = -1;
      const bool found = one.Find(w, at);
      const bool expectedFound = [&] {
        for (reference = 0; reference < static_cast<int>(expected.size()); ++reference) {
          const int c = AnsiCompareText(expected[static_cast<std::size_t>(reference)], w);
          if (c >= 0) return c == 0;
        }
        return false;
      }();
      EXPECT_EQ(found, expectedFound) << w;
      EXPECT_EQ(at, reference) << w;
    }
  }
}

TEST(SortKey, RefusedDuplicateLeavesTheLinesBeforeIt) {
  TStringList list = Sorted(TDuplicates::dupError);
  list.Add("m");
  EXPECT_THROW(list.AddStrings(Unsorted({"b", "a", "M", "c"})), EStringListError);
  EXPECT_EQ(list.Lines(), (Lines{"a", "b", "m"}));
}

TEST(SortKey, DeleteLinesInTakesWhatTheOtherListHolds) {
  const auto words = RandomWords(2000, 5);
  const auto stopWords = RandomWords(300, 9);
  TStringList stop = Sorted(TDuplicates::dupIgnore);
  stop.AddStrings(Unsorted(stopWords));
  auto held = [&](const std::string& w) { return stop.IndexOf(w) >= 0; };

  Lines expected = AddOneByOne(words, TDuplicates::dupIgnore);
  std::erase_if(expected, held);
  TStringList sorted = Sorted(TDuplicates::dupIgnore);
  sorted.AddStrings(Unsorted(words));
  const int before = sorted.Count();
  EXPECT_EQ(sorted.DeleteLinesIn(stop), before - static_cast<int>(expected.size()));
  EXPECT_EQ(sorted.Lines(), expected);
  EXPECT_EQ(sorted.DeleteLinesIn(stop), 0);

  // Unsorted, or against a list in another order: each line is looked up.
  Lines unsortedExpected = words;
  std::erase_if(unsortedExpected, held);
  TStringList unsorted = Unsorted(words);
  unsorted.DeleteLinesIn(stop);
  EXPECT_EQ(unsorted.Lines(), unsortedExpected);
  TStringList caseSensitive = Unsorted(stopWords);
  caseSensitive.SetCaseSensitive(true);
  caseSensitive.SetSorted(true);
  Lines exactExpected = AddOneByOne(words, TDuplicates::dupIgnore);
  std::erase_if(exactExpected, [&](const std::string& w) { return caseSensitive.IndexOf(w) >= 0; });
  TStringList again = Sorted(TDuplicates::dupIgnore);
  again.AddStrings(Unsorted(words));
  again.DeleteLinesIn(caseSensitive);
  EXPECT_EQ(again.Lines(), exactExpected);
}

TEST(SortKey, KeysLiveAsLongAsALineHoldsThem) {
  const std::size_t before = SharedSortKeyCount();
  {
    TStringList a = Sorted(TDuplicates::dupIgnore);
    a.AddStrings(Unsorted({"Qxa", "qxb", "QXA"}));
    a.Add("qxc");
    EXPECT_EQ(SharedSortKeyCount(), before + 3);
    TStringList b = a;  // copies share the keys
    TStringList c = Sorted(TDuplicates::dupIgnore);
    c.Add("qxd");
    c = b;
    EXPECT_EQ(SharedSortKeyCount(), before + 3);
    a.Clear();
    b.Delete(0);
    EXPECT_EQ(c.IndexOf("QXB"), 1);
    TStringList d = std::move(c);
    EXPECT_EQ(d.IndexOf("qxc"), 2);
    EXPECT_EQ(c.Count(), 0);
    // Lines of unsorted lists may change: they hold no keys.
    d.SetSorted(false);
    d.Put(0, "qxz");
    EXPECT_EQ(SharedSortKeyCount(), before + 2);  // those of b
    d.SetSorted(true);
    EXPECT_EQ(d.Lines(), (Lines{"qxb", "qxc", "qxz"}));
    EXPECT_EQ(SharedSortKeyCount(), before + 3);
    // A list compared with case has no keys either.
    d.SetCaseSensitive(true);
    EXPECT_EQ(SharedSortKeyCount(), before + 2);
    d.SetCaseSensitive(false);
    EXPECT_EQ(d.IndexOf("QXZ"), 2);
  }
  EXPECT_EQ(SharedSortKeyCount(), before);
}
