#include "tessarel/StandInTool.h"

#include <windows.h>

#include <atomic>

#include "core/Texts.h"
#include "core/UnixExec.h"
#include "coregui/hinweis.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "tessarel/Automation.h"
#include "tessarel/ReaderTexts.h"

namespace tessarel::standin {

namespace {

// The shell that runs every tool: its Unix path never changes.
constexpr const char* kShell = "/bin/sh";

// The work folder comes last (StartUnixTool puts its path argument at the
// end); it is taken off, and the tool runs with the arguments before it. It
// runs in the background so that its process id can be written for a cancel,
// and in a process group of its own, so that a cancel also ends whatever the
// tool started. Then the exit code is written. Each file appears under its
// final name only when complete (mv).
constexpr const char* kRunScript =
    "t=$1; shift; n=$#; for w; do :; done; "
    "i=0; for a; do i=$((i+1)); if [ $i -lt $n ]; then set -- \"$@\" \"$a\"; fi; done; shift $n; "
    "g=; command -v setsid >/dev/null 2>&1 && g=\"setsid -w\"; "
    "$g \"$t\" \"$@\" >\"$w/out\" 2>\"$w/err\" </dev/null & p=$!; "
    "echo $p >\"$w/pid.part\"; mv \"$w/pid.part\" \"$w/pid\"; "
    "wait $p; echo $? >\"$w/rc.part\"; mv \"$w/rc.part\" \"$w/rc\"";

// The tool's process group when it has one, else the tool alone.
constexpr const char* kKillScript = "kill -TERM \"-$1\" 2>/dev/null || kill -TERM \"$1\" 2>/dev/null";

template <class Fn>
Fn WineFunction(const char* name) {
  // Through void (*)() the cast to any function type draws no warning.
  return reinterpret_cast<Fn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

std::wstring WideFrom(UINT codePage, const std::string& s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string AnsiFrom(const std::wstring& w) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(1252, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(1252, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

// The progress window that was showing when the wait began: its hiding is
// the user's cancel. A window nobody showed cancels nothing.
class CancelWatch {
 public:
  CancelWatch() : dlg_(core::HinweisDlg()), watching_(dlg_ && dlg_->Visible()) {}
  bool Cancelled() const { return watching_ && core::HinweisDlg() == dlg_ && !dlg_->Visible(); }

 private:
  core::THinweisDlg* dlg_;
  bool watching_;
};

// A folder of its own for one run, removed with what the run left in it.
class WorkFolder {
 public:
  WorkFolder() {
    static std::atomic<unsigned> counter{0};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "quarvelin-standin-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~WorkFolder() {
    for (const char* name : {"out", "err", "pid", "pid.part", "rc", "rc.part"}) DeleteFileA(File(name).c_str());
    RemoveDirectoryA(path_.c_str());
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  std::string File(const char* name) const { return path_ + name; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

std::string ReadOrEmpty(const std::string& path) {
  try {
    return platform::ReadFileBytes(path);
  } catch (const std::exception&) {
    return {};
  }
}

std::string FirstLine(const std::string& text) {
  const size_t end = text.find_first_of("\r\n");
  std::string line = text.substr(0, end);
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string BaseName(const std::string& unixPath) {
  const size_t slash = unixPath.rfind('/');
  return slash == std::string::npos ? unixPath : unixPath.substr(slash + 1);
}

// Ends the tool whose process id the run wrote, and gives the shell a moment
// to write its exit code, so that nothing is left writing into the folder. A
// cancel may come before the shell has even written the id: wait for it.
void EndTool(const WorkFolder& work) {
  auto waitFor = [&](const char* name, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!platform::FileExists(work.File(name)) && !platform::FileExists(work.File("rc")) &&
           GetTickCount() - start < ms)
      Sleep(20);
  };
  waitFor("pid", 3000);
  const std::string pid = FirstLine(ReadOrEmpty(work.File("pid")));
  if (pid.empty() || platform::FileExists(work.File("rc"))) return;
  core::StartUnixTool(kShell, "-c " + core::QuoteArgument(kKillScript) + " sh", pid);
  waitFor("rc", 2000);
}

}  // namespace

std::string UnixName(const std::string& windowsPath) {
  using Fn = char*(CDECL*)(const WCHAR*);
  static const Fn toUnix = WineFunction<Fn>("wine_get_unix_file_name");
  if (!toUnix || windowsPath.empty()) return {};
  char full[MAX_PATH * 2];
  const DWORD n = GetFullPathNameA(windowsPath.c_str(), sizeof full, full, nullptr);
  const std::wstring wide = WideFrom(1252, n && n < sizeof full ? std::string(full, n) : windowsPath);
  char* unix = toUnix(wide.c_str());
  if (!unix) return {};
  // Wine names Unix files in UTF-8; our command lines are code page 1252,
  // which Wine turns back into UTF-8 for the Unix program.
  std::string result = AnsiFrom(WideFrom(CP_UTF8, unix));
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

std::string FindTool(const std::string& name) {
  using Fn = WCHAR*(CDECL*)(const char*);
  static const Fn toDos = WineFunction<Fn>("wine_get_dos_file_name");
  if (!toDos) return {};
  for (const char* folder : {"/usr/bin/", "/usr/local/bin/", "/bin/"}) {
    const std::string unixPath = std::string(folder) + name;
    WCHAR* dos = toDos(unixPath.c_str());
    if (!dos) continue;
    const DWORD attributes = GetFileAttributesW(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return unixPath;
  }
  return {};
}

ToolResult RunTool(const std::string& tool, const std::vector<std::string>& before, const std::string& document,
                   const std::vector<std::string>& after, int timeoutSeconds) {
  const std::string toolName = BaseName(tool);
  WorkFolder work;
  const std::string workUnix = UnixName(work.Path());
  const std::string documentUnix = UnixName(document);
  if (workUnix.empty() || documentUnix.empty())
    throw EAutomation(core::FormatStr(core::LoadStr(readertexts::ToolNotStarted), {toolName}));

  std::string params = "-c " + core::QuoteArgument(kRunScript) + " sh";
  auto add = [&params](const std::string& argument) {
    params += ' ';
    params += core::QuoteArgument(argument);
  };
  add(tool);
  for (const std::string& a : before) add(a);
  add(documentUnix);
  for (const std::string& a : after) add(a);
  if (!core::StartUnixTool(kShell, params, workUnix))
    throw EAutomation(core::FormatStr(core::LoadStr(readertexts::ToolNotStarted), {toolName}));

  const std::string rcFile = work.File("rc");
  const CancelWatch cancel;
  const DWORD start = GetTickCount();
  while (!platform::FileExists(rcFile)) {
    platform::App().ProcessMessages();
    if (cancel.Cancelled()) {
      EndTool(work);
      throw EAutomationCancelled(core::LoadStr(readertexts::ToolCancelled));
    }
    if (GetTickCount() - start > static_cast<DWORD>(timeoutSeconds) * 1000) {
      EndTool(work);
      throw EAutomation(core::FormatStr(core::LoadStr(readertexts::ToolTimeout),
                                        {toolName, std::to_string(timeoutSeconds)}));
    }
    // Sleep until a message arrives or a short while has passed, so the wait
    // neither spins nor makes the window sluggish.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 15, QS_ALLINPUT);
  }

  ToolResult result;
  const std::string code = FirstLine(ReadOrEmpty(rcFile));
  result.exitCode = code.empty() ? -1 : std::atoi(code.c_str());
  result.output = platform::ReadFileBytes(work.File("out"));
  result.errors = ReadOrEmpty(work.File("err"));
  return result;
}

std::string ToolFailure(const std::string& tool, const ToolResult& result) {
  return core::FormatStr(core::LoadStr(readertexts::ToolFailed),
                         {BaseName(tool), std::to_string(result.exitCode), FirstLine(result.errors)});
}

std::string ClipboardFromUtf8(const std::string& utf8) {
  std::wstring in = WideFrom(CP_UTF8, utf8);
  std::wstring out;
  out.reserve(in.size() + in.size() / 16);
  for (size_t i = 0; i < in.size(); ++i) {
    const wchar_t c = in[i];
    if (c == L'\n') {
      if (i == 0 || in[i - 1] != L'\r') out += L'\r';
      out += L'\n';
    } else if (c == L'\f') {
      out += L"\r\n";
    } else if (c == L'\0') {
      out += L' ';  // the clipboard text ends at the first zero
    } else if (c != 0xFEFF) {
      out += c;
    }
  }
  return AnsiFrom(out);
}

}  // namespace tessarel::standin
