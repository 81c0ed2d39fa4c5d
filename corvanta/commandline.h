#pragma once
// Corvanta's command line: a help switch shows the page of switches; a batch
// switch runs a parameter file (a project file below the folder "projekte"
// beside the program) without the main window: the site is walked, its
// pages merged into the project, the database and the search form's files
// generated, and the project saved.
#include <optional>
#include <string>
#include <vector>

#include "coregui/CommandLine.h"
#include "net/UHTTP.h"

namespace core {
class ReviewDialogs;
class THinweisDlg;
class TProjekt;
}  // namespace core

namespace corvanta {

// What a batch run takes from the running program.
struct BatchEnvironment {
  net::TProxySettings proxy;               // the settings' proxy
  core::ReviewDialogs* dialogs = nullptr;  // the review dialogs a run opens; none without
  // The folder that holds "projekte", with a trailing "\"; empty: the
  // program's own folder.
  std::string programDir;
};

// Corvanta's parameter files: "projekte", ".ovk", "auto.ovk".
core::ParameterFileNames ParameterFiles();

// Handles the first help or batch switch. Nothing (std::nullopt) when there
// is none and the interactive program starts; otherwise the exit code with
// which the process ends. A named parameter file that does not exist is
// reported and gives core::kExitMissingParameterFile.
std::optional<int> HandleCommandLine(const std::vector<std::string>& params, const BatchEnvironment& env);

// The batch run on a parameter file; returns the exit code: core::kExitOk when
// done or when the walk or the copy step was cancelled, core::kExitFailed when
// the file does not load, a check fails, no page is found or the analysis is
// cancelled.
int RunBatch(const std::string& path, const BatchEnvironment& env);

// The index part of a batch run: the checks, the generation, the database's
// size and the copy of the remaining template files. core::kExitFailed when a
// check failed or the generation was cancelled; otherwise core::kExitOk, with
// abort set when the copy step was cancelled (or was set before, and then
// nothing but the stop-word check is done). Pages kept in fetched are taken
// from there. The generation and the copy show their progress in window when
// given.
int BatchIndex(core::TProjekt& project, bool silent, bool& abort, const BatchEnvironment& env,
               net::TPageBodies* fetched = nullptr, core::THinweisDlg* window = nullptr);

}  // namespace corvanta
