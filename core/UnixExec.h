#pragma once
// Starting a Unix program (browser, editor) from a program under Wine.
//
// Wine splits the command line of a Unix program into its arguments by the
// Windows rules (blanks, double quotes, backslashes) and runs it directly, no
// shell in between. The single quotes that ToUnixPath puts around a path are
// what a shell would remove; here they would reach the tool and a blank in
// the path would split it. So the path is passed as one argument in Windows
// quoting, which nothing can break out of.
#include <string>
#include <string_view>

namespace core {

// One argument in Windows command-line quoting: it comes back whole and
// unchanged, whatever blanks, quotes or backslashes it holds.
std::string QuoteArgument(std::string_view argument);

// The command line that starts tool on a file: the tool (quoted when it holds
// blanks), the parameters from the settings as the user wrote them, and the
// path as one argument. unixPath is ToUnixPath's result; its enclosing single
// quotes are removed.
std::string UnixCommandLine(const std::string& tool, const std::string& params, const std::string& unixPath);

// Starts the tool in a normal window without waiting for it. False when the
// system could not start it.
bool StartUnixTool(const std::string& tool, const std::string& params, const std::string& unixPath);

}  // namespace core
