// The JavaScript database's lines of one page, from what a hostile page and a
// hostile address give: every entry, wrapped or compacted, must stay one
// JavaScript statement whose strings close on the line they open.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>

#include "FuzzCheck.h"
#include "core/JsLines.h"
#include "core/ProjectSettings.h"
#include "core/Schlagworte.h"
#include "core/scanner.h"
#include "platform/base/StringList.h"

namespace {

// Outside the strings only the prefix's assignment, "+" and ";" may stand;
// a string ends on its line, and a backslash escapes the next character.
bool OneStatement(const platform::TStringList& lines) {
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string& line = lines[i];
    bool inString = false;
    for (size_t k = 0; k < line.size(); ++k) {
      const char c = line[k];
      if (inString) {
        if (c == '\\') ++k;
        else if (c == '"') inString = false;
        else if (c == '\r' || c == '\n') return false;
      } else if (c == '"') {
        inString = true;
      } else if (c != ' ' && c != '+' && c != ';' && c != '=' && c != 'p') {
        return false;
      }
    }
    if (inString) return false;
  }
  return true;
}

void Check(const platform::TStringList& lines, bool optimized) {
  if (!OneStatement(lines)) {
    for (int i = 0; i < lines.Count(); ++i) FuzzDump("line", lines[i]);
  }
  FUZZ_CHECK(OneStatement(lines));
  for (int i = 0; !optimized && i < lines.Count(); ++i) (void)lines[i];
  core::FileSizes sizes;
  const std::array<std::string, 3> markers = {"// Pellinova: Konstanten", "// Pellinova: Glossar",
                                              "// Pellinova: Array"};
  for (int i = 0; i < lines.Count(); ++i) {
    std::string line = lines[i];
    if (core::OptimizeLine(line, true, markers, sizes)) FUZZ_CHECK(!line.empty());
  }
  FUZZ_CHECK(sizes.optimized <= sizes.plain);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const bool optimized = in.ConsumeBool();
  core::ProjectSettings settings;
  settings.KeywordsModus = in.ConsumeBool();
  settings.Zahlen = in.ConsumeBool();
  const std::string url = in.ConsumeRandomLengthString(256);
  const std::string text = in.ConsumeRemainingBytesAsString();

  core::TSchlagwortDatei page(url);
  core::tScanner scanner(0, text, page, settings);
  bool abort = false;
  for (std::string_view word = scanner.NextWord(abort); !word.empty(); word = scanner.NextWord(abort))
    page.words.Add(std::string(word));
  page.ComposeDescription(settings);
  page.ApplyIndexModes(settings);
  page.CleanDescription();

  platform::TStringList keywords, urls, descriptions;
  core::AppendKeywordLines("p = \"", page.words, optimized, keywords);
  core::AppendUrlLines("p = \"", page.url, optimized, urls);
  core::AppendDescriptionLines("p = \"", page.description, optimized, descriptions);
  Check(keywords, optimized);
  Check(urls, optimized);
  Check(descriptions, optimized);
  return 0;
}
