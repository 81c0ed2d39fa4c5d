#pragma once
// HTML 4 entity encoding of the letter links of a keyword page.
#include <string>
#include <string_view>

namespace tessarel {

// "&" and the double quote become entities; "<" before a blank and a blank
// before ">" become "&lt;" and "&gt;" (the blank goes); the Latin-1 signs
// 167, 169, 171, 174, 176, 187 and the letters 192-255 (not 215, 247) become
// their named entities. Everything else stays, entities already in the text
// included ("&Auml;" gives "&amp;Auml;").
std::string HtmlEncode(std::string_view text);

}  // namespace tessarel
