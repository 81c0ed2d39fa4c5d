#pragma once
// The dialogs an interactive index run opens per page: the review of the words
// found and the description. A silent run opens neither.
#include <string>

namespace core {

class TProjekt;

class ReviewDialogs {
 public:
  virtual ~ReviewDialogs() = default;

  // Shows the words and corrections of the page at position under the page
  // line (its address and "(position/last)"). OK stores the edited lists in
  // the page; anything else sets cancel and leaves the page as it was.
  virtual void EditPageWords(TProjekt& project, int position, const std::string& pageLine, bool& cancel) = 0;

  // Lets the user write the description of the page at position. OK stores
  // it (and, when changed, as the page's manual description); anything else
  // sets cancel and leaves the page as it was.
  virtual void EditPageDescription(TProjekt& project, int position, bool& cancel) = 0;
};

}  // namespace core
