#pragma once
// The clipboard as plain text (CF_TEXT, code page 1252), the only format the
// readers take from the applications.
#include <stdexcept>
#include <string>

namespace tessarel {

// The clipboard could not be opened (another program holds it).
class EClipboardError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool ClipboardHasText();
// The text on the clipboard; "" when it holds none.
std::string ClipboardText();
// Replaces the clipboard's content by text.
void SetClipboardText(const std::string& text);
// Open, empty, close.
void ClearClipboard();

}  // namespace tessarel
