#include "pellinova/commandline.h"

#include <memory>

#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/SearchFormFiles.h"
#include "coregui/hinweis.h"
#include "coregui/ini.h"
#include "desktop/PageList.h"
#include "desktop/RunSteps.h"
#include "desktop/commandline.h"
#include "pellinova/FileSearch.h"
#include "pellinova/LocalPageSource.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/indexErzeugen.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace pellinova {

namespace {

core::ParameterFileNames ParameterFiles() {
  return {txt::Fixed(IDS_PROJEKTE_FOLDER), txt::Fixed(IDS_PARAM_DEFAULT), txt::Fixed(IDS_PARAM_EXTENSION)};
}

void ShowProgress(core::THinweisDlg& window, unsigned caption, bool timeLabels) {
  window.SetCaption(core::LoadStr(core::Txt::ProgramTitle) + txt::Load(caption));
  if (!timeLabels) window.HideTimeLabels();
  window.StartTime = platform::Now();
  window.Show();
}

}  // namespace

std::optional<int> HandleCommandLine(const std::vector<std::string>& params, const core::TIni& settings,
                                     core::ReviewDialogs* dialogs) {
  const core::CommandLineChoice choice = core::ParseCommandLine(params, core::ProgramDirectory(), ParameterFiles());
  switch (choice.action) {
    case core::CommandAction::Interactive:
      return std::nullopt;
    case core::CommandAction::Help:
      return desktop::ShowCommandLineHelp("TCommandDlgPellinova");
    case core::CommandAction::Batch:
      break;
  }
  if (choice.nameGiven && !platform::FileExists(choice.parameterFile)) {
    platform::ShowMessage(core::FormatStr(txt::Load(IDS_MSG_PARAM_MISSING), {choice.parameterFile}));
    return core::kExitMissingParameterFile;
  }
  return RunBatch(choice.parameterFile, settings, dialogs);
}

int RunBatch(const std::string& path, const core::TIni& settings, core::ReviewDialogs* dialogs) {
  // One progress window for the search, the run and the copy, built first:
  // while a window of the thread lives, Wine keeps the input method's window
  // and the thread's COM, which it sets up again for a first window.
  core::THinweisDlg window;
  bool failed = false;
  auto project = std::make_unique<TProjekt>(path, failed, &window);
  if (failed) return core::kExitFailed;
  // A folder the file does not name (or that has gone) was put as the drive
  // "C:": searching and writing there is never what the run was started for.
  if (project->FoldersSubstituted()) return core::kExitFailed;

  bool abort = false;
  platform::TStringList files, skipped;
  files.SetSorted(true);
  skipped.SetSorted(true);
  {
    core::StepWindow step(&window);
    ShowProgress(window, IDS_CAP_SEARCH_FILES, false);
    SearchSourceFiles(window, project->Settings(), abort, files, &skipped);
    DropSearchFormFiles(project->Settings(), files, abort);
  }
  // What a cancelled search found is merged all the same.
  desktop::MergeFileList(*project, files);

  const int code = BatchIndex(*project, false, abort, settings, dialogs, &window);
  if (code != core::kExitOk) return code;
  if (!abort) project->SaveProject(&window);
  // The rest was indexed: the run went through.
  ReportSkippedFiles(skipped);
  return core::kExitOk;
}

void GenerateLocalIndex(TProjekt& project, core::ReviewDialogs* dialogs, bool silent, const core::TIni& settings,
                        bool& abort, core::THinweisDlg* shared) {
  core::StepWindow step(shared);
  core::THinweisDlg& window = *step;
  ShowProgress(window, IDS_CAP_ANALYSE_FILES, true);
  project.ClearRunData();
  LocalPageSource source(project);
  tJavascript run(project, source, dialogs, silent, settings.GetWWWBrowserUnix() ? &settings.Drives() : nullptr);
  run.Generate(window, abort);
}

int BatchIndex(TProjekt& project, bool silent, bool& abort, const core::TIni& settings,
               core::ReviewDialogs* dialogs, core::THinweisDlg* window) {
  if (desktop::CheckRunSettings(project, abort, &project.GetHTMLVerzeichnis()) != desktop::RunCheck::Passed)
    return core::kExitFailed;
  if (abort) return core::kExitOk;

  platform::App().ProcessMessagesNow();
  GenerateLocalIndex(project, dialogs, silent, settings, abort, window);
  if (abort) return core::kExitFailed;

  project.SetJavascriptGroesse(core::IndexFileSize(project));
  const core::CopyOutcome copied = core::CopyRemainingTemplateFiles(
      project, core::LoadStr(core::Txt::ProgramTitle) + txt::Load(IDS_CAP_COPY_REST), abort, window);
  platform::App().ProcessMessagesNow();
  // A search form that misses a file is broken: a copy that failed fails
  // the run. One the user cancelled ends it without saving, as the search's.
  return copied == core::CopyOutcome::Failed ? core::kExitFailed : core::kExitOk;
}

}  // namespace pellinova
