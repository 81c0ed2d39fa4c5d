#pragma once
// The command line the three programs share: a help switch shows the page of
// switches, a batch switch runs one parameter file (a project file) without
// the main window. The parameter file always lies in the folder of projects
// beside the program; a name given with a folder or a drive is put below it
// as it stands. The programs differ only in their project extension and
// default name, which they pass in from their own string tables.
#include <string>
#include <string_view>
#include <vector>

namespace core {

// What a program calls its parameter files.
struct ParameterFileNames {
  std::string projectFolder;  // "projekte"
  std::string defaultName;    // "auto.ovk": used when the batch switch stands alone
  std::string extension;      // ".ovk": added to a name without extension
};

// The exit codes of a batch run; the help page ends with kExitOk, and a
// program that fails outside a run ends with kExitFailed.
constexpr int kExitOk = 0;                     // done, or cancelled where a program counts that as done
constexpr int kExitMissingParameterFile = 1;  // the parameter file named does not exist
constexpr int kExitFailed = 2;                // the run failed

enum class CommandAction {
  Interactive,  // no help or batch switch: the main window starts
  Help,         // show the page of switches
  Batch,        // run parameterFile
};

struct CommandLineChoice {
  CommandAction action = CommandAction::Interactive;
  // Batch: the full path of the parameter file.
  std::string parameterFile;
  // Batch: a name followed the switch. Such a file must exist before the run
  // starts; the default file is left to the project load.
  bool nameGiven = false;
};

// The parameters of a command line, the program itself left out: split at
// blanks and control characters outside double quotes, the quotes removed.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);
// The parameters of the running program's command line.
std::vector<std::string> CommandLineParams();

// "?", "/?", "-?", "/H", "-H", "/HELP", "-HELP", in any case.
bool IsHelpSwitch(std::string_view param);
// "/B", "-B", "/BATCH", "-BATCH", in any case.
bool IsBatchSwitch(std::string_view param);

// The folder of the running program, with a trailing "\".
std::string ProgramDirectory();

// programDir (with its trailing "\") + projectFolder + "\" + name, with the
// extension added when the name has none.
std::string ParameterFilePath(const std::string& programDir, const std::string& name,
                              const ParameterFileNames& names);

// Neither a help nor a batch switch: the main window starts.
bool StartsInteractive(const std::vector<std::string>& params);

// Walks the parameters from the first and stops at the first help or batch
// switch; every other parameter is ignored. The parameter after a batch
// switch is the file name, whatever it holds (also a switch).
CommandLineChoice ParseCommandLine(const std::vector<std::string>& params, const std::string& programDir,
                                   const ParameterFileNames& names);

}  // namespace core
