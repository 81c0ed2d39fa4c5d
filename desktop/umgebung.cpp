#include "desktop/umgebung.h"

#include "core/HelpContexts.h"
#include "coregui/CommandLine.h"
#include "coregui/ini.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

namespace {

constexpr int kGerman = 1031;
constexpr int kEnglish = 1033;

constexpr const char* kPanels[kUmgebungTools] = {"panTexteditor", "panJavascriptEditor", "panHTMLEditor",
                                                 "panWWWBrowser", "panUnixWineKonfiguration"};
constexpr const char* kButtons[kUmgebungTools] = {"BitBtn1", "BitBtn2", "BitBtn7", "BitBtn3", "BitBtn4"};
constexpr const char* kParams[4] = {"edTextEditorParam", "edJavascriptEditorParam", "edHTMLEditorParam",
                                    "edWWWBrowserParam"};
constexpr const char* kUnixBoxes[4] = {"ckbTextEditor", "ckbJavascriptEditor", "ckbHTMLEditor", "ckbWWWBrowser"};
constexpr const char* kBrowserItems[kKnownBrowsers] = {"Netscape", "InternetExplorer", "Opera", "Mozilla"};

}  // namespace

TUmgebungToolsForm::TUmgebungToolsForm(std::vector<std::string> layouts, core::TIni& settings,
                                       DialogServices services, bool withProxy, std::string helpPage)
    : Form(std::move(layouts)),
      OKBtn(Find<platform::Button>("OKBtn")),
      CancelBtn(Find<platform::Button>("CancelBtn")),
      HilfeBtn(Find<platform::Button>("HilfeBtn")),
      settings_(settings),
      services_(std::move(services)),
      rules_(withProxy),
      helpPage_(std::move(helpPage)) {
  for (int i = 0; i < kUmgebungTools; ++i) {
    panels[i] = &Find<platform::Panel>(kPanels[i]);
    buttons[i] = &Find<platform::Button>(kButtons[i]);
    const UmgebungTool tool = UmgebungTool(i);
    buttons[i]->OnClick = [this, tool] {
      rules_.ChooseFile(tool, services_);
      ShowTools();
    };
  }
  for (int i = 0; i < 4; ++i) {
    params[i] = &Find<platform::Edit>(kParams[i]);
    unixBoxes[i] = &Find<platform::CheckBox>(kUnixBoxes[i]);
  }
  for (int i = 0; i < kKnownBrowsers; ++i) {
    browserItems[i] = &Find<platform::MenuItem>(kBrowserItems[i]);
    const KnownBrowser browser = KnownBrowser(i);
    browserItems[i]->OnClick = [this, browser] {
      rules_.ChooseBrowser(browser);
      ShowTools();
    };
  }
  HilfeBtn.OnClick = [this] {
    ReadTools();
    rules_.ShowHelp(settings_, core::HelpPagePath(core::ProgramDirectory(), helpPage_), services_);
  };
}

void TUmgebungToolsForm::FindBrowsers() {
  rules_.FindBrowsers();
  for (int i = 0; i < kKnownBrowsers; ++i) browserItems[i]->SetEnabled(rules_.BrowserAvailable(KnownBrowser(i)));
}

void TUmgebungToolsForm::ShowTools() {
  for (int i = 0; i < kUmgebungTools; ++i) panels[i]->SetCaption(rules_.Shown(UmgebungTool(i)));
  for (int i = 0; i < 4; ++i) {
    params[i]->SetText(rules_.params[i]);
    unixBoxes[i]->SetChecked(rules_.unixFlags[i]);
  }
}

void TUmgebungToolsForm::ReadTools() {
  for (int i = 0; i < 4; ++i) {
    rules_.params[i] = params[i]->Text();
    rules_.unixFlags[i] = unixBoxes[i]->Checked();
  }
}

TUmgebungDlg::TUmgebungDlg(std::vector<std::string> layouts, core::TIni& settings, DialogServices services,
                           bool withProxy)
    : TUmgebungToolsForm(std::move(layouts), settings, std::move(services), withProxy,
                         core::helppage::kArbeitsumgebung),
      PageControl1(Find<platform::PageControl>("PageControl1")),
      tasProxy(Find<platform::TabSheet>("tasProxy")),
      edServer(Find<platform::Edit>("edServer")),
      edPort(Find<platform::Edit>("edPort")),
      edBenutzername(Find<platform::Edit>("edBenutzername")),
      edPasswort(Find<platform::Edit>("edPasswort")),
      ragSprache(Find<platform::RadioGroup>("ragSprache")),
      ckbVordergrund(Find<platform::CheckBox>("ckbVordergrund")),
      ckbSpeedButton(Find<platform::CheckBox>("ckbSpeedButton")),
      ckbLetztesProjekt(Find<platform::CheckBox>("ckbLetztesProjekt")) {
  if (!withProxy) tasProxy.SetTabVisible(false);
  OnShow = [this] { FindBrowsers(); };
}

void TUmgebungDlg::LoadFromSettings() {
  rules_.LoadFromSettings(settings_);
  ShowTools();
  ragSprache.SetItemIndex(rules_.sprache);
  ckbVordergrund.SetChecked(rules_.vordergrund);
  ckbSpeedButton.SetChecked(rules_.speedButton);
  ckbLetztesProjekt.SetChecked(rules_.letztesProjekt);
  edServer.SetText(rules_.server);
  edPort.SetText(rules_.port);
  edBenutzername.SetText(rules_.benutzername);
  edPasswort.SetText(rules_.passwort);
}

void TUmgebungDlg::StoreToSettings() {
  ReadTools();
  rules_.sprache = ragSprache.ItemIndex();
  rules_.vordergrund = ckbVordergrund.Checked();
  rules_.speedButton = ckbSpeedButton.Checked();
  rules_.letztesProjekt = ckbLetztesProjekt.Checked();
  rules_.server = edServer.Text();
  rules_.port = edPort.Text();
  rules_.benutzername = edBenutzername.Text();
  rules_.passwort = edPasswort.Text();
  rules_.StoreToSettings(settings_);
}

TumgebungInitDlg::TumgebungInitDlg(std::vector<std::string> layouts, core::TIni& settings, DialogServices services)
    : TUmgebungToolsForm(std::move(layouts), settings, std::move(services), false, core::helppage::kErsterStart),
      btnEnglisch(Find<platform::Button>("btnEnglisch")),
      btnDeutsch(Find<platform::Button>("btnDeutsch")) {
  btnEnglisch.OnClick = [this] { btnEnglischClick(); };
  btnDeutsch.OnClick = [this] { btnDeutschClick(); };
  FormCreate();
}

void TumgebungInitDlg::FormCreate() {
  FindBrowsers();
  EnableLanguageButtons();
}

// By the language the texts are shown in after the switch: a missing module
// leaves it, and the button that was pressed can be pressed again.
void TumgebungInitDlg::EnableLanguageButtons() {
  const LanguageButtons enabled = LanguageButtonsFor(settings_.UiLocaleId());
  btnEnglisch.SetEnabled(enabled.englisch);
  btnDeutsch.SetEnabled(enabled.deutsch);
}

void TumgebungInitDlg::LoadToolSettings() {
  rules_.LoadToolSettings(settings_);
  ShowTools();
}

void TumgebungInitDlg::StoreToolSettings() {
  ReadTools();
  rules_.StoreToolSettings(settings_);
}

// The switch reads every open form again, this one too.
void TumgebungInitDlg::btnEnglischClick() { SwitchTo(kEnglish); }
void TumgebungInitDlg::btnDeutschClick() { SwitchTo(kGerman); }

void TumgebungInitDlg::SwitchTo(int language) {
  ReadTools();
  settings_.ChangeLanguage(language);
  ShowTools();
  EnableLanguageButtons();
}

int ShowEnvironmentDialog(std::vector<std::string> layouts, core::TIni& settings, DialogServices services,
                          bool withProxy) {
  TUmgebungDlg dlg(std::move(layouts), settings, std::move(services), withProxy);
  dlg.LoadFromSettings();
  const int result = dlg.ShowModal();
  if (result == platform::mrOk) dlg.StoreToSettings();
  return result;
}

int ShowFirstRunDialog(std::vector<std::string> layouts, core::TIni& settings, DialogServices services) {
  TumgebungInitDlg dlg(std::move(layouts), settings, std::move(services));
  dlg.LoadToolSettings();
  const int result = dlg.ShowModal();
  if (result == platform::mrOk) dlg.StoreToolSettings();
  return result;
}

}  // namespace desktop
