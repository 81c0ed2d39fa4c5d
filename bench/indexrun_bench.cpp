// Benchmark of the index run: a synthetic project of 10,000 pages of about
// 8 KB of German-like HTML each (from a fixed seed) is indexed silently from
// memory, once without and once with the glossary, and the time of merely
// reading and tokenising the same pages is measured beside it.
//
//   indexrun_bench [pages]            runs every mode, each in its own process
//   indexrun_bench --mode=M [pages]   one mode: tokenize, plain, glossary
//
// Each mode reports pages per second, MB of page text per second and the
// process's peak memory.
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/PageSource.h"
#include "core/Schlagworte.h"
#include "core/Texts.h"
#include "core/scanner.h"
#include "coregui/hinweis.h"
#include "coregui/indexErzeugen.h"
#include "coregui/projektVerwaltung.h"
#include "corvanta/Texts.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "tests/support/SyntheticSite.h"

namespace {

constexpr std::uint64_t kSeed = 0x5EED2024;

struct Project {
  std::string folder;
  std::string projectFile;
  std::vector<std::string> urls;
  std::size_t textBytes = 0;
  core::MemoryPageSource pages;
};

std::string TempFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "qv_bench_" + std::to_string(GetCurrentProcessId());
}

void MakeProject(Project& project, int pageCount, bool glossary) {
  sitegen::Random random(kSeed);
  const std::vector<std::string> vocabulary = sitegen::Vocabulary(random, 30000);
  project.folder = TempFolder();
  const std::string templateDir = project.folder + "\\vorlage";
  const std::string targetDir = project.folder + "\\ziel";
  platform::ForceDirectories(templateDir);
  platform::ForceDirectories(targetDir);
  platform::WriteFileBytes(templateDir + "\\suche.js",
                           "// Suchformular\r\n// Pellinova: Konstanten\r\n// Pellinova: Glossar\r\n"
                           "// Pellinova: Array\r\nfunction suche() { return index_max; }\r\n");
  std::string stopWords;
  for (const std::string& word : sitegen::StopWords()) stopWords += word + "\r\n";
  platform::WriteFileBytes(templateDir + "\\stopwort.lst", stopWords);

  std::string ini = "[Einstellungen]\r\nAnzahlEintraege=" + std::to_string(pageCount) +
                    "\r\nVorlagenVerzeichnis=" + templateDir + "\r\nZielVerzeichnis=" + targetDir +
                    "\r\nStopwortListeVerwenden=1\r\nKeywordsModus=1\r\nGlossarModus=" + (glossary ? "1" : "0") +
                    "\r\n[Dateien]\r\n";
  for (int i = 0; i < pageCount; ++i) {
    const std::string url = "http://www.example.test/bereich" + std::to_string(i % 50) + "/seite" +
                            std::to_string(i) + ".htm";
    std::string text = sitegen::Page(
        random, vocabulary,
        {.number = i, .textLink = [](sitegen::Random& r) { return "seite" + std::to_string(r.Below(10000)) + ".htm"; }});
    project.textBytes += text.size();
    project.pages.Put(url, std::move(text));
    project.urls.push_back(url);
    ini += std::to_string(i + 1) + "=" + url + "\r\n";
  }
  project.projectFile = project.folder + "\\bench.ovk";
  platform::WriteFileBytes(project.projectFile, ini);
}

void RemoveFolder(const std::string& dir) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(dir + "\\" + name);
      } else {
        DeleteFileA((dir + "\\" + name).c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(dir.c_str());
}

double Seconds() {
  LARGE_INTEGER counter;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Report(const char* mode, int pages, std::size_t bytes, double seconds, const std::string& extra) {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("%-9s %6d pages %7.1f MB  %7.2f s  %8.0f pages/s  %6.2f MB/s  peak %6.1f MB%s\n", mode, pages,
              static_cast<double>(bytes) / 1e6, seconds, pages / seconds, static_cast<double>(bytes) / 1e6 / seconds,
              static_cast<double>(memory.PeakWorkingSetSize) / 1e6, extra.c_str());
  std::fflush(stdout);
}

int RunMode(const std::string& mode, int pageCount) {
  Project project;
  MakeProject(project, pageCount, mode == "glossary");

  if (mode == "tokenize") {
    // Reading and tokenising alone, polling the run as an index run does:
    // the floor the whole run is measured against.
    core::ProjectSettings settings;
    core::THinweisDlg window;
    window.Show();
    core::ProgressRun run(window);
    std::size_t words = 0;
    const double start = Seconds();
    for (int i = 0; i < pageCount; ++i) {
      core::TSchlagwortDatei page(project.urls[static_cast<std::size_t>(i)]);
      bool abort = false;
      core::tScanner scanner(i, project.pages.ReadPage(i, page.url, abort), page, settings);
      scanner.SetRun(&run);
      while (!scanner.NextWord(abort).empty()) ++words;
    }
    Report("tokenize", pageCount, project.textBytes, Seconds() - start, "  (" + std::to_string(words) + " words)");
  } else {
    double start = Seconds();
    bool failed = false;
    auto loaded = std::make_unique<core::TProjekt>(project.projectFile, failed);
    const double loadSeconds = Seconds() - start;
    if (failed) {
      std::fprintf(stderr, "the project did not load\n");
      return 1;
    }
    loaded->ClearRunData();
    core::THinweisDlg window;
    window.SetCaption(core::LoadStr(core::Txt::ProgramTitle));
    window.Show();
    bool abort = false;
    start = Seconds();
    {
      core::tJavascript run(*loaded, project.pages, nullptr, true);
      run.Generate(window, abort);
    }
    const double runSeconds = Seconds() - start;
    start = Seconds();
    loaded->SaveProject();
    const double saveSeconds = Seconds() - start;
    const std::int64_t size =
        platform::FileExists(loaded->GetZielVerzeichnis() + "\\suche.js")
            ? static_cast<std::int64_t>(platform::ReadFileBytes(loaded->GetZielVerzeichnis() + "\\suche.js").size())
            : 0;
    char extra[200];
    std::snprintf(extra, sizeof extra, "  (load %.2f s, save %.2f s, database %.1f MB, %d words%s)", loadSeconds,
                  saveSeconds, static_cast<double>(size) / 1e6, loaded->GetSchlagworteGesamt(),
                  abort ? ", ABORTED" : "");
    Report(mode.c_str(), pageCount, project.textBytes, runSeconds, extra);
  }
  RemoveFolder(project.folder);
  return 0;
}

// Runs one mode in a process of its own, so that each reports its own peak.
int RunChild(const std::string& mode, int pageCount) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command(1, '"');
  command.append(self).append("\" --mode=").append(mode).append(" ").append(std::to_string(pageCount));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", command.c_str());
    return 1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv) {
  core::SetTextTable(corvanta::TextTable());
  platform::App().Initialize();
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  std::string mode;
  int pageCount = 10000;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--mode=", 0) == 0) {
      mode.assign(arg, 7, std::string::npos);
    } else {
      pageCount = std::atoi(arg.c_str());
    }
  }
  if (!mode.empty()) return RunMode(mode, pageCount);
  int result = 0;
  for (const char* each : {"tokenize", "plain", "glossary"}) result |= RunChild(each, pageCount);
  return result;
}
