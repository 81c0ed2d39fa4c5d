#pragma once
// The word loop of one page within the index run: the scanner's words, and
// the project's rules that make the page's keywords of them.
#include "core/scanner.h"

namespace core {

class PageSource;
class RunContext;
class TProjekt;
class TSchlagwortDatei;

// The word loop of one page and the page's steps after it.
class tParser {
 public:
  // Gets the page's text from source; a source that gives up sets abort.
  tParser(TProjekt& project, int pagePosition, PageSource& source, bool& abort);
  // Hands the page's text back to the source.
  ~tParser();
  tParser(const tParser&) = delete;
  tParser& operator=(const tParser&) = delete;

  // Collects the page's words and, unless the run was cancelled meanwhile
  // (run cancelled, or abort set), composes the description, applies the
  // index modes and corrections, removes stop words and limits the words.
  void ParsePage(RunContext& run, bool& abort);

 private:
  TProjekt& project_;
  int pagePosition_;
  TSchlagwortDatei& page_;
  PageSource& source_;
  tScanner scanner_;
};

}  // namespace core
