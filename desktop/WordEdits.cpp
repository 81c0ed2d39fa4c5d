#include "desktop/WordEdits.h"

#include <stdexcept>

namespace desktop {

// ---- WordList ---------------------------------------------------------------

WordList::WordList() {
  lookup_.SetSorted(true);
  lookup_.SetDuplicates(platform::TDuplicates::dupAccept);
}

void WordList::Assign(const std::vector<std::string>& words) {
  lookup_.Clear();
  for (const auto& w : words) lookup_.Add(w);
  words_ = lookup_.Lines();
  current_ = words_.empty() ? -1 : 0;
}

void WordList::Clear() {
  words_.clear();
  lookup_.Clear();
  current_ = -1;
}

bool WordList::Contains(const std::string& word) const {
  int index = 0;
  return lookup_.Find(word, index);
}

void WordList::SetCurrent(int index) { current_ = index >= 0 && index < Count() ? index : -1; }

const std::string& WordList::CurrentWord() const {
  if (!HasCurrent()) throw std::logic_error("WordList: no current entry");
  return words_[static_cast<size_t>(current_)];
}

void WordList::Insert(const std::string& word) {
  // After the words equal to it, as a sorted list box adds.
  size_t low = 0;
  size_t high = words_.size();
  while (low < high) {
    const size_t mid = (low + high) / 2;
    if (platform::AnsiCompareText(word, words_[mid]) < 0) high = mid;
    else low = mid + 1;
  }
  words_.insert(words_.begin() + static_cast<std::ptrdiff_t>(low), word);
  lookup_.Add(word);
  if (current_ < 0) current_ = static_cast<int>(low);
}

void WordList::ReplaceCurrent(const std::string& text) {
  std::string& entry = words_.at(static_cast<size_t>(current_));
  int index = 0;
  if (lookup_.Find(entry, index)) lookup_.Delete(index);
  lookup_.Add(text);
  entry = text;
}

void WordList::DeleteCurrent() {
  const int remembered = current_;
  int index = 0;
  if (lookup_.Find(CurrentWord(), index)) lookup_.Delete(index);
  words_.erase(words_.begin() + remembered);
  current_ = remembered < Count() ? remembered : Count() - 1;
}

// ---- Keywords ---------------------------------------------------------------

KeywordFault CheckKeyword(const std::string& word, char& character) {
  character = 0;
  if (word.empty()) return KeywordFault::Empty;
  for (char c : word) {
    if (c == ',' || c == '"' || c == '\\') {
      character = c;
      return KeywordFault::Character;
    }
  }
  return KeywordFault::None;
}

KeywordReview::KeywordReview(const platform::TStringList& words, const platform::TStringList& changeLog,
                             bool stopWordsUsable)
    : stopWordsUsable_(stopWordsUsable) {
  list_.Assign(words.Lines());
  changeLog_.Assign(changeLog);
}

void KeywordReview::LogAdded(const std::string& word) {
  const int removal = changeLog_.IndexOf("-" + word);
  if (removal >= 0) changeLog_.Delete(removal);
  else changeLog_.Add("+" + word);
}

void KeywordReview::LogRemoved(const std::string& word) {
  const int addition = changeLog_.IndexOf("+" + word);
  if (addition >= 0) changeLog_.Delete(addition);
  else changeLog_.Add("-" + word);
}

void KeywordReview::Insert(const std::string& word) {
  list_.Insert(word);
  LogAdded(word);
}

void KeywordReview::Rename(const std::string& text) {
  if (!list_.HasCurrent()) return;
  const std::string old = list_.CurrentWord();
  if (text == old) return;
  if (platform::SameText(text, old)) {
    // Only the spelling changes. A word the user added keeps its addition in
    // the new spelling; a found word needs none (the next run finds it
    // again), and one would make a later delete of it cancel out against
    // the addition instead of removing the word.
    bool added = false;
    for (const std::string& entry : {"-" + text, "+" + text}) {
      for (int i = changeLog_.IndexOf(entry); i >= 0; i = changeLog_.IndexOf(entry)) {
        added = added || entry[0] == '+';
        changeLog_.Delete(i);
      }
    }
    if (added) changeLog_.Add("+" + text);
  } else {
    LogAdded(text);
    LogRemoved(old);
  }
  list_.ReplaceCurrent(text);
}

void KeywordReview::Delete() {
  if (!list_.HasCurrent()) return;
  LogRemoved(list_.CurrentWord());
  list_.DeleteCurrent();
}

void KeywordReview::MoveToStopWords(platform::TStringList& stopWords) {
  if (!list_.HasCurrent() || !stopWordsUsable_) return;
  stopWords.Add(platform::AnsiLowerCase(list_.CurrentWord()));
  stopWordsAdded_ = true;
  list_.DeleteCurrent();
}

void KeywordReview::RemoveAll() { list_.Clear(); }

// ---- Stop words -------------------------------------------------------------

StopWordEdit::StopWordEdit(const platform::TStringList& stopWords, std::string (*lower)(const std::string&))
    : lower_(lower) {
  list_.Assign(stopWords.Lines());
}

bool StopWordEdit::Insert(const std::string& typed) {
  const std::string word = lower_ ? lower_(typed) : platform::AnsiLowerCase(typed);
  if (list_.Contains(word)) return false;
  list_.Insert(word);
  return true;
}

void StopWordEdit::Rename(const std::string& text) {
  if (list_.HasCurrent() && text != list_.CurrentWord()) list_.ReplaceCurrent(text);
}

void StopWordEdit::Delete() {
  if (list_.HasCurrent()) list_.DeleteCurrent();
}

bool StopWordEdit::Import(const platform::TStringList& lines,
                          const std::function<bool(const std::string& line)>& next) {
  for (int i = 0; i < lines.Count(); ++i) {
    if (!next(lines[i])) return false;
    Insert(lines[i]);
  }
  return true;
}

}  // namespace desktop
