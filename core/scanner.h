#pragma once
// Turning the HTML of one page into words. The page is in memory whole; the
// scanner walks it once and hands out each word as a view into the page (or
// into a buffer of its own where an entity or a skipped byte changed the
// word), so that only the words that are kept cost a copy. On the way it picks
// up the page title, the META description, the META keywords and the ALT texts
// of images. Characters are code page 1252 bytes. Every class here lives for
// one page.
//
// thtmlDatei and tScanner need no window: what they need of the run (a turn
// for the window system now and then, whether the user cancelled) comes
// through a RunContext, so the tokenizer can be tested and measured alone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/PageTitle.h"

namespace platform {
class TStringList;
}

namespace core {

class KeywordCollector;
class PageSource;
class RunContext;
class TSchlagwortDatei;
struct ProjectSettings;

// What a byte does to the word being built.
enum class CharClass : std::uint8_t {
  Skip,       // neither ends nor enters a word (control bytes, ">", "?", 127-191, 215, 247)
  Letter,     // always appended
  Digit,      // appended inside a word, or at its start when numbers are admitted
  Entity,     // "&": an entity follows
  Tag,        // "<": a tag follows, or the word ends before it
  Joiner,     // "-", "/", "_": appended inside a word only
  WordStart,  // "#", "$": may start a word; ends one like any other break
  Break,      // blanks, line ends and the remaining punctuation
};

CharClass ClassOf(unsigned char c);

// The text of a whole entity ("&" ... ";"), looked up exactly, case-sensitive;
// "" for an entity the table does not know.
std::string_view EntityText(std::string_view entity);

// Entities that end a word: the quotes, angle brackets and no-break spaces,
// compared without regard to case.
bool IsWordBreakEntity(std::string_view entity);

// The project's word filters.
bool WordWidthOk(const ProjectSettings& settings, std::string_view word);
bool NumberOk(const ProjectSettings& settings, std::string_view word);

// The text of one page and how far it has been read. An empty text is a page
// that could not be had: it ends at once.
class thtmlDatei {
 public:
  thtmlDatei(int pagePosition, std::string text) : text_(std::move(text)), pagePosition_(pagePosition) {}
  thtmlDatei(const thtmlDatei&) = delete;
  thtmlDatei& operator=(const thtmlDatei&) = delete;

  std::string_view Text() const { return text_; }
  int PagePosition() const { return pagePosition_; }
  // Characters read so far.
  std::size_t Position() const { return position_; }
  // The page ends with a blank after its last character: once that is read,
  // the page is at its end.
  bool IsEndOfPage() const { return end_; }

 private:
  friend class tScanner;

  std::string text_;
  std::size_t position_ = 0;
  bool end_ = false;
  int pagePosition_;
};

// The tokenizer of one page. Words of the page text are returned one by one;
// what the tags hold (title, META description and keywords, ALT texts) goes
// straight into the page record.
class tScanner {
 public:
  tScanner(int pagePosition, std::string text, TSchlagwortDatei& page, const ProjectSettings& settings);
  tScanner(const tScanner&) = delete;
  tScanner& operator=(const tScanner&) = delete;

  // The run to poll every few kilobytes of the page (messages pumped, the
  // user's cancel sets abort); none by default.
  void SetRun(RunContext* run) { run_ = run; }
  // The next word, valid until the next call; "" at the end of the page, or
  // once abort is set. When the words are read, the page's description is
  // its title.
  std::string_view NextWord(bool& abort);
  // Words that tags bring (ALT texts) go into list, unsorted and in the order
  // met, instead of the page's words; null puts them back there.
  void CollectTagWordsInto(KeywordCollector* list) { tagWords_ = list; }

  // The page's text, taken out of the scanner, which is then at its end.
  std::string ReleaseText();

  // The titles of the page so far, in canonical entity form.
  std::string Title() const { return title_.Text(); }
  bool IsEndOfPage() const { return file_.IsEndOfPage(); }

 private:
  enum class SegmentEnd { Quote, TagEnd, PageEnd };

  void Poll(bool& abort);
  std::string_view ReadEntity();
  void ReadTag();
  void ReadTitle();
  // Passes over the start tag of a script or style element (name in
  // capitals) and its content, up to and including its end tag.
  void SkipRawText(std::string_view element);
  SegmentEnd ReadSegment(std::string_view& segment);
  void ReadImage();
  void ReadMeta();
  void SkipToTagEnd();
  // Moves the reading position to the end of the page, its last blank read.
  void EndPage();
  void AddAltText(std::string_view text);
  void AddMetaKeywords(std::string_view content);
  void SetMetaDescription(std::string_view content);
  void PublishTitle();

  thtmlDatei file_;
  TSchlagwortDatei& page_;
  const ProjectSettings& settings_;
  RunContext* run_ = nullptr;
  std::size_t nextPoll_ = 0;
  KeywordCollector* tagWords_ = nullptr;
  PageTitle title_;
  bool titleChanged_ = false;
  std::string word_;
};

}  // namespace core
