#include "corvanta/ueber.h"

#include "core/Texts.h"

namespace corvanta {

TUeberDlg::TUeberDlg()
    : Form("TUeberDlg"), lblVersion(Find<platform::Label>("lblVersion")), OKBtn(Find<platform::Button>("OKBtn")) {
  FormCreate();
}

void TUeberDlg::FormCreate() { lblVersion.SetCaption(core::LoadStr(core::Txt::ProgramVersion)); }

}  // namespace corvanta
