#include "tessarel/HtmlEncode.h"

#include <array>
#include <utility>

#include "core/TText.h"

namespace tessarel {

namespace {

// The letters 192 to 255 in order; 215 and 247 (the multiplication and
// division signs) have no row.
constexpr std::array<const char*, 64> kLetters = {
    "&Agrave;", "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;",  "&Ccedil;",
    "&Egrave;", "&Eacute;", "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;",  "&Iuml;",
    "&ETH;",    "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",   nullptr,
    "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",   "&Yacute;", "&THORN;",  "&szlig;",
    "&agrave;", "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",  "&aelig;",  "&ccedil;",
    "&egrave;", "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;",  "&iuml;",
    "&eth;",    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",   nullptr,
    "&oslash;", "&ugrave;", "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&yuml;",
};

constexpr std::pair<unsigned char, const char*> kSigns[] = {
    {167, "&sect;"}, {169, "&copy;"}, {171, "&laquo;"}, {174, "&reg;"}, {176, "&deg;"}, {187, "&raquo;"},
};

}  // namespace

std::string HtmlEncode(std::string_view text) {
  const core::TText& t = core::Text();
  // "&" first, so that the entities of the later rows stay as they are.
  std::string s = t.ReplaceAll(text, "&", "&amp;");
  s = t.ReplaceAll(s, "\"", "&quot;");
  s = t.ReplaceAll(s, "< ", "&lt;");
  s = t.ReplaceAll(s, " >", "&gt;");
  for (const auto& [code, entity] : kSigns) s = t.ReplaceAll(s, std::string(1, static_cast<char>(code)), entity);
  for (unsigned i = 0; i < kLetters.size(); ++i) {
    if (!kLetters[i]) continue;
    s = t.ReplaceAll(s, std::string(1, static_cast<char>(192 + i)), kLetters[i]);
  }
  return s;
}

}  // namespace tessarel
