#include "tessarel/einstellung.h"

#include <windows.h>

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "desktop/neueswort.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/AnalyseRules.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

namespace {

constexpr const char* kFormats[4] = {"ckbPDF", "ckbDOC", "ckbXLS", "ckbPPT"};

// The spin field's text as a number; a text that is no whole number keeps
// the field as it was.
void TakeNumber(const platform::SpinEdit& field, std::int32_t& value) {
  try {
    size_t used = 0;
    const int n = std::stoi(field.Text(), &used);
    if (used == field.Text().size()) value = n;
  } catch (const std::exception&) {
  }
}

}  // namespace

void ShowFolder(fsctl::TFsDriveComboBox& drive, fsctl::TFsDirectoryListBox& tree, const std::string& stored) {
  if (!stored.empty()) drive.SetDrive(stored[0]);
  const std::string folder = TreeFolder(stored);
  try {
    tree.SetDirectory(folder);
  } catch (const platform::EInOutError&) {
    tree.SetDirectory(folder + "\\");
  }
}

TWizardEinstellungDlg::TWizardEinstellungDlg(OpenPage openPage)
    : Form("TWizardEinstellungDlg"),
      DriveComboBox1(Find<fsctl::TFsDriveComboBox>("DriveComboBox1")),
      DirectoryListBox1(Find<fsctl::TFsDirectoryListBox>("DirectoryListBox1")),
      ckbHTMLErhalten(Find<platform::CheckBox>("ckbHTMLErhalten")),
      ckbRahmenVerzeichnis(Find<platform::CheckBox>("ckbRahmenVerzeichnis")),
      lblRahmenLaufwerk(Find<platform::Label>("lblRahmenLaufwerk")),
      lblRahmenVerzeichnis(Find<platform::Label>("lblRahmenVerzeichnis")),
      FsDriveComboBox1(Find<fsctl::TFsDriveComboBox>("FsDriveComboBox1")),
      FsDirectoryListBox1(Find<fsctl::TFsDirectoryListBox>("FsDirectoryListBox1")),
      btnErzeugen(Find<platform::Button>("btnErzeugen")),
      btnSetzen(Find<platform::Button>("btnSetzen")),
      meoDateiendungen(Find<platform::Memo>("meoDateiendungen")),
      ckbOLEVerwenden(Find<platform::CheckBox>("ckbOLEVerwenden")),
      ckbVerwendenSchlagworte(Find<platform::CheckBox>("ckbVerwendenSchlagworte")),
      lblMaximal(Find<platform::Label>("lblMaximal")),
      speSchlagworte(Find<platform::SpinEdit>("speSchlagworte")),
      ckbVerwendenBreite(Find<platform::CheckBox>("ckbVerwendenBreite")),
      lblMin(Find<platform::Label>("lblMin")),
      speWortbreiteMin(Find<platform::SpinEdit>("speWortbreiteMin")),
      lblMax(Find<platform::Label>("lblMax")),
      speWortbreiteMax(Find<platform::SpinEdit>("speWortbreiteMax")),
      btnHilfe(Find<platform::Button>("btnHilfe")),
      openPage_(std::move(openPage)) {
  for (int i = 0; i < 4; ++i) {
    formats[i] = &Find<platform::CheckBox>(kFormats[i]);
    formats[i]->OnClick = [this, i] { ToggleExclusion(formats[i]->Checked(), i); };
  }
  ckbOLEVerwenden.OnClick = [this] { OLEClick(); };
  ckbVerwendenBreite.OnClick = [this] { EnableWidth(); };
  ckbVerwendenSchlagworte.OnClick = [this] { EnableCount(); };
  ckbRahmenVerzeichnis.OnClick = [this] { EnableFrame(); };
  // A width is checked once it is complete (the field left, the arrows, OK),
  // so that a question never cuts into the typing of a number.
  speWortbreiteMin.OnCommit = [this] {
    if (!loading_) speWortbreiteMin.SetNumber(CheckedMinimum(speWortbreiteMin.Number(), speWortbreiteMax.Number()));
  };
  speWortbreiteMax.OnCommit = [this] {
    if (!loading_) speWortbreiteMax.SetNumber(CheckedMaximum(speWortbreiteMin.Number(), speWortbreiteMax.Number()));
  };
  // The modal loop asks OnClose once a button has set the result: a number
  // still being typed is checked before the dialog closes over it.
  OnClose = [this](platform::CloseAction&) {
    if (ModalResult() != platform::mrCancel)
      for (platform::SpinEdit* field : {&speSchlagworte, &speWortbreiteMin, &speWortbreiteMax}) field->Commit();
  };
  btnErzeugen.OnClick = [this] { btnErzeugenClick(); };
  btnSetzen.OnClick = [this] { btnSetzenClick(); };
  btnHilfe.OnClick = [this] {
    if (openPage_) openPage_(core::HelpPagePath(core::ProgramDirectory(), core::helppage::kAnalyse));
  };
}

int TWizardEinstellungDlg::Execute(TProjekt& project) {
  FormShow(project);
  int result;
  do result = ShowModal();
  while (result != platform::mrCancel && !CloseQuery());
  if (result != platform::mrCancel) FormClose(project);
  return result;
}

// The stored values go in without the questions and notices that the same
// changes by the user bring: the memo is filled last, from the project.
void TWizardEinstellungDlg::FormShow(const TProjekt& p) {
  loading_ = true;
  ShowFolder(DriveComboBox1, DirectoryListBox1, p.DokumenteVerzeichnis);
  ShowFolder(FsDriveComboBox1, FsDirectoryListBox1, p.RahmenVerzeichnis);
  ckbRahmenVerzeichnis.SetChecked(p.GemeinsamesRahmenVerzeichnis);
  ckbVerwendenBreite.SetChecked(p.SchlagwortbreiteVerwenden);
  ckbVerwendenSchlagworte.SetChecked(p.AnzahlSchlagworteVerwenden);
  ckbOLEVerwenden.SetChecked(p.OLEAutomationVerwenden);
  const bool auto_[4] = {p.OLEAutoPDFVerwenden, p.OLEAutoDOCVerwenden, p.OLEAutoXLSVerwenden,
                         p.OLEAutoPPTVerwenden};
  for (int i = 0; i < 4; ++i) formats[i]->SetChecked(auto_[i]);
  speWortbreiteMin.SetNumber(p.SchlagwortbreiteMin);
  speWortbreiteMax.SetNumber(p.SchlagwortbreiteMax);
  speSchlagworte.SetNumber(p.AnzahlSchlagworteMax);
  ckbHTMLErhalten.SetChecked(!p.UpdateHTMLDatei);
  meoDateiendungen.SetLines(ExclusionEntries(p.ExcludeDateiendungen));
  loading_ = false;
  for (auto* box : formats) box->SetEnabled(ckbOLEVerwenden.Checked());
  EnableWidth();
  EnableCount();
  EnableFrame();
}

bool TWizardEinstellungDlg::CloseQuery() {
  return KeepDrives(ckbRahmenVerzeichnis.Checked(), DriveComboBox1.Drive(), FsDriveComboBox1.Drive());
}

void TWizardEinstellungDlg::FormClose(TProjekt& p) const {
  p.SchlagwortbreiteVerwenden = ckbVerwendenBreite.Checked();
  p.AnzahlSchlagworteVerwenden = ckbVerwendenSchlagworte.Checked();
  TakeNumber(speWortbreiteMin, p.SchlagwortbreiteMin);
  TakeNumber(speWortbreiteMax, p.SchlagwortbreiteMax);
  TakeNumber(speSchlagworte, p.AnzahlSchlagworteMax);
  p.UpdateHTMLDatei = !ckbHTMLErhalten.Checked();
  p.OLEAutomationVerwenden = ckbOLEVerwenden.Checked();
  bool* auto_[4] = {&p.OLEAutoPDFVerwenden, &p.OLEAutoDOCVerwenden, &p.OLEAutoXLSVerwenden, &p.OLEAutoPPTVerwenden};
  for (int i = 0; i < 4; ++i) *auto_[i] = formats[i]->Checked();
  p.ExcludeDateiendungen = StoreExclusions(meoDateiendungen.Lines());
  p.DokumenteVerzeichnis = StoredFolder(DirectoryListBox1.Directory());
  p.RahmenVerzeichnis = StoredFolder(FsDirectoryListBox1.Directory());
  p.GemeinsamesRahmenVerzeichnis = ckbRahmenVerzeichnis.Checked();
}

void TWizardEinstellungDlg::OLEClick() {
  if (loading_) return;
  const bool on = ckbOLEVerwenden.Checked();
  for (int i = 0; i < 4; ++i) {
    formats[i]->SetEnabled(on);
    ToggleExclusion(on, i);
  }
}

// The automation switch for a kind is on: its documents are read, so they
// must not be left out; off: offer to leave them out.
void TWizardEinstellungDlg::ToggleExclusion(bool ticked, int format) {
  if (loading_) return;
  std::vector<std::string> entries = ExclusionEntries(StoreExclusions(meoDateiendungen.Lines()));
  const std::vector<std::string> before = entries;
  tessarel::ToggleExclusion(entries, ticked, kAutomationKinds[format]);
  if (entries != before) meoDateiendungen.SetLines(entries);
}

void TWizardEinstellungDlg::EnableWidth() {
  const bool on = ckbVerwendenBreite.Checked();
  for (platform::Control* c : std::initializer_list<platform::Control*>{&lblMin, &lblMax, &speWortbreiteMin,
                                                                         &speWortbreiteMax})
    c->SetEnabled(on);
}

void TWizardEinstellungDlg::EnableCount() {
  const bool on = ckbVerwendenSchlagworte.Checked();
  lblMaximal.SetEnabled(on);
  speSchlagworte.SetEnabled(on);
}

void TWizardEinstellungDlg::EnableFrame() {
  const bool on = ckbRahmenVerzeichnis.Checked();
  for (platform::Control* c : std::initializer_list<platform::Control*>{
           &lblRahmenLaufwerk, &lblRahmenVerzeichnis, &btnErzeugen, &btnSetzen, &FsDriveComboBox1,
           &FsDirectoryListBox1})
    c->SetEnabled(on);
}

void TWizardEinstellungDlg::btnErzeugenClick() {
  std::string proposal = txt::Load(IDS_NEW_FOLDER_PROPOSAL);
  while (const auto name = desktop::AskWord(txt::Load(IDS_NEW_FOLDER_CAPTION), proposal)) {
    const std::string folder = StoredFolder(FsDirectoryListBox1.Directory()) + "\\" + *name;
    if (CreateDirectoryA(folder.c_str(), nullptr)) {
      FsDirectoryListBox1.SetDirectory(folder);
      return;
    }
    platform::MessageDlg(txt::Load(IDS_FOLDER_NOT_CREATED), platform::MsgDlgType::Warning, platform::mbOK,
                         core::hcNone);
    proposal = *name;
  }
}

void TWizardEinstellungDlg::btnSetzenClick() {
  FsDriveComboBox1.SetDrive(DriveComboBox1.Drive());
  FsDirectoryListBox1.SetDirectory(DirectoryListBox1.Directory());
}

}  // namespace tessarel
