#pragma once
// Tessarel's progress window: the shared one with a second label and bar for
// the document in work. The analysis shows the current action in lblAnzeige,
// the characters read of the document in pbFortschritt2, the document in
// lblAnzeige2 and the documents done in pbFortschritt. Single-bar uses
// (collecting the documents, list imports) call SingleBar first.
#include "coregui/hinweis.h"

namespace tessarel {

class THinweisDlg : public core::THinweisDlg {
 public:
  THinweisDlg();

  platform::Label& lblAnzeige2;
  platform::ProgressBar& pbFortschritt2;

  // Hides the second label and bar, makes the window 137 pixels high and
  // moves the first bar and the button up to where the shared window has them.
  void SingleBar();
};

}  // namespace tessarel
