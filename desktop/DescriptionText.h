#pragma once
// The rules of the description dialog without windows: what the six tag
// buttons make of the selection, and the form in which a typed description
// is stored.
#include <string>

namespace desktop {

// The tag buttons, in the order of the form: bold, italic, underline, small
// print, line break, paragraph.
enum class DescriptionTag { Bold, Italic, Underline, Small, LineBreak, Paragraph };

// The text that replaces the selection (empty: inserted at the caret).
std::string WrapSelection(DescriptionTag tag, const std::string& selection);

// A description as the dialog stores it: blanks and control characters cut
// at both ends, every carriage return and line feed removed (lines join
// without a blank), entities in their canonical form except for the angle
// brackets, which stay as typed (they are the tags' brackets), every TAB
// removed.
std::string StoredDescription(const std::string& typed);

}  // namespace desktop
