#include "desktop/commandline.h"

#include "core/Texts.h"

namespace desktop {

TCommandDlg::TCommandDlg(const std::string& layoutName)
    : Form(layoutName), lblVersion(Find<platform::Label>("lblVersion")), OKBtn(Find<platform::Button>("OKBtn")) {
  lblVersion.SetCaption(core::LoadStr(core::Txt::ProgramVersion));
}

int ShowCommandLineHelp(const std::string& layoutName) {
  TCommandDlg dlg(layoutName);
  dlg.ShowModal();
  return 0;
}

}  // namespace desktop
