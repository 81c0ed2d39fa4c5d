#include "corvanta/commandline.h"

#include <memory>
#include <stdexcept>

#include <windows.h>

#include "core/Texts.h"
#include "coregui/SearchFormFiles.h"
#include "coregui/hinweis.h"
#include "coregui/projektVerwaltung.h"
#include "corvanta/HttpPageSource.h"
#include "corvanta/SiteFetch.h"
#include "corvanta/TextNumbers.h"
#include "desktop/PageList.h"
#include "desktop/RunSteps.h"
#include "desktop/commandline.h"
#include "net/dtmHTTP.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace corvanta {

namespace {

std::string TitleWith(unsigned suffix) { return core::LoadStr(core::Txt::ProgramTitle) + txt::Load(suffix); }

// What the walk fetched may keep this much in memory before it goes to a
// scratch file: a whole site need not fit.
constexpr size_t kFetchedInMemory = 16u << 20;

std::string ScratchFileName() {
  char folder[MAX_PATH + 1] = {};
  char name[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathA(sizeof folder, folder);
  if (n == 0 || n > MAX_PATH || GetTempFileNameA(folder, "cvt", 0, name) == 0) return {};
  return name;
}

net::THttpClient& ProgramClient() {
  net::TdtmHTTP* module = net::dtmHTTP();
  if (!module) throw std::logic_error("BatchIndex: the HTTP data module does not exist");
  return module->httpClient;
}

}  // namespace

core::ParameterFileNames ParameterFiles() {
  return {txt::Fixed(IDS_PROJEKTE_FOLDER), txt::Fixed(IDS_PARAM_DEFAULT), txt::Fixed(IDS_PROJECT_EXT)};
}

std::optional<int> HandleCommandLine(const std::vector<std::string>& params, const BatchEnvironment& env) {
  const std::string programDir = env.programDir.empty() ? core::ProgramDirectory() : env.programDir;
  const core::CommandLineChoice choice = core::ParseCommandLine(params, programDir, ParameterFiles());
  switch (choice.action) {
    case core::CommandAction::Interactive:
      return std::nullopt;
    case core::CommandAction::Help:
      return desktop::ShowCommandLineHelp("TCommandDlg");
    case core::CommandAction::Batch:
      break;
  }
  if (choice.nameGiven && !platform::FileExists(choice.parameterFile)) {
    platform::ShowMessage(core::FormatStr(txt::Load(IDS_PARAM_MISSING), {choice.parameterFile}));
    return core::kExitMissingParameterFile;
  }
  return RunBatch(choice.parameterFile, env);
}

int RunBatch(const std::string& path, const BatchEnvironment& env) {
  // One progress window for the walk, the run and the copy, built first:
  // while a window of the thread lives, Wine keeps the input method's window
  // and the thread's COM, which it sets up again for a first window.
  core::THinweisDlg window;
  bool failed = false;
  auto project = std::make_unique<core::TProjekt>(path, failed, &window);
  if (failed) return core::kExitFailed;

  bool abort = false;
  platform::TStringList urls;
  desktop::MakeUrlList(urls);
  // Each page crosses the network once: the run takes what the walk fetched.
  net::TPageBodies fetched(kFetchedInMemory, ScratchFileName());
  WalkSite(*project, env.proxy, TitleWith(IDS_CAP_SUCHE), urls, abort, &fetched, &window);
  // A site that could not be reached yields no page. Merging that would
  // throw away every page of the project, with the user's descriptions and
  // corrections, and report success.
  if (!abort && urls.Count() == 0) return core::kExitFailed;
  desktop::DropSearchFormFiles(*project, urls, abort);
  // Also after a cancelled walk: the project is then not saved anyway.
  desktop::MergeFileList(*project, urls);

  const int code = BatchIndex(*project, false, abort, env, &fetched, &window);
  if (code != core::kExitOk) return code;
  if (!abort) project->SaveProject(&window);
  return core::kExitOk;
}

int BatchIndex(core::TProjekt& project, bool silent, bool& abort, const BatchEnvironment& env,
               net::TPageBodies* fetched, core::THinweisDlg* window) {
  if (desktop::CheckRunSettings(project, abort) != desktop::RunCheck::Passed) return core::kExitFailed;
  if (abort) return core::kExitOk;

  platform::App().ProcessMessagesNow();
  HttpPageSource pages(ProgramClient(), project.GetBenutzername(), project.GetPasswort(), env.proxy, fetched);
  desktop::GenerateIndex(project, pages, env.dialogs, silent, TitleWith(IDS_CAP_ANALYSE), abort, window);
  if (abort) return core::kExitFailed;

  project.SetJavascriptGroesse(core::IndexFileSize(project));
  const core::CopyOutcome copied =
      core::CopyRemainingTemplateFiles(project, TitleWith(IDS_CAP_KOPIERE), abort, window);
  platform::App().ProcessMessagesNow();
  // A search form that misses a file is broken: a copy that failed fails
  // the run. One the user cancelled ends it without saving, as the walk's.
  return copied == core::CopyOutcome::Failed ? core::kExitFailed : core::kExitOk;
}

}  // namespace corvanta
