#include "pellinova/menue.h"

#include "core/Texts.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/FileDialog.h"

namespace pellinova {

TMarbelkosteHaupt::TMarbelkosteHaupt() : Form("TMarbelkosteHaupt") {
  // Closing the main window ends the program.
  OnClose = [](platform::CloseAction&) { platform::App().Terminate(); };
  FormCreate();
}

TMarbelkosteHaupt::~TMarbelkosteHaupt() { platform::App().OnException = nullptr; }

void TMarbelkosteHaupt::FormCreate() {
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  platform::App().OnException = [this](const std::exception& e) { AppException(e); };
}

void TMarbelkosteHaupt::AppException(const std::exception& e) {
  // An error inside a command must not leave the window locked.
  EnableWindow(Handle(), TRUE);
  platform::MessageDlg(e.what(), platform::MsgDlgType::Error, platform::mbOK, 0);
}

std::string TMarbelkosteHaupt::ProjectFileName() const {
  return project_ ? project_->GetProjectFileName() : std::string();
}

bool TMarbelkosteHaupt::ProjectDetailsModus() const { return project_ && project_->GetDetailsModus(); }

void TMarbelkosteHaupt::SetProjectDetailsModus(bool on) {
  if (project_) project_->SetDetailsModus(on);
}

bool TMarbelkosteHaupt::OpenProject(const std::string& fileName) {
  std::string path = fileName;
  if (platform::ExtractFileExt(path).empty()) path += txt::Fixed(txt::kParamExtension);
  CloseProject();
  bool failed = false;
  auto project = std::make_unique<TProjekt>(path, failed);
  if (failed) return false;
  project_ = std::move(project);
  SetCaption(core::FormatStr(txt::Load(txt::kFmtProjectCaption),
                             {core::LoadStr(core::Txt::ProgramTitle), platform::ExtractFileName(path)}));
  return true;
}

void TMarbelkosteHaupt::CloseProject() {
  project_.reset();
  SetCaption(core::LoadStr(core::Txt::ProgramTitle) + txt::Load(txt::kCapNoProject));
}

bool TMarbelkosteHaupt::SelectFile(const std::string& title, const std::string& initialFile,
                                   const std::string& filter, std::string& fileName) {
  platform::OpenDialog dialog;
  dialog.Title = title;
  dialog.FileName = platform::ExtractFileName(initialFile);
  dialog.InitialDir = platform::ExtractFilePath(initialFile);
  dialog.Filter = filter;
  dialog.Options = platform::ofHideReadOnly | platform::ofPathMustExist | platform::ofFileMustExist;
  if (!dialog.Execute()) return false;
  fileName = dialog.FileName;
  return true;
}

void TMarbelkosteHaupt::SetStayOnTop(bool onTop) {
  SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The bare window has no tool buttons yet.
void TMarbelkosteHaupt::ApplyToolbarLayout(const core::ToolbarLayout&) {}

int TMarbelkosteHaupt::RunFirstRunDialog(core::TIni& settings) { return firstRun_.RunFirstRunDialog(settings); }

void TMarbelkosteHaupt::TerminateApplication() { platform::App().Terminate(); }

}  // namespace pellinova
