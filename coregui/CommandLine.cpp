#include "coregui/CommandLine.h"

#include <windows.h>

#include <algorithm>

namespace core {

namespace {

// The switches are ASCII: upper-casing in the locale could only ever turn a
// non-ASCII parameter into something that still matches none of them.
std::string AsciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

template <size_t N>
bool OneOf(std::string_view param, const char* const (&switches)[N]) {
  const std::string upper = AsciiUpper(param);
  return std::any_of(std::begin(switches), std::end(switches), [&](const char* s) { return upper == s; });
}

// The extension starts at the last "." behind the last "\" or ":".
bool HasExtension(const std::string& name) {
  const size_t dot = name.find_last_of(".\\:");
  return dot != std::string::npos && name[dot] == '.';
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> params;
  size_t i = 0;
  const size_t n = commandLine.size();
  for (;;) {
    while (i < n && static_cast<unsigned char>(commandLine[i]) <= ' ') ++i;
    if (i >= n) break;
    std::string param;
    bool quoted = false;
    while (i < n && (quoted || static_cast<unsigned char>(commandLine[i]) > ' ')) {
      if (commandLine[i] == '"') quoted = !quoted;
      else param += commandLine[i];
      ++i;
    }
    params.push_back(std::move(param));
  }
  if (!params.empty()) params.erase(params.begin());
  return params;
}

std::vector<std::string> CommandLineParams() { return SplitCommandLine(GetCommandLineA()); }

bool IsHelpSwitch(std::string_view param) {
  static constexpr const char* kHelp[] = {"?", "/?", "-?", "-HELP", "/HELP", "-H", "/H"};
  return OneOf(param, kHelp);
}

bool IsBatchSwitch(std::string_view param) {
  static constexpr const char* kBatch[] = {"/B", "-B", "/BATCH", "-BATCH"};
  return OneOf(param, kBatch);
}

std::string ProgramDirectory() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of("\\:");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ParameterFilePath(const std::string& programDir, const std::string& name,
                              const ParameterFileNames& names) {
  std::string file = name;
  if (!HasExtension(file)) file += names.extension;
  return programDir + names.projectFolder + "\\" + file;
}

bool StartsInteractive(const std::vector<std::string>& params) {
  return std::none_of(params.begin(), params.end(),
                       [](const std::string& p) { return IsHelpSwitch(p) || IsBatchSwitch(p); });
}

CommandLineChoice ParseCommandLine(const std::vector<std::string>& params, const std::string& programDir,
                                   const ParameterFileNames& names) {
  CommandLineChoice choice;
  for (size_t i = 0; i < params.size(); ++i) {
    if (IsHelpSwitch(params[i])) {
      choice.action = CommandAction::Help;
      return choice;
    }
    if (!IsBatchSwitch(params[i])) continue;
    choice.action = CommandAction::Batch;
    choice.nameGiven = i + 1 < params.size();
    choice.parameterFile =
        ParameterFilePath(programDir, choice.nameGiven ? params[i + 1] : names.defaultName, names);
    return choice;
  }
  return choice;
}

}  // namespace core
