#pragma once
// The seven pages of the search-form wizard. The driver creates them
// together, shows them in a chain by their modal results (OK: next, "Start"
// or "Fertig"; Cancel; Yes: back; Retry: test, on the last page) and frees
// them together. The name page only checks its name; the target page writes
// the project on every closing, whatever the result. The source page is each
// program's own (TWizardQuelleDlg).
#include <functional>
#include <string>

#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/FsDriveComboBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/Memo.h"

namespace core {
class TProjekt;
}

namespace desktop {

// What the pages need of the main window.
struct WizardServices {
  // The open project; nullptr when none is open.
  std::function<core::TProjekt*()> project;
  // A local page (with "#" and an anchor) in the browser.
  std::function<bool(const std::string& page)> openInBrowser;
  // The running program's variant of each page's layout, added to the
  // page's name ("Pellinova"); empty for Corvanta's.
  std::string layoutVariant;
};

// What all pages have: the explanation, the instruction, the help button.
class TWizardPage : public platform::Form {
 public:
  TWizardPage(const std::string& layout, const char* helpPage, WizardServices services);

  platform::Memo& meoAufgabe;
  platform::Memo& meoTun;
  platform::Button& btnHilfe;

  // Shows the page modally; whatever the result, the page then writes what
  // it writes into the project.
  int Execute();
  // Whether the page may close with the result (the modal loop asks when a
  // button ends the page); false keeps it open.
  bool CanClose(int result) { return FormCloseQuery(result); }

 protected:
  core::TProjekt* Project() const { return services_.project ? services_.project() : nullptr; }
  // May veto a close; the default lets every close pass.
  virtual bool FormCloseQuery(int /*result*/) { return true; }
  // Runs after every closing.
  virtual void FormClose() {}

 private:
  void btnHilfeClick();

  const char* helpPage_;
  WizardServices services_;
};

class TWizardIntroProgrammDlg : public TWizardPage {
 public:
  explicit TWizardIntroProgrammDlg(WizardServices services);
};

class TWizardIntroDlg : public TWizardPage {
 public:
  explicit TWizardIntroDlg(WizardServices services);
};

class TWizardProjektDlg : public TWizardPage {
 public:
  explicit TWizardProjektDlg(WizardServices services);
  platform::Edit& edProjektName;

  // The name the driver opens or creates.
  std::string ProjectName() const { return edProjektName.Text(); }

 private:
  void FormShow();
  bool FormCloseQuery(int result) override;
};

class TWizardZielDlg : public TWizardPage {
 public:
  explicit TWizardZielDlg(WizardServices services);
  fsctl::TFsDriveComboBox& DriveComboBox1;
  fsctl::TFsDirectoryListBox& DirectoryListBox1;
  platform::Label& lblPfad;
  platform::Button& BitBtn3;

 private:
  void FormShow();
  void BitBtn3Click();
  void FormClose() override;
};

class TWizardAnalyseDlg : public TWizardPage {
 public:
  explicit TWizardAnalyseDlg(WizardServices services);
};

class TWizardFertigDlg : public TWizardPage {
 public:
  explicit TWizardFertigDlg(WizardServices services);
};

}  // namespace desktop
