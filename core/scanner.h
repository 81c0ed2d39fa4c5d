#pragma once
// Reading one page character by character and turning its HTML into words.
// On the way the scanner picks up the page title, the META description, the
// META keywords and the ALT texts of images. Characters are code page 1252
// bytes. Every class here lives for one page.
//
// thtmlDatei and tScanner need no window: the message pump is handed in, so
// the tokenizer can be tested and measured on its own.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {
class TStringList;
}

namespace core {

class PageSource;
class THinweisDlg;
class TProjekt;
class TSchlagwortDatei;
struct ProjectSettings;

// Pumps window messages; called once per character and once per word so that
// the progress window stays live during long pages. May be null.
using MessagePump = void (*)();

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

// The text of one page and a one-character push-back.
class thtmlDatei {
 public:
  // An empty text is a page that could not be had: it ends at once.
  thtmlDatei(int pagePosition, std::string text, MessagePump pump = nullptr);
  thtmlDatei(const thtmlDatei&) = delete;
  thtmlDatei& operator=(const thtmlDatei&) = delete;

  // The next character; after a push-back the current one once more. At the
  // end of the page the end flag is set and a blank is delivered.
  unsigned char NextChar();
  bool IsEndOfPage() const { return end_; }
  void PushBack() { advance_ = false; }

  int PagePosition() const { return pagePosition_; }
  // Characters delivered so far.
  std::size_t Position() const { return position_; }

 private:
  std::string text_;
  std::size_t position_ = 0;
  unsigned char current_ = ' ';
  bool advance_ = true;
  bool end_ = false;
  int pagePosition_;
  MessagePump pump_;
};

// The tokenizer of one page. Words of the page text are returned one by one;
// what the tags hold (title, META description and keywords, ALT texts) goes
// straight into the page record.
class tScanner {
 public:
  tScanner(int pagePosition, std::string text, TSchlagwortDatei& page, const ProjectSettings& settings,
           MessagePump pump = nullptr);
  tScanner(const tScanner&) = delete;
  tScanner& operator=(const tScanner&) = delete;

  // The next word; "" at the end of the page, or as soon as abort is set.
  std::string NextWord(bool& abort);
  // Words that tags bring (ALT texts) go into list, unsorted and in the order
  // met, instead of the page's words; null puts them back there.
  void CollectTagWordsInto(platform::TStringList* list) { tagWords_ = list; }

  // The titles of the page so far, in canonical entity form.
  const std::string& Title() const { return title_; }
  bool IsEndOfPage() const { return file_.IsEndOfPage(); }

 private:
  enum class SegmentEnd { Quote, TagEnd, PageEnd };

  unsigned char Next();
  void ReadEntity();
  void ReadTag();
  void ReadTitle();
  SegmentEnd ReadSegment(std::string& segment);
  void ReadImage();
  void ReadMeta();
  void SkipToTagEnd();
  void AddAltText(std::string text);
  void AddMetaKeywords(std::string content);
  void SetMetaDescription(std::string content);

  thtmlDatei file_;
  TSchlagwortDatei& page_;
  const ProjectSettings& settings_;
  MessagePump pump_;
  platform::TStringList* tagWords_ = nullptr;
  std::string tag_;
  std::string title_;
  std::string entity_;
  std::string word_;
  unsigned char c_ = ' ';
};

// The word loop of one page and the page's steps after it.
class tParser {
 public:
  // Gets the page's text from source; a source that gives up sets abort.
  tParser(TProjekt& project, int pagePosition, PageSource& source, bool& abort);
  tParser(const tParser&) = delete;
  tParser& operator=(const tParser&) = delete;

  // Collects the page's words and, unless the run was cancelled meanwhile
  // (the window hidden, or abort set), composes the description, applies the
  // index modes and corrections, removes stop words and limits the words.
  void ParsePage(THinweisDlg& window, bool& abort);

 private:
  TProjekt& project_;
  int pagePosition_;
  TSchlagwortDatei& page_;
  std::string word_;
  tScanner scanner_;
};

}  // namespace core
