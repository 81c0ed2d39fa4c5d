#include "tessarel/scanner.h"

#include <windows.h>

#include <array>

#include "core/TText.h"
#include "tessarel/hinweis.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

namespace {

constexpr std::array<CharClass, 256> MakeClasses() {
  std::array<CharClass, 256> t{};
  for (auto& c : t) c = CharClass::Ignored;
  auto range = [&t](int from, int to, CharClass k) {
    for (int c = from; c <= to; ++c) t[static_cast<size_t>(c)] = k;
  };
  range('0', '9', CharClass::Letter);
  range('@', 'Z', CharClass::Letter);
  range('`', 'z', CharClass::Letter);
  range(192, 255, CharClass::Letter);
  t[215] = CharClass::Ignored;  // multiplication sign
  t[247] = CharClass::Ignored;  // division sign
  for (int c : {'-', '/', '_'}) t[static_cast<size_t>(c)] = CharClass::Joiner;
  for (int c : {'#', '$'}) t[static_cast<size_t>(c)] = CharClass::Starter;
  for (int c : {9, 10, 13, 32, 33, 34, 37, 39, 40, 41, 42, 43, 44, 46, 58, 59, 61, 91, 92, 93, 94, 123, 124, 125, 126})
    t[static_cast<size_t>(c)] = CharClass::Separator;
  return t;
}

constexpr std::array<CharClass, 256> kClasses = MakeClasses();

bool IsEmptyFile(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
         !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && data.nFileSizeHigh == 0 && data.nFileSizeLow == 0;
}

}  // namespace

CharClass ClassOf(unsigned char c) { return kClasses[c]; }

bool WordBuilder::Feed(unsigned char c) {
  switch (ClassOf(c)) {
    case CharClass::Letter:
      word_ += static_cast<char>(c);
      return false;
    case CharClass::Joiner:
      if (!word_.empty()) word_ += static_cast<char>(c);
      return false;
    case CharClass::Starter:
      if (!word_.empty()) return true;
      word_ += static_cast<char>(c);
      return false;
    case CharClass::Separator:
      return !word_.empty();
    case CharClass::Ignored:
      return false;
  }
  return false;
}

std::string WordBuilder::Take() {
  std::string w;
  w.swap(word_);
  const core::TText& t = core::Text();
  t.StripTrailingCharInPlace('-', w);
  t.StripTrailingCharInPlace('/', w);
  t.StripTrailingCharInPlace('_', w);
  return w;
}

tScanner::tScanner(THinweisDlg* window, bool& abort, bool& rawRead, const std::string& path, TProjekt& projekt)
    : window_(window) {
  const ReaderOptions options{.automation = projekt.OLEAutomationVerwenden,
                              .pdf = projekt.OLEAutoPDFVerwenden,
                              .doc = projekt.OLEAutoDOCVerwenden,
                              .xls = projekt.OLEAutoXLSVerwenden,
                              .ppt = projekt.OLEAutoPPTVerwenden};
  const ReaderProgress progress{window, window ? &window->pbFortschritt2 : nullptr};
  // A document of no bytes has no words: a converter's answer to it (a
  // message, a form feed) must not become one.
  if (IsEmptyFile(path)) reader_ = std::make_unique<thtmlDatei>(progress, abort, path);
  else reader_ = CreateReader(progress, abort, rawRead, path, options, projekt.automationErrors);
}

tScanner::~tScanner() = default;

void tScanner::NextWord(bool& abort, std::string& word) {
  while (!reader_->AtEnd()) {
    if (window_ && !window_->Visible()) {
      abort = true;
      return;
    }
    current_ = static_cast<unsigned char>(reader_->NextChar(abort));
    if (abort) return;
    if (word_.Feed(current_)) break;
  }
  word = word_.Take();
}

}  // namespace tessarel
