// Writes the search databases of the tests with Pellinova's writer, whose
// per-letter mode puts the keywords into one file per initial letter (and the
// site in UTF-8 into a single-file form): each
// site is written as local files, indexed into a copy of the letter template,
// and the form's files are copied beside the database. The links are
// relative, so the hits lead to the pages on disk.
//
//   search_dbgen_letters <template root> <output root>             the test sites
//   search_dbgen_letters <template root> <output root> --bench N   N synthetic pages
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/Profile.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/hinweis.h"
#include "pellinova/LocalPageSource.h"
#include "pellinova/Texts.h"
#include "pellinova/indexErzeugen.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "tests/search/DbGen.h"
#include "tests/search/SearchSites.h"

namespace {

// "http://www.beispiel.test/verein/x.htm" -> "verein\x.htm"
std::string RelativePath(const std::string& url) {
  std::string path = url.substr(url.find('/', url.find("//") + 2) + 1);
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

bool Generate(const search::Variant& variant, const std::string& templateRoot, const std::string& outputRoot) {
  const std::string templateDir = outputRoot + "\\" + variant.name + ".vorlage";
  const std::string targetDir = outputRoot + "\\" + variant.name;
  const std::string siteDir = outputRoot + "\\" + variant.name + ".site";
  search::CopyTemplate(templateRoot + "\\" + variant.templateName, templateDir);
  search::EmptyFolder(targetDir);
  platform::ForceDirectories(siteDir);

  std::string ini = "[Einstellungen]\r\nHTMLVerzeichnis=" + siteDir + "\r\n" +
                    search::ProjectSettings(variant, templateDir, targetDir) + "[Dateien]\r\n";
  for (std::size_t i = 0; i < variant.pages->size(); ++i) {
    const search::Page& page = (*variant.pages)[i];
    const std::string path = RelativePath(page.url);
    platform::ForceDirectories(platform::ExtractFilePath(siteDir + "\\" + path));
    platform::WriteFileBytes(siteDir + "\\" + path, page.html);
    ini += std::to_string(i + 1) + "=" + path + "\r\n";
  }
  const std::string projectFile = outputRoot + "\\" + variant.name + ".lvq";
  platform::WriteFileBytes(projectFile, ini);

  bool failed = false;
  auto project = std::make_unique<pellinova::TProjekt>(projectFile, failed);
  if (failed) {
    std::fprintf(stderr, "%s: the project did not load\n", variant.name);
    return false;
  }
  project->ClearRunData();
  core::THinweisDlg window;
  window.Show();
  bool abort = false;
  {
    pellinova::LocalPageSource source(*project);
    pellinova::tJavascript run(*project, source, nullptr, true, nullptr);
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
    std::fprintf(stderr, "search_dbgen_letters <template root> <output root> [--bench pages]\n");
    return 2;
  }
  core::SetTextTable(pellinova::TextTable());
  core::SetProfile(pellinova::PellinovaProfile());
  core::Text().SetTradeEntity(true);
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
    variants = {{"bench_buchstaben", "Search_StandardMega", true, false, &bench}};
  } else {
    variants = {{"buchstaben", "Search_StandardMega", false, false, &search::TestSite()},
                {"feindlich_buchstaben", "Search_StandardMega", true, false, &search::HostileSite()},
                {"utf8", "Search_Standard", false, false, &search::Utf8Site()}};
  }
  int result = 0;
  for (const search::Variant& variant : variants) {
    core::ResetTemplateDescriptor();
    if (!Generate(variant, templateRoot, outputRoot)) result = 1;
  }
  return result;
}
