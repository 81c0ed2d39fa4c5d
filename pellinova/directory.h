#pragma once
// The page selection of "Editieren": which local files the project indexes.
// The user picks the source folder and the target folder in two folder
// trees, edits the extensions, and fills two lists by searching the source
// folder: the selected files and the further matching ones; entries move
// between the two. OK writes the folders and extensions into the project and
// merges the selected list into its pages (not saved); "Einstellungen" writes
// them at once.
#include <string>

#include "desktop/PageSelection.h"
#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/FsDriveComboBox.h"
#include "fsctl/FsListBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/TabSheet.h"

namespace pellinova {

class TProjekt;

class TDirectoryDlg : public platform::Form {
 public:
  // services.viewPage gets the full path of a file.
  TDirectoryDlg(TProjekt& project, desktop::PageSelectionServices services);

  fsctl::TFsDriveComboBox& DriveComboBox1;
  fsctl::TFsDirectoryListBox& DirectoryListBox1;
  platform::Button& BitBtn2;
  fsctl::TFsDriveComboBox& DriveComboBox2;
  fsctl::TFsDirectoryListBox& DirectoryListBox2;
  platform::Button& BitBtn1;
  platform::Edit& edDateiendungen;
  platform::Label& lblAnzahlAusgewaehlt;
  platform::PageControl& pgcDateien;
  platform::TabSheet& tabHTML;
  fsctl::TFsListBox& lbxHTMLDateien;
  platform::Button& btnEinlesen;
  platform::Button& btnAnsehen;
  platform::Button& btnLoeschen;
  platform::TabSheet& tabVerzeichnis;
  fsctl::TFsListBox& lbxVerzeichnisDateien;
  platform::Button& btnAuswaehlenVerzeichnis;
  platform::Button& btnAnsehenVerzeichnis;
  platform::Button& btnEinlesenVerzeichnis;
  platform::Button& BitBtn3;
  platform::Button& btnok;
  platform::Button& btnAbbrechen;
  platform::Button& btnHilfe;

  // Shows the dialog on the project as it is now; the modal result.
  int Execute();
  // Whether the dialog may close with the result: the drive question.
  bool CanClose(int result);

  void FormShow();
  void btnEinlesenClick() { Search(true); }
  void btnEinlesenVerzeichnisClick() { Search(false); }
  void btnLoeschenClick();
  void btnAuswaehlenVerzeichnisClick();
  void FormClose();

 private:
  // One side of the dialog: a list and the two buttons that need an entry.
  struct Side {
    fsctl::TFsListBox& list;
    platform::Button& move;
    platform::Button& view;
  };
  Side Selected() { return {lbxHTMLDateien, btnLoeschen, btnAnsehen}; }
  Side Others() { return {lbxVerzeichnisDateien, btnAuswaehlenVerzeichnis, btnAnsehenVerzeichnis}; }

  void Search(bool intoSelected);
  void Move(Side from, Side to);
  void View(fsctl::TFsListBox& list);
  void SourceFolderChanged();
  void FillFromProject();
  void BitBtn3Click();
  void StorePageSelectionFields();
  void ShowCount();
  static void Enable(Side side, bool on);
  std::string SourceFolder() const;

  TProjekt& project_;
  desktop::PageSelectionServices services_;
};

}  // namespace pellinova
