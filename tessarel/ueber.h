#pragma once
// The about box.
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace tessarel {

class TUeberDlg : public platform::Form {
 public:
  TUeberDlg();
  platform::Label& lblVersion;
  platform::Button& OKBtn;

 private:
  void FormCreate();
};

}  // namespace tessarel
