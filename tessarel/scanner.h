#pragma once
// The tokeniser: turns the character stream of one document into words.
//
// Letters and digits (with "@", "`" and the Latin-1 letters) make words;
// "#" and "$" can only stand first; "-", "/" and "_" join parts of a word;
// the separators end it; the rest (controls, "&", "<", ">", "?", most signs
// above 126) is skipped without ending the word.
#include <memory>
#include <string>

#include "tessarel/DocumentReaders.h"

namespace tessarel {

class THinweisDlg;
class TProjekt;

enum class CharClass { Letter, Joiner, Starter, Separator, Ignored };
CharClass ClassOf(unsigned char c);

// Builds words one character at a time.
class WordBuilder {
 public:
  // True when c ended a non-empty word; Take() then gives it.
  bool Feed(unsigned char c);
  // The word, with one trailing "-", then one "/", then one "_" removed;
  // starts the next word empty.
  std::string Take();
  bool Empty() const { return word_.empty(); }

 private:
  std::string word_;
};

class tScanner {
 public:
  // Chooses and creates the document's reader, which may set rawRead (the
  // garbage tests apply) or, when the user gives up opening the file, abort.
  // window may be null (no progress window).
  tScanner(THinweisDlg* window, bool& abort, bool& rawRead, const std::string& path, TProjekt& projekt);
  ~tScanner();
  tScanner(const tScanner&) = delete;
  tScanner& operator=(const tScanner&) = delete;

  bool AtEnd() const { return reader_->AtEnd(); }
  // The next word; may be empty at the end of the document. When the window
  // was hidden or the reader gave up, abort is set and word stays as it was.
  void NextWord(bool& abort, std::string& word);

  unsigned char Current() const { return current_; }

 private:
  WordBuilder word_;
  std::unique_ptr<thtmlDatei> reader_;
  unsigned char current_ = 0;
  THinweisDlg* window_;
};

}  // namespace tessarel
