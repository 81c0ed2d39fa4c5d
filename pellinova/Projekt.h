#pragma once
// Pellinova's project settings: the shared dialog on Pellinova's layout, with
// the source folder in place of the site and login, the link and XML
// options, and the question about different drives on OK while the folders
// are shown.
#include "desktop/Projekt.h"
#include "pellinova/ProjektRules.h"

namespace pellinova {

class TProjektDlg : public desktop::TProjektDlg {
 public:
  TProjektDlg(const core::TIni& settings, desktop::ProjektDlgServices services);

  void LoadFromProject(const core::TProjekt& project) override;
  void StoreToProject(core::TProjekt& project) override;
  // Whether the dialog may close with the result: the shared check, then
  // the drive question.
  bool CanClose(int result) override;

  const ProjektExtras& Extras() const { return extras_; }

  platform::Panel& panHTML;
  platform::Button& BitBtn1;
  platform::CheckBox& ckbAbsolutePfade;
  platform::CheckBox& ckbServernameVerwenden;
  platform::Edit& edServername;
  platform::CheckBox& ckbXML;

 protected:
  void RulesShown() override;

 private:
  void btnErgebnisDatenbankClick();

  ProjektExtras extras_;
};

// The dialog as the main window and the page selection open it (see
// desktop::ShowProjectDialog).
int ShowProjectDialog(core::TProjekt& project, const core::TIni& settings, desktop::ProjektDlgServices services,
                      bool analysisOnly);

}  // namespace pellinova
