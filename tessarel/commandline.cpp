#include "tessarel/commandline.h"

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "coregui/Retry.h"
#include "desktop/commandline.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/analyse.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

namespace {

// One line per error, CRLF, replacing an older file only once it is written
// whole (a full disk or a kill leaves the older one); giving up the write
// counts as a failed run.
bool WriteErrorFile(const platform::TStringList& errors, const std::string& path) {
  bool abort = false;
  core::RetryStep(abort, core::FormatStr(core::LoadStr(core::Txt::ActWrite), {path}), core::hcNone,
                  [&] { platform::ReplaceFileBytes(path, errors.Text()); });
  return !abort;
}

}  // namespace

core::ParameterFileNames TessarelParameterFiles() {
  return {txt::Fixed(IDS_PROJEKTE_FOLDER), txt::Fixed(IDS_PARAM_DEFAULT), txt::Fixed(IDS_PARAM_EXT)};
}

std::optional<int> HandleCommandLine(const std::vector<std::string>& params) {
  const core::CommandLineChoice choice = core::ParseCommandLine(params, ProgramDir(), TessarelParameterFiles());
  switch (choice.action) {
    case core::CommandAction::Interactive:
      return std::nullopt;
    case core::CommandAction::Help:
      return desktop::ShowCommandLineHelp("TCommandDlgTessarel");
    case core::CommandAction::Batch:
      break;
  }
  // Without a name the default file must exist too: walking a whole drive
  // with the defaults is never what a batch run was started for.
  if (!platform::FileExists(choice.parameterFile)) {
    platform::ShowMessage(core::FormatStr(txt::Load(IDS_PARAM_MISSING), {choice.parameterFile}));
    return core::kExitMissingParameterFile;
  }
  return RunBatch(choice.parameterFile);
}

int RunBatch(const std::string& path) {
  TProjekt& p = ReloadProjekt(path);
  // A documents folder that has gone, or none at all, became "C:" on
  // loading; the run would walk the whole drive.
  if (p.DokumenteVerzeichnisErsetzt()) return core::kExitFailed;

  bool abort = false;
  {
    tAnalyse run(p.DokumenteVerzeichnis, abort, p.GemeinsamesRahmenVerzeichnis, p.RahmenVerzeichnis);
    if (!abort) run.Analyse(abort);
    if (!abort) ReportSkippedDocuments(run.Skipped());
  }
  if (p.automationErrors.Count() > 0 &&
      !WriteErrorFile(p.automationErrors, platform::ChangeFileExt(path, txt::Fixed(IDS_ERROR_EXT))))
    return core::kExitFailed;
  return abort ? core::kExitFailed : core::kExitOk;
}

}  // namespace tessarel
