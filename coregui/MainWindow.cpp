#include "coregui/MainWindow.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/ini.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/SpeedButton.h"
#include "platform/gui/TopWindow.h"

namespace core {

namespace {

// The figures of the tool-button row are outer window sizes of a window with
// a single frame, a caption and a menu bar as the classic system metrics draw
// them; the client area they leave is what the controls are placed in, so the
// window keeps that area whatever frame the system draws today.
constexpr int kDesignFrameWidth = 2 * 3;
constexpr int kDesignFrameHeight = 2 * 3 + 19 + 19;

std::string TitleText() { return LoadStr(Txt::ProgramTitle); }

}  // namespace

TMainWindow::TMainWindow(std::vector<std::string> layoutChain, int missingPageHelpContext)
    : Form(std::move(layoutChain)), launcher_(ProgramDirectory(), missingPageHelpContext) {
  platform::App().SetTitle(TitleText());
  previousException_ = std::exchange(platform::App().OnException, [this](const std::exception& e) { AppException(e); });
  previousHelp_ = std::exchange(platform::App().OnHelp, [this](int helpContext) { AppHelp(helpContext); });
  OnCloseQuery = [this](bool& canClose) { CloseQuery(canClose); };
  // Closing the main window ends interactive use.
  OnClose = [](platform::CloseAction&) { platform::App().Terminate(); };
}

TMainWindow::~TMainWindow() {
  platform::App().OnException = std::move(previousException_);
  platform::App().OnHelp = std::move(previousHelp_);
}

void TMainWindow::AppException(const std::exception& e) {
  // An error inside a dialog, or inside a run that goes on, must not hand the
  // window to the user while they still hold it: a second command could
  // start beside theirs. They enable it themselves when they end.
  if (busy_ == 0 && !platform::ModalScope::AnyOpen()) SetEnabled(true);
  platform::MessageDlg(e.what(), platform::MsgDlgType::Error, platform::mbOK, hcNone);
}

bool TMainWindow::AppHelp(int helpContext) {
  return OpenInBrowser(HelpPagePath(ProgramDirectory(), HelpPage(helpContext)));
}

bool TMainWindow::OpenInBrowser(const std::string& page) { return core::OpenInBrowser(launcher_, settings_, page); }

void TMainWindow::OpenInEditor(const std::string& tool, const std::string& params, bool unix,
                               const std::string& file) {
  static const WineDrives kNoDrives;
  launcher_.OpenInEditor({tool, params, unix}, settings_ ? settings_->Drives() : kNoDrives, file);
}

void TMainWindow::OpenWithTool(const std::string& program, const std::string& params, const std::string& file) {
  launcher_.OpenWithTool(program, params, file);
}

void TMainWindow::ShowAbout() {
  if (about_) about_->ShowModal();
}

void TMainWindow::Quit() {
  quitAsked_ = true;
  Close();
}

void TMainWindow::CloseQuery(bool& canClose) {
  if (busy_ > 0) {
    canClose = false;
    return;
  }
  if (!quitAsked_) return;
  const int help = QuitHelpContext();
  const int answer = platform::MessageDlg(FormatStr(LoadStr(Txt::MainQuitQuestion), {TitleText()}),
                                          platform::MsgDlgType::Confirmation,
                                          platform::mbYes | platform::mbNo | (help ? platform::mbHelp : 0u), help);
  if (answer != platform::mrYes) {
    canClose = false;
    quitAsked_ = false;
  }
}

int TMainWindow::QuitHelpContext() const { return hcBeenden; }

void TMainWindow::BindCommand(std::string_view menuItem, std::string_view button, std::function<void()> action) {
  auto shared = std::make_shared<std::function<void()>>(std::move(action));
  // A box that closed during a long operation may have handed the window
  // back to the user before the operation ends: no second command beside it.
  const auto run = [this, shared] {
    if (busy_ == 0) (*shared)();
  };
  if (!menuItem.empty()) Find<platform::MenuItem>(menuItem).OnClick = run;
  if (!button.empty()) Find<platform::SpeedButton>(button).OnClick = run;
}

void TMainWindow::SetProjectCommands(std::initializer_list<const char*> names) {
  projectCommands_.assign(names.begin(), names.end());
  EnableProjectCommands(projectOpen_);
}

void TMainWindow::EnableProjectCommands(bool enabled) {
  for (const std::string& name : projectCommands_) {
    platform::Component* c = FindComponent(name);
    if (auto* item = dynamic_cast<platform::MenuItem*>(c)) item->SetEnabled(enabled);
    else if (auto* control = dynamic_cast<platform::Control*>(c)) control->SetEnabled(enabled);
  }
}

TMainWindow::Busy::Busy(TMainWindow& window) : window_(window) {
  if (window_.busy_++ == 0) window_.hold_.emplace(window_.Handle());
}

TMainWindow::Busy::~Busy() {
  if (--window_.busy_ > 0) return;
  window_.hold_.reset();
  // A message box that closed while the window was disabled could hand the
  // activation back to nothing; the keyboard belongs to the window again.
  HWND hwnd = window_.Handle();
  if (hwnd && IsWindowVisible(hwnd) && !GetActiveWindow()) SetActiveWindow(hwnd);
}

void TMainWindow::ShowNoProject() {
  SetCaption(TitleText() + LoadStr(Txt::MainNoProject));
  projectOpen_ = false;
  EnableProjectCommands(false);
}

std::unique_ptr<TProjekt> TMainWindow::CreateProject(const std::string& path, bool& failed) {
  return std::make_unique<TProjekt>(path, failed);
}

void TMainWindow::OpenProject(const std::string& name, bool save, bool& failed) {
  failed = false;
  if (project_) {
    if (save) project_->SaveProject();
    project_.reset();
    ShowNoProject();
  }
  if (name.empty()) return;

  std::string path = name;
  if (platform::ExtractFilePath(path).empty())
    path = ProgramDirectory() + LoadStr(Txt::MainProjectFolder) + "\\" + path;
  if (platform::ExtractFileExt(path).empty()) path += LoadStr(Txt::MainProjectExt);

  auto project = CreateProject(path, failed);
  if (failed) {
    platform::MessageDlg(LoadStr(Txt::MainOpenFailed), platform::MsgDlgType::Error,
                         platform::mbOK | platform::mbHelp, hcProjektNeu);
    return;
  }
  project_ = std::move(project);
  ProjectShown();
  projectOpen_ = true;
  SetCaption(FormatStr(LoadStr(Txt::MainCaption), {TitleText(), platform::ExtractFileName(path)}));
  EnableProjectCommands(true);
}

void TMainWindow::ReplaceProject(std::unique_ptr<TProjekt> project) {
  if (!project_ || !project) return;
  project_ = std::move(project);
  ProjectShown();
}

std::string TMainWindow::FileFilter(const std::string& filter) const {
  return BrowserIsUnix() ? LoadStr(Txt::MainAllFilesUnix) + "|" + filter : filter + LoadStr(Txt::MainAllFiles);
}

bool TMainWindow::BrowserIsUnix() const { return settings_ && settings_->GetWWWBrowserUnix(); }

void TMainWindow::SelectFile(const std::string& title, const std::string& initialFile, std::string& file,
                             bool& cancelled, const std::string& filter) {
  platform::OpenDialog dialog;
  dialog.Title = title;
  dialog.FileName = platform::ExtractFileName(initialFile);
  dialog.InitialDir = platform::ExtractFilePath(initialFile);
  dialog.Filter = FileFilter(filter);
  dialog.Options = platform::ofHideReadOnly | platform::ofPathMustExist | platform::ofFileMustExist;
  cancelled = !dialog.Execute();
  file = cancelled ? initialFile : dialog.FileName;
}

bool TMainWindow::SelectFile(const std::string& title, const std::string& initialFile, const std::string& filter,
                             std::string& fileName) {
  bool cancelled = false;
  std::string chosen;
  SelectFile(title, initialFile, chosen, cancelled, filter);
  if (!cancelled) fileName = chosen;
  return !cancelled && !chosen.empty();
}

std::string TMainWindow::ProjectFileName() const { return project_ ? project_->GetProjectFileName() : std::string(); }

bool TMainWindow::ProjectDetailsModus() const { return project_ && project_->GetDetailsModus(); }

void TMainWindow::SetProjectDetailsModus(bool on) {
  if (project_) project_->SetDetailsModus(on);
}

bool TMainWindow::OpenProject(const std::string& fileName) {
  bool failed = false;
  OpenProject(fileName, false, failed);
  return !failed;
}

void TMainWindow::CloseProject() {
  bool failed = false;
  OpenProject(std::string(), false, failed);
}

void LayOutToolbar(platform::Form& window, const ToolbarLayout& layout) {
  if (layout.windowWidth <= 0 || layout.windowHeight <= 0) return;
  int rowHeight = 0;
  for (const ToolbarLayout::ButtonPlace& place : layout.buttons) {
    auto* button = place.name ? dynamic_cast<platform::SpeedButton*>(window.FindComponent(place.name)) : nullptr;
    if (!button) continue;
    const platform::LayoutBounds was = button->Bounds();
    button->SetBounds({place.left, was.top, layout.buttonWidth, layout.buttonHeight});
    button->SetCaption(place.caption);
    rowHeight = std::max(rowHeight, was.top + layout.buttonHeight);
  }
  const int clientWidth = layout.windowWidth - kDesignFrameWidth;
  if (auto* row = dynamic_cast<platform::Control*>(window.FindComponent("Panel1"))) {
    const platform::LayoutBounds was = row->Bounds();
    row->SetBounds({was.left, was.top, clientWidth, rowHeight + 1});
  }
  if (auto* image = dynamic_cast<platform::Control*>(window.FindComponent("imgStatus")))
    image->SetVisible(layout.statusImageVisible && layout.statusShown);
  if (auto* pages = dynamic_cast<platform::Control*>(window.FindComponent("pacStatus"))) {
    const platform::LayoutBounds was = pages->Bounds();
    pages->SetBounds({layout.statusLeft, layout.statusTop, was.width, was.height});
    pages->SetVisible(layout.statusShown);
  }
  window.SetClientSize(clientWidth, layout.windowHeight - kDesignFrameHeight);
}

void TMainWindow::ApplyToolbarLayout(const ToolbarLayout& layout) { LayOutToolbar(*this, layout); }

int TMainWindow::RunFirstRunDialog(TIni& settings) { return firstRun_.RunFirstRunDialog(settings); }

void TMainWindow::TerminateApplication() { platform::App().Terminate(); }

DeferredMainWindow::DeferredMainWindow(std::function<std::unique_ptr<TMainWindow>()> make) : make_(std::move(make)) {
  platform::App().SetTitle(TitleText());
  previousHelp_ = std::exchange(platform::App().OnHelp, [this](int helpContext) { Window().AppHelp(helpContext); });
}

DeferredMainWindow::~DeferredMainWindow() {
  // The window hands the application back the handlers it found: this
  // host's, which go next.
  window_.reset();
  platform::App().OnHelp = std::move(previousHelp_);
}

TMainWindow& DeferredMainWindow::Window() {
  if (!window_) {
    window_ = make_();
    if (!window_) throw std::logic_error("Hauptfenster fehlt");
  }
  return *window_;
}

bool DeferredMainWindow::ProjectOpen() const {
  return window_ ? window_->ProjectOpen() : StandInSettingsHost::ProjectOpen();
}

std::string DeferredMainWindow::ProjectFileName() const {
  return window_ ? window_->ProjectFileName() : StandInSettingsHost::ProjectFileName();
}

bool DeferredMainWindow::ProjectDetailsModus() const {
  return window_ ? window_->ProjectDetailsModus() : StandInSettingsHost::ProjectDetailsModus();
}

void DeferredMainWindow::SetProjectDetailsModus(bool on) {
  if (window_) window_->SetProjectDetailsModus(on);
  else StandInSettingsHost::SetProjectDetailsModus(on);
}

bool DeferredMainWindow::OpenProject(const std::string& fileName) {
  return window_ ? window_->OpenProject(fileName) : StandInSettingsHost::OpenProject(fileName);
}

void DeferredMainWindow::CloseProject() {
  if (window_) window_->CloseProject();
  else StandInSettingsHost::CloseProject();
}

bool DeferredMainWindow::SelectFile(const std::string& title, const std::string& initialFile,
                                    const std::string& filter, std::string& fileName) {
  return Window().SelectFile(title, initialFile, filter, fileName);
}

void DeferredMainWindow::SetStayOnTop(bool onTop) {
  if (window_) window_->SetStayOnTop(onTop);
  else StandInSettingsHost::SetStayOnTop(onTop);
}

void DeferredMainWindow::ApplyToolbarLayout(const ToolbarLayout& layout) {
  if (window_) window_->ApplyToolbarLayout(layout);
  else StandInSettingsHost::ApplyToolbarLayout(layout);
}

int DeferredMainWindow::RunFirstRunDialog(TIni& settings) { return Window().RunFirstRunDialog(settings); }

void DeferredMainWindow::TerminateApplication() { platform::App().Terminate(); }

}  // namespace core
