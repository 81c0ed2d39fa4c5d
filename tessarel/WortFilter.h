#pragma once
// Which words of a document become its keywords, and which documents are
// analysed at all.
//
// Raw-read documents (automation on, but the document went to the raw reader)
// are binary more often than not; four tests reject the garbage words such a
// file yields. Every word then passes the width limits and the project's
// stop-word and stop-character lists.
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/base/StringList.h"

namespace tessarel {

class TProjekt;

// The garbage tests: true means garbage.
// Three equal characters in a row, case ignored ("aAa").
bool RepeatedLetter(const std::string& w);
// A group of four characters that occurs again further on.
bool RepeatedGroup(const std::string& w);
// Five characters in strictly ascending +1 order ("abcde", "12345").
bool AscendingRun(const std::string& w);
// More digits than other characters.
bool MostlyDigits(const std::string& w);
// The four in turn.
bool IsGarbage(const std::string& w);

// What becomes of one word of a document.
enum class WordVerdict {
  Dropped,   // empty, garbage or outside the width limits: not counted at all
  Rejected,  // a stop word or a word with a stop character
  Keyword,   // goes into the document's keyword list
};

// The project's rules for words, taken once per run: the lists are
// upper-cased once, not per word.
class WordFilter {
 public:
  explicit WordFilter(const TProjekt& projekt);
  WordFilter(const platform::TStringList& stopWords, const platform::TStringList& stopCharacters);

  void SetWidthLimits(bool use, int min, int max);
  void SetKeywordLimit(bool use, int max);

  // An entry equal to the word, case ignored.
  bool IsStopWord(const std::string& w) const;
  // An entry "text" found in the word, or "text,n" found first at position
  // n (1-based, 0 = not at all); an n that is no number counts as the plain
  // form. Case ignored; the first entry that hits decides.
  bool HasStopCharacter(const std::string& w) const;

  WordVerdict Judge(const std::string& w, bool rawRead) const;
  // After a word that was not dropped: whether the document has enough
  // keywords and its reading stops.
  bool LimitReached(int keywordCount) const;

 private:
  struct StopCharacter {
    std::string text;  // upper-cased
    bool positional = false;
    long long position = 0;
  };
  void TakeLists(const platform::TStringList& stopWords, const platform::TStringList& stopCharacters);

  std::vector<std::string> stopWords_;  // upper-cased, sorted
  std::vector<StopCharacter> stopCharacters_;
  bool useWidth_ = false;
  int minWidth_ = 0;
  int maxWidth_ = 0;
  bool useLimit_ = false;
  int maxKeywords_ = 0;
};

// The keywords of one document as they are met: each word once, equal words
// (case ignored in the locale, as the sorted keyword list compares them)
// keeping the form met first. The words are sorted once at the end: putting
// each into a sorted list as it comes costs time with the square of the
// distinct words of a document.
class KeywordCollector {
 public:
  // True when the word was not there yet.
  bool Add(const std::string& word);
  int Count() const { return words_.Count(); }
  void Clear();
  // The words as the keyword list holds them: sorted, case ignored.
  platform::TStringList Sorted() const;

 private:
  std::unordered_set<std::string> keys_;  // the locale's sort keys of the words
  platform::TStringList words_;           // in the order met
};

// Removes every document whose extension (upper-cased, without its dot)
// matches the upper-cased pattern: exactly, or, for patterns of two or three
// characters holding "*", by the characters at the other positions (each "*"
// stands for exactly one character). The empty pattern removes the documents
// without extension.
void ExcludeByExtension(platform::TStringList& documents, const std::string& pattern);
// Applies every pattern of the comma-separated list (upper-cased first), in
// order, while abort is clear.
void ExcludeByExtensions(platform::TStringList& documents, const std::string& patterns, const bool& abort);

}  // namespace tessarel
