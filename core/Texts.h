#pragma once
// The numbered string table. Each program keeps its texts under its own numbers;
// the shared code names a text by a symbolic id and the program's profile maps
// it to the number. Every use loads the text afresh from the current resource
// source, so a language module that holds the same numbers replaces it.
#include <span>
#include <string>

namespace core {

// Texts used by the shared code (listed by area in core/texts/*.def).
enum class Txt : int {
#define TXT(name) name,
#include "core/texts/AllTexts.def"
#undef TXT
  Count
};

// Where a symbolic text lives in one program's table. A fixed text (a section
// or key name, a JavaScript format, a default file name) is always read from
// the program file: a language module must not change stored file formats.
struct TextNumber {
  Txt id;
  unsigned number;
  bool fixed = false;
};

// A program's text table; installed once at start-up (tests install one too).
void SetTextTable(std::span<const TextNumber> table);

// The number of a symbolic text in the installed table; 0 when it has none.
unsigned TextNumberOf(Txt id);

// Loads a text. A missing text is a programming error; it loads as "".
std::string LoadStr(Txt id);
std::string LoadStr(unsigned number);

// printf-style formatting of a loaded text with string arguments ("%s" only,
// "%%" for a percent sign), as the programs' messages use it.
std::string FormatStr(const std::string& format, std::initializer_list<std::string> args);

}  // namespace core
