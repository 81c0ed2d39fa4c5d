// The line builders of the JavaScript database and the compaction of its
// lines: text work without a window, so that the native build can check
// every line they make.
#include <array>
#include <cstdint>
#include <string>

#include "core/JsLines.h"
#include "core/KeywordList.h"
#include "core/Texts.h"
#include "platform/base/Blanks.h"

namespace core {

namespace {

std::string ContinuationMark() { return LoadStr(Txt::JsContinuation); }
std::string ClosingMark() { return LoadStr(Txt::JsClosing); }

// The continuation lines start under the prefix's double quote.
std::string Indent(const std::string& prefix) {
  return std::string(prefix.empty() ? 0 : prefix.size() - 1, ' ') + '"';
}

// Splits text after each occurrence of separator and wraps the pieces to the
// line width; the last line (rest and closing mark) is limited only when
// wrapLast says so.
void AppendWrapped(const std::string& prefix, const std::string& text, char separator, bool wrapLast,
                   platform::TStringList& lines) {
  const std::string continuation = ContinuationMark();
  const std::string closing = ClosingMark();
  std::string current = prefix;
  std::size_t rest = 0;  // the text from here on is still to be placed
  for (std::size_t sep = text.find(separator, rest); sep != std::string::npos; sep = text.find(separator, rest)) {
    const std::size_t piece = sep + 1 - rest;
    if (piece + current.size() + 3 > kLineWidth) {
      current += continuation;
      lines.Add(current);
      current = Indent(prefix);
    }
    current.append(text, rest, piece);
    rest = sep + 1;
  }
  const std::size_t restLength = text.size() - rest;
  if (wrapLast && current.size() + restLength + closing.size() > kLineWidth) {
    current += continuation;
    lines.Add(current);
    current = Indent(prefix);
  }
  current.append(text, rest, std::string::npos);
  current += closing;
  lines.Add(current);
}

bool Contains(const std::string& text, const std::string& needle) {
  return !needle.empty() && text.find(needle) != std::string::npos;
}

}  // namespace

// --- Line builders -------------------------------------------------------------

namespace {

template <typename Words>
void AppendWordLines(const std::string& prefix, const Words& words, bool optimized, platform::TStringList& lines) {
  const std::string closing = ClosingMark();
  std::string current = prefix;
  auto append = [&](std::string_view word) {
    const std::size_t start = current.size();
    current += word;
    for (std::size_t i = start; i < current.size(); ++i) {
      if (current[i] == '\\') current[i] = '/';
    }
    current += ',';
  };
  if (optimized) {
    for (int i = 0; i < words.Count(); ++i) append(words[i]);
  } else {
    const std::string continuation = ContinuationMark();
    for (int i = 0; i < words.Count(); ++i) {
      const std::string_view word = words[i];
      if (word.size() + current.size() + 4 > kLineWidth) {
        current += continuation;
        lines.Add(current);
        current = Indent(prefix);
      }
      append(word);
    }
  }
  if (words.Count() > 0 && !current.empty() && current.back() == ',') current.pop_back();
  current += closing;
  lines.Add(current);
}

}  // namespace

void AppendKeywordLines(const std::string& prefix, const platform::TStringList& words, bool optimized,
                        platform::TStringList& lines) {
  AppendWordLines(prefix, words, optimized, lines);
}

void AppendKeywordLines(const std::string& prefix, const KeywordList& words, bool optimized,
                        platform::TStringList& lines) {
  AppendWordLines(prefix, words, optimized, lines);
}

void AppendUrlLines(const std::string& prefix, const std::string& url, bool optimized, platform::TStringList& lines) {
  // The address stands inside a JavaScript string: a backslash would start an
  // escape, and a double quote or a line break (a link may hold one) would
  // end the string, so none may pass as is.
  std::string safe;
  safe.reserve(url.size());
  for (char c : url) {
    if (c == '\\')
      safe += '/';
    else if (c == '"')
      safe += "%22";
    else if (c == '\r')
      safe += "%0D";
    else if (c == '\n')
      safe += "%0A";
    else
      safe += c;
  }
  if (optimized) {
    lines.Add(prefix + safe + ClosingMark());
    return;
  }
  AppendWrapped(prefix, safe, '/', false, lines);
}

void AppendDescriptionLines(const std::string& prefix, const std::string& description, bool optimized,
                            platform::TStringList& lines) {
  if (optimized) {
    lines.Add(prefix + description + ClosingMark());
    return;
  }
  AppendWrapped(prefix, description, ' ', true, lines);
}

bool OptimizeLine(std::string& line, bool optimize, const std::array<std::string, 3>& markers, FileSizes& sizes) {
  sizes.plain += static_cast<std::int64_t>(line.size() + 2);
  if (!optimize) return true;
  for (const std::string& marker : markers) {
    if (Contains(line, marker)) {
      sizes.optimized += static_cast<std::int64_t>(line.size() + 2);
      return true;
    }
  }
  const std::size_t comment = line.find("//");
  if (comment == 0) {
    line.clear();
  } else if (comment != std::string::npos && line.find_first_of("'\"", comment) == std::string::npos) {
    // A "//" followed by a quote may stand inside a string ("http://").
    line.erase(comment);
  }
  line = platform::Trimmed(line);
  if (!line.empty() && line.back() == ';') line.pop_back();
  std::string compact;
  compact.reserve(line.size());
  for (char ch : line) {
    if (ch == ' ' && !compact.empty() && compact.back() == ' ') continue;
    compact += ch;
  }
  line.swap(compact);
  if (line.empty()) return false;
  sizes.optimized += static_cast<std::int64_t>(line.size() + 2);
  return true;
}

}  // namespace core
