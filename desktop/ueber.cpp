#include "desktop/ueber.h"

#include "core/Texts.h"
#include "coregui/CommandLine.h"

namespace desktop {

namespace {
// The project's pages lie beside the program's folder.
constexpr const char* kHomepage = "..\\homepage\\index.htm";
constexpr const char* kMail = "..\\homepage\\mail.htm";
}  // namespace

TUeberDlg::TUeberDlg(std::vector<std::string> layouts, std::function<bool(const std::string& page)> openInBrowser)
    : Form(std::move(layouts)),
      lblVersion(Find<platform::Label>("lblVersion")),
      OKBtn(Find<platform::Button>("OKBtn")),
      BtnHomepage(Find<platform::Button>("BtnHomepage")),
      btnEmail(Find<platform::Button>("btnEmail")),
      openInBrowser_(std::move(openInBrowser)) {
  BtnHomepage.OnClick = [this] { BtnHomepageClick(); };
  btnEmail.OnClick = [this] { btnEmailClick(); };
  FormCreate();
}

void TUeberDlg::FormCreate() { lblVersion.SetCaption(core::LoadStr(core::Txt::ProgramVersion)); }

void TUeberDlg::BtnHomepageClick() {
  if (openInBrowser_) openInBrowser_(core::ProgramDirectory() + kHomepage);
}

void TUeberDlg::btnEmailClick() {
  if (openInBrowser_) openInBrowser_(core::ProgramDirectory() + kMail);
}

}  // namespace desktop
