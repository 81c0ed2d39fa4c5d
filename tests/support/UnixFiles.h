#pragma once
// Files that no Windows program can create or remove: names with characters
// that Windows reserves or outside the ANSI code page, paths beyond MAX_PATH.
// A shell makes them under Wine, and removes them again with the object.
// Paths are relative to the folder, "/" between their parts, in UTF-8.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WineUnixName.h"
#include "platform/base/Files.h"
#include "platform/base/Process.h"

class UnixFiles {
 public:
  UnixFiles(const std::string& folder, std::vector<std::string> paths)
      : folder_(folder), unixFolder_(WineUnixName(folder)), paths_(std::move(paths)) {
    std::string script;
    for (const std::string& path : paths_)
      script += "mkdir -p \"$(dirname " + Quoted(path) + ")\" && printf x > " + Quoted(path) + "\n";
    made_ = Shell(script);
  }
  ~UnixFiles() {
    std::string script;
    for (const std::string& path : paths_) script += "rm -rf " + Quoted(path.substr(0, path.find('/'))) + "\n";
    Shell(script);
  }
  UnixFiles(const UnixFiles&) = delete;
  UnixFiles& operator=(const UnixFiles&) = delete;

  // False outside Wine, or when the shell did not finish in time.
  bool Made() const { return made_; }

 private:
  static std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
  }
  // Runs the lines in the folder and waits until they are done.
  bool Shell(const std::string& lines) {
    if (unixFolder_.empty()) return false;
    const std::string script = folder_ + "\\unixfiles.sh";
    const std::string done = folder_ + "\\unixfiles.done";
    platform::WriteFileBytes(script, "cd " + Quoted(unixFolder_) + " || exit 1\n" + lines + ": > unixfiles.done\n");
    // The temp folder's Unix path holds no double quote.
    bool finished = platform::StartProgram("/bin/sh \"" + WineUnixName(script) + "\"");
    for (int i = 0; finished && i < 600 && !platform::FileExists(done); ++i) Sleep(50);
    finished = finished && platform::FileExists(done);
    DeleteFileA(done.c_str());
    DeleteFileA(script.c_str());
    return finished;
  }

  std::string folder_, unixFolder_;
  std::vector<std::string> paths_;
  bool made_ = false;
};
