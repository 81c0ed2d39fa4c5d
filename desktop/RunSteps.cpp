#include "desktop/RunSteps.h"

#include "coregui/Hilfsmittel.h"
#include "coregui/hinweis.h"
#include "coregui/indexErzeugen.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"

namespace desktop {

RunCheck CheckRunSettings(const core::TProjekt& project, bool& abort, const std::string* sourceFolder) {
  RunCheck failed = RunCheck::Passed;
  if (project.GetStopwortListeVerwenden() && !platform::FileExists(project.StopWordFileName()))
    failed = RunCheck::StopWordList;
  else if (!abort && sourceFolder && !core::Dir().DirExists(*sourceFolder))
    failed = RunCheck::SourceFolder;
  else if (!abort && !core::Dir().DirExists(project.GetZielVerzeichnis()))
    failed = RunCheck::TargetFolder;
  else if (!abort && !core::Dir().DirExists(project.GetVorlagenVerzeichnis()))
    failed = RunCheck::TemplateFolder;
  if (failed != RunCheck::Passed) abort = true;
  return failed;
}

void GenerateIndex(core::TProjekt& project, core::PageSource& pages, core::ReviewDialogs* dialogs, bool silent,
                   const std::string& caption, bool& abort, core::THinweisDlg* shared) {
  core::StepWindow step(shared);
  core::THinweisDlg& window = *step;
  window.SetCaption(caption);
  window.StartTime = platform::Now();
  window.Show();
  project.ClearRunData();
  core::tJavascript generator(project, pages, dialogs, silent);
  generator.Generate(window, abort);
}

bool AutoOptimise(core::TProjekt& project, const std::function<bool()>& run) {
  const bool glossary = project.GetGlossarModus();
  const bool compact = project.GetOptimiertModus();
  const auto restore = [&] {
    project.SetGlossarModus(glossary);
    project.SetOptimiertModus(compact);
    return false;
  };
  project.SetOptimiertModus(true);
  project.SetGlossarModus(false);
  if (!run()) return restore();
  const std::int32_t withoutGlossary = project.GetJavascriptGroesse();
  project.SetGlossarModus(true);
  if (!run()) return restore();
  if (withoutGlossary < project.GetJavascriptGroesse()) {
    project.SetGlossarModus(false);
    return run();
  }
  return true;
}

}  // namespace desktop
