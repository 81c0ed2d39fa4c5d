#pragma once
// Starting a program, Windows or (under Wine) Unix alike, the way WinExec
// does: a command line, a normal window, no waiting.
#include <string>

namespace platform {

// False when the system could not start it.
bool StartProgram(std::string commandLine);

}  // namespace platform
