#pragma once
// A page's keywords. A run holds some hundred thousand of them over a few
// ten thousand distinct words: each distinct word is kept once, with its sort
// key, in a table shared by all lists, and a list holds only references to
// it. Otherwise the list behaves as a string list sorted in the locale
// without regard to case that ignores duplicates ("Haus" and "haus" are one
// entry, the first kept); once unsorted (the glossary step puts numbers in
// the words' places) it keeps the order it is given.
//
// The shared table grows with every distinct word and is never emptied; it
// is meant for the thread that runs the index.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class TStringList;
}

namespace core {

// One distinct word of the shared table: its text and, behind it, the
// locale's sort key (case ignored; none: compared by text).
struct KeywordEntry {
  const char* bytes = nullptr;
  std::uint32_t textSize = 0;
  std::uint32_t keySize = 0;
  std::uint32_t id = 0;  // its number in the table

  std::string_view Text() const { return {bytes, textSize}; }
  std::string_view SortKey() const { return {bytes + textSize, keySize}; }
};

// The entry of a word, made on its first use.
const KeywordEntry* InternKeyword(std::string_view word);

// The words of one page as they are met, each exact spelling once.
class KeywordCollector {
 public:
  KeywordCollector();
  // Adds the word unless this spelling was met before.
  void Add(std::string_view word);
  const std::vector<const KeywordEntry*>& Words() const { return words_; }
  // Forgets the words; the buffer stays for the next page.
  void Clear();

 private:
  std::vector<const KeywordEntry*> words_;
  std::uint32_t mark_;
};

class KeywordList {
 public:
  KeywordList() = default;

  int Count() const { return static_cast<int>(entries_.size()); }
  std::string_view operator[](int i) const { return Strings(i); }
  std::string_view Strings(int i) const;
  const KeywordEntry* Entry(int i) const;

  // Sorted: the word goes to its place unless an equal one is there, whose
  // index is returned then. Unsorted: appended.
  int Add(std::string_view word);
  // Adds many words at once, as one Add after the other would; of equal
  // words the first stays.
  void AddAll(const std::vector<const KeywordEntry*>& words);
  void AddStrings(const platform::TStringList& words);
  // The index of an equal word (sorted: in the locale without regard to case;
  // unsorted: the same), -1 when there is none.
  int IndexOf(std::string_view word) const;
  void Delete(int i);
  void Clear() { entries_.clear(); }
  // Deletes the words that other holds; returns how many went.
  int DeleteLinesIn(const platform::TStringList& other);

  bool Sorted() const { return sorted_; }
  // Sorting again keeps equal words in their order and drops none.
  void SetSorted(bool sorted);
  // Unsorted lists only.
  void Put(int i, std::string_view word);

  std::vector<std::string> Lines() const;
  // For the dialogs, which edit words as a string list.
  platform::TStringList ToStringList() const;
  void Assign(const platform::TStringList& words);
  // The characters of all words together.
  std::int64_t TotalLength() const;

 private:
  void CheckIndex(int i) const;
  // The first place not below entry; found when an equal word stands there.
  std::size_t LowerBound(const KeywordEntry* entry, bool& found) const;

  // Numbers of entries of the shared table: half the room of pointers.
  std::vector<std::uint32_t> entries_;
  // The stop-word list (by its fingerprint) whose words this list has lost
  // and not gained since; 0: none.
  std::uint64_t cleanOf_ = 0;
  bool sorted_ = true;
};

// The list order: 0 for words equal in the locale without regard to case.
int CompareKeywords(const KeywordEntry* a, const KeywordEntry* b);

}  // namespace core
