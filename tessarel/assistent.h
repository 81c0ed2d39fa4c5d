#pragma once
// The analysis wizard: five pages shown one after the other (introduction to
// the program, to the wizard, the documents folder, the start of the run and
// its end), and the run that the analysis command and the wizard share.
#include <array>
#include <memory>
#include <string>

#include "tessarel/einstellung.h"

namespace tessarel {

// What one run of the analysis came to.
enum class RunOutcome {
  Cancelled,  // the user closed the progress window, or gave up a file step
  Analysed,   // at least one document was analysed
  Nothing,    // every document was up to date, or there was none
};

// One run over the project's documents folder with its settings; a cancel
// is left in abort.
RunOutcome RunAnalysis(TProjekt& project, bool& abort);
// The summary of an analysed run and, when there were any, the automation
// errors.
void ReportAnalysis(const TProjekt& project);
// The notice of a run that analysed nothing; the user chooses again.
void ReportNothingAnalysed();

// The pages' results besides OK (forward) and Cancel.
inline constexpr int kWizardBack = 6;

class TWizardPage : public platform::Form {
 public:
  TWizardPage(const std::string& layout, std::string helpPage, OpenPage openPage);

  platform::Button& btnHilfe;

 private:
  std::string helpPage_;
  OpenPage openPage_;
};

// Page 3: the documents folder, stored into the project however the page
// closes.
class TWizardQuelleDlg : public TWizardPage {
 public:
  explicit TWizardQuelleDlg(OpenPage openPage);

  int Execute(TProjekt& project);

  fsctl::TFsDriveComboBox& DriveComboBox1;
  fsctl::TFsDirectoryListBox& DirectoryListBox1;
};

// Runs the pages from the first: OK moves on, "&Zurück" back, Abbrechen
// cancels; the fourth page's OK runs the analysis as the analysis command
// does (a drive's root asks first; a run that is cancelled, refused or
// analyses nothing goes back to the documents folder, one that analysed
// something on to the last page, without the summary). Returns
// false when the wizard was cancelled; the caller saves the project
// otherwise.
bool RunWizard(TProjekt& project, OpenPage openPage);

}  // namespace tessarel
