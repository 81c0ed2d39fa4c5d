#pragma once
// A new project: the user picks a search-form template from the program's
// template folder, sees what it says of itself, may preview it, and names
// the project (the template's name is proposed). The name is checked when
// the dialog closes with OK; the caller then creates the project.
#include <functional>
#include <string>
#include <vector>

#include "fsctl/FsListBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/Memo.h"

namespace desktop {

class TprojektNeuDlg : public platform::Form {
 public:
  // programDir: the program's folder with its "\" (templates below it in
  // "vorlage", projects in "projekte"); projectExtension: ".ovk".
  // layouts: Corvanta's layout, then the running program's variant;
  // cancelInWarnings: a warning about the name offers Cancel, which ends the
  // dialog (without, each warning returns to the name).
  TprojektNeuDlg(std::string programDir, std::string projectExtension,
                 std::function<bool(const std::string& page)> openInBrowser,
                 std::vector<std::string> layouts = {"TprojektNeuDlg"}, bool cancelInWarnings = true);

  platform::ListBox& lbxVorlagen;
  platform::Memo& meoBeschreibung;
  platform::Edit& edAutor;
  platform::Edit& edVersion;
  platform::Button& btnVorschau;
  platform::Edit& edProjekt;
  platform::Button& btnok;
  platform::Button& btnAbbrechen;
  platform::Button& btnHilfe;

  std::string GetNewProjectName() const { return edProjekt.Text(); }
  // The template root + "\" + the chosen template.
  std::string GetTemplateFolder() const;

  // Whether the dialog may close with the result (the modal loop asks when
  // a button ends it): false keeps it open. A warning answered with Cancel
  // ends it at once with Cancel.
  bool CanClose(int result);

 private:
  void FormCreate();
  void lbxVorlagenClick();
  void btnVorschauClick();
  void btnHilfeClick();
  std::string SelectedTemplate() const;

  std::string programDir_;
  std::string projectExtension_;
  std::string templateRoot_;
  std::function<bool(const std::string& page)> openInBrowser_;
  bool cancelInWarnings_;
};

}  // namespace desktop
