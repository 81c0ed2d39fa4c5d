// Benchmark of Corvanta's batch run over HTTP: a synthetic site of a few
// hundred pages (about 6 KB of German-like text each, from a fixed seed, each
// page linking to the next and to a few others) is served on 127.0.0.1 by a
// thread of this program. The site is walked once alone, then the whole
// batch run (walk, merge, index run fetching every page again, copy, save)
// is timed.
//
//   corvanta_bench [pages]      default 300
//
// Reports pages per second for the walk and for the run.
// The site server uses WinSock, whose header must come before windows.h.
#include "tests/net/LocalServer.h"
#include "tests/support/SyntheticSite.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/projektVerwaltung.h"
#include "corvanta/SiteFetch.h"
#include "corvanta/Texts.h"
#include "corvanta/commandline.h"
#include "desktop/PageList.h"
#include "net/dtmHTTP.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"

namespace {

constexpr std::uint64_t kSeed = 0xC0FFEE2024;
constexpr std::size_t kPageBytes = 6 * 1024;
constexpr int kLinksPerPage = 4;

std::string PagePath(int i) { return "/bereich" + std::to_string(i % 10) + "/seite" + std::to_string(i) + ".htm"; }

// A web: the next page keeps every page reachable, the others link at random.
std::string Page(int i, int pages, sitegen::Random& r, const std::vector<std::string>& vocabulary) {
  std::vector<std::string> links = {PagePath((i + 1) % pages)};
  for (int k = 0; k < kLinksPerPage; ++k) links.push_back(PagePath(static_cast<int>(r.Below(static_cast<std::size_t>(pages)))));
  return sitegen::Page(r, vocabulary, {.bytes = kPageBytes, .navigation = links});
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

LARGE_INTEGER Tick() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const int pages = argc > 1 ? std::max(2, std::atoi(argv[1])) : 300;
  core::SetTextTable(corvanta::TextTable());
  platform::App().Initialize();
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  net::TdtmHTTP dtm;

  nettest::SiteServer site;
  sitegen::Random r(kSeed);
  const std::vector<std::string> vocabulary = sitegen::Vocabulary(r, 5000);
  std::size_t siteBytes = 0;
  for (int i = 0; i < pages; ++i) {
    const std::string html = Page(i, pages, r, vocabulary);
    siteBytes += html.size();
    site.Page(PagePath(i), html);
  }

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + "corvanta_bench_" + std::to_string(GetCurrentProcessId());
  const std::string templateDir = dir + "\\vorlage";
  const std::string targetDir = dir + "\\ziel";
  platform::ForceDirectories(dir + "\\projekte");
  platform::ForceDirectories(templateDir);
  platform::ForceDirectories(targetDir);
  platform::WriteFileBytes(templateDir + "\\suche.js",
                           "// Pellinova: Konstanten\r\n// Pellinova: Glossar\r\n// Pellinova: Array\r\n");
  platform::WriteFileBytes(templateDir + "\\suche.htm", "<frameset></frameset>");
  core::ResetTemplateDescriptor();
  const std::string project = dir + "\\projekte\\bench.ovk";
  platform::WriteFileBytes(project, "[Einstellungen]\r\nWebSite=" + site.Base() + PagePath(0) +
                                        "\r\nZielVerzeichnis=" + targetDir + "\r\nVorlagenVerzeichnis=" +
                                        templateDir + "\r\nStopwortListeVerwenden=0\r\n");

  int found = 0;
  double walkSeconds = 0;
  {
    bool failed = false;
    core::TProjekt p(project, failed);
    platform::TStringList urls;
    desktop::MakeUrlList(urls);
    bool abort = false;
    const LARGE_INTEGER t0 = Tick();
    corvanta::WalkSite(p, {}, "Suche", urls, abort);
    walkSeconds = Seconds(t0, Tick());
    found = urls.Count();
  }

  corvanta::BatchEnvironment env;
  env.programDir = dir + "\\";
  const LARGE_INTEGER t0 = Tick();
  const int code = corvanta::RunBatch(project, env);
  const double runSeconds = Seconds(t0, Tick());
  const std::int64_t dbSize = platform::FileExists(targetDir + "\\suche.js")
                                  ? static_cast<std::int64_t>(platform::ReadFileBytes(targetDir + "\\suche.js").size())
                                  : 0;

  std::printf("site: %d pages, %.1f KB, served on 127.0.0.1\n", pages, static_cast<double>(siteBytes) / 1024.0);
  std::printf("walk: %d pages in %.2f s = %.1f pages/s\n", found, walkSeconds, found / walkSeconds);
  std::printf("run:  exit code %d, %d pages walked and indexed in %.2f s = %.1f pages/s (database %lld bytes)\n",
              code, found, runSeconds, found / runSeconds, static_cast<long long>(dbSize));

  for (const char* f : {"\\ziel\\suche.js", "\\ziel\\suche.htm", "\\vorlage\\suche.js", "\\vorlage\\suche.htm",
                        "\\projekte\\bench.ovk"})
    DeleteFileA((dir + f).c_str());
  for (const char* d : {"\\ziel", "\\vorlage", "\\projekte", ""}) RemoveDirectoryA((dir + d).c_str());
  return code;
}
