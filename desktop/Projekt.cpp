#include "desktop/Projekt.h"

#include "core/HelpContexts.h"
#include "coregui/CommandLine.h"
#include "coregui/projektVerwaltung.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

namespace {
constexpr const char* kTemplatePanels[kFormFiles] = {"panDatenbank", "panFrame", "panFrameEingabe", "panFrameHilfe",
                                                     "panFrameLaden"};
constexpr const char* kTemplateButtons[kFormFiles] = {"btnVorlageDatenbank", "btnVorlageHauptdatei",
                                                      "btnVorlageFrameEingabe", "btnVorlageFrameHilfe",
                                                      "btnVorlageFrameLaden"};
constexpr const char* kTargetPanels[kFormFiles] = {"panErgDatenbank", "panErgFrame", "panErgFrameEingabe",
                                                   "panErgFrameHilfe", "panErgFrameLaden"};
constexpr const char* kTargetButtons[kFormFiles] = {"btnErgebnisDatenbank", "btnErgebnisHauptdatei",
                                                    "btnErgebnisFrameEingabe", "btnErgebnisFrameHilfe",
                                                    "btnErgebnisFrameLaden"};
}  // namespace

TProjektDlg::TProjektDlg(const core::TIni& settings, ProjektDlgServices services, std::vector<std::string> layouts)
    : Form(std::move(layouts)),
      lblProjektPfad(Find<platform::Label>("lblProjektPfad")),
      btnProjektEdit(Find<platform::Button>("btnProjektEdit")),
      pgcProjekt(Find<platform::PageControl>("pgcProjekt")),
      tasVerzeichnisse(Find<platform::TabSheet>("tasVerzeichnisse")),
      tasVorlage(Find<platform::TabSheet>("tasVorlage")),
      tasAnalyse1(Find<platform::TabSheet>("tasAnalyse1")),
      tasAnalyse2(Find<platform::TabSheet>("tasAnalyse2")),
      tasAnalyse3(Find<platform::TabSheet>("tasAnalyse3")),
      tasErgebnis(Find<platform::TabSheet>("tasErgebnis")),
      tasStatus(Find<platform::TabSheet>("tasStatus")),
      edWebsite(Find<platform::Edit>("edWebsite")),
      edBenutzername(Find<platform::Edit>("edBenutzername")),
      edPasswort(Find<platform::Edit>("edPasswort")),
      panZiel(Find<platform::Panel>("panZiel")),
      panVorlagen(Find<platform::Panel>("panVorlagen")),
      BitBtn2(Find<platform::Button>("BitBtn2")),
      BitBtn7(Find<platform::Button>("BitBtn7")),
      ckbStopwortlisteVerwenden(Find<platform::CheckBox>("ckbStopwortlisteVerwenden")),
      panStopwortliste(Find<platform::Panel>("panStopwortliste")),
      btnStopwortliste(Find<platform::Button>("btnStopwortliste")),
      ckbAutoOptimize(Find<platform::CheckBox>("ckbAutoOptimize")),
      ckbKommentare(Find<platform::CheckBox>("ckbKommentare")),
      ckbGlossar(Find<platform::CheckBox>("ckbGlossar")),
      edDateiendungen(Find<platform::Edit>("edDateiendungen")),
      ckbSchlagworte(Find<platform::CheckBox>("ckbSchlagworte")),
      lblMaximal(Find<platform::Label>("lblMaximal")),
      speSchlagworte(Find<platform::SpinEdit>("speSchlagworte")),
      ckbWortbreite(Find<platform::CheckBox>("ckbWortbreite")),
      lblMin(Find<platform::Label>("lblMin")),
      speWortbreiteMin(Find<platform::SpinEdit>("speWortbreiteMin")),
      lblMax(Find<platform::Label>("lblMax")),
      speWortbreiteMax(Find<platform::SpinEdit>("speWortbreiteMax")),
      ckbZahlen(Find<platform::CheckBox>("ckbZahlen")),
      GroupBox7(Find<platform::GroupBox>("GroupBox7")),
      ckbTitle(Find<platform::CheckBox>("ckbTitle")),
      ckbDescription(Find<platform::CheckBox>("ckbDescription")),
      ragBeschreibung(Find<platform::RadioGroup>("ragBeschreibung")),
      GroupBox8(Find<platform::GroupBox>("GroupBox8")),
      ckbVolltext(Find<platform::CheckBox>("ckbVolltext")),
      ckbKeywords(Find<platform::CheckBox>("ckbKeywords")),
      ragGefundeneSchlagworte(Find<platform::RadioGroup>("ragGefundeneSchlagworte")),
      ckbStatusAnzeigen(Find<platform::CheckBox>("ckbStatusAnzeigen")),
      OKBtn(Find<platform::Button>("OKBtn")),
      CancelBtn(Find<platform::Button>("CancelBtn")),
      BitBtn6(Find<platform::Button>("BitBtn6")),
      settings_(settings),
      services_(std::move(services)) {
  for (int i = 0; i < kFormFiles; ++i) {
    templatePanels[i] = &Find<platform::Panel>(kTemplatePanels[i]);
    templateButtons[i] = &Find<platform::Button>(kTemplateButtons[i]);
    targetPanels[i] = &Find<platform::Panel>(kTargetPanels[i]);
    targetButtons[i] = &Find<platform::Button>(kTargetButtons[i]);
    const FormFile file = FormFile(i);
    templateButtons[i]->OnClick = [this, file] { rules_.EditTemplateFile(file, settings_, services_); };
    targetButtons[i]->OnClick = [this, file] { rules_.EditTargetFile(file, settings_, services_); };
  }
  BitBtn2.OnClick = [this] { Changed([this] { rules_.ChooseTargetFolder(services_); }); };
  BitBtn7.OnClick = [this] { Changed([this] { rules_.ChooseTemplateFolder(services_); }); };
  btnStopwortliste.OnClick = [this] {
    if (services_.editStopWords) services_.editStopWords();
  };
  btnProjektEdit.OnClick = [this] { btnProjektEditClick(); };
  BitBtn6.OnClick = [this] { BitBtn6Click(); };

  const auto box = [this](platform::CheckBox& c, bool ProjektRules::* value) {
    c.OnClick = [this, &c, value] { Changed([this, &c, value] { rules_.*value = c.Checked(); }); };
  };
  box(ckbStopwortlisteVerwenden, &ProjektRules::stopwortListeVerwenden);
  box(ckbAutoOptimize, &ProjektRules::autoOptimierung);
  box(ckbKommentare, &ProjektRules::optimiertModus);
  box(ckbGlossar, &ProjektRules::glossarModus);
  box(ckbSchlagworte, &ProjektRules::schlagworteModus);
  box(ckbWortbreite, &ProjektRules::wortbreite);
  box(ckbZahlen, &ProjektRules::zahlen);
  box(ckbTitle, &ProjektRules::titleModus);
  box(ckbDescription, &ProjektRules::descriptionModus);
  box(ckbVolltext, &ProjektRules::volltextModus);
  box(ckbKeywords, &ProjektRules::keywordsModus);
  box(ckbStatusAnzeigen, &ProjektRules::detailsModus);
  // A typed number goes into the rules as it is typed, so that showing them
  // keeps it; its check waits until it is complete.
  const auto number = [this](platform::SpinEdit& field, void (ProjektRules::*type)(int),
                             void (ProjektRules::*set)(int)) {
    field.OnChange = [this, &field, type] {
      if (!showing_) (rules_.*type)(field.Number());
    };
    field.OnCommit = [this, &field, set] { Changed([this, &field, set] { (rules_.*set)(field.Number()); }); };
  };
  number(speSchlagworte, &ProjektRules::TypeSchlagworteMaximal, &ProjektRules::SetSchlagworteMaximal);
  number(speWortbreiteMin, &ProjektRules::TypeWortbreiteMin, &ProjektRules::SetWortbreiteMin);
  number(speWortbreiteMax, &ProjektRules::TypeWortbreiteMax, &ProjektRules::SetWortbreiteMax);
  // The modal loop asks OnClose once a button has set the result.
  OnClose = [this](platform::CloseAction& action) {
    if (!CanClose(ModalResult())) action = platform::CloseAction::None;
  };
  ragBeschreibung.OnClick = [this] {
    Changed([this] { rules_.SetRadio(rules_.beschreibung, ragBeschreibung.ItemIndex(), 3); });
  };
  ragGefundeneSchlagworte.OnClick = [this] {
    Changed([this] { rules_.SetRadio(rules_.gefundeneSchlagworte, ragGefundeneSchlagworte.ItemIndex(), 2); });
  };
  GroupBox7.OnExit = [this] { GroupBox7Exit(); };
  GroupBox8.OnExit = [this] { GroupBox8Exit(); };
  ShowRules();
}

void TProjektDlg::LoadFromProject(const core::TProjekt& project) {
  projectFile_ = project.GetProjectFileName();
  ReadTexts();
  rules_.LoadFromProject(project);
  ShowRules();
}

void TProjektDlg::StoreToProject(core::TProjekt& project) {
  CommitNumbers();
  ReadTexts();
  rules_.StoreToProject(project);
}

void TProjektDlg::ShowAnalysisOnly() {
  for (platform::TabSheet* sheet : {&tasVerzeichnisse, &tasVorlage, &tasErgebnis, &tasStatus})
    sheet->SetTabVisible(false);
}

bool TProjektDlg::CanClose(int result) {
  if (result != platform::mrCancel) CommitNumbers();
  return true;
}

void TProjektDlg::CommitNumbers() {
  for (platform::SpinEdit* field : {&speSchlagworte, &speWortbreiteMin, &speWortbreiteMax}) field->Commit();
}

void TProjektDlg::ReadTexts() {
  if (showing_) return;
  rules_.webSite = edWebsite.Text();
  rules_.benutzername = edBenutzername.Text();
  rules_.passwort = edPasswort.Text();
  rules_.dateiendungen = edDateiendungen.Text();
}

void TProjektDlg::Changed(const std::function<void()>& take) {
  if (showing_) return;
  ReadTexts();
  take();
  ShowRules();
}

void TProjektDlg::ShowRules() {
  showing_ = true;
  const ProjektRules& r = rules_;
  lblProjektPfad.SetCaption(r.projektPfad);
  btnProjektEdit.SetEnabled(r.projektEditEnabled);
  edWebsite.SetText(r.webSite);
  edBenutzername.SetText(r.benutzername);
  edPasswort.SetText(r.passwort);
  panZiel.SetCaption(r.ziel);
  panVorlagen.SetCaption(r.vorlagen);
  for (int i = 0; i < kFormFiles; ++i) {
    templatePanels[i]->SetCaption(r.files[i]);
    targetPanels[i]->SetCaption(r.files[i]);
    templateButtons[i]->SetEnabled(r.TemplateFileExists(FormFile(i)));
    targetButtons[i]->SetEnabled(r.TargetFileExists(FormFile(i)));
  }
  ckbStopwortlisteVerwenden.SetChecked(r.stopwortListeVerwenden);
  panStopwortliste.SetCaption(r.stopwortListe);
  panStopwortliste.SetEnabled(r.StopwortEnabled());
  btnStopwortliste.SetEnabled(r.StopwortEnabled());
  ckbAutoOptimize.SetChecked(r.autoOptimierung);
  ckbKommentare.SetChecked(r.optimiertModus);
  ckbGlossar.SetChecked(r.glossarModus);
  for (platform::Control* c : std::initializer_list<platform::Control*>{&ckbKommentare, &ckbGlossar, &ragBeschreibung,
                                                                        &ragGefundeneSchlagworte})
    c->SetEnabled(r.ManualChoicesEnabled());
  edDateiendungen.SetText(r.dateiendungen);
  ckbSchlagworte.SetChecked(r.schlagworteModus);
  speSchlagworte.SetNumber(r.SchlagworteMaximal());
  speSchlagworte.SetEnabled(r.SchlagworteEnabled());
  lblMaximal.SetEnabled(r.SchlagworteEnabled());
  ckbWortbreite.SetChecked(r.wortbreite);
  speWortbreiteMin.SetNumber(r.WortbreiteMin());
  speWortbreiteMax.SetNumber(r.WortbreiteMax());
  for (platform::Control* c : std::initializer_list<platform::Control*>{&speWortbreiteMin, &speWortbreiteMax, &lblMin,
                                                                        &lblMax})
    c->SetEnabled(r.WortbreiteEnabled());
  ckbZahlen.SetChecked(r.zahlen);
  ckbTitle.SetChecked(r.titleModus);
  ckbDescription.SetChecked(r.descriptionModus);
  ragBeschreibung.SetItemIndex(r.beschreibung);
  ckbVolltext.SetChecked(r.volltextModus);
  ckbKeywords.SetChecked(r.keywordsModus);
  ragGefundeneSchlagworte.SetItemIndex(r.gefundeneSchlagworte);
  ckbStatusAnzeigen.SetChecked(r.detailsModus);
  RulesShown();
  showing_ = false;
}

void TProjektDlg::GroupBox7Exit() {
  ReadTexts();
  if (!rules_.LeaveDescriptionSources()) return;
  ShowRules();
  ckbTitle.SetFocus();
}

void TProjektDlg::GroupBox8Exit() {
  ReadTexts();
  if (!rules_.LeaveKeywordSources()) return;
  ShowRules();
  ckbVolltext.SetFocus();
}

void TProjektDlg::btnProjektEditClick() {
  ReadTexts();
  if (rules_.EditProjectFile(projectFile_, settings_, services_)) ShowRules();
}

void TProjektDlg::BitBtn6Click() {
  if (services_.openInBrowser)
    services_.openInBrowser(core::HelpPagePath(core::ProgramDirectory(), core::helppage::kProjektEinstellungen));
}

int ShowProjectDialog(core::TProjekt& project, const core::TIni& settings, ProjektDlgServices services,
                      bool analysisOnly, const MakeProjektDlg& make) {
  core::TProjekt* current = &project;
  services.replaceProject = [current = &current, replace = std::move(services.replaceProject)](
                                std::unique_ptr<core::TProjekt> next) {
    if (!replace) return;
    *current = next.get();
    replace(std::move(next));
  };
  std::unique_ptr<TProjektDlg> dlg =
      make ? make(settings, std::move(services)) : std::make_unique<TProjektDlg>(settings, std::move(services));
  if (analysisOnly) dlg->ShowAnalysisOnly();
  dlg->LoadFromProject(project);
  const int result = dlg->ShowModal();
  if (result == platform::mrOk) dlg->StoreToProject(*current);
  return result;
}

}  // namespace desktop
