// The HTML encoding of letter links, the tokeniser's character classes and
// word assembly, the garbage tests, the stop lists and the extension filter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/StringList.h"
#include "tessarel/HtmlEncode.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/WortFilter.h"
#include "tessarel/scanner.h"

namespace {

using tessarel::CharClass;

TEST(HtmlEncode, EscapesMarkupOnceAndKeepsLoneBrackets) {
  using tessarel::HtmlEncode;
  EXPECT_EQ(HtmlEncode(""), "");
  EXPECT_EQ(HtmlEncode("\xC4"), "&Auml;");
  EXPECT_EQ(HtmlEncode("a < b"), "a &lt;b");
  EXPECT_EQ(HtmlEncode("a > b"), "a&gt; b");
  EXPECT_EQ(HtmlEncode("<b>"), "<b>");
  EXPECT_EQ(HtmlEncode("&Auml;"), "&amp;Auml;");
  EXPECT_EQ(HtmlEncode("\"x\" & 'y'"), "&quot;x&quot; &amp; 'y'");
  EXPECT_EQ(HtmlEncode("\xA7\xA9\xAB\xAE\xB0\xBB"), "&sect;&copy;&laquo;&reg;&deg;&raquo;");
  // Signs without a row stay as they are.
  EXPECT_EQ(HtmlEncode("\xD7\xF7\xA0\x80"), "\xD7\xF7\xA0\x80");
}

TEST(HtmlEncode, LettersOfTheUpperHalfGetTheirEntities) {
  const std::vector<std::string> names = {
      "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",
      "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
      "Ouml",   "",       "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave",
      "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",
      "igrave", "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",
      "",       "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
  ASSERT_EQ(names.size(), 64u);
  for (int c = 192; c <= 255; ++c) {
    const std::string& name = names[static_cast<size_t>(c - 192)];
    const std::string expected = name.empty() ? std::string(1, static_cast<char>(c)) : "&" + name + ";";
    EXPECT_EQ(tessarel::HtmlEncode(std::string(1, static_cast<char>(c))), expected) << c;
  }
}

// The classes as the tokeniser's table lists them, written out independently.
CharClass ExpectedClass(int c) {
  if ((c >= 48 && c <= 57) || (c >= 64 && c <= 90) || (c >= 96 && c <= 122) || (c >= 192 && c <= 214) ||
      (c >= 216 && c <= 246) || c >= 248)
    return CharClass::Letter;
  if (c == 45 || c == 47 || c == 95) return CharClass::Joiner;
  if (c == 35 || c == 36) return CharClass::Starter;
  if (c == 9 || c == 10 || c == 13 || (c >= 32 && c <= 34) || c == 37 || (c >= 39 && c <= 44) || c == 46 ||
      c == 58 || c == 59 || c == 61 || (c >= 91 && c <= 94) || (c >= 123 && c <= 126))
    return CharClass::Separator;
  return CharClass::Ignored;
}

TEST(Tokeniser, EveryCodeHasItsClass) {
  for (int c = 0; c < 256; ++c) EXPECT_EQ(tessarel::ClassOf(static_cast<unsigned char>(c)), ExpectedClass(c)) << c;
}

std::vector<std::string> Words(const std::string& text) {
  tessarel::WordBuilder b;
  std::vector<std::string> out;
  for (char c : text)
    if (b.Feed(static_cast<unsigned char>(c))) out.push_back(b.Take());
  // The end of the document ends the last word.
  if (!b.Empty()) out.push_back(b.Take());
  return out;
}

using W = std::vector<std::string>;

TEST(Tokeniser, SplitsAndJoinsAsTheClassesSay) {
  EXPECT_EQ(Words("e-mail, abc.x-y/index_1.htm"), (W{"e-mail", "abc", "x-y/index_1", "htm"}));
  EXPECT_EQ(Words("$100 #tag a#b"), (W{"$100", "#tag", "a", "b"}));
  EXPECT_EQ(Words("A+B M\xFCller a\xD7" "b"), (W{"A", "B", "M\xFCller", "ab"}));
  // Joiners are dropped at the start; ignored characters neither end nor join.
  EXPECT_EQ(Words("-abc _/x a<b>c? d&e"), (W{"abc", "x", "abc", "de"}));
  EXPECT_EQ(Words("a$b $$c"), (W{"a", "b", "$", "c"}));
  EXPECT_EQ(Words(std::string("x\0y\tz", 5)), (W{"xy", "z"}));
}

TEST(Tokeniser, StripsOneTrailingJoinerOfEachKindInOrder) {
  EXPECT_EQ(Words("x_/- "), W{"x"});
  EXPECT_EQ(Words("x-/_ "), W{"x-/"});
  EXPECT_EQ(Words("a-- "), W{"a-"});
  EXPECT_EQ(Words("-abc "), W{"abc"});
}

TEST(GarbageTests, MatchTheirExamples) {
  using namespace tessarel;
  EXPECT_TRUE(RepeatedLetter("zzz"));
  EXPECT_TRUE(RepeatedLetter("xaAa"));
  EXPECT_FALSE(RepeatedLetter("xAa"));
  EXPECT_FALSE(RepeatedLetter("Mississippi"));

  EXPECT_TRUE(RepeatedGroup("abcdXabcd"));
  // At position k the group is the characters k-2 to k+1.
  EXPECT_TRUE(RepeatedGroup("xyzqababab"));
  EXPECT_FALSE(RepeatedGroup("abcdefcdef"));
  EXPECT_FALSE(RepeatedGroup("abcab"));     // five characters never fail
  EXPECT_FALSE(RepeatedGroup("Mississippi"));
  EXPECT_FALSE(RepeatedGroup("abcdABCD"));  // case counts

  EXPECT_TRUE(AscendingRun("abcde"));
  EXPECT_TRUE(AscendingRun("x12345"));
  EXPECT_FALSE(AscendingRun("abcd"));
  EXPECT_FALSE(AscendingRun("abcdbcde"));

  EXPECT_TRUE(MostlyDigits("a12"));
  EXPECT_FALSE(MostlyDigits("ab12"));

  EXPECT_FALSE(IsGarbage("Mississippi"));
  EXPECT_TRUE(IsGarbage("ab12345"));
  EXPECT_TRUE(IsGarbage("abcdefg"));
}

platform::TStringList Sorted(std::initializer_list<std::string> lines) {
  platform::TStringList l;
  l.SetSorted(true);
  for (const auto& s : lines) l.Add(s);
  return l;
}

TEST(WordFilter, StopWordsIgnoreCase) {
  const tessarel::WordFilter f(Sorted({"und", "\xDC" "ber"}), Sorted({}));
  EXPECT_TRUE(f.IsStopWord("UND"));
  EXPECT_TRUE(f.IsStopWord("\xFC" "ber"));
  EXPECT_FALSE(f.IsStopWord("unde"));
}

TEST(WordFilter, StopCharactersByTextAndPosition) {
  auto hits = [](std::initializer_list<std::string> entries, const std::string& w) {
    platform::TStringList plain(entries);  // list order decides
    return tessarel::WordFilter(Sorted({}), plain).HasStopCharacter(w);
  };
  EXPECT_TRUE(hits({"\xDF"}, "Stra\xDF" "e"));
  EXPECT_TRUE(hits({"x,1"}, "Xylophon"));
  EXPECT_FALSE(hits({"x,1"}, "axe"));
  EXPECT_TRUE(hits({"x,2"}, "axe"));
  EXPECT_TRUE(hits({"x,0"}, "abc"));
  EXPECT_FALSE(hits({"x,0"}, "axe"));
  EXPECT_FALSE(hits({""}, "abc"));
  EXPECT_TRUE(hits({",0"}, "abc"));
  // A number that is none: the plain form.
  EXPECT_TRUE(hits({"x,zwei"}, "axe"));
  EXPECT_FALSE(hits({"q,1", "z"}, "axe"));
}

TEST(WordFilter, JudgesWidthBeforeStopListsAndCountsOnlyUndroppedWords) {
  using tessarel::WordVerdict;
  tessarel::WordFilter f(Sorted({"und"}), Sorted({}));
  f.SetWidthLimits(true, 3, 0);
  EXPECT_EQ(f.Judge("ab", false), WordVerdict::Dropped);
  EXPECT_EQ(f.Judge(std::string(200, 'q') + "x", false), WordVerdict::Keyword);
  EXPECT_EQ(f.Judge("und", false), WordVerdict::Rejected);
  EXPECT_EQ(f.Judge("", false), WordVerdict::Dropped);
  f.SetWidthLimits(true, 0, 4);
  EXPECT_EQ(f.Judge("abcde", false), WordVerdict::Dropped);
  EXPECT_EQ(f.Judge("ab", false), WordVerdict::Keyword);
  // The garbage tests only for raw-read documents.
  EXPECT_EQ(f.Judge("zzz", false), WordVerdict::Keyword);
  EXPECT_EQ(f.Judge("zzz", true), WordVerdict::Dropped);
  f.SetKeywordLimit(true, 2);
  EXPECT_FALSE(f.LimitReached(1));
  EXPECT_TRUE(f.LimitReached(2));
  f.SetKeywordLimit(false, 2);
  EXPECT_FALSE(f.LimitReached(99));
}

std::vector<std::string> Remaining(std::initializer_list<std::string> files, const std::string& patterns) {
  platform::TStringList docs;
  docs.SetSorted(true);
  for (const auto& f : files) docs.Add(f);
  bool abort = false;
  tessarel::ExcludeByExtensions(docs, patterns, abort);
  return docs.Lines();
}

TEST(ExcludeByExtension, DefaultListAndPageExtensions) {
  const std::string defaults = tessarel::txt::Fixed(IDS_DEF_EXCLUDE) + ",htm,html";
  EXPECT_EQ(Remaining({"a.doc", "B.pdf", "c.txt", "readme", "x.ab~", "x.tx", "sub\\p.HTM", "q.html", "w.XLS"},
                      defaults),
            (W{"a.doc", "x.tx"}));
}

TEST(ExcludeByExtension, WildcardsCompareSingleCharacterPositions) {
  EXPECT_EQ(Remaining({"a.xab", "b.xabc", "c.ab", "d.xba"}, "*ab"), (W{"c.ab", "d.xba"}));
  EXPECT_EQ(Remaining({"a.ab", "b.abc", "c.a", "d.ba"}, "a*"), (W{"c.a", "d.ba"}));
  EXPECT_EQ(Remaining({"a.xa", "b.xb", "c.a"}, "*a"), (W{"b.xb", "c.a"}));
  EXPECT_EQ(Remaining({"a.xay", "b.xby"}, "*a*"), W{"b.xby"});
  EXPECT_EQ(Remaining({"a.axb", "b.abx"}, "a*b"), W{"b.abx"});
  EXPECT_EQ(Remaining({"a.abx", "b.axb"}, "ab*"), W{"b.axb"});
  // Longer patterns, "*" and "**" match exactly only.
  EXPECT_EQ(Remaining({"a.abcd", "b.abce"}, "ab*d"), (W{"a.abcd", "b.abce"}));
  EXPECT_EQ(Remaining({"a.xy", "b"}, "*,**"), (W{"a.xy", "b"}));
  // The empty pattern takes the files without extension, blanks count.
  EXPECT_EQ(Remaining({"a.doc", "b"}, "x, doc"), (W{"a.doc", "b"}));
  EXPECT_EQ(Remaining({"a.doc", "b"}, ",x"), (W{"a.doc"}));
}

}  // namespace
