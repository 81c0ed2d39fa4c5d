#include "coregui/SettingsHost.h"

#include "core/Texts.h"
#include "coregui/ini.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/UiSeam.h"

namespace core {

namespace {

struct ButtonRow {
  const char* name;
  Txt caption;
  bool groupStart;  // 4 more pixels before it
};
constexpr ButtonRow kButtons[] = {
    {"sbtAssistent", Txt::ToolbarAssistent, false}, {"sbtNeu", Txt::ToolbarNeu, false},
    {"sbtOeffnen", Txt::ToolbarOeffnen, false},     {"sbtBearbeiten", Txt::ToolbarBearbeiten, true},
    {"sbtIndex", Txt::ToolbarIndex, false},         {"sbtQuelltext", Txt::ToolbarQuelltext, true},
    {"sbtTesten", Txt::ToolbarTesten, false},       {"sbtStatus", Txt::ToolbarStatus, false},
    {"sbtHilfe", Txt::ToolbarHilfe, true},          {"sbtBeenden", Txt::ToolbarBeenden, false},
};

}  // namespace

ToolbarLayout ComputeToolbarLayout(bool speedButton, bool detailsShown) {
  ToolbarLayout l;
  l.windowWidth = speedButton ? 514 : 368;
  if (detailsShown) l.windowHeight = speedButton ? 440 : 428;
  else l.windowHeight = speedButton ? 83 : 71;
  l.statusShown = detailsShown;
  l.statusImageVisible = speedButton;
  l.statusLeft = speedButton ? 152 : 4;
  l.statusTop = speedButton ? 48 : 36;
  l.buttonWidth = speedButton ? 49 : 25;
  l.buttonHeight = speedButton ? 37 : 25;
  int left = 4;
  for (size_t i = 0; i < l.buttons.size(); ++i) {
    if (i > 0) left += l.buttonWidth + (kButtons[i].groupStart ? 4 : 0);
    l.buttons[i] = {kButtons[i].name, left, speedButton ? LoadStr(kButtons[i].caption) : std::string()};
  }
  return l;
}

bool StandInSettingsHost::OpenProject(const std::string& fileName) {
  opened = fileName;
  if (!openSucceeds) return false;
  projectFile = fileName;
  projectCommandsEnabled = true;
  return true;
}

void StandInSettingsHost::CloseProject() {
  ++closes;
  projectFile.clear();
  detailsModus = false;
  projectCommandsEnabled = false;
}

bool StandInSettingsHost::SelectFile(const std::string& title, const std::string& initialFile,
                                     const std::string& filter, std::string& fileName) {
  platform::OpenDialog dialog;
  dialog.Title = title;
  dialog.FileName = initialFile;
  dialog.Filter = filter;
  if (!dialog.Execute()) return false;
  fileName = dialog.FileName;
  return true;
}

int StandInSettingsHost::RunFirstRunDialog(TIni& settings) {
  ++firstRunDialogs;
  platform::UiRequest request;
  request.kind = platform::UiKind::ModalForm;
  request.caption = "TumgebungInitDlg";
  // Without a real dialog to show, an unscripted run gives up as Cancel.
  const int result = platform::RunModal(request, [](platform::UiRequest&) { return int(platform::mrCancel); });
  if (result == platform::mrOk) settings.SaveSettings();
  return result;
}

}  // namespace core
