#include "corvanta/menue.h"

#include <windows.h>

#include "core/CommandLine.h"
#include "core/Texts.h"
#include "core/ini.h"
#include "core/projektVerwaltung.h"
#include "corvanta/HelpContexts.h"
#include "corvanta/TextNumbers.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/FileDialog.h"

namespace corvanta {

namespace {
constexpr int kHelpProjektNeu = 318;
}

TMarbelkosteHaupt::TMarbelkosteHaupt() : Form("TMarbelkosteHaupt") {
  // Closing the main window ends interactive use.
  OnClose = [](platform::CloseAction&) { platform::App().Terminate(); };
  FormCreate();
}

TMarbelkosteHaupt::~TMarbelkosteHaupt() {
  platform::App().OnException = nullptr;
  platform::App().OnHelp = nullptr;
}

void TMarbelkosteHaupt::FormCreate() {
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  quitAsked_ = false;
  projectOpen_ = false;
  platform::App().OnException = [this](const std::exception& e) { AppException(e); };
  platform::App().OnHelp = [this](int helpContext) { AppHelp(helpContext); };
}

void TMarbelkosteHaupt::AppException(const std::exception& e) {
  // A run that failed half-way must not leave the window disabled.
  EnableWindow(Handle(), TRUE);
  platform::MessageDlg(e.what(), platform::MsgDlgType::Error, platform::mbOK, 0);
}

void TMarbelkosteHaupt::AppHelp(int helpContext) {
  lastHelpPage_ = HelpPagePath(core::ProgramDirectory(), helpContext);
}

void TMarbelkosteHaupt::ShowNoProject() {
  SetCaption(core::LoadStr(core::Txt::ProgramTitle) + txt::Load(txt::kCapKeinProjekt));
  projectOpen_ = false;
}

void TMarbelkosteHaupt::OpenProject(const std::string& name, bool save, bool& failed) {
  failed = false;
  if (project_) {
    if (save) project_->SaveProject();
    project_.reset();
    ShowNoProject();
  }
  if (name.empty()) return;

  std::string path = name;
  if (platform::ExtractFilePath(path).empty())
    path = core::ProgramDirectory() + txt::Fixed(txt::kProjekteFolder) + "\\" + path;
  if (platform::ExtractFileExt(path).empty()) path += txt::Fixed(txt::kProjectExt);

  auto project = std::make_unique<core::TProjekt>(path, failed);
  if (failed) {
    platform::MessageDlg(txt::Load(txt::kMsgProjektNeu), platform::MsgDlgType::Error,
                         platform::mbOK | platform::mbHelp, kHelpProjektNeu);
    return;
  }
  project_ = std::move(project);
  projectOpen_ = true;
  SetCaption(core::FormatStr(txt::Load(txt::kFmtCaption),
                             {core::LoadStr(core::Txt::ProgramTitle), platform::ExtractFileName(path)}));
}

void TMarbelkosteHaupt::SelectFile(const std::string& title, const std::string& initialFile, std::string& file,
                                   bool& cancelled, const std::string& filter) {
  platform::OpenDialog dialog;
  dialog.Title = title;
  dialog.FileName = platform::ExtractFileName(initialFile);
  dialog.InitialDir = platform::ExtractFilePath(initialFile);
  const bool unixBrowser = settings_ && settings_->GetWWWBrowserUnix();
  dialog.Filter = unixBrowser ? txt::Load(txt::kAllFilesUnix) + "|" + filter : filter + txt::Load(txt::kAllFiles);
  cancelled = !dialog.Execute();
  file = cancelled ? initialFile : dialog.FileName;
}

std::string TMarbelkosteHaupt::ProjectFileName() const {
  return project_ ? project_->GetProjectFileName() : std::string();
}

bool TMarbelkosteHaupt::ProjectDetailsModus() const { return project_ && project_->GetDetailsModus(); }

void TMarbelkosteHaupt::SetProjectDetailsModus(bool on) {
  if (project_) project_->SetDetailsModus(on);
}

bool TMarbelkosteHaupt::OpenProject(const std::string& fileName) {
  bool failed = false;
  OpenProject(fileName, false, failed);
  return !failed;
}

void TMarbelkosteHaupt::CloseProject() {
  bool failed = false;
  OpenProject(std::string(), false, failed);
}

bool TMarbelkosteHaupt::SelectFile(const std::string& title, const std::string& initialFile,
                                   const std::string& filter, std::string& fileName) {
  bool cancelled = false;
  std::string chosen;
  SelectFile(title, initialFile, chosen, cancelled, filter);
  if (!cancelled) fileName = chosen;
  return !cancelled && !chosen.empty();
}

void TMarbelkosteHaupt::SetStayOnTop(bool onTop) {
  SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMarbelkosteHaupt::ApplyToolbarLayout(const core::ToolbarLayout& layout) {
  if (layout.windowWidth <= 0 || layout.windowHeight <= 0) return;
  SetWindowPos(Handle(), nullptr, 0, 0, layout.windowWidth, layout.windowHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TMarbelkosteHaupt::RunFirstRunDialog(core::TIni& settings) { return firstRun_.RunFirstRunDialog(settings); }

void TMarbelkosteHaupt::TerminateApplication() { platform::App().Terminate(); }

}  // namespace corvanta
