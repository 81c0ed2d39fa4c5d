#include "tessarel/menue.h"

#include <utility>

#include "core/Texts.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/FileDialog.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/projektVerwaltung.h"

namespace tessarel {

TBrisoltHauptmenue::TBrisoltHauptmenue() : Form("TBrisoltHauptmenue") {
  // Closing the main window ends the program.
  OnClose = [](platform::CloseAction&) { platform::App().Terminate(); };
  FormCreate();
}

TBrisoltHauptmenue::~TBrisoltHauptmenue() {
  platform::App().OnException = std::move(previousHandler_);
  SetProjekt(nullptr);
}

void TBrisoltHauptmenue::FormCreate() {
  previousHandler_ = platform::App().OnException;
  platform::App().OnException = [this](const std::exception& e) { AppException(e); };
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  ReloadProjekt(DialogProjectFile());
}

void TBrisoltHauptmenue::AppException(const std::exception& e) {
  // An error inside a command must not leave the window locked.
  EnableWindow(Handle(), TRUE);
  platform::MessageDlg(e.what(), platform::MsgDlgType::Error, platform::mbOK, 0);
}

void TBrisoltHauptmenue::SelectFile(const std::string& title, const std::string& initialPath, std::string& result,
                                    bool& cancelled, const std::string& filter) {
  const TIni* settings = Settings();
  const bool wine = settings && settings->GetWWWBrowserUnix();
  platform::OpenDialog dialog;
  dialog.Title = title;
  dialog.FileName = platform::ExtractFileName(initialPath);
  dialog.InitialDir = platform::ExtractFilePath(initialPath);
  dialog.Filter = filter + txt::Load(wine ? txt::kAllFilesWine : txt::kAllFiles);
  dialog.Options = platform::ofHideReadOnly | platform::ofPathMustExist | platform::ofFileMustExist;
  cancelled = !dialog.Execute();
  result = cancelled ? initialPath : dialog.FileName;
}

bool TBrisoltHauptmenue::SelectFile(const std::string& title, const std::string& initialFile,
                                    const std::string& filter, std::string& fileName) {
  bool cancelled = false;
  std::string chosen;
  SelectFile(title, initialFile, chosen, cancelled, filter);
  if (!cancelled) fileName = chosen;
  return !cancelled;
}

int TBrisoltHauptmenue::RunFirstRunDialog(TIni& settings) { return firstRun_.RunFirstRunDialog(settings); }

void TBrisoltHauptmenue::TerminateApplication() { platform::App().Terminate(); }

}  // namespace tessarel
