#pragma once
// The analysis settings dialog: the project's settings on five tabs, written
// back when it closes with anything but Abbrechen. The main window shows it
// in a loop and starts a run after each OK:
//
//   TWizardEinstellungDlg dlg(openInBrowser);
//   while (dlg.Execute(*Projekt()) == platform::mrOk) { ... run ... }
#include <array>
#include <functional>
#include <string>

#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/FsDriveComboBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/Memo.h"
#include "platform/gui/SpinEdit.h"

namespace tessarel {

class TProjekt;

// A local page in the browser; false when it could not be shown.
using OpenPage = std::function<bool(const std::string& page)>;

// Shows a stored folder in a drive list and its tree: "C:" shows "C:\", and
// a folder the tree cannot show is tried once more with a "\" added.
void ShowFolder(fsctl::TFsDriveComboBox& drive, fsctl::TFsDirectoryListBox& tree, const std::string& stored);

class TWizardEinstellungDlg : public platform::Form {
 public:
  explicit TWizardEinstellungDlg(OpenPage openPage);

  // Fills the dialog from the project and shows it until it ends with
  // Abbrechen or passes the closing check; any other end writes back into
  // the project (not into its file). Returns the modal result.
  int Execute(TProjekt& project);

  void FormShow(const TProjekt& project);
  // The check before closing with anything but Abbrechen: different drives
  // for documents and the common frame folder must be meant.
  bool CloseQuery();
  void FormClose(TProjekt& project) const;

  fsctl::TFsDriveComboBox& DriveComboBox1;
  fsctl::TFsDirectoryListBox& DirectoryListBox1;
  platform::CheckBox& ckbHTMLErhalten;
  platform::CheckBox& ckbRahmenVerzeichnis;
  platform::Label& lblRahmenLaufwerk;
  platform::Label& lblRahmenVerzeichnis;
  fsctl::TFsDriveComboBox& FsDriveComboBox1;
  fsctl::TFsDirectoryListBox& FsDirectoryListBox1;
  platform::Button& btnErzeugen;
  platform::Button& btnSetzen;
  platform::Memo& meoDateiendungen;
  platform::CheckBox& ckbOLEVerwenden;
  std::array<platform::CheckBox*, 4> formats;  // PDF, DOC, XLS, PPT
  platform::CheckBox& ckbVerwendenSchlagworte;
  platform::Label& lblMaximal;
  platform::SpinEdit& speSchlagworte;
  platform::CheckBox& ckbVerwendenBreite;
  platform::Label& lblMin;
  platform::SpinEdit& speWortbreiteMin;
  platform::Label& lblMax;
  platform::SpinEdit& speWortbreiteMax;
  platform::Button& btnHilfe;

 private:
  void OLEClick();
  void ToggleExclusion(bool ticked, int format);
  void EnableWidth();
  void EnableCount();
  void EnableFrame();
  void btnErzeugenClick();
  void btnSetzenClick();

  OpenPage openPage_;
  bool loading_ = false;
};

}  // namespace tessarel
