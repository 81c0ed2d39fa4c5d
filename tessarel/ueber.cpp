#include "tessarel/ueber.h"

#include "tessarel/TextNumbers.h"

namespace tessarel {

TUeberDlg::TUeberDlg()
    : Form("TUeberDlg"), lblVersion(Find<platform::Label>("lblVersion")), OKBtn(Find<platform::Button>("OKBtn")) {
  FormCreate();
}

void TUeberDlg::FormCreate() { lblVersion.SetCaption(txt::Load(txt::kVersion)); }

}  // namespace tessarel
