#include "corvanta/menue.h"

#include <stdexcept>

#include "core/Texts.h"
#include "coregui/ini.h"
#include "coregui/projektVerwaltung.h"
#include "corvanta/HttpPageSource.h"
#include "corvanta/SiteFetch.h"
#include "corvanta/directory.h"
#include "corvanta/wizard.h"
#include "desktop/PageList.h"
#include "desktop/RunSteps.h"
#include "net/dtmHTTP.h"
#include "platform/gui/Application.h"

namespace corvanta {

namespace {

using core::LoadStr;
using core::Txt;

std::string Title() { return LoadStr(Txt::ProgramTitle); }
std::string TitleWith(Txt suffix) { return Title() + LoadStr(suffix); }

net::TProxySettings ProxyOf(const core::TIni* settings) {
  if (!settings) return {};
  return {settings->GetProxyHost(), settings->GetProxyPort(), settings->GetProxyUsername(),
          settings->GetProxyPassword()};
}

net::THttpClient& ProgramClient() {
  net::TdtmHTTP* module = net::dtmHTTP();
  if (!module) throw std::logic_error("RunIndex: the HTTP data module does not exist");
  return module->httpClient;
}

}  // namespace

TMarbelkosteHaupt::TMarbelkosteHaupt(desktop::SharedLayouts layouts, std::vector<std::string> layoutChain)
    : TIndexerWindow(std::move(layouts), std::move(layoutChain)) {}

std::function<int()> TMarbelkosteHaupt::MakePageSelection() {
  auto dialog = std::make_shared<TDirectoryDlg>(*Projekt(), ProxyOf(Settings()), PageSelectionServicesOf());
  dialog->ClearList();
  return [dialog] { return dialog->Execute(); };
}

std::unique_ptr<desktop::TWizardPage> TMarbelkosteHaupt::MakeSourcePage(desktop::WizardServices services) {
  return std::make_unique<TWizardQuelleDlg>(std::move(services));
}

void TMarbelkosteHaupt::GenerateRun(bool silent, bool& abort) {
  core::TProjekt& project = *Projekt();
  HttpPageSource pages(ProgramClient(), project.GetBenutzername(), project.GetPasswort(), ProxyOf(Settings()));
  desktop::GenerateIndex(project, pages, RunDialogs(), silent, TitleWith(Txt::CapAnalyse), abort);
}

void TMarbelkosteHaupt::FetchSitePages(platform::TStringList& urls, bool& abort) {
  const core::TProjekt& project = *Projekt();
  platform::App().SetTitle(TitleWith(Txt::TitleSuche));
  desktop::MakeUrlList(urls);
  WalkSite(project, ProxyOf(Settings()), TitleWith(Txt::CapSuche), urls, abort);
  desktop::DropSearchFormFiles(project, urls, abort);
  platform::App().SetTitle(Title());
}

}  // namespace corvanta
