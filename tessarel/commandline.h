#pragma once
// Tessarel's command line: a help switch shows the page of switches; a batch
// switch runs the analysis of a parameter file (a project file below the
// folder "projekte" beside the program) once, without the main window, and
// writes the automation errors of the run to a ".ERR" file beside it.
//
// Exit codes of a batch run (coregui/CommandLine.h): kExitOk normal end;
// kExitMissingParameterFile the parameter file does not exist; kExitFailed
// the analysis could not be set up, was cancelled or failed.
#include <optional>
#include <string>
#include <vector>

#include "coregui/CommandLine.h"

namespace tessarel {

// Tessarel's parameter files: "projekte", "auto.tzn", ".tzn".
core::ParameterFileNames TessarelParameterFiles();

// Handles the first help or batch switch (core::ParseCommandLine). Nothing
// (std::nullopt) when there is none and the interactive program starts;
// otherwise the exit code. A parameter file that does not exist ends with
// core::kExitMissingParameterFile, the default "auto.tzn" too: a batch run never walks a drive with the
// defaults.
std::optional<int> HandleCommandLine(const std::vector<std::string>& params);

// The batch run on an existing parameter file; returns the exit code.
int RunBatch(const std::string& path);

}  // namespace tessarel
