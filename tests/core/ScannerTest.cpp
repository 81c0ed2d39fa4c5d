// The tokenizer of the index run: character classes, entities, tags, the
// worked examples, and hostile pages (cut anywhere, stray "<", NUL bytes,
// overlong words).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Entities.h"
#include "core/ProjectSettings.h"
#include "core/RunContext.h"
#include "core/Schlagworte.h"
#include "core/TText.h"
#include "core/scanner.h"

namespace {

using core::CharClass;
using Words = std::vector<std::string>;

struct Scan {
  core::TSchlagwortDatei page{"http://example.test/a.htm"};
  core::ProjectSettings settings;
  std::string title;

  // The words NextWord returns, in order, up to the end of the page.
  Words Run(const std::string& html) {
    core::tScanner scanner(0, html, page, settings);
    bool abort = false;
    Words words;
    for (std::string_view w = scanner.NextWord(abort); !w.empty(); w = scanner.NextWord(abort)) words.emplace_back(w);
    EXPECT_TRUE(scanner.IsEndOfPage());
    title = scanner.Title();
    return words;
  }
};

Words Lines(const platform::TStringList& list) { return list.Lines(); }

std::string Byte(int c) { return std::string(1, static_cast<char>(c)); }

// --- Character classes ------------------------------------------------------

// What each byte does between two letters, with numbers not admitted.
CharClass Expected(int c) {
  if ((c >= '@' && c <= 'Z') || (c >= '`' && c <= 'z') || (c >= 192 && c != 215 && c != 247)) return CharClass::Letter;
  if (c >= '0' && c <= '9') return CharClass::Digit;
  if (c == '&') return CharClass::Entity;
  if (c == '<') return CharClass::Tag;
  if (c == '-' || c == '/' || c == '_') return CharClass::Joiner;
  if (c == '#' || c == '$') return CharClass::WordStart;
  if (c == 9 || c == 10 || c == 13) return CharClass::Break;
  if (c <= 31 || c == '>' || c == '?' || (c >= 127 && c <= 191) || c == 215 || c == 247) return CharClass::Skip;
  return CharClass::Break;
}

TEST(ScannerClasses, EveryByteBehavesAsItsClassBetweenLetters) {
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    Scan scan;
    scan.settings.Wortbreite = false;
    const Words words = scan.Run("ab" + Byte(c) + "cd");
    EXPECT_EQ(core::ClassOf(static_cast<unsigned char>(c)), Expected(c));
    switch (Expected(c)) {
      case CharClass::Letter:
      case CharClass::Digit:  // inside a word a digit stays
      case CharClass::Joiner:
        EXPECT_EQ(words, (Words{"ab" + Byte(c) + "cd"}));
        break;
      case CharClass::Skip:
        EXPECT_EQ(words, (Words{"abcd"}));
        break;
      case CharClass::WordStart:  // ends a word; starts the next one
        EXPECT_EQ(words, (Words{"ab", "cd"}));
        break;
      case CharClass::Break:
        EXPECT_EQ(words, (Words{"ab", "cd"}));
        break;
      case CharClass::Entity:  // "&cd" runs to the end: an unknown entity
        EXPECT_EQ(words, (Words{"ab"}));
        break;
      case CharClass::Tag:  // "<cd" is an unclosed tag
        EXPECT_EQ(words, (Words{"ab"}));
        break;
    }
  }
}

TEST(ScannerClasses, WordStartsAndJoinersAtTheStartOfAWord) {
  Scan scan;
  scan.settings.Wortbreite = false;
  EXPECT_EQ(scan.Run("#tag $wert -x /y _z"), (Words{"#tag", "$wert", "x", "y", "z"}));
  EXPECT_EQ(scan.Run("$100 2000er"), (Words{"$100", "er"}));
  scan.settings.Zahlen = true;
  EXPECT_EQ(scan.Run("2000er"), (Words{"2000er"}));
}

TEST(ScannerClasses, TrailingJoinersAreRemovedOnceEach) {
  Scan scan;
  scan.settings.Wortbreite = false;
  EXPECT_EQ(scan.Run("Haus- E-Mail -x a/b/ c_/- d--"), (Words{"Haus", "E-Mail", "x", "a/b", "c", "d-"}));
}

// --- Entities -----------------------------------------------------------------

TEST(ScannerEntities, EveryRowIsFoundExactly) {
  for (const auto& row : core::kNumericEntities) EXPECT_EQ(core::EntityText(row.from), row.to) << row.from;
  for (const auto& row : core::kNamedEntities) EXPECT_EQ(core::EntityText(row.from), row.to) << row.from;
  EXPECT_EQ(core::EntityText("&#65;"), "");    // two digits: not a row
  EXPECT_EQ(core::EntityText("&AUML;"), "");   // names are case-sensitive
  EXPECT_EQ(core::EntityText("&Auml;"), "\xC4");
  EXPECT_EQ(core::EntityText("&auml"), "");    // the ";" belongs to it
  EXPECT_EQ(core::EntityText("&#127;"), "");
  EXPECT_EQ(core::EntityText("&#160;"), " ");
  EXPECT_EQ(core::EntityText("&bsol;"), "\\");
}

TEST(ScannerEntities, WordBreakEntitiesIgnoreCase) {
  for (const char* e : {"&laquo;", "&RAQUO;", "&Gt;", "&lt;", "&quot;", "&NBSP;", "&sp;", "&#171;", "&#187;",
                        "&#062;", "&#060;", "&#034;", "&#160;"}) {
    EXPECT_TRUE(core::IsWordBreakEntity(e)) << e;
  }
  EXPECT_FALSE(core::IsWordBreakEntity("&amp;"));
  EXPECT_FALSE(core::IsWordBreakEntity("&nbsp"));
}

TEST(ScannerEntities, InWords) {
  Scan scan;
  scan.settings.Wortbreite = false;
  EXPECT_EQ(scan.Run("M&uuml;ller"), (Words{"M\xFCller"}));
  EXPECT_EQ(scan.Run("A&nbsp;B"), (Words{"A", "B"}));
  EXPECT_EQ(scan.Run("Ha&foo;us"), (Words{"Haus"}));
  EXPECT_EQ(scan.Run("a&NBSP;b"), (Words{"a", "b"}));
  // At the start of a word a break entity brings its blank, which the end
  // step trims again.
  EXPECT_EQ(scan.Run("&nbsp;x"), (Words{"x"}));
  EXPECT_EQ(scan.Run("&nbsp; &quot; x"), (Words{"x"}));
  // A "&" without ";" takes the rest of the page.
  EXPECT_EQ(scan.Run("eins & zwei drei"), (Words{"eins"}));
}

TEST(ScannerEntities, BackslashInAKeywordBecomesSlash) {
  Scan scan;
  scan.settings.Wortbreite = false;
  EXPECT_EQ(scan.Run("C&bsol;Windows a&#092;b"), (Words{"C/Windows", "a/b"}));
  scan.Run("<meta name=\"keywords\" content=\"c:\\temp, x\\y\">");
  EXPECT_EQ(Lines(scan.page.metaKeywords), (Words{"c:/temp", "x/y"}));
}

// --- Tags -------------------------------------------------------------------------

TEST(ScannerTags, CommentsEndOnlyAtTheirClosingMark) {
  Scan scan;
  EXPECT_EQ(scan.Run("<!-- <b> x > y -->Text"), (Words{"Text"}));
  EXPECT_EQ(scan.Run("vor<!-->nach"), (Words{"vor", "nach"}));
  EXPECT_EQ(scan.Run("<b>fett</b><br/>neu"), (Words{"fett", "neu"}));
}

// Script and style content is passed over as a comment is, up to the end tag
// of the same name in any case; the title and META data around it stay.
TEST(ScannerTags, ScriptAndStyleHoldNoWords) {
  const std::pair<std::string, Words> cases[] = {
      {"<script>var wort = 1;</script>Text", {"Text"}},
      {"vor<SCRIPT type=\"text/javascript\">if (a < b && c) x();</Script >nach", {"vor", "nach"}},
      {"<style media=screen>@media print { .full-width-table {} }</STYLE>Sicht", {"Sicht"}},
      {"<script>s = \"</scripts>\";</style></script>Ende", {"Ende"}},
      {"<script>document.write('</scr' + 'ipt>')</script\n>Ende", {"Ende"}},
      {"<script src=\"a.js\"/>Text", {"Text"}},
      {"<scripts>Wort</scripts> <stylesheet>Blatt", {"Wort", "Blatt"}},
      {"<!-- <script> -->Text<noscript>Hinweis</noscript>", {"Text", "Hinweis"}},
      {"Text<script>offen bis zum Ende", {"Text"}},
  };
  for (const auto& [page, words] : cases) {
    SCOPED_TRACE(page);
    Scan scan;
    EXPECT_EQ(scan.Run(page), words);
  }
  Scan scan;
  scan.Run("<title>Titel</title><script>document.title = '<title>x</title>';</script>"
           "<meta name=\"description\" content=\"Inhalt\"><img alt=\"Bild\">");
  EXPECT_EQ(scan.title, "Titel");
  EXPECT_EQ(scan.page.metaDescription, "Inhalt");
  EXPECT_EQ(scan.page.words.Lines(), (Words{"Bild"}));
}

TEST(ScannerTags, TitleIsCollectedInCanonicalForm) {
  Scan scan;
  EXPECT_EQ(scan.Run("<title>Home &amp; Garden</title>Inhalt"), (Words{"Inhalt"}));
  EXPECT_EQ(scan.title, core::Text().NormalizeEntities("Home & Garden"));
  EXPECT_EQ(scan.page.description, scan.title);

  scan.Run("<TITLE>Gr\xFC\xDF\r\ne</TITLE>");
  EXPECT_EQ(scan.page.description, "Gr&uuml;&szlig; e");
  // A title with attributes is not a title.
  scan.page.description.clear();
  scan.Run("<title lang=de>x</title>");
  EXPECT_EQ(scan.page.description, "");
}

TEST(ScannerTags, MetaKeywordsOnlyWhenNameComesFirst) {
  Scan scan;
  scan.Run("<meta name=\"keywords\" content=\"web design, haus,, x\">Text");
  EXPECT_EQ(Lines(scan.page.metaKeywords), (Words{"web design", "haus"}));

  Scan contentFirst;
  contentFirst.Run("<meta content=\"web design, haus\" name=\"keywords\">");
  EXPECT_EQ(contentFirst.page.metaKeywords.Count(), 0);

  Scan numbers;
  numbers.Run("<META NAME=\"Keywords\" CONTENT=\"1999, &Uuml;bung\r\n, neu\">");
  EXPECT_EQ(Lines(numbers.page.metaKeywords), (Words{"\xDC" "bung", "neu"}));
}

TEST(ScannerTags, MetaDescriptionJoinsLines) {
  Scan scan;
  EXPECT_EQ(scan.Run("<meta name=\"description\" content=\" Eine\r\nZeile\n\rund\tmehr  \">Wort"), (Words{"Wort"}));
  EXPECT_EQ(scan.page.metaDescription, "Eine Zeile und mehr");
}

TEST(ScannerTags, MetaTagClosedEarlyDoesNotSwallowTheNextTag) {
  Scan scan;
  EXPECT_EQ(scan.Run("<META HTTP-EQUIV=Refresh CONTENT=5><title>Start</title>Seite"), (Words{"Seite"}));
  EXPECT_EQ(scan.page.description, "Start");
}

TEST(ScannerTags, ImageAltTexts) {
  Scan scan;
  EXPECT_EQ(scan.Run("<img src=\"a.gif\" alt=\"Rote Rosen!\">nach"), (Words{"nach"}));
  EXPECT_EQ(scan.page.words.Lines(), (Words{"Rosen", "Rote"}));

  Scan numbers;
  numbers.Run("<IMG ALT=\"9lives Katze\"><img alt=\"ab\">");
  EXPECT_EQ(numbers.page.words.Lines(), (Words{"Katze"}));
  numbers.settings.Zahlen = true;
  numbers.Run("<img alt=\"9lives\">");
  EXPECT_EQ(numbers.page.words.Lines(), (Words{"9lives", "Katze"}));
}

TEST(ScannerTags, LastLetterOfThePageIsKept) {
  Scan scan;
  EXPECT_EQ(scan.Run("<p>Ende gut alles"), (Words{"Ende", "gut", "alles"}));
  EXPECT_EQ(scan.Run("x<"), (Words{"x"}));
}

// --- Hostile pages --------------------------------------------------------------------

TEST(ScannerHostile, UnclosedAndStrayMarkupEndsCleanly) {
  const std::string pages[] = {
      "<",        "<<<<",        ">>>> wort",  "<!--",      "<!-- offen",  "<title>",        "<title>offen",
      "<img",     "<img alt=\"", "<img alt",   "<meta",     "<meta name=\"", "<meta name=\"keywords\" content=\"",
      "&",        "&;",          "wort&",      "a<b",       std::string("ab\0cd", 5), std::string(3, '\0'),
      "<script",  "<style x",    "<script></scr", "<script></script", "<script/",
  };
  for (const std::string& page : pages) {
    SCOPED_TRACE(page);
    Scan scan;
    scan.settings.Wortbreite = false;
    for (const std::string& word : scan.Run(page)) EXPECT_FALSE(word.empty());
  }
  Scan nul;
  nul.settings.Wortbreite = false;
  EXPECT_EQ(nul.Run(std::string("ab\0cd x", 7)), (Words{"abcd", "x"}));
}

TEST(ScannerHostile, OverlongWordIsOneWord) {
  Scan scan;
  const std::string longWord(100000, 'w');
  EXPECT_EQ(scan.Run("kurz " + longWord + " ende"), (Words{"kurz", longWord, "ende"}));
  EXPECT_FALSE(core::WordWidthOk(scan.settings, longWord));
}

TEST(ScannerHostile, EveryPrefixGivesTheWordsBeforeTheCut) {
  const std::string page =
      "<html><head><title>T&auml;gliche Preise</title>"
      "<meta name=\"keywords\" content=\"Preis, Liste\"><style>h1 { x: y }</style></head>"
      "<body><!-- alt > neu --><h1>Preise f&uuml;r 2024</h1><script>a = \"<b>\";</script>"
      "<img src=\"p.gif\" alt=\"Bild eines Hauses\"> E-Mail an uns/ oder a_b- Ende";
  Scan whole;
  whole.settings.Wortbreite = false;
  const Words all = whole.Run(page);
  for (std::size_t cut = 0; cut <= page.size(); ++cut) {
    SCOPED_TRACE(cut);
    Scan scan;
    scan.settings.Wortbreite = false;
    const Words words = scan.Run(page.substr(0, cut));
    ASSERT_LE(words.size(), all.size());
    // Every word but the last one (which the cut may have shortened) is a
    // word of the whole page; after a blank the last one is whole too.
    const std::size_t whole = (cut > 0 && page[cut - 1] == ' ') ? words.size() : (words.empty() ? 0 : words.size() - 1);
    for (std::size_t i = 0; i < whole; ++i) EXPECT_EQ(words[i], all[i]);
  }
}

TEST(ScannerAbort, StopsAtTheNextCharacter) {
  Scan scan;
  core::tScanner scanner(0, "eins zwei drei", scan.page, scan.settings);
  bool abort = false;
  EXPECT_EQ(scanner.NextWord(abort), "eins");
  abort = true;
  EXPECT_EQ(scanner.NextWord(abort), "");
  EXPECT_FALSE(scanner.IsEndOfPage());
}

// The run is looked at every few kilobytes of the page, not per character,
// and a cancel seen there ends the page at once.
TEST(ScannerRun, LooksAtTheRunEveryFewKilobytes) {
  struct CountingRun : core::RunContext {
    int looks = 0;
    int cancelAt = 0;  // 0: never
    void Pump() override { ++looks; }
    bool Cancelled() override { return looks == cancelAt; }
  };
  std::string page;
  for (int i = 0; i < 20000; ++i) page += "wort ";
  for (const int cancelAt : {0, 2}) {
    SCOPED_TRACE(cancelAt);
    Scan scan;
    CountingRun run;
    run.cancelAt = cancelAt;
    core::tScanner scanner(0, page, scan.page, scan.settings);
    scanner.SetRun(&run);
    bool abort = false;
    int words = 0;
    while (!scanner.NextWord(abort).empty()) ++words;
    if (cancelAt == 0) {
      EXPECT_FALSE(abort);
      EXPECT_EQ(words, 20000);
      EXPECT_GE(run.looks, 2);
      EXPECT_LE(run.looks, 10);
    } else {
      EXPECT_TRUE(abort);
      EXPECT_FALSE(scanner.IsEndOfPage());
      EXPECT_LT(words, 10000);
    }
  }
}

TEST(ScannerFilters, WidthAndNumbers) {
  core::ProjectSettings s;
  EXPECT_FALSE(core::WordWidthOk(s, "ab"));
  EXPECT_TRUE(core::WordWidthOk(s, "abc"));
  EXPECT_TRUE(core::WordWidthOk(s, std::string(40, 'a')));
  EXPECT_FALSE(core::WordWidthOk(s, std::string(41, 'a')));
  s.WortbreiteMin = 0;
  s.WortbreiteMax = 0;
  EXPECT_TRUE(core::WordWidthOk(s, "a"));
  EXPECT_TRUE(core::WordWidthOk(s, std::string(500, 'a')));
  s.Wortbreite = false;
  s.WortbreiteMin = 10;
  EXPECT_TRUE(core::WordWidthOk(s, "a"));
  EXPECT_FALSE(core::NumberOk(s, "1a"));
  EXPECT_TRUE(core::NumberOk(s, "a1"));
  s.Zahlen = true;
  EXPECT_TRUE(core::NumberOk(s, "1a"));
}

}  // namespace
