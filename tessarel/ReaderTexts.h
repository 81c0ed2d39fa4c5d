#pragma once
// Numbers of the document readers' own texts in Tessarel's string table,
// named by the rows of texts/readers.def, whose texts texts/readers.rc takes.
namespace tessarel::readertexts {

#define READER_TEXT(name, number, text) constexpr unsigned name = number;
#include "tessarel/texts/readers.def"
#undef READER_TEXT

}  // namespace tessarel::readertexts
