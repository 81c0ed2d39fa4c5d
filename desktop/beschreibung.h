#pragma once
// The description of one page, written or corrected during the index run.
// Six buttons wrap the selected text in HTML tags. A description the user
// changed is kept as the page's manual description as well, which later runs
// use in place of the one they find.
#include <string>
#include <vector>

#include "desktop/SharedForms.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/Memo.h"

namespace core {
class TProjekt;
}

namespace desktop {

class TBeschreibungDlg : public platform::Form {
 public:
  // layouts: SharedLayouts::description of the running program.
  TBeschreibungDlg(core::TProjekt& project, std::vector<std::string> layouts, DialogServices services);

  platform::Label& lblDateiname;
  platform::Memo& meoBeschreibung;
  platform::Button& Button1;
  platform::Button& Button2;
  platform::Button& Button3;
  platform::Button& Button4;
  platform::Button& Button5;
  platform::Button& Button6;
  platform::Button& btnok;
  platform::Button& CancelBtn;
  platform::Button& BitBtn5;

  // Shows the description of the page at position. OK clears cancel and
  // stores the text in the page (and, when changed, as its manual
  // description); anything else sets cancel and leaves the page alone.
  void EditPageDescription(int position, bool& cancel);

 private:
  // The memo shows text under the page line; OK gives the memo's text, any
  // other result text itself and sets cancel.
  std::string ShowPageDescription(const std::string& text, const std::string& pageLine, bool& cancel);
  void BitBtn5Click();

  core::TProjekt& project_;
  DialogServices services_;
};

}  // namespace desktop
