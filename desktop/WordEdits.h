#pragma once
// The rules of the word lists that the keyword review and the stop-word
// editor show, without windows: the forms copy the words and the current
// entry into their list box after every change.
//
// The words stand in the order a sorted list box keeps: a new word goes to
// its sorted place, a renamed one stays where it stood. Look-ups ignore
// letter case in the locale. Every change puts a current entry back: the
// index that was current before (a delete moves to the last entry when the
// list got shorter), and the first word when the list had none. Without a
// current entry (an empty list, or a list box without a selection) the
// commands that work on it do nothing.
#include <functional>
#include <string>
#include <vector>

#include "platform/base/StringList.h"

namespace desktop {

class WordList {
 public:
  WordList();

  // The words, sorted; the first current.
  void Assign(const std::vector<std::string>& words);
  void Clear();

  const std::vector<std::string>& Words() const { return words_; }
  int Count() const { return static_cast<int>(words_.size()); }
  bool Empty() const { return words_.empty(); }
  bool Contains(const std::string& word) const;

  // -1: none.
  int Current() const { return current_; }
  // What the list box shows as current; an index out of range means none.
  void SetCurrent(int index);
  bool HasCurrent() const { return current_ >= 0; }
  const std::string& CurrentWord() const;

  // Adds the word in its sorted place (after the words equal to it).
  void Insert(const std::string& word);
  // The current entry becomes text where it stands.
  void ReplaceCurrent(const std::string& text);
  // Deletes the current entry.
  void DeleteCurrent();

 private:
  std::vector<std::string> words_;
  platform::TStringList lookup_;  // the same words sorted, for Contains
  int current_ = -1;
};

// Why a word cannot become a keyword: it is empty, or it holds a character
// that would split a correction in the project file (",") or end a string
// of the generated database ("\"", "\\"); character is then that one.
enum class KeywordFault { None, Empty, Character };
KeywordFault CheckKeyword(const std::string& word, char& character);

// The words of one page under review, with the page's corrections: "+" and a
// word that the user added, "-" and a word that the user removed, so that
// later runs repeat the change on the words they find. An entry cancels its
// opposite, so a word added and removed again leaves none.
class KeywordReview {
 public:
  // stopWordsUsable: the project uses its stop-word list and the list's
  // file exists.
  KeywordReview(const platform::TStringList& words, const platform::TStringList& changeLog, bool stopWordsUsable);

  WordList& List() { return list_; }
  const WordList& List() const { return list_; }
  // Unsorted, in the order of the changes.
  const platform::TStringList& ChangeLog() const { return changeLog_; }
  // Whether a word went into the stop-word list since the review began.
  bool StopWordsAdded() const { return stopWordsAdded_; }

  // "&Bearbeiten", "&Löschen" and both "Ohne Frage" boxes; "&Stopwort".
  bool CanEdit() const { return !list_.Empty(); }
  bool CanMoveToStopWords() const { return CanEdit() && stopWordsUsable_; }

  // Adds a word the list does not hold yet (the caller has checked both).
  void Insert(const std::string& word);
  // Renames the current entry to text, which differs from it (the caller has
  // checked it). A rename that changes only the letter case logs no removal:
  // the next run, comparing without case, would remove the word itself.
  void Rename(const std::string& text);
  void Delete();
  // Moves the current word, in lower case, into stopWords. Logs nothing:
  // the stop-word list removes it from later runs.
  void MoveToStopWords(platform::TStringList& stopWords);
  // Accepting the page without words.
  void RemoveAll();

 private:
  void LogAdded(const std::string& word);
  void LogRemoved(const std::string& word);

  WordList list_;
  platform::TStringList changeLog_;
  bool stopWordsUsable_;
  bool stopWordsAdded_ = false;
};

// The stop-word list under edit. Words come in lower case; a rename keeps
// the text as typed.
class StopWordEdit {
 public:
  // lower: how a word is lowered; nullptr: in the locale.
  explicit StopWordEdit(const platform::TStringList& stopWords,
                        std::string (*lower)(const std::string&) = nullptr);

  WordList& List() { return list_; }
  const WordList& List() const { return list_; }
  // "&Bearbeiten", "&Löschen" and "Ohne Frage".
  bool CanEdit() const { return !list_.Empty(); }

  // The word in lower case, added unless the list holds it; false then.
  bool Insert(const std::string& typed);
  // The current entry becomes text when text differs from it.
  void Rename(const std::string& text);
  void Delete();

  // Adds each line, lower-cased, that the list lacks. Before each line
  // next(line) reports the progress and says whether to go on; false is a
  // cancel, and what was added so far stays. Returns false when cancelled.
  bool Import(const platform::TStringList& lines, const std::function<bool(const std::string& line)>& next);

 private:
  WordList list_;
  std::string (*lower_)(const std::string&);
};

}  // namespace desktop
