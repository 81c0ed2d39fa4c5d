#pragma once
// Corvanta's page of the search-form wizard: the site's address and login,
// written into the project on every closing, whatever the result.
#include "desktop/wizard.h"

namespace corvanta {

class TWizardQuelleDlg : public desktop::TWizardPage {
 public:
  explicit TWizardQuelleDlg(desktop::WizardServices services);
  platform::Edit& edWebsite;
  platform::Edit& edBenutzername;
  platform::Edit& edPasswort;

 private:
  void FormShow();
  bool FormCloseQuery(int result) override;
  void FormClose() override;
};

}  // namespace corvanta
