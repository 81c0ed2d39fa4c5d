#include "core/scanner.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "core/Entities.h"
#include "core/ProjectSettings.h"
#include "core/RunContext.h"
#include "core/Schlagworte.h"
#include "core/TText.h"
#include "platform/base/Blanks.h"
#include "platform/base/StringList.h"

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

// Whether a tag name ends at: blanks, "/" and ">" end it, and so does the end
// of the page.
bool EndsTagName(std::string_view text, std::size_t at) {
  if (at >= text.size()) return true;
  const char c = text[at];
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '/' || c == '>';
}

// The elements whose content is program or style sheet, not text of the page.
constexpr std::string_view kRawTextElements[] = {"SCRIPT", "STYLE"};

// The name (in capitals) of the script or style element whose start tag rest
// begins with, after its "<"; "" for any other tag.
std::string_view RawTextElement(std::string_view rest) {
  // Both begin with "S": most tags are settled by their first letter.
  if (rest.empty() || UpperAscii(static_cast<unsigned char>(rest[0])) != 'S') return {};
  for (std::string_view name : kRawTextElements) {
    if (rest.size() >= name.size() && EqualsUpper(rest.substr(0, name.size()), name) &&
        EndsTagName(rest, name.size()))
      return name;
  }
  return {};
}

// A keyword stands inside a double-quoted JavaScript string: a backslash in it
// would escape the next character, so it is stored as "/" (descriptions get
// the same treatment).
void SlashForBackslash(std::string& word) {
  for (char& ch : word) {
    if (ch == '\\') ch = '/';
  }
}

// Bytes that carry on a word already begun, appended as they stand: letters,
// digits and joiners.
constexpr std::array<bool, 256> MakeContinuesTable() {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; ++c) {
    const CharClass k = kClasses[c];
    table[c] = k == CharClass::Letter || k == CharClass::Digit || k == CharClass::Joiner;
  }
  return table;
}

constexpr std::array<bool, 256> kContinues = MakeContinuesTable();

// Bytes of the page read between two looks at the run: often enough that the
// cancel button answers at once, seldom enough to cost nothing.
constexpr std::size_t kPollInterval = 16 * 1024;

void StripOne(std::string_view& s, char c) {
  if (!s.empty() && s.back() == c) s.remove_suffix(1);
}

}  // namespace

CharClass ClassOf(unsigned char c) { return kClasses[c]; }

std::string_view EntityText(std::string_view entity) {
  // An "&" far from its ";" is no entity; its text need not be hashed.
  if (entity.size() > kLongestEntity) return {};
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

// --- tScanner ----------------------------------------------------------------

tScanner::tScanner(int pagePosition, std::string text, TSchlagwortDatei& page, const ProjectSettings& settings)
    : file_(pagePosition, std::move(text)), page_(page), settings_(settings), title_(Text().TradeEntity()) {}

void tScanner::Poll(bool& abort) {
  nextPoll_ = file_.position_ + kPollInterval;
  if (run_) run_->Poll(abort);
}

void tScanner::EndPage() {
  file_.position_ = file_.text_.size();
  file_.end_ = true;
}

std::string tScanner::ReleaseText() {
  std::string text = std::move(file_.text_);
  file_.text_.clear();
  EndPage();
  return text;
}

void tScanner::PublishTitle() {
  if (!titleChanged_) return;
  page_.description = title_.Text();
  titleChanged_ = false;
}

std::string_view tScanner::NextWord(bool& abort) {
  const std::string_view text = file_.text_;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t& pos = file_.position_;
  for (;;) {
    if (!abort && pos >= nextPoll_) Poll(abort);
    if (abort || file_.end_) {
      PublishTitle();
      return {};
    }
    // One token. While nothing has changed it, the word is the stretch of the
    // page from begin; once an entity or a skipped byte does, it is word_.
    std::size_t begin = 0;
    std::size_t length = 0;
    bool own = false;
    auto held = [&] { return own ? !word_.empty() : length > 0; };
    auto takeOwn = [&] {
      if (own) return;
      word_.assign(text.substr(begin, length));
      own = true;
    };
    // The byte at pos and the bytes after it that carry the word on.
    auto appendRun = [&] {
      const std::size_t from = pos++;
      while (pos < size && kContinues[bytes[pos]]) ++pos;
      if (own) {
        word_.append(text.substr(from, pos - from));
      } else {
        if (length == 0) begin = from;
        length = pos - begin;
      }
    };
    bool done = false;
    while (!done && !file_.end_) {
      if (pos >= size) {
        // The blank after the last character: it ends the word and the page.
        file_.end_ = true;
        break;
      }
      const unsigned char c = bytes[pos];
      switch (kClasses[c]) {
        case CharClass::Skip:
          // Inside a word the byte goes, and the word closes up around it.
          if (held()) takeOwn();
          ++pos;
          break;
        case CharClass::Letter:
          appendRun();
          break;
        case CharClass::Digit:
          if (settings_.Zahlen || held()) {
            appendRun();
          } else {
            ++pos;
          }
          break;
        case CharClass::Joiner:
          if (held()) {
            appendRun();
          } else {
            ++pos;
          }
          break;
        case CharClass::WordStart:
          if (held()) {
            done = true;
          } else {
            begin = pos;
            length = 1;
          }
          ++pos;
          break;
        case CharClass::Break:
          done = held();
          ++pos;
          break;
        case CharClass::Tag:
          // A word ends before the tag; the "<" stays for the next word.
          if (held()) {
            done = true;
          } else {
            ++pos;
            ReadTag();
          }
          break;
        case CharClass::Entity: {
          const std::string_view entity = ReadEntity();
          if (held() && IsWordBreakEntity(entity)) {
            done = true;
            break;
          }
          const std::string_view decoded = EntityText(entity);
          if (held() || !decoded.empty()) {
            takeOwn();
            word_ += decoded;
          }
          break;
        }
      }
    }
    // End step: one trailing joiner of each kind goes, then the blanks an
    // entity may have brought in.
    std::string_view word = own ? std::string_view(word_) : text.substr(begin, length);
    const bool wasHeld = !word.empty();
    StripOne(word, '-');
    StripOne(word, '/');
    StripOne(word, '_');
    word = platform::TrimmedView(word);
    if (word.empty()) {
      if (wasHeld) continue;
      PublishTitle();
      return {};
    }
    // A keyword stands inside a double-quoted JavaScript string: a backslash
    // in it would escape the next character, so it is stored as "/" (only an
    // entity brings one).
    if (own && word.find('\\') != std::string_view::npos) {
      word_.assign(word);
      SlashForBackslash(word_);
      word = word_;
    }
    return word;
  }
}

std::string_view tScanner::ReadEntity() {
  // Up to and including the next ";", or to the end of the page, however far.
  const std::string_view text = file_.text_;
  const std::size_t from = file_.position_;
  const std::size_t semicolon = text.find(';', from + 1);
  if (semicolon == std::string_view::npos) {
    EndPage();
    return text.substr(from);
  }
  file_.position_ = semicolon + 1;
  return text.substr(from, semicolon + 1 - from);
}

void tScanner::ReadTag() {
  const std::string_view text = file_.text_;
  std::size_t& pos = file_.position_;
  const std::string_view rest = text.substr(pos);
  if (rest.substr(0, 3) == "!--") {
    // A comment ends only at "-->", its own opening dashes included ("<!-->"):
    // a ">" inside it is an ordinary character.
    const std::size_t close = text.find("-->", pos + 1);
    if (close == std::string_view::npos) {
      EndPage();
    } else {
      pos = close + 3;
    }
    return;
  }
  // A script or a style sheet is passed over whole, as a comment is: its
  // names and selectors are no words of the page.
  if (const std::string_view element = RawTextElement(rest); !element.empty()) {
    SkipRawText(element);
    return;
  }
  // The image and META tags are known by their first letters alone.
  if (rest.size() >= 3 && EqualsUpper(rest.substr(0, 3), "IMG")) {
    pos += 3;
    ReadImage();
    return;
  }
  if (rest.size() >= 4 && EqualsUpper(rest.substr(0, 4), "META")) {
    pos += 4;
    ReadMeta();
    return;
  }
  const std::size_t close = text.find('>', pos);
  if (close == std::string_view::npos) {
    EndPage();
    return;
  }
  const bool title = close == pos + 5 && EqualsUpper(text.substr(pos, 5), "TITLE");
  pos = close + 1;
  if (title) ReadTitle();
}

void tScanner::SkipRawText(std::string_view element) {
  const std::string_view text = file_.text_;
  std::size_t& pos = file_.position_;
  const std::size_t open = text.find('>', pos);
  if (open == std::string_view::npos) {
    EndPage();
    return;
  }
  pos = open + 1;
  // Written as an empty element ("<script src=\"a.js\"/>"), it has no
  // content: the text after it is the page's.
  if (text[open - 1] == '/') return;
  // The content ends at the first end tag of the same name, in any case; as
  // with a comment, without one the rest of the page is content.
  for (std::size_t at = text.find("</", pos); at != std::string_view::npos; at = text.find("</", at + 2)) {
    const std::size_t name = at + 2;
    if (text.size() - name >= element.size() && EqualsUpper(text.substr(name, element.size()), element) &&
        EndsTagName(text, name + element.size())) {
      pos = name + element.size();
      SkipToTagEnd();
      return;
    }
  }
  EndPage();
}

void tScanner::ReadTitle() {
  // Up to the next "<", which begins the next tag, or the end of the page.
  const std::string_view text = file_.text_;
  const std::size_t from = file_.position_;
  std::size_t stop = text.find('<', from);
  if (stop == std::string_view::npos) {
    stop = text.size();
    EndPage();
  } else {
    file_.position_ = stop;
  }
  std::string raw(text.substr(from, stop - from));
  for (char& c : raw) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  title_.Add(raw);
  titleChanged_ = true;
}

// The characters up to the next double quote or ">", without it.
tScanner::SegmentEnd tScanner::ReadSegment(std::string_view& segment) {
  const std::string_view text = file_.text_;
  if (file_.end_) {
    segment = {};
    return SegmentEnd::PageEnd;
  }
  const std::size_t from = file_.position_;
  const std::size_t stop = text.find_first_of("\">", from);
  if (stop == std::string_view::npos) {
    segment = text.substr(from);
    EndPage();
    return SegmentEnd::PageEnd;
  }
  segment = text.substr(from, stop - from);
  file_.position_ = stop + 1;
  return text[stop] == '"' ? SegmentEnd::Quote : SegmentEnd::TagEnd;
}

void tScanner::ReadImage() {
  std::string_view segment;
  while (ReadSegment(segment) == SegmentEnd::Quote) {
    if (ContainsUpper(segment, "ALT")) {
      std::string_view alt;
      const SegmentEnd end = ReadSegment(alt);
      AddAltText(alt);
      if (end != SegmentEnd::Quote) break;
    }
  }
}

void tScanner::ReadMeta() {
  // Only the first attribute is looked at for NAME; a further segment is read
  // only after one that ended at a double quote, so a tag that closed early is
  // not read past.
  std::string_view segment;
  SegmentEnd end = ReadSegment(segment);
  if (end == SegmentEnd::Quote && ContainsUpper(segment, "NAME")) {
    std::string_view name;
    end = ReadSegment(name);
    const bool keywords = EqualsUpper(name, "KEYWORDS");
    const bool description = EqualsUpper(name, "DESCRIPTION");
    if ((keywords || description) && end == SegmentEnd::Quote) {
      end = ReadSegment(segment);
      if (end == SegmentEnd::Quote && ContainsUpper(segment, "CONTENT")) {
        std::string_view content;
        end = ReadSegment(content);
        if (keywords) {
          AddMetaKeywords(content);
        } else {
          SetMetaDescription(content);
        }
      }
    }
  }
  if (end == SegmentEnd::Quote) SkipToTagEnd();
}

void tScanner::SkipToTagEnd() {
  const std::size_t close = file_.text_.find('>', file_.position_);
  if (close == std::string::npos) {
    EndPage();
  } else {
    file_.position_ = close + 1;
  }
}

void tScanner::AddAltText(std::string_view alt) {
  std::string text(alt);
  for (char& ch : text) {
    if (ch == '\r' || ch == '\n') ch = ' ';
  }
  text = Text().ReplaceAll(Text().PunctuationToSpaces(Text().DecodeEntities(text)), "  ", " ");
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t blank = text.find(' ', start);
    if (blank == std::string::npos) blank = text.size();
    const std::string piece = platform::Trimmed(std::string_view(text).substr(start, blank - start));
    if (!piece.empty() && WordWidthOk(settings_, piece) && NumberOk(settings_, piece))
    {
      if (tagWords_) tagWords_->Add(piece);
      else page_.words.Add(piece);
    }
    start = blank + 1;
  }
}

void tScanner::AddMetaKeywords(std::string_view content) {
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
    std::string piece = platform::Trimmed(std::string_view(decoded).substr(start, comma - start));
    if (!piece.empty() && WordWidthOk(settings_, piece) && NumberOk(settings_, piece)) {
      SlashForBackslash(piece);
      page_.metaKeywords.Add(piece);
    }
    start = comma + 1;
  }
}

void tScanner::SetMetaDescription(std::string_view text) {
  std::string content(text);
  for (std::string_view lineEnd : {"\n\r", "\r\n", "\n", "\r"}) content = Text().ReplaceAll(content, lineEnd, " ");
  page_.metaDescription = platform::Trimmed(Text().NormalizeWhitespace(content));
}

}  // namespace core
