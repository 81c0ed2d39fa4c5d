#pragma once
// The steps of an index run that the main window's run and the batch run
// share: the checks before it and the generation of the database (the size of
// the database and the copy of the template's files are coregui/SearchFormFiles).
#include <functional>
#include <string>

namespace core {
class PageSource;
class ReviewDialogs;
class THinweisDlg;
class TProjekt;
}  // namespace core

namespace desktop {

// The first check of a run that fails.
enum class RunCheck {
  Passed,
  StopWordList,    // StopwortListeVerwenden, and the list is not in the template folder
  SourceFolder,    // the folder of the pages (where there is one) is no folder
  TargetFolder,    // ZielVerzeichnis is no folder
  TemplateFolder,  // VorlagenVerzeichnis is no folder
};

// The stop-word list is checked always; the folders only while abort is clear
// (a set abort flag lets the run do nothing anyway). A failed check sets abort.
// sourceFolder: the folder of local pages, checked before the target folder.
RunCheck CheckRunSettings(const core::TProjekt& project, bool& abort, const std::string* sourceFolder = nullptr);

// Empties the words and the glossary of the last run and generates the
// database under a progress window with the given caption that counts its
// time from now. dialogs may be null (no review dialogs are opened then);
// silent opens none either. abort tells whether the run was cancelled or
// failed. A run that hands its progress window from step to step passes it
// as window.
void GenerateIndex(core::TProjekt& project, core::PageSource& pages, core::ReviewDialogs* dialogs, bool silent,
                   const std::string& caption, bool& abort, core::THinweisDlg* window = nullptr);

// The automatic optimisation: compact lines on, a run without glossary, one
// with glossary, and a third without when the glossary made the database
// larger (on a tie it stays on). run makes one silent run and answers false
// when it failed or was cancelled; a failure in the first two puts both
// switches back as they were. True when every run made went through.
bool AutoOptimise(core::TProjekt& project, const std::function<bool()>& run);

}  // namespace desktop
