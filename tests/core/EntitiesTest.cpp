#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "core/Entities.h"
#include "core/TText.h"

namespace {

const core::TText& T() { return core::Text(); }

std::string Ch(int code) { return std::string(1, static_cast<char>(code)); }

std::string Numeric(int code) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "&#%03d;", code);
  return buf;
}

// The first canonical entity of a character, "" when it has none.
std::string CanonicalOf(char c) {
  for (const core::EntityRow& row : core::kCanonicalEntities) {
    if (row.from == std::string_view(&c, 1)) return std::string(row.to);
  }
  return {};
}

bool DecodesToNothing(std::string_view entity) {
  return entity == "&gt;" || entity == "&lt;" || entity == "&laquo;" || entity == "&raquo;";
}

TEST(DecodeEntities, EveryNumericRowGivesItsCharacterAndTheGapsStay) {
  const std::set<int> kept = {127, 128, 129, 130, 132, 134, 135, 136, 137, 138, 139, 140,
                              141, 142, 143, 144, 149, 152, 154, 155, 156, 157, 158, 159};
  const std::set<int> removed = {34, 60, 62, 171, 187};
  int rows = 0;
  for (int code = 32; code <= 255; ++code) {
    const std::string entity = Numeric(code);
    if (!kept.count(code)) ++rows;
    const std::string expected = kept.count(code)      ? entity
                                 : removed.count(code) ? std::string()
                                 : code == 160         ? std::string(" ")
                                                       : Ch(code);
    EXPECT_EQ(T().DecodeEntities("x" + entity + "y"), "x" + expected + "y") << code;
  }
  EXPECT_EQ(rows, 200);
  EXPECT_EQ(T().DecodeEntities("&#65;&#0065;&#31;"), "&#65;&#0065;&#31;");
}

TEST(DecodeEntities, WorkedExamplesAndSpecialRows) {
  EXPECT_EQ(T().DecodeEntities("&lt;b&gt;fett&lt;/b&gt; &quot;zitat&quot;"), "bfett/b zitat");
  EXPECT_EQ(T().DecodeEntities("a&nbsp;b&#160;c&sp;d"), "a b c d");
  EXPECT_EQ(T().DecodeEntities("&laquo;x&raquo;"), "x");
  EXPECT_EQ(T().DecodeEntities("&circ;&tilde;&minus;&hyphen;&bsol;&verbar;&apos;"), "^~--\\|'");
  EXPECT_EQ(T().DecodeEntities("&brkbar;&die;&hibar;&half;"), "\xA6\xA8\xAF\xBD");
  EXPECT_EQ(T().DecodeEntities("Gr&uuml;&szlig;e &Auml;&AUML;"), "Gr\xFC\xDF" "e \xC4&AUML;");
  EXPECT_EQ(T().DecodeEntities("&Aacute;&aacute;&ETH;&eth;&THORN;&thorn;&Oslash;&oslash;&yen;&yuml;"),
            "\xC1\xE1\xD0\xF0\xDE\xFE\xD8\xF8\xA5\xFF");
  // Row order is observable: "&amp;" runs before "&eacute;" but after "&aacute;".
  EXPECT_EQ(T().DecodeEntities("&amp;eacute;"), "\xE9");
  EXPECT_EQ(T().DecodeEntities("&amp;aacute;"), "&aacute;");
  EXPECT_EQ(T().DecodeEntities("&amp;#065;"), "&#065;");
  EXPECT_EQ(T().DecodeEntities(""), "");
}

TEST(DecodeEntities, TradeRowOnlyWhenTheProgramAsksForIt) {
  EXPECT_EQ(T().DecodeEntities("X&trade;"), "X&trade;");
  core::Text().SetTradeEntity(true);
  EXPECT_EQ(T().DecodeEntities("X&trade;"), "X\x99");
  EXPECT_EQ(T().NormalizeEntities("X&trade;"), "X&#153;");
  // Decoded last, so "&amp;trade;" becomes the character too.
  EXPECT_EQ(T().DecodeEntities("&amp;trade;"), "\x99");
  core::Text().SetTradeEntity(false);
  EXPECT_EQ(T().DecodeEntities("X&trade;"), "X&trade;");
}

TEST(NormalizeEntities, EveryRowRoundTrips) {
  for (const core::EntityRow& row : core::kCanonicalEntities) {
    if (!DecodesToNothing(row.to)) {
      EXPECT_EQ(T().DecodeEntities(row.to), row.from) << row.to;
    }
  }
  for (const core::EntityRow& row : core::kNamedEntities) {
    const std::string decoded = T().DecodeEntities(row.from);
    EXPECT_EQ(decoded, row.to) << row.from;
    std::string expected = decoded;
    if (decoded.size() == 1 && !CanonicalOf(decoded[0]).empty()) expected = CanonicalOf(decoded[0]);
    EXPECT_EQ(T().NormalizeEntities(row.from), expected) << row.from;
  }
  // Where two entities stand for one character, the earlier row is canonical.
  EXPECT_EQ(T().NormalizeEntities("&brvbar;&uml;&macr;&half;"), "&brkbar;&die;&hibar;&frac12;");
}

TEST(NormalizeEntities, EveryByteSurvivesDecodeOverNormalize) {
  for (int code = 1; code <= 255; ++code) {
    const std::string c = Ch(code);
    const std::string normal = T().NormalizeEntities(c);
    const bool bracket = code == '<' || code == '>' || code == 171 || code == 187;
    EXPECT_EQ(T().DecodeEntities(normal), bracket ? "" : c) << code;
    if (!bracket) {
      EXPECT_EQ(T().NormalizeEntities(normal), normal) << code;
    }
    // Every Latin-1 letter or sign has a canonical entity, except the soft hyphen.
    if (code >= 161 && code != 173) {
      EXPECT_EQ(normal.front(), '&') << code;
    }
  }
  EXPECT_EQ(T().NormalizeEntities("\xFC\xDF<>&\"'"), "&uuml;&szlig;&lt;&gt;&\"'");
  EXPECT_EQ(T().NormalizeEntities("50% f\xFCr 3$"), "50&percnt; f&uuml;r 3&dollar;");
}

}  // namespace
