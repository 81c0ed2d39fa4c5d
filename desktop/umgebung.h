#pragma once
// The environment dialogs of Corvanta and Pellinova: TUmgebungDlg, opened
// from the main window's menu, and the first-run dialog TumgebungInitDlg
// that the settings load shows when the settings file is new. Both edit
// working copies of the tools (UmgebungRules) and write them back only on
// OK:
//
//   desktop::TUmgebungDlg dlg(layouts.environment, settings, services, withProxy);
//   dlg.LoadFromSettings();
//   if (dlg.ShowModal() == platform::mrOk) dlg.StoreToSettings();
#include <array>
#include <string>
#include <vector>

#include "desktop/SharedForms.h"
#include "desktop/UmgebungRules.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/Panel.h"
#include "platform/gui/RadioGroup.h"
#include "platform/gui/TabSheet.h"

namespace core {
class TIni;
}

namespace desktop {

// The tool rows, the browser menu and the help button both dialogs have.
class TUmgebungToolsForm : public platform::Form {
 public:
  // Panels and buttons by UmgebungTool; the edits and check boxes up to the
  // browser.
  std::array<platform::Panel*, kUmgebungTools> panels;
  std::array<platform::Button*, kUmgebungTools> buttons;
  std::array<platform::Edit*, 4> params;
  std::array<platform::CheckBox*, 4> unixBoxes;
  std::array<platform::MenuItem*, kKnownBrowsers> browserItems;  // by KnownBrowser
  platform::Button& OKBtn;
  platform::Button& CancelBtn;
  platform::Button& HilfeBtn;

  const UmgebungRules& Rules() const { return rules_; }

 protected:
  TUmgebungToolsForm(std::vector<std::string> layouts, core::TIni& settings, DialogServices services,
                     bool withProxy, std::string helpPage);
  // The browsers the system registers, into the browser menu.
  void FindBrowsers();
  void ShowTools();
  void ReadTools();

  core::TIni& settings_;
  DialogServices services_;
  UmgebungRules rules_;

 private:
  std::string helpPage_;
};

class TUmgebungDlg : public TUmgebungToolsForm {
 public:
  // layouts: SharedLayouts::environment of the running program; withProxy:
  // the program has an HTTP proxy (without one the tab is hidden).
  TUmgebungDlg(std::vector<std::string> layouts, core::TIni& settings, DialogServices services, bool withProxy);

  void LoadFromSettings();
  // Writes back and saves the settings file.
  void StoreToSettings();

  platform::PageControl& PageControl1;
  platform::TabSheet& tasProxy;
  platform::Edit& edServer;
  platform::Edit& edPort;
  platform::Edit& edBenutzername;
  platform::Edit& edPasswort;
  platform::RadioGroup& ragSprache;
  platform::CheckBox& ckbVordergrund;
  platform::CheckBox& ckbSpeedButton;
  platform::CheckBox& ckbLetztesProjekt;
};

class TumgebungInitDlg : public TUmgebungToolsForm {
 public:
  TumgebungInitDlg(std::vector<std::string> layouts, core::TIni& settings, DialogServices services);

  void LoadToolSettings();
  // Writes the tools back and saves the settings file.
  void StoreToolSettings();

  platform::Button& btnEnglisch;
  platform::Button& btnDeutsch;

 private:
  void FormCreate();
  void EnableLanguageButtons();
  void btnEnglischClick();
  void btnDeutschClick();
  void SwitchTo(int language);
};

// The menu item "&Arbeitsumgebung...": the dialog filled from the settings;
// OK stores them and saves the settings file. Returns the modal result.
int ShowEnvironmentDialog(std::vector<std::string> layouts, core::TIni& settings, DialogServices services,
                          bool withProxy);
// The first-run dialog as the settings load shows it: OK stores the tools
// and saves the settings file. Returns the modal result.
int ShowFirstRunDialog(std::vector<std::string> layouts, core::TIni& settings, DialogServices services);

}  // namespace desktop
