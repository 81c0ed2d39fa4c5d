#pragma once
// The about box of the three programs: created at start-up, kept hidden,
// shown modally from the help menu. Pellinova's and Tessarel's differ in
// their texts (their layouts' variants).
#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace desktop {

class TUeberDlg : public platform::Form {
 public:
  // layouts: SharedLayouts::about of the running program.
  TUeberDlg(std::vector<std::string> layouts, std::function<bool(const std::string& page)> openInBrowser);
  platform::Label& lblVersion;
  platform::Button& OKBtn;
  platform::Button& BtnHomepage;
  platform::Button& btnEmail;

 private:
  void FormCreate();
  void BtnHomepageClick();
  void btnEmailClick();

  std::function<bool(const std::string& page)> openInBrowser_;
};

}  // namespace desktop
