#pragma once
// The stop-word editor: the words the analysis never takes as keywords,
// edited one by one or imported from a text file. It works on a copy; OK
// replaces the list and writes its file.
#include <string>
#include <vector>

#include "core/HelpContexts.h"
#include "desktop/SharedForms.h"
#include "desktop/WordEdits.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace core {
class TProjekt;
}

namespace desktop {

// What an editor of a stop list differs in from the stop-word editor of the
// site indexers: the texts of its import, its help page (below the help
// folder), the help contexts of its messages (0: no Help button) and how a
// word is lowered (nullptr: in the locale).
struct StopListProfile {
  std::string importTitle;
  std::string importCaption;  // after the program title
  std::string emptyImport;
  std::string helpPage;
  int duplicateHelp = core::hcNeuesWort;
  int deleteHelp = core::hcWortLoeschen;
  std::string (*lower)(const std::string&) = nullptr;
};
// The stop-word editor's, from the shared texts.
StopListProfile StopWordProfile();

class TStopwortlisteDlg : public platform::Form {
 public:
  // layouts: SharedLayouts::stopWords of the running program.
  TStopwortlisteDlg(std::vector<std::string> layouts, DialogServices services,
                    StopListProfile profile = StopWordProfile());

  platform::Label& lblStopwortlistePfad;
  platform::ListBox& lbxWoerter;
  platform::Button& btnEinfuegen;
  platform::Button& btnBearbeiten;
  platform::Button& btnLoeschen;
  platform::CheckBox& ckbLoeschenNachfragen;
  platform::Button& btnEinfuegenDatei;
  platform::Button& btnok;
  platform::Button& btnAbbruch;
  platform::Button& BitBtn6;

  // Shows a copy of stopWords under the file's path. OK clears cancel,
  // refills stopWords and writes them to file; anything else sets cancel
  // and leaves both as they were.
  void EditStopWords(platform::TStringList& stopWords, const std::string& file, bool& cancel);

 private:
  void btnEinfuegenClick();
  void btnBearbeitenClick();
  void btnLoeschenClick();
  void btnEinfuegenDateiClick();
  void BitBtn6Click();
  bool TakeCurrent();
  void ShowList();

  DialogServices services_;
  StopListProfile profile_;
  StopWordEdit edit_;
};

// The main window's command "&Stopwortliste bearbeiten...": the editor on the
// project's stop-word list; unless the user cancels, the project is saved.
// The editor's cancel is its own: a shared abort flag of the window stays as
// it was. True when the list was taken.
bool EditProjectStopWords(core::TProjekt& project, const SharedLayouts& layouts, const DialogServices& services);

}  // namespace desktop
