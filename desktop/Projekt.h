#pragma once
// The project settings dialog. Its caller creates it for one use, fills it
// with LoadFromProject, shows it modally, calls StoreToProject only when the
// result is OK, and frees it:
//
//   desktop::TProjektDlg dlg(settings, services);
//   dlg.LoadFromProject(project);
//   if (dlg.ShowModal() == platform::mrOk) dlg.StoreToProject(project);
//
// The page selection shows only the three analysis tabs (ShowAnalysisOnly
// before LoadFromProject). The rules live in ProjektRules; the form copies
// them to its controls after every change.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/ProjektRules.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/Panel.h"
#include "platform/gui/RadioGroup.h"
#include "platform/gui/SpinEdit.h"
#include "platform/gui/TabSheet.h"

namespace desktop {

class TProjektDlg : public platform::Form {
 public:
  // layouts: Corvanta's layout, then the running program's variant of it.
  TProjektDlg(const core::TIni& settings, ProjektDlgServices services,
              std::vector<std::string> layouts = {"TProjektDlg"});

  virtual void LoadFromProject(const core::TProjekt& project);
  virtual void StoreToProject(core::TProjekt& project);
  // Hides the tabs of folders, template, results and status.
  void ShowAnalysisOnly();
  // Whether the dialog may close with the result. OK first completes a
  // number still being typed, so that its width check asks now.
  virtual bool CanClose(int result);

  const ProjektRules& Rules() const { return rules_; }

  platform::Label& lblProjektPfad;
  platform::Button& btnProjektEdit;
  platform::PageControl& pgcProjekt;
  platform::TabSheet& tasVerzeichnisse;
  platform::TabSheet& tasVorlage;
  platform::TabSheet& tasAnalyse1;
  platform::TabSheet& tasAnalyse2;
  platform::TabSheet& tasAnalyse3;
  platform::TabSheet& tasErgebnis;
  platform::TabSheet& tasStatus;
  platform::Edit& edWebsite;
  platform::Edit& edBenutzername;
  platform::Edit& edPasswort;
  platform::Panel& panZiel;
  platform::Panel& panVorlagen;
  platform::Button& BitBtn2;
  platform::Button& BitBtn7;
  std::array<platform::Panel*, kFormFiles> templatePanels;
  std::array<platform::Button*, kFormFiles> templateButtons;
  std::array<platform::Panel*, kFormFiles> targetPanels;
  std::array<platform::Button*, kFormFiles> targetButtons;
  platform::CheckBox& ckbStopwortlisteVerwenden;
  platform::Panel& panStopwortliste;
  platform::Button& btnStopwortliste;
  platform::CheckBox& ckbAutoOptimize;
  platform::CheckBox& ckbKommentare;
  platform::CheckBox& ckbGlossar;
  platform::Edit& edDateiendungen;
  platform::CheckBox& ckbSchlagworte;
  platform::Label& lblMaximal;
  platform::SpinEdit& speSchlagworte;
  platform::CheckBox& ckbWortbreite;
  platform::Label& lblMin;
  platform::SpinEdit& speWortbreiteMin;
  platform::Label& lblMax;
  platform::SpinEdit& speWortbreiteMax;
  platform::CheckBox& ckbZahlen;
  platform::GroupBox& GroupBox7;
  platform::CheckBox& ckbTitle;
  platform::CheckBox& ckbDescription;
  platform::RadioGroup& ragBeschreibung;
  platform::GroupBox& GroupBox8;
  platform::CheckBox& ckbVolltext;
  platform::CheckBox& ckbKeywords;
  platform::RadioGroup& ragGefundeneSchlagworte;
  platform::CheckBox& ckbStatusAnzeigen;
  platform::Button& OKBtn;
  platform::Button& CancelBtn;
  platform::Button& BitBtn6;

 protected:
  // The controls from the rules, and the texts typed so far into the rules.
  void ShowRules();
  // After the controls have been set from the rules: what a program's
  // variant shows besides them.
  virtual void RulesShown() {}
  void ReadTexts();
  // The spin edits' typed numbers, complete now.
  void CommitNumbers();
  // A control changed: take its value into the rules, then show them.
  void Changed(const std::function<void()>& take);
  ProjektRules& MutableRules() { return rules_; }
  const core::TIni& Settings() const { return settings_; }
  const ProjektDlgServices& Services() const { return services_; }

 private:
  void GroupBox7Exit();
  void GroupBox8Exit();
  void btnProjektEditClick();
  void BitBtn6Click();

  const core::TIni& settings_;
  ProjektDlgServices services_;
  ProjektRules rules_;
  std::string projectFile_;
  bool showing_ = false;  // the controls are being set from the rules
};

// The main window's command "&Projekt..." (all tabs) and the page
// selection's "E&instellungen" (analysisOnly): the dialog filled from the
// project; OK stores into it, or into the project that took its place when
// the project file was edited meanwhile. Saving and refreshing the status
// display are the caller's. Returns the modal result. make: the running
// program's variant of the dialog (Corvanta's when empty).
using MakeProjektDlg = std::function<std::unique_ptr<TProjektDlg>(const core::TIni&, ProjektDlgServices)>;
int ShowProjectDialog(core::TProjekt& project, const core::TIni& settings, ProjektDlgServices services,
                      bool analysisOnly, const MakeProjektDlg& make = {});

}  // namespace desktop
