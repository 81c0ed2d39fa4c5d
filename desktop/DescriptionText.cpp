#include "desktop/DescriptionText.h"

#include <algorithm>

#include "core/TText.h"

namespace desktop {

namespace {

bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Without(std::string text, char c) {
  text.erase(std::remove(text.begin(), text.end(), c), text.end());
  return text;
}

// The canonical entity form, but with the angle brackets of tags kept: the
// tag buttons write tags, and so does the composed description; as "&lt;"
// and "&gt;" the search form would show them as text, and the next opening
// of the dialog, which decodes both to nothing, would lose them.
std::string NormalizedKeepingTags(const std::string& text) {
  std::string result;
  size_t start = 0;
  for (;;) {
    const size_t bracket = text.find_first_of("<>", start);
    result += core::Text().NormalizeEntities(std::string_view(text).substr(start, bracket - start));
    if (bracket == std::string::npos) return result;
    result += text[bracket];
    start = bracket + 1;
  }
}

}  // namespace

std::string WrapSelection(DescriptionTag tag, const std::string& selection) {
  switch (tag) {
    case DescriptionTag::Bold: return "<b>" + selection + "</b>";
    case DescriptionTag::Italic: return "<i>" + selection + "</i>";
    case DescriptionTag::Underline: return "<u>" + selection + "</u>";
    case DescriptionTag::Small: return "<small>" + selection + "</small>";
    case DescriptionTag::LineBreak: return selection + "<br>";
    case DescriptionTag::Paragraph: return "<p>" + selection + "</p>";
  }
  return selection;
}

std::string StoredDescription(const std::string& typed) {
  size_t first = 0;
  size_t last = typed.size();
  while (first < last && Blank(typed[first])) ++first;
  while (last > first && Blank(typed[last - 1])) --last;
  std::string text = Without(Without(typed.substr(first, last - first), '\r'), '\n');
  return Without(NormalizedKeepingTags(text), '\t');
}

}  // namespace desktop
