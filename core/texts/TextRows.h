#pragma once
// A program's shared texts stand in its texts/<area>.def files, one row per
// text, and are read twice: by its string table (strings.rc includes them
// inside a STRINGTABLE block; the resource compiler defines RC_INVOKED) for
// number and text, and by its table of core::TextNumber (Texts.cpp includes
// them inside the table's braces) for symbolic id, number and kind. So each
// number is written once, beside its text.
//   TXT_ROW(Name, number, FIXED|LANG, "text")  a text of the area file
//   TXT_MAP(Name, IDS_..., FIXED|LANG)         one of the program's own texts
//     (numbered in its TextNumbers.h, written in its texts/*.rc) that the
//     shared code loads under a symbolic id as well
// A FIXED text is always read from the program file (TextNumber::fixed); a
// LANG text follows the language module.
#ifdef RC_INVOKED
#define TXT_ROW(name, number, kind, text) number text
#define TXT_MAP(name, number, kind)
#else
#define TXT_KIND_FIXED true
#define TXT_KIND_LANG false
#define TXT_ROW(name, number, kind, text) {core::Txt::name, number, TXT_KIND_##kind},
#define TXT_MAP(name, number, kind) {core::Txt::name, number, TXT_KIND_##kind},
#endif
