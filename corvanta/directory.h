#pragma once
// The page selection of "Editieren": the site's address, login and page
// extensions, the list of pages to index (read in by walking the site, then
// thinned out by the user) and the target folder. OK writes the fields into
// the project and merges the list into its pages: a page that stays keeps
// all it has, pages no longer listed go, new addresses become new pages.
// "Einlesen" and "Einstellungen" write the site fields at once.
#include <functional>
#include <string>

#include "desktop/PageSelection.h"
#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/FsDriveComboBox.h"
#include "fsctl/FsListBox.h"
#include "net/UHTTP.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace core {
class TProjekt;
}

namespace corvanta {

class TDirectoryDlg : public platform::Form {
 public:
  TDirectoryDlg(core::TProjekt& project, net::TProxySettings proxy, desktop::PageSelectionServices services);

  platform::Edit& edWebsite;
  platform::Edit& edBenutzername;
  platform::Edit& edPasswort;
  platform::Edit& edDateiendungen;
  platform::Button& btnEinlesen;
  fsctl::TFsListBox& lbxHTMLDateien;
  platform::Label& lblAnzahlAusgewaehlt;
  platform::Button& btnAnsehen;
  platform::Button& btnLoeschen;
  fsctl::TFsDriveComboBox& DriveComboBox2;
  fsctl::TFsDirectoryListBox& DirectoryListBox2;
  platform::Button& BitBtn1;
  platform::Button& BitBtn3;
  platform::Button& btnok;
  platform::Button& btnAbbrechen;
  platform::Button& btnHilfe;

  // Shows the dialog on the project as it is now; after OK the fields and
  // the page list are in the project (not saved). The modal result.
  int Execute();
  // Whether the dialog may close with the result (the modal loop asks when
  // a button ends it): OK needs a site address.
  bool CanClose(int result);
  // Empties the list and its count (the caller does so before the first
  // showing).
  void ClearList();

  void btnEinlesenClick();
  void btnLoeschenClick();

 private:
  void FormShow();
  void edWebsiteExit();
  void btnAnsehenClick();
  void BitBtn1Click();
  void BitBtn3Click();
  void btnHilfeClick();
  void StorePageSelectionFields();
  void MergePageList();
  void ShowCount();
  void EnableEntryButtons(bool on);

  core::TProjekt& project_;
  net::TProxySettings proxy_;
  desktop::PageSelectionServices services_;
  // The first read-in switches the list's sorting off for good: the walk's
  // result comes sorted, and later showings list the pages in page order.
  bool keepOrder_ = false;
};

}  // namespace corvanta
