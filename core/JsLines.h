#pragma once
// The line builders of the JavaScript database and the compaction of its
// lines; the index run (coregui/indexErzeugen.h) writes with them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/StringList.h"

namespace core {

class KeywordList;

// Lines of the page entries are wrapped to this width (except where noted).
constexpr std::size_t kLineWidth = 78;

// The keyword lines of one entry: prefix, the words joined by ",", closing
// mark; wrapped with continuation lines unless optimized. A backslash in a
// word is written as "/".
void AppendKeywordLines(const std::string& prefix, const platform::TStringList& words, bool optimized,
                        platform::TStringList& lines);
void AppendKeywordLines(const std::string& prefix, const KeywordList& words, bool optimized,
                        platform::TStringList& lines);
// The URL lines: wrapped after a "/"; the last line is not limited.
void AppendUrlLines(const std::string& prefix, const std::string& url, bool optimized, platform::TStringList& lines);
// The description lines: wrapped after a blank.
void AppendDescriptionLines(const std::string& prefix, const std::string& description, bool optimized,
                            platform::TStringList& lines);

// The byte counts of the generated file: as written, and after compaction.
struct FileSizes {
  std::int64_t plain = 0;      // DateiGroesse
  std::int64_t optimized = 0;  // DateiGroesseOptimiert
};

// Passes one line on its way to the output and counts it. Unless optimizing,
// the line is kept as it is. Optimizing, a line that holds a marker is kept
// as it is; any other loses its trailing comment (one outside a string),
// blanks at both ends, one trailing ";" and doubled blanks, and is dropped
// when nothing is left. Returns whether the line is written.
bool OptimizeLine(std::string& line, bool optimize, const std::array<std::string, 3>& markers, FileSizes& sizes);

}  // namespace core
