#pragma once
// The Unix text extraction tools behind our stand-in automation servers.
//
// Under Wine a Unix program starts from its Unix path, but the start gives no
// process handle and no pipes. So a small shell line runs the tool with its
// output and error output sent to files in a work folder of its own, and
// writes the tool's exit code last, under a name that appears only when it is
// complete. The caller waits for that file with the message queue pumped.
#include <string>
#include <vector>

namespace tessarel::standin {

// The Unix path of an installed tool ("" when it is not there, or outside
// Wine). Looks in the usual program folders.
std::string FindTool(const std::string& name);

// The Unix name of a Windows path, as code page 1252 text for a command line
// ("" outside Wine).
std::string UnixName(const std::string& windowsPath);

struct ToolResult {
  int exitCode = -1;
  std::string output;  // standard output, as the tool wrote it (UTF-8)
  std::string errors;  // error output
};

// Runs tool (a Unix path) with the arguments before, the document (a Windows
// path, given to the tool by its Unix name) and the arguments after.
// Waits at most timeoutSeconds, pumping messages; when the progress window
// is hidden meanwhile, ends the tool and throws EAutomationCancelled. Throws
// EAutomation when the tool cannot be started or does not finish in time.
ToolResult RunTool(const std::string& tool, const std::vector<std::string>& before, const std::string& document,
                   const std::vector<std::string>& after, int timeoutSeconds);

// How long a stand-in waits for its tool: far longer than any document of
// sense takes, short enough that a tool that hangs does not stop a batch run
// for good.
constexpr int kToolTimeoutSeconds = 120;

// The message of a tool that ended with an error: its name, exit code and the
// first line of its error output.
std::string ToolFailure(const std::string& tool, const ToolResult& result);

// Text as an application copies it to the clipboard: UTF-8 turned into code
// page 1252 (characters it lacks become "?"), line ends CR LF, page breaks
// (form feeds) as line ends.
std::string ClipboardFromUtf8(const std::string& utf8);

}  // namespace tessarel::standin
