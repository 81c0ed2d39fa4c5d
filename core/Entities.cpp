#include "core/Entities.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace core {

const std::array<EntityRow, 200> kNumericEntities = {{
    {"&#032;", " "}, {"&#033;", "!"}, {"&#034;", ""}, {"&#035;", "#"},
    {"&#036;", "$"}, {"&#037;", "%"}, {"&#038;", "&"}, {"&#039;", "'"},
    {"&#040;", "("}, {"&#041;", ")"}, {"&#042;", "*"}, {"&#043;", "+"},
    {"&#044;", ","}, {"&#045;", "-"}, {"&#046;", "."}, {"&#047;", "/"},
    {"&#048;", "0"}, {"&#049;", "1"}, {"&#050;", "2"}, {"&#051;", "3"},
    {"&#052;", "4"}, {"&#053;", "5"}, {"&#054;", "6"}, {"&#055;", "7"},
    {"&#056;", "8"}, {"&#057;", "9"}, {"&#058;", ":"}, {"&#059;", ";"},
    {"&#060;", ""}, {"&#061;", "="}, {"&#062;", ""}, {"&#063;", "?"},
    {"&#064;", "@"}, {"&#065;", "A"}, {"&#066;", "B"}, {"&#067;", "C"},
    {"&#068;", "D"}, {"&#069;", "E"}, {"&#070;", "F"}, {"&#071;", "G"},
    {"&#072;", "H"}, {"&#073;", "I"}, {"&#074;", "J"}, {"&#075;", "K"},
    {"&#076;", "L"}, {"&#077;", "M"}, {"&#078;", "N"}, {"&#079;", "O"},
    {"&#080;", "P"}, {"&#081;", "Q"}, {"&#082;", "R"}, {"&#083;", "S"},
    {"&#084;", "T"}, {"&#085;", "U"}, {"&#086;", "V"}, {"&#087;", "W"},
    {"&#088;", "X"}, {"&#089;", "Y"}, {"&#090;", "Z"}, {"&#091;", "["},
    {"&#092;", "\\"}, {"&#093;", "]"}, {"&#094;", "^"}, {"&#095;", "_"},
    {"&#096;", "`"}, {"&#097;", "a"}, {"&#098;", "b"}, {"&#099;", "c"},
    {"&#100;", "d"}, {"&#101;", "e"}, {"&#102;", "f"}, {"&#103;", "g"},
    {"&#104;", "h"}, {"&#105;", "i"}, {"&#106;", "j"}, {"&#107;", "k"},
    {"&#108;", "l"}, {"&#109;", "m"}, {"&#110;", "n"}, {"&#111;", "o"},
    {"&#112;", "p"}, {"&#113;", "q"}, {"&#114;", "r"}, {"&#115;", "s"},
    {"&#116;", "t"}, {"&#117;", "u"}, {"&#118;", "v"}, {"&#119;", "w"},
    {"&#120;", "x"}, {"&#121;", "y"}, {"&#122;", "z"}, {"&#123;", "{"},
    {"&#124;", "|"}, {"&#125;", "}"}, {"&#126;", "~"}, {"&#131;", "\x83"},
    {"&#133;", "\x85"}, {"&#145;", "\x91"}, {"&#146;", "\x92"}, {"&#147;", "\x93"},
    {"&#148;", "\x94"}, {"&#150;", "\x96"}, {"&#151;", "\x97"}, {"&#153;", "\x99"},
    {"&#160;", " "}, {"&#161;", "\xA1"}, {"&#162;", "\xA2"}, {"&#163;", "\xA3"},
    {"&#164;", "\xA4"}, {"&#165;", "\xA5"}, {"&#166;", "\xA6"}, {"&#167;", "\xA7"},
    {"&#168;", "\xA8"}, {"&#169;", "\xA9"}, {"&#170;", "\xAA"}, {"&#171;", ""},
    {"&#172;", "\xAC"}, {"&#173;", "\xAD"}, {"&#174;", "\xAE"}, {"&#175;", "\xAF"},
    {"&#176;", "\xB0"}, {"&#177;", "\xB1"}, {"&#178;", "\xB2"}, {"&#179;", "\xB3"},
    {"&#180;", "\xB4"}, {"&#181;", "\xB5"}, {"&#182;", "\xB6"}, {"&#183;", "\xB7"},
    {"&#184;", "\xB8"}, {"&#185;", "\xB9"}, {"&#186;", "\xBA"}, {"&#187;", ""},
    {"&#188;", "\xBC"}, {"&#189;", "\xBD"}, {"&#190;", "\xBE"}, {"&#191;", "\xBF"},
    {"&#192;", "\xC0"}, {"&#193;", "\xC1"}, {"&#194;", "\xC2"}, {"&#195;", "\xC3"},
    {"&#196;", "\xC4"}, {"&#197;", "\xC5"}, {"&#198;", "\xC6"}, {"&#199;", "\xC7"},
    {"&#200;", "\xC8"}, {"&#201;", "\xC9"}, {"&#202;", "\xCA"}, {"&#203;", "\xCB"},
    {"&#204;", "\xCC"}, {"&#205;", "\xCD"}, {"&#206;", "\xCE"}, {"&#207;", "\xCF"},
    {"&#208;", "\xD0"}, {"&#209;", "\xD1"}, {"&#210;", "\xD2"}, {"&#211;", "\xD3"},
    {"&#212;", "\xD4"}, {"&#213;", "\xD5"}, {"&#214;", "\xD6"}, {"&#215;", "\xD7"},
    {"&#216;", "\xD8"}, {"&#217;", "\xD9"}, {"&#218;", "\xDA"}, {"&#219;", "\xDB"},
    {"&#220;", "\xDC"}, {"&#221;", "\xDD"}, {"&#222;", "\xDE"}, {"&#223;", "\xDF"},
    {"&#224;", "\xE0"}, {"&#225;", "\xE1"}, {"&#226;", "\xE2"}, {"&#227;", "\xE3"},
    {"&#228;", "\xE4"}, {"&#229;", "\xE5"}, {"&#230;", "\xE6"}, {"&#231;", "\xE7"},
    {"&#232;", "\xE8"}, {"&#233;", "\xE9"}, {"&#234;", "\xEA"}, {"&#235;", "\xEB"},
    {"&#236;", "\xEC"}, {"&#237;", "\xED"}, {"&#238;", "\xEE"}, {"&#239;", "\xEF"},
    {"&#240;", "\xF0"}, {"&#241;", "\xF1"}, {"&#242;", "\xF2"}, {"&#243;", "\xF3"},
    {"&#244;", "\xF4"}, {"&#245;", "\xF5"}, {"&#246;", "\xF6"}, {"&#247;", "\xF7"},
    {"&#248;", "\xF8"}, {"&#249;", "\xF9"}, {"&#250;", "\xFA"}, {"&#251;", "\xFB"},
    {"&#252;", "\xFC"}, {"&#253;", "\xFD"}, {"&#254;", "\xFE"}, {"&#255;", "\xFF"},
}};

const std::array<EntityRow, 134> kNamedEntities = {{
    {"&Aacute;", "\xC1"}, {"&aacute;", "\xE1"}, {"&acirc;", "\xE2"}, {"&Acirc;", "\xC2"},
    {"&acute;", "\xB4"}, {"&AElig;", "\xC6"}, {"&aelig;", "\xE6"}, {"&agrave;", "\xE0"},
    {"&Agrave;", "\xC0"}, {"&amp;", "&"}, {"&apos;", "'"}, {"&aring;", "\xE5"},
    {"&Aring;", "\xC5"}, {"&ast;", "*"}, {"&Atilde;", "\xC3"}, {"&atilde;", "\xE3"},
    {"&auml;", "\xE4"}, {"&Auml;", "\xC4"}, {"&brkbar;", "\xA6"}, {"&brvbar;", "\xA6"},
    {"&bsol;", "\\"}, {"&Ccedil;", "\xC7"}, {"&ccedil;", "\xE7"}, {"&cedil;", "\xB8"},
    {"&cent;", "\xA2"}, {"&circ;", "^"}, {"&colon;", ":"}, {"&comma;", ","},
    {"&commat;", "@"}, {"&copy;", "\xA9"}, {"&curren;", "\xA4"}, {"&deg;", "\xB0"},
    {"&die;", "\xA8"}, {"&divide;", "\xF7"}, {"&dollar;", "$"}, {"&Eacute;", "\xC9"},
    {"&eacute;", "\xE9"}, {"&ecirc;", "\xEA"}, {"&Ecirc;", "\xCA"}, {"&egrave;", "\xE8"},
    {"&Egrave;", "\xC8"}, {"&equals;", "="}, {"&ETH;", "\xD0"}, {"&eth;", "\xF0"},
    {"&Euml;", "\xCB"}, {"&euml;", "\xEB"}, {"&excl;", "!"}, {"&frac12;", "\xBD"},
    {"&frac14;", "\xBC"}, {"&frac34;", "\xBE"}, {"&grave;", "`"}, {"&gt;", ""},
    {"&half;", "\xBD"}, {"&hibar;", "\xAF"}, {"&hyphen;", "-"}, {"&iacute;", "\xED"},
    {"&Iacute;", "\xCD"}, {"&icirc;", "\xEE"}, {"&Icirc;", "\xCE"}, {"&iexcl;", "\xA1"},
    {"&Igrave;", "\xCC"}, {"&igrave;", "\xEC"}, {"&iquest;", "\xBF"}, {"&iuml;", "\xEF"},
    {"&Iuml;", "\xCF"}, {"&laquo;", ""}, {"&lcub;", "{"}, {"&lowbar;", "_"},
    {"&lpar;", "("}, {"&lsqb;", "["}, {"&lt;", ""}, {"&macr;", "\xAF"},
    {"&micro;", "\xB5"}, {"&middot;", "\xB7"}, {"&minus;", "-"}, {"&nbsp;", " "},
    {"&not;", "\xAC"}, {"&Ntilde;", "\xD1"}, {"&ntilde;", "\xF1"}, {"&num;", "#"},
    {"&oacute;", "\xF3"}, {"&Oacute;", "\xD3"}, {"&Ocirc;", "\xD4"}, {"&ocirc;", "\xF4"},
    {"&ograve;", "\xF2"}, {"&Ograve;", "\xD2"}, {"&ordf;", "\xAA"}, {"&ordm;", "\xBA"},
    {"&Oslash;", "\xD8"}, {"&oslash;", "\xF8"}, {"&Otilde;", "\xD5"}, {"&otilde;", "\xF5"},
    {"&Ouml;", "\xD6"}, {"&ouml;", "\xF6"}, {"&para;", "\xB6"}, {"&percnt;", "%"},
    {"&period;", "."}, {"&plus;", "+"}, {"&plusmn;", "\xB1"}, {"&pound;", "\xA3"},
    {"&quest;", "?"}, {"&quot;", ""}, {"&raquo;", ""}, {"&rcub;", "}"},
    {"&reg;", "\xAE"}, {"&rpar;", ")"}, {"&rsqb;", "]"}, {"&sect;", "\xA7"},
    {"&semi;", ";"}, {"&shy;", "\xAD"}, {"&sol;", "/"}, {"&sp;", " "},
    {"&sup1;", "\xB9"}, {"&sup2;", "\xB2"}, {"&sup3;", "\xB3"}, {"&szlig;", "\xDF"},
    {"&thorn;", "\xFE"}, {"&THORN;", "\xDE"}, {"&tilde;", "~"}, {"&times;", "\xD7"},
    {"&Uacute;", "\xDA"}, {"&uacute;", "\xFA"}, {"&Ucirc;", "\xDB"}, {"&ucirc;", "\xFB"},
    {"&Ugrave;", "\xD9"}, {"&ugrave;", "\xF9"}, {"&uml;", "\xA8"}, {"&Uuml;", "\xDC"},
    {"&uuml;", "\xFC"}, {"&verbar;", "|"}, {"&Yacute;", "\xDD"}, {"&yacute;", "\xFD"},
    {"&yen;", "\xA5"}, {"&yuml;", "\xFF"},
}};

const EntityRow kTradeEntity = {"&trade;", "\x99"};

const std::array<EntityRow, 112> kCanonicalEntities = {{
    {"\x83", "&#131;"}, {"\x85", "&#133;"}, {"\x91", "&#145;"}, {"\x92", "&#146;"},
    {"\x93", "&#147;"}, {"\x94", "&#148;"}, {"\x96", "&#150;"}, {"\x97", "&#151;"},
    {"\x99", "&#153;"}, {"\xE1", "&aacute;"}, {"\xC1", "&Aacute;"}, {"\xC2", "&Acirc;"},
    {"\xE2", "&acirc;"}, {"\xB4", "&acute;"}, {"\xE6", "&aelig;"}, {"\xC6", "&AElig;"},
    {"\xC0", "&Agrave;"}, {"\xE0", "&agrave;"}, {"\xC5", "&Aring;"}, {"\xE5", "&aring;"},
    {"\xE3", "&atilde;"}, {"\xC3", "&Atilde;"}, {"\xC4", "&Auml;"}, {"\xE4", "&auml;"},
    {"\xA6", "&brkbar;"}, {"\xA6", "&brvbar;"}, {"\xE7", "&ccedil;"}, {"\xC7", "&Ccedil;"},
    {"\xB8", "&cedil;"}, {"\xA2", "&cent;"}, {"\xA9", "&copy;"}, {"\xA4", "&curren;"},
    {"\xB0", "&deg;"}, {"\xA8", "&die;"}, {"\xF7", "&divide;"}, {"$", "&dollar;"},
    {"\xE9", "&eacute;"}, {"\xC9", "&Eacute;"}, {"\xCA", "&Ecirc;"}, {"\xEA", "&ecirc;"},
    {"\xC8", "&Egrave;"}, {"\xE8", "&egrave;"}, {"\xF0", "&eth;"}, {"\xD0", "&ETH;"},
    {"\xEB", "&euml;"}, {"\xCB", "&Euml;"}, {"\xBD", "&frac12;"}, {"\xBC", "&frac14;"},
    {"\xBE", "&frac34;"}, {"`", "&grave;"}, {">", "&gt;"}, {"\xBD", "&half;"},
    {"\xAF", "&hibar;"}, {"\xCD", "&Iacute;"}, {"\xED", "&iacute;"}, {"\xCE", "&Icirc;"},
    {"\xEE", "&icirc;"}, {"\xA1", "&iexcl;"}, {"\xEC", "&igrave;"}, {"\xCC", "&Igrave;"},
    {"\xBF", "&iquest;"}, {"\xCF", "&Iuml;"}, {"\xEF", "&iuml;"}, {"\xAB", "&laquo;"},
    {"<", "&lt;"}, {"\xAF", "&macr;"}, {"\xB5", "&micro;"}, {"\xB7", "&middot;"},
    {"\xAC", "&not;"}, {"\xF1", "&ntilde;"}, {"\xD1", "&Ntilde;"}, {"\xD3", "&Oacute;"},
    {"\xF3", "&oacute;"}, {"\xF4", "&ocirc;"}, {"\xD4", "&Ocirc;"}, {"\xD2", "&Ograve;"},
    {"\xF2", "&ograve;"}, {"\xAA", "&ordf;"}, {"\xBA", "&ordm;"}, {"\xF8", "&oslash;"},
    {"\xD8", "&Oslash;"}, {"\xF5", "&otilde;"}, {"\xD5", "&Otilde;"}, {"\xF6", "&ouml;"},
    {"\xD6", "&Ouml;"}, {"\xB6", "&para;"}, {"%", "&percnt;"}, {"\xB1", "&plusmn;"},
    {"\xA3", "&pound;"}, {"\xBB", "&raquo;"}, {"\xAE", "&reg;"}, {"\xA7", "&sect;"},
    {"\xB9", "&sup1;"}, {"\xB2", "&sup2;"}, {"\xB3", "&sup3;"}, {"\xDF", "&szlig;"},
    {"\xDE", "&THORN;"}, {"\xFE", "&thorn;"}, {"\xD7", "&times;"}, {"\xFA", "&uacute;"},
    {"\xDA", "&Uacute;"}, {"\xFB", "&ucirc;"}, {"\xDB", "&Ucirc;"}, {"\xF9", "&ugrave;"},
    {"\xD9", "&Ugrave;"}, {"\xA8", "&uml;"}, {"\xFC", "&uuml;"}, {"\xDC", "&Uuml;"},
    {"\xFD", "&yacute;"}, {"\xDD", "&Yacute;"}, {"\xA5", "&yen;"}, {"\xFF", "&yuml;"},
}};

}  // namespace core

namespace core {

namespace {

std::string ReplaceEvery(std::string_view text, std::string_view search, std::string_view replacement) {
  std::string result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t hit = text.find(search); hit != std::string_view::npos; hit = text.find(search, from)) {
    result.append(text.substr(from, hit - from));
    result.append(replacement);
    from = hit + search.size();
  }
  result.append(text.substr(from));
  return result;
}

// Every decoding row in the order of its pass, and for each entity text the
// passes that replace it (a text could stand in two rows).
struct DecodingRows {
  std::vector<EntityRow> rows;
  std::unordered_map<std::string_view, std::vector<std::uint16_t>> passes;

  DecodingRows() {
    rows.insert(rows.end(), kNumericEntities.begin(), kNumericEntities.end());
    rows.insert(rows.end(), kNamedEntities.begin(), kNamedEntities.end());
    rows.push_back(kTradeEntity);  // last, so that leaving it out shortens the list
    for (std::size_t i = 0; i < rows.size(); ++i) passes[rows[i].from].push_back(static_cast<std::uint16_t>(i));
  }
};

const DecodingRows& Decoding() {
  static const DecodingRows table;
  return table;
}

}  // namespace

std::string DecodeEntityRows(std::string_view text, bool tradeEntity) {
  std::string result(text);
  if (result.find('&') == std::string::npos) return result;
  const DecodingRows& table = Decoding();
  const std::size_t rowCount = table.rows.size() - (tradeEntity ? 0 : 1);
  // A row can only match an "&" followed by no other "&" up to the first
  // ";": every entity text is of that form. The passes of rows that match
  // nothing change nothing, so the next pass that matters is the lowest row
  // not yet passed whose text stands in the result now; a pass can create
  // the text of a later row, never of an earlier one that is already past.
  std::size_t next = 0;
  for (;;) {
    std::size_t best = rowCount;
    for (std::size_t amp = result.find('&'); amp != std::string::npos; amp = result.find('&', amp + 1)) {
      const std::size_t limit = std::min(result.size(), amp + kLongestEntity);
      std::size_t end = amp + 1;
      while (end < limit && result[end] != ';' && result[end] != '&') ++end;
      if (end >= limit || result[end] != ';') continue;
      const auto it = table.passes.find(std::string_view(result).substr(amp, end + 1 - amp));
      if (it == table.passes.end()) continue;
      for (const std::uint16_t pass : it->second) {
        if (pass >= next) {
          if (pass < best) best = pass;
          break;
        }
      }
    }
    if (best >= rowCount) return result;
    result = ReplaceEvery(result, table.rows[best].from, table.rows[best].to);
    next = best + 1;
  }
}

std::string_view CanonicalEntity(unsigned char c) {
  static const auto table = [] {
    std::array<std::string_view, 256> t{};
    // Where two rows stand for one character the earlier row wins: its pass
    // leaves nothing for the later one.
    for (const EntityRow& row : kCanonicalEntities) {
      const auto ch = static_cast<unsigned char>(row.from[0]);
      if (t[ch].empty()) t[ch] = row.to;
    }
    return t;
  }();
  return table[c];
}

std::string EncodeCanonical(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    const std::string_view entity = CanonicalEntity(static_cast<unsigned char>(c));
    if (entity.empty()) {
      result += c;
    } else {
      result += entity;
    }
  }
  return result;
}

}  // namespace core
