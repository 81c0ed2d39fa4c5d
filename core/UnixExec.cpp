#include "core/UnixExec.h"

#include "platform/base/Process.h"

namespace core {

std::string QuoteArgument(std::string_view argument) {
  std::string out = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count only before a quote: there they are doubled, and the
    // quote itself gets one of its own.
    if (c == '"') out.append(backslashes * 2 + 1, '\\');
    else out.append(backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  // The closing quote must not be taken as escaped.
  out.append(backslashes * 2, '\\');
  out += '"';
  return out;
}

namespace {
std::string StripShellQuotes(const std::string& path) {
  if (path.size() >= 2 && path.front() == '\'' && path.back() == '\'') return path.substr(1, path.size() - 2);
  return path;
}
}  // namespace

std::string UnixCommandLine(const std::string& tool, const std::string& params, const std::string& unixPath) {
  std::string line = tool.find_first_of(" \t\"") == std::string::npos ? tool : QuoteArgument(tool);
  if (!params.empty()) {
    line += ' ';
    line += params;
  }
  line += ' ';
  line += QuoteArgument(StripShellQuotes(unixPath));
  return line;
}

bool StartUnixTool(const std::string& tool, const std::string& params, const std::string& unixPath) {
  return platform::StartProgram(UnixCommandLine(tool, params, unixPath));
}

}  // namespace core
