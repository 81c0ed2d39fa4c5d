#pragma once
// Pellinova's command line: a help switch shows the page of switches; a batch
// switch runs a parameter file (a project file in the folder "projekte"
// beside the program) once without the main window: the source folder is
// searched for the project's files, the pages merged, the database generated,
// the search form's other files copied and the project saved.
//
// Exit codes of a batch run (coregui/CommandLine.h): kExitOk normal end, or
// the search or the copy was cancelled (the project is then not saved);
// kExitMissingParameterFile the parameter file named does not exist;
// kExitFailed the project could not be loaded, names no usable source or
// target folder, a check before the analysis failed, or the analysis was
// cancelled or failed.
#include <optional>
#include <string>
#include <vector>


namespace core {
class ReviewDialogs;
class THinweisDlg;
class TIni;
}  // namespace core

namespace pellinova {

class TProjekt;

// Handles the first help or batch switch. Nothing (std::nullopt) when there
// is none and the interactive program starts; otherwise the exit code. The
// batch run opens the review dialogs as its project asks (none without).
std::optional<int> HandleCommandLine(const std::vector<std::string>& params, const core::TIni& settings,
                                     core::ReviewDialogs* dialogs = nullptr);

// The batch run on a parameter file; returns the exit code.
int RunBatch(const std::string& path, const core::TIni& settings, core::ReviewDialogs* dialogs = nullptr);

// The generation of a run under its progress window: the words of the last
// run emptied, the database (or the XML export) written from the local pages.
// abort tells whether it was cancelled or failed. A run that hands its
// progress window from step to step passes it as window.
void GenerateLocalIndex(TProjekt& project, core::ReviewDialogs* dialogs, bool silent, const core::TIni& settings,
                        bool& abort, core::THinweisDlg* window = nullptr);

// The index part of a batch run on a loaded project: the checks, the run and
// the copy of the template's files. Returns 2 when a check failed or the
// analysis did not complete; 0 otherwise, abort then telling whether the
// copy (or the search before) was cancelled.
int BatchIndex(TProjekt& project, bool silent, bool& abort, const core::TIni& settings,
               core::ReviewDialogs* dialogs = nullptr, core::THinweisDlg* window = nullptr);

}  // namespace pellinova
