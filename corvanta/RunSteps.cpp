#include "corvanta/RunSteps.h"

#include <limits>

#include "core/Hilfsmittel.h"
#include "core/hinweis.h"
#include "core/indexErzeugen.h"
#include "core/projektVerwaltung.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"

namespace corvanta {

namespace {

// The masks of a search form's files, in the order the copy takes them.
constexpr const char* kTemplateMasks[] = {"*.htm", "*.html", "*.gif", "*.jpg", "*.js"};

std::string InFolder(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

}  // namespace

RunCheck CheckRunSettings(const core::TProjekt& project, bool& abort) {
  RunCheck failed = RunCheck::Passed;
  if (project.GetStopwortListeVerwenden() && !platform::FileExists(project.StopWordFileName()))
    failed = RunCheck::StopWordList;
  else if (!abort && !core::Dir().DirExists(project.GetZielVerzeichnis()))
    failed = RunCheck::TargetFolder;
  else if (!abort && !core::Dir().DirExists(project.GetVorlagenVerzeichnis()))
    failed = RunCheck::TemplateFolder;
  if (failed != RunCheck::Passed) abort = true;
  return failed;
}

void GenerateIndex(core::TProjekt& project, core::PageSource& pages, core::ReviewDialogs* dialogs, bool silent,
                   const std::string& caption, bool& abort) {
  core::THinweisDlg window;
  window.SetCaption(caption);
  window.StartTime = platform::Now();
  window.Show();
  project.ClearRunData();
  core::tJavascript generator(project, pages, dialogs, silent);
  generator.Generate(window, abort);
}

std::string IndexFilePath(const core::TProjekt& project) {
  return InFolder(core::Text().StripTrailingChar('\\', project.GetZielVerzeichnis()), project.GetJavascriptDatei());
}

std::int32_t IndexFileSize(const core::TProjekt& project) {
  const std::string path = IndexFilePath(project);
  if (!platform::FileExists(path)) return 0;
  try {
    platform::TFile file;
    file.OpenRead(path);
    const std::int64_t size = file.Size();
    return static_cast<std::int32_t>(std::min<std::int64_t>(size, std::numeric_limits<std::int32_t>::max()));
  } catch (const std::exception&) {
    return 0;
  }
}

void TemplateFiles(const core::TProjekt& project, platform::TStringList& files) {
  files.SetSorted(true);
  files.SetDuplicates(platform::TDuplicates::dupIgnore);
  for (const char* mask : kTemplateMasks)
    core::Dir().FindFiles(project.GetVorlagenVerzeichnis(), mask, files, false, false);
  for (int i = files.Count() - 1; i >= 0; --i)
    if (platform::SameText(platform::ExtractFileName(files[i]), project.GetJavascriptDatei())) files.Delete(i);
}

void CopyRemainingTemplateFiles(const core::TProjekt& project, const std::string& caption, bool& abort) {
  core::THinweisDlg window;
  window.SetCaption(caption);
  window.HideTimeLabels();
  window.Show();
  platform::TStringList files;
  TemplateFiles(project, files);
  for (int i = 0; i < files.Count() && !abort; ++i) {
    const std::string destination = InFolder(project.GetZielVerzeichnis(), platform::ExtractFileName(files[i]));
    if (destination != files[i] && !platform::FileExists(destination))
      core::File().CopyFileWithProgress(window, files[i], destination, abort);
  }
}

}  // namespace corvanta
