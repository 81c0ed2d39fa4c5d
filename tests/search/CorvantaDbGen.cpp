// Writes the search databases of the tests with Corvanta's writer: each site
// is indexed from memory (its pages under their URLs) into a copy of a shipped
// template, and the form's files are copied beside the database, so that each
// output folder is a complete search form.
//
//   search_dbgen <template root> <output root>              the test sites
//   search_dbgen <template root> <output root> --bench N    N synthetic pages
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/PageSource.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/hinweis.h"
#include "coregui/indexErzeugen.h"
#include "coregui/projektVerwaltung.h"
#include "corvanta/Texts.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "tests/search/DbGen.h"
#include "tests/search/SearchSites.h"

namespace {

bool Generate(const search::Variant& variant, const std::string& templateRoot, const std::string& outputRoot) {
  const std::string templateDir = outputRoot + "\\" + variant.name + ".vorlage";
  const std::string targetDir = outputRoot + "\\" + variant.name;
  search::CopyTemplate(templateRoot + "\\" + variant.templateName, templateDir);
  search::EmptyFolder(targetDir);

  core::MemoryPageSource source;
  std::string ini = "[Einstellungen]\r\n" + search::ProjectSettings(variant, templateDir, targetDir) + "[Dateien]\r\n";
  for (std::size_t i = 0; i < variant.pages->size(); ++i) {
    const search::Page& page = (*variant.pages)[i];
    ini += std::to_string(i + 1) + "=" + page.url + "\r\n";
    source.Put(page.url, page.html);
  }
  const std::string projectFile = outputRoot + "\\" + variant.name + ".ovk";
  platform::WriteFileBytes(projectFile, ini);

  bool failed = false;
  auto project = std::make_unique<core::TProjekt>(projectFile, failed);
  if (failed) {
    std::fprintf(stderr, "%s: the project did not load\n", variant.name);
    return false;
  }
  project->ClearRunData();
  core::THinweisDlg window;
  window.Show();
  bool abort = false;
  {
    core::tJavascript run(*project, source, nullptr, true);
    run.Generate(window, abort);
  }
  if (abort) {
    std::fprintf(stderr, "%s: the run was cancelled\n", variant.name);
    return false;
  }
  search::CopyFormFiles(templateDir, targetDir, project->GetJavascriptDatei());
  search::Report(variant, project->Pages().size(), targetDir, project->GetJavascriptDatei());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "search_dbgen <template root> <output root> [--bench pages]\n");
    return 2;
  }
  core::SetTextTable(corvanta::TextTable());
  platform::App().Initialize();
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  platform::SetClockForTest([] { return search::kRunTime; });
  const std::string templateRoot = search::WindowsPath(argv[1]);
  const std::string outputRoot = search::WindowsPath(argv[2]);
  platform::ForceDirectories(outputRoot);

  std::vector<search::Variant> variants;
  std::vector<search::Page> bench;
  if (argc >= 5 && std::string(argv[3]) == "--bench") {
    bench = search::BenchSite(std::atoi(argv[4]));
    variants = {{"bench_plain", "Search_Standard", true, false, &bench},
                {"bench_glossar", "Search_Standard", true, true, &bench}};
  } else {
    variants = {{"plain", "Search_Standard", false, false, &search::TestSite()},
                {"optimiert", "Search_Standard", true, false, &search::TestSite()},
                {"glossar", "Search_StandardFrame", false, true, &search::TestSite()},
                {"glossar_optimiert", "Search_StandardFrame", true, true, &search::TestSite()},
                {"feindlich", "Search_Standard", false, false, &search::HostileSite()},
                {"feindlich_optimiert", "Search_StandardFrame", true, true, &search::HostileSite()},
                {"feindlich_link", "Search_Standard", false, false, &search::BackslashLinkSite()}};
  }
  int result = 0;
  for (const search::Variant& variant : variants) {
    core::ResetTemplateDescriptor();
    if (!Generate(variant, templateRoot, outputRoot)) result = 1;
  }
  return result;
}
