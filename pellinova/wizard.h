#pragma once
// Pellinova's pages of the shared search-form wizard that differ in more
// than their texts: the HTML folder in place of the site (page 4), and the
// target folder that can take over the HTML folder and questions a target on
// another drive (page 5). The other pages are the shared ones on Pellinova's
// layouts (WizardServices::layoutVariant).
#include "desktop/wizard.h"

namespace pellinova {

class TWizardQuelleDlg : public desktop::TWizardPage {
 public:
  explicit TWizardQuelleDlg(desktop::WizardServices services);
  fsctl::TFsDriveComboBox& DriveComboBox1;
  fsctl::TFsDirectoryListBox& DirectoryListBox1;
  platform::Label& lblPfad;

  void FormShow();

 private:
  // On every closing, also by "Zurück" and "Abbrechen".
  void FormClose() override;
};

class TWizardZielDlg : public desktop::TWizardZielDlg {
 public:
  explicit TWizardZielDlg(desktop::WizardServices services);
  platform::Button& BitBtn1;

  void BitBtn1Click();

 private:
  bool FormCloseQuery(int result) override;
};

}  // namespace pellinova
