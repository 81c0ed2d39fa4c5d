#pragma once
// Pages and documents written in UTF-8 are turned into code page 1252 before
// the scanner sees them: read byte by byte as they are, every umlaut would
// become two strange characters and break the word it stands in. What a page
// declares decides; a page that declares nothing, or another character set,
// stays exactly as it came.
//
// Pure logic: the system's table from Unicode to code page 1252 comes in
// through AnsiTable (SystemAnsiTable() on Windows), so that tests can run the
// rest anywhere.
#include <string>
#include <string_view>

namespace core {

class AnsiTable {
 public:
  virtual ~AnsiTable() = default;
  // The code page 1252 character for a Unicode character: its own, or the
  // best-fitting one the system offers; false when there is none.
  virtual bool Lookup(char32_t character, char& ansi) const = 0;
};

// The system's own conversion to code page 1252, best fit allowed.
const AnsiTable& SystemAnsiTable();

bool StartsWithUtf8Bom(std::string_view text);
// "utf-8" or "utf8" in any case, blanks and quotes around it allowed.
bool IsUtf8Name(std::string_view charset);
// The value of the "charset" parameter in a Content-Type text such as
// ‹text/html; charset=UTF-8›; empty when there is none.
std::string_view CharsetParameter(std::string_view contentType);
// The character set a META tag in the page's first kMetaWindow bytes declares,
// as ‹<meta charset="utf-8">› or ‹<meta http-equiv="Content-Type"
// content="text/html; charset=utf-8">›; empty when none does. Tags inside
// comments do not count.
inline constexpr size_t kMetaWindow = 1024;
std::string_view DeclaredMetaCharset(std::string_view page);

// Whether a page is UTF-8: it begins with the byte order mark; or else the
// HTTP reply's Content-Type names a charset (that one counts, as it does in
// the browser); or else a META tag near its start declares UTF-8.
bool IsUtf8Page(std::string_view page, std::string_view contentType = {});

// UTF-8 text in code page 1252. A leading byte order mark goes. A character
// that code page 1252 lacks becomes its best-fitting letter where the table
// has one, else a blank, so that it separates words. A byte that does not
// belong to a well-formed sequence stays as it is, read as code page 1252.
std::string Utf8ToAnsi(std::string_view text, const AnsiTable& table);
// The same, in the text's own buffer.
void Utf8ToAnsiInPlace(std::string& text, const AnsiTable& table);

// The text of a page as the scanner reads it: converted when the page is
// UTF-8 (IsUtf8Page), otherwise as it came.
std::string PageAsAnsi(std::string page, std::string_view contentType,
                       const AnsiTable& table = SystemAnsiTable());

// Whether a text that arrives in pieces is well-formed UTF-8 that holds at
// least one multi-byte character (plain ASCII reads the same either way).
class Utf8Check {
 public:
  // Takes the next piece; false from the first byte on that cannot be UTF-8.
  bool Feed(std::string_view bytes);
  bool Failed() const { return failed_; }
  bool SawMultiByte() const { return multiByte_; }
  // At the end of the text: well-formed, no sequence left open, and at least
  // one multi-byte character.
  bool IsUtf8Text() const { return !failed_ && pending_ == 0 && multiByte_; }

 private:
  int pending_ = 0;  // continuation bytes still to come
  unsigned char low_ = 0x80;
  unsigned char high_ = 0xBF;  // the range of the next continuation byte
  bool failed_ = false;
  bool multiByte_ = false;
};

}  // namespace core
