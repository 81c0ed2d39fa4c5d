#pragma once
// The keyword review of an index run: the words found on one page, which the
// user adds to, renames, deletes or moves into the stop-word list before the
// run goes on. Every change but the last is kept as a correction of the page,
// so that later runs repeat it on the words they find.
#include <string>
#include <vector>

#include "desktop/SharedForms.h"
#include "desktop/WordEdits.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace core {
class TProjekt;
}

namespace desktop {

class TWoerterListeDlg : public platform::Form {
 public:
  // layouts: SharedLayouts::wordList of the running program. The project
  // gives the stop-word list and its file.
  TWoerterListeDlg(core::TProjekt& project, std::vector<std::string> layouts, DialogServices services);

  platform::Label& lblDateiname;
  platform::Button& BitBtn4;
  platform::ListBox& lbxWoerter;
  platform::Button& btnEinfuegen;
  platform::Button& btnBearbeiten;
  platform::Button& btnLoeschen;
  platform::CheckBox& ckbLoeschenNachfragen;
  platform::Button& btnStopwort;
  platform::CheckBox& ckbStopwortNachfragen;
  platform::Button& btnok;
  platform::Button& btnAbbruch;
  platform::Button& BitBtn6;

  // Shows words and changeLog under the page line. OK stores the list's
  // words and the corrections into both and clears cancel (and writes the
  // stop-word file when words went into it); anything else sets cancel and
  // leaves both as they were.
  void EditPageWords(platform::TStringList& words, platform::TStringList& changeLog, bool& cancel,
                     const std::string& pageLine);

 private:
  void btnEinfuegenClick();
  void btnBearbeitenClick();
  void btnLoeschenClick();
  void btnStopwortClick();
  void BitBtn4Click();
  void BitBtn6Click();
  // The list box's selection into the model before a command, and the
  // model's words, current entry and enabled commands back after it.
  bool TakeCurrent();
  void ShowList();

  core::TProjekt& project_;
  DialogServices services_;
  bool stopWordsUsable_;
  KeywordReview review_;
};

}  // namespace desktop
