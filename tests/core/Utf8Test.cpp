// Pages in UTF-8: which pages count as UTF-8, and how their text reads in code
// page 1252 through the system's own table.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/Utf8.h"

namespace {

// Test texts in UTF-8 are written as u8 literals (the others compile to code
// page 1252).
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

const std::string kMeta = "<html><head><meta charset=\"utf-8\"></head>";

TEST(Utf8Page, ByteOrderMarkThenTheReplysCharsetThenTheMetaTag) {
  struct Case {
    std::string page;
    std::string contentType;
    bool utf8;
  } cases[] = {
      {kMeta, "", true},
      {"<META CHARSET=UTF8>", "", true},
      {"<meta charset = 'UTF-8' />", "", true},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"/>", "", true},
      {"<meta content='text/html;charset=UTF-8' HTTP-EQUIV='content-type'>", "", true},
      {"<meta\tcharset=\"utf-8\">", "", true},
      {"<meta name=\"description\" content=\"charset=utf-8\">", "", false},
      {"<meta charset=\"iso-8859-1\">", "", false},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">", "", false},
      {"<metadata charset=\"utf-8\">", "", false},
      {"<!-- <meta charset=\"utf-8\"> --><p>x</p>", "", false},
      {"<html>" + std::string(core::kMetaWindow, ' ') + "<meta charset=\"utf-8\">", "", false},
      {"<p>\xDC" "bersicht</p>", "", false},
      {"<p>x</p>", "text/html; charset=UTF-8", true},
      {"<p>x</p>", "text/html; charset=\"utf-8\"", true},
      {"<p>x</p>", "text/html", false},
      {kMeta, "text/html", true},
      {kMeta, "text/html; charset=iso-8859-1", false},
      {"\xEF\xBB\xBF<p>x</p>", "", true},
      {"\xEF\xBB\xBF<meta charset=\"iso-8859-1\">", "text/html; charset=iso-8859-1", true},
      {"\xEF\xBB", "", false},
  };
  for (const Case& c : cases) EXPECT_EQ(core::IsUtf8Page(c.page, c.contentType), c.utf8) << c.page << " / " << c.contentType;
}

TEST(Utf8ToAnsi, LettersBestFitsBlanksAndInvalidBytesAsTheyAre) {
  struct Case {
    std::string utf8;
    std::string ansi;
  } cases[] = {
      {U8(u8"\u00DCbersetzt Stra\u00DFe \u00E4\u00F6\u00FC"), "\xDC" "bersetzt Stra\xDF" "e \xE4\xF6\xFC"},
      {U8(u8"\u0141\u00F3d\u017A"), "L\xF3" "dz"},          // best fits of the system
      {U8(u8"a\u6F22\u5B57b"), "a  b"},                      // none: blanks
      {U8(u8"\u20AC \u201EZitat\u201C"), "\x80 \x84Zitat\x93"},
      {U8(u8"x\U0001F600y"), "x y"},                         // beyond the 16-bit range
      {U8(u8"\uFF1Cb\uFF1E \uFF06 W\uFF1Fort"), " b    W ort"},  // markup or "?" by best fit
      {"\xEF\xBB\xBF" + U8(u8"\u00C4"), "\xC4"},            // the byte order mark goes
      {"\xEF\xBB\xBF<p>" + U8(u8"\u00C4") + "rger</p>\n", "<p>\xC4rger</p>\n"},  // text moves up behind it
      {"Gr\xFC\xDF" "e", "Gr\xFC\xDF" "e"},                  // code page 1252 bytes stay
      {U8(u8"\u00FC") + "\xFC", "\xFC\xFC"},
      {"ab\xC3", "ab\xC3"},                                  // cut short at the end
      {"\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80", "\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80"},  // overlong, surrogate, too high
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(core::Utf8ToAnsi(c.utf8, core::SystemAnsiTable()), c.ansi) << c.utf8;
}

TEST(Utf8Check, WellFormedWithAMultiByteCharacterInAnyPieces) {
  struct Case {
    std::string text;
    bool utf8;
    bool failed;
  } cases[] = {
      {"plain ASCII", false, false},
      {U8(u8"Gr\u00FC\u00DFe \u6F22"), true, false},
      {"Gr\xFC\xDF" "e", false, true},
      {"\xC3", false, false},  // open at the end
      {"\xED\xA0\x80", false, true},
  };
  for (const Case& c : cases) {
    core::Utf8Check whole, byByte;
    whole.Feed(c.text);
    for (char b : c.text) byByte.Feed(std::string_view(&b, 1));
    for (const core::Utf8Check* check : {&whole, &byByte}) {
      EXPECT_EQ(check->IsUtf8Text(), c.utf8) << c.text;
      EXPECT_EQ(check->Failed(), c.failed) << c.text;
    }
  }
}

}  // namespace
