#include "core/scanner.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "core/Entities.h"
#include "core/Hilfsmittel.h"
#include "core/PageSource.h"
#include "core/ProjectSettings.h"
#include "core/Schlagworte.h"
#include "core/hinweis.h"
#include "core/projektVerwaltung.h"
#include "platform/base/StringList.h"
#include "platform/gui/Application.h"

namespace core {

namespace {

constexpr std::array<CharClass, 256> MakeClassTable() {
  std::array<CharClass, 256> table{};
  for (auto& entry : table) entry = CharClass::Break;
  for (int c = 0; c <= 31; ++c) table[c] = CharClass::Skip;
  // TAB, LF and CR separate words.
  table[9] = table[10] = table[13] = CharClass::Break;
  table['>'] = table['?'] = CharClass::Skip;
  for (int c = 127; c <= 191; ++c) table[c] = CharClass::Skip;
  table[215] = table[247] = CharClass::Skip;
  for (int c = '@'; c <= 'Z'; ++c) table[c] = CharClass::Letter;
  for (int c = '`'; c <= 'z'; ++c) table[c] = CharClass::Letter;
  for (int c = 192; c <= 255; ++c) {
    if (c != 215 && c != 247) table[c] = CharClass::Letter;
  }
  for (int c = '0'; c <= '9'; ++c) table[c] = CharClass::Digit;
  table['&'] = CharClass::Entity;
  table['<'] = CharClass::Tag;
  table['-'] = table['/'] = table['_'] = CharClass::Joiner;
  table['#'] = table['$'] = CharClass::WordStart;
  return table;
}

constexpr std::array<CharClass, 256> kClasses = MakeClassTable();

// Whole entity text to its character(s). The numeric rows come first; should a
// name ever appear twice, the first row wins, as a search from the top would.
const std::unordered_map<std::string_view, std::string_view>& EntityMap() {
  static const auto map = [] {
    std::unordered_map<std::string_view, std::string_view> m;
    m.reserve(kNumericEntities.size() + kNamedEntities.size());
    for (const auto& row : kNumericEntities) m.emplace(row.from, row.to);
    for (const auto& row : kNamedEntities) m.emplace(row.from, row.to);
    return m;
  }();
  return map;
}

constexpr std::string_view kWordBreakEntities[] = {
    "&laquo;", "&raquo;", "&gt;",    "&lt;",    "&quot;",  "&nbsp;",  "&sp;",
    "&#171;",  "&#187;",  "&#062;",  "&#060;",  "&#034;",  "&#160;",
};

unsigned char UpperAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }

// Tag and attribute names are ASCII: comparing them in ASCII capitals keeps
// "<img" an image tag whatever the user's locale does to "i".
bool EqualsUpper(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (UpperAscii(static_cast<unsigned char>(text[i])) != static_cast<unsigned char>(upper[i])) return false;
  }
  return true;
}

bool ContainsUpper(std::string_view text, std::string_view upper) {
  if (upper.empty() || text.size() < upper.size()) return false;
  for (std::size_t i = 0; i + upper.size() <= text.size(); ++i) {
    if (EqualsUpper(text.substr(i, upper.size()), upper)) return true;
  }
  return false;
}

bool IsBlankOrControl(unsigned char c) { return c <= ' '; }

std::string Trimmed(std::string_view s) {
  std::size_t first = 0;
  std::size_t last = s.size();
  while (first < last && IsBlankOrControl(static_cast<unsigned char>(s[first]))) ++first;
  while (last > first && IsBlankOrControl(static_cast<unsigned char>(s[last - 1]))) --last;
  return std::string(s.substr(first, last - first));
}

// A keyword stands inside a double-quoted JavaScript string: a backslash in it
// would escape the next character, so it is stored as "/" (descriptions get
// the same treatment).
void SlashForBackslash(std::string& word) {
  for (char& ch : word) {
    if (ch == '\\') ch = '/';
  }
}

void PumpMessages() { platform::App().ProcessMessages(); }

bool SameBytes(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// The words of the page being read, before they go into its list: in the
// order met, and a table of their places to tell a word met before. The
// table is open addressing over the list, so that a word costs no block of
// its own on the heap.
class PageWords {
 public:
  platform::TStringList found;  // unsorted, in the order met
  bool busy = false;

  // Adds a word the page has not brought before; false when it has.
  bool AddNew(const std::string& word) {
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (char c : word) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    for (; slots_[i].place != 0; i = (i + 1) & mask) {
      if (slots_[i].hash == hash && SameBytes(found[static_cast<int>(slots_[i].place - 1)], word)) return false;
    }
    slots_[i] = Slot{hash, static_cast<std::uint32_t>(found.Count() + 1)};
    ++used_;
    found.Add(word);
    return true;
  }

  // Empty while in use, and emptied after; the buffers stay.
  class Use {
   public:
    explicit Use(PageWords& words) : words_(words) { words_.busy = true; }
    ~Use() {
      words_.found.Clear();
      std::fill(words_.slots_.begin(), words_.slots_.end(), Slot{});
      words_.used_ = 0;
      words_.busy = false;
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

   private:
    PageWords& words_;
  };

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t place = 0;  // index in found + 1; 0 when free
  };

  void Grow() {
    std::vector<Slot> old(std::max<std::size_t>(slots_.size() * 2, 1024));
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.place == 0) continue;
      std::size_t i = slot.hash & mask;
      while (slots_[i].place != 0) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

}  // namespace

CharClass ClassOf(unsigned char c) { return kClasses[c]; }

std::string_view EntityText(std::string_view entity) {
  const auto& map = EntityMap();
  const auto it = map.find(entity);
  return it == map.end() ? std::string_view() : it->second;
}

bool IsWordBreakEntity(std::string_view entity) {
  for (std::string_view candidate : kWordBreakEntities) {
    if (entity.size() != candidate.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < entity.size() && same; ++i) {
      same = UpperAscii(static_cast<unsigned char>(entity[i])) == UpperAscii(static_cast<unsigned char>(candidate[i]));
    }
    if (same) return true;
  }
  return false;
}

bool WordWidthOk(const ProjectSettings& settings, std::string_view word) {
  if (!settings.Wortbreite) return true;
  if (settings.WortbreiteMin != 0 && word.size() < settings.WortbreiteMin) return false;
  if (settings.WortbreiteMax != 0 && word.size() > settings.WortbreiteMax) return false;
  return true;
}

bool NumberOk(const ProjectSettings& settings, std::string_view word) {
  if (settings.Zahlen) return true;
  return word.empty() || word.front() < '0' || word.front() > '9';
}

// --- thtmlDatei --------------------------------------------------------------

thtmlDatei::thtmlDatei(int pagePosition, std::string text, MessagePump pump)
    : text_(std::move(text)), end_(text_.empty()), pagePosition_(pagePosition), pump_(pump) {}

unsigned char thtmlDatei::NextChar() {
  if (pump_) pump_();
  if (!advance_) {
    advance_ = true;
    return current_;
  }
  if (position_ < text_.size()) {
    current_ = static_cast<unsigned char>(text_[position_++]);
  } else {
    end_ = true;
    current_ = ' ';
  }
  return current_;
}

// --- tScanner ----------------------------------------------------------------

tScanner::tScanner(int pagePosition, std::string text, TSchlagwortDatei& page, const ProjectSettings& settings,
                   MessagePump pump)
    : file_(pagePosition, std::move(text), pump), page_(page), settings_(settings), pump_(pump) {}

unsigned char tScanner::Next() {
  c_ = file_.NextChar();
  return c_;
}

std::string tScanner::NextWord(bool& abort) {
  word_.clear();
  for (;;) {
    bool endOfToken = false;
    while (!file_.IsEndOfPage() && !endOfToken) {
      Next();
      if (abort) return std::string();
      switch (kClasses[c_]) {
        case CharClass::Skip:
          break;
        case CharClass::Letter:
          word_ += static_cast<char>(c_);
          break;
        case CharClass::Digit:
          if (settings_.Zahlen || !word_.empty()) word_ += static_cast<char>(c_);
          break;
        case CharClass::Entity:
          ReadEntity();
          if (IsWordBreakEntity(entity_) && !word_.empty()) {
            endOfToken = true;
          } else {
            word_ += EntityText(entity_);
          }
          break;
        case CharClass::Tag:
          if (!word_.empty()) {
            file_.PushBack();
            endOfToken = true;
          } else {
            ReadTag();
          }
          break;
        case CharClass::Joiner:
          if (!word_.empty()) word_ += static_cast<char>(c_);
          break;
        case CharClass::WordStart:
          if (!word_.empty()) {
            endOfToken = true;
          } else {
            word_ += static_cast<char>(c_);
          }
          break;
        case CharClass::Break:
          if (!word_.empty()) endOfToken = true;
          break;
      }
    }
    // End step: one trailing joiner of each kind goes, then the blanks an
    // entity may have brought in.
    const bool held = !word_.empty();
    Text().StripTrailingCharInPlace('-', word_);
    Text().StripTrailingCharInPlace('/', word_);
    Text().StripTrailingCharInPlace('_', word_);
    std::string result = Trimmed(word_);
    if (result.empty() && held) {
      word_.clear();
      continue;
    }
    SlashForBackslash(result);
    return result;
  }
}

void tScanner::ReadEntity() {
  // Up to and including the next ";" or the end of the page, however far.
  entity_.assign(1, '&');
  do {
    entity_ += static_cast<char>(Next());
  } while (c_ != ';' && !file_.IsEndOfPage());
}

void tScanner::ReadTag() {
  tag_.assign(1, '<');
  bool comment = false;
  // A comment ends only at "-->"; a ">" inside it is an ordinary character.
  auto tagEnds = [&] {
    if (c_ != '>') return false;
    if (!comment) return true;
    return tag_.size() >= 3 && tag_.compare(tag_.size() - 3, 3, "-->") == 0;
  };
  while (!file_.IsEndOfPage() && !tagEnds()) {
    if (pump_) pump_();
    if (tag_ == "<!--") comment = true;
    if (EqualsUpper(tag_, "<META") || EqualsUpper(tag_, "<IMG")) {
      if (tag_.size() == 5) {
        ReadMeta();
      } else {
        ReadImage();
      }
      return;
    }
    tag_ += static_cast<char>(Next());
  }
  if (EqualsUpper(tag_, "<TITLE>")) ReadTitle();
}

void tScanner::ReadTitle() {
  do {
    Next();
    title_ += (c_ == '\r' || c_ == '\n') ? ' ' : static_cast<char>(c_);
  } while (c_ != '<' && !file_.IsEndOfPage());
  // The "<" that ended the title (or the blank of the page end) is not part of
  // it; the "<" begins the next tag.
  Text().DropLastChar(title_);
  file_.PushBack();
  title_ = Text().NormalizeWhitespace(Text().NormalizeEntities(title_));
  page_.description = title_;
}

tScanner::SegmentEnd tScanner::ReadSegment(std::string& segment) {
  segment.clear();
  if (file_.IsEndOfPage()) return SegmentEnd::PageEnd;
  do {
    segment += static_cast<char>(Next());
    if (c_ == '"') return SegmentEnd::Quote;
    if (c_ == '>') return SegmentEnd::TagEnd;
  } while (!file_.IsEndOfPage());
  return SegmentEnd::PageEnd;
}

void tScanner::ReadImage() {
  std::string segment;
  while (ReadSegment(segment) == SegmentEnd::Quote) {
    if (ContainsUpper(segment, "ALT")) {
      std::string alt;
      const SegmentEnd end = ReadSegment(alt);
      Text().DropLastChar(alt);
      AddAltText(std::move(alt));
      if (end != SegmentEnd::Quote) break;
    }
    c_ = ' ';
  }
}

void tScanner::ReadMeta() {
  // Only the first attribute is looked at for NAME; a further segment is read
  // only after one that ended at a double quote, so a tag that closed early is
  // not read past.
  std::string segment;
  SegmentEnd end = ReadSegment(segment);
  if (end == SegmentEnd::Quote && ContainsUpper(segment, "NAME")) {
    std::string name;
    end = ReadSegment(name);
    Text().DropLastChar(name);
    const bool keywords = EqualsUpper(name, "KEYWORDS");
    const bool description = EqualsUpper(name, "DESCRIPTION");
    if ((keywords || description) && end == SegmentEnd::Quote) {
      end = ReadSegment(segment);
      if (end == SegmentEnd::Quote && ContainsUpper(segment, "CONTENT")) {
        std::string content;
        end = ReadSegment(content);
        Text().DropLastChar(content);
        if (keywords) {
          AddMetaKeywords(std::move(content));
        } else {
          SetMetaDescription(std::move(content));
        }
      }
    }
  }
  if (end == SegmentEnd::Quote) SkipToTagEnd();
}

void tScanner::SkipToTagEnd() {
  while (!file_.IsEndOfPage() && Next() != '>') {
  }
}

void tScanner::AddAltText(std::string text) {
  for (char& ch : text) {
    if (ch == '\r' || ch == '\n') ch = ' ';
  }
  text = Text().ReplaceAll(Text().PunctuationToSpaces(Text().DecodeEntities(text)), "  ", " ");
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t blank = text.find(' ', start);
    if (blank == std::string::npos) blank = text.size();
    const std::string piece = Trimmed(std::string_view(text).substr(start, blank - start));
    if (!piece.empty() && WordWidthOk(settings_, piece) && NumberOk(settings_, piece))
      (tagWords_ ? *tagWords_ : page_.words).Add(piece);
    start = blank + 1;
  }
}

void tScanner::AddMetaKeywords(std::string content) {
  std::string joined;
  joined.reserve(content.size());
  for (char ch : content) {
    if (ch != '\r' && ch != '\n') joined += ch;
  }
  const std::string decoded = Text().DecodeEntities(joined);
  std::size_t start = 0;
  while (start <= decoded.size()) {
    std::size_t comma = decoded.find(',', start);
    if (comma == std::string::npos) comma = decoded.size();
    std::string piece = Trimmed(std::string_view(decoded).substr(start, comma - start));
    if (!piece.empty() && WordWidthOk(settings_, piece) && NumberOk(settings_, piece)) {
      SlashForBackslash(piece);
      page_.metaKeywords.Add(piece);
    }
    start = comma + 1;
  }
}

void tScanner::SetMetaDescription(std::string content) {
  for (std::string_view lineEnd : {"\n\r", "\r\n", "\n", "\r"}) content = Text().ReplaceAll(content, lineEnd, " ");
  page_.metaDescription = Trimmed(Text().NormalizeWhitespace(content));
}

// --- tParser -----------------------------------------------------------------

tParser::tParser(TProjekt& project, int pagePosition, PageSource& source, bool& abort)
    : project_(project),
      pagePosition_(pagePosition),
      page_(*project.Pages()[pagePosition]),
      scanner_(pagePosition, abort ? std::string() : source.ReadPage(pagePosition, page_.url, abort), page_,
               project.Settings(), &PumpMessages) {}

void tParser::ParsePage(THinweisDlg& window, bool& abort) {
  // A second run in the same session must not build on the last run's title
  // and META description.
  page_.ClearScanResults();
  const ProjectSettings& settings = project_.Settings();
  // Added one by one, every new word would shift the sorted list behind it:
  // the page's words go in at once, in the order met, which decides the
  // spelling that stays of words equal but for case. A word met before on
  // this page is there already. The containers keep their buffers from page
  // to page, since under Wine a heap that hands out and takes back large
  // blocks between the pages' lists soon searches long for every block.
  thread_local PageWords shared;
  PageWords own;  // should a page ever be read while another one is
  PageWords& scratch = shared.busy ? own : shared;
  const PageWords::Use use(scratch);
  scanner_.CollectTagWordsInto(&scratch.found);
  // The window closes only while messages are pumped, which happens once in
  // several milliseconds; asking the window system whether it is still there
  // costs a call into it, so it is asked once per tick of the clock.
  DWORD asked = GetTickCount() - 1;
  auto closed = [&] {
    const DWORD now = GetTickCount();
    if (now == asked) return false;
    asked = now;
    return !window.Visible();
  };
  word_ = scanner_.NextWord(abort);
  if (closed()) abort = true;
  while (!abort && !word_.empty()) {
    PumpMessages();
    if (WordWidthOk(settings, word_)) scratch.AddNew(word_);
    word_ = scanner_.NextWord(abort);
    if (closed()) abort = true;
  }
  scanner_.CollectTagWordsInto(nullptr);
  page_.words.AddStrings(scratch.found);
  if (abort) return;
  page_.ComposeDescription(settings);
  page_.ApplyIndexModes(settings);
  page_.ApplyCorrections();
  project_.RemoveStopWords(pagePosition_);
  page_.LimitKeywords(settings);
}

}  // namespace core
