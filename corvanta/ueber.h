#pragma once
// The about box: created at start-up, kept hidden, shown modally from the
// help menu.
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace corvanta {

class TUeberDlg : public platform::Form {
 public:
  TUeberDlg();
  platform::Label& lblVersion;
  platform::Button& OKBtn;

 private:
  void FormCreate();
};

}  // namespace corvanta
