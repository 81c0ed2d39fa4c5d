#include "desktop/commandline.h"

#include "core/Texts.h"
#include "coregui/CommandLine.h"

namespace desktop {

TCommandDlg::TCommandDlg(const std::string& layoutName)
    : Form(layoutName), lblVersion(Find<platform::Label>("lblVersion")), OKBtn(Find<platform::Button>("OKBtn")) {
  lblVersion.SetCaption(core::LoadStr(core::Txt::ProgramVersion));
}

int ShowCommandLineHelp(const std::string& layoutName) {
  TCommandDlg dlg(layoutName);
  dlg.ShowModal();
  return core::kExitOk;
}

}  // namespace desktop
