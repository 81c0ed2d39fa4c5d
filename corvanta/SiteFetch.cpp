#include "corvanta/SiteFetch.h"

#include "core/TText.h"
#include "coregui/hinweis.h"
#include "coregui/projektVerwaltung.h"
#include "platform/gui/Application.h"

namespace corvanta {

namespace {

// Connections the walk fetches ahead over besides the program's client: the
// server works on the next pages while we read this one, and a site sees no
// more at once from us than from a browser.
constexpr int kFetchAheadConnections = 3;

}  // namespace

void TWindowWalkProgress::ShowPage(const std::string& url) {
  window_.lblAnzeige.SetCaption(core::Text().ShortenUrl(url, 55));
  platform::App().ProcessMessages();
}

bool TWindowWalkProgress::NextLink() {
  const int position = window_.pbFortschritt.Position();
  window_.pbFortschritt.SetPosition(position == 100 ? 1 : position + 1);
  return !window_.Visible();
}

void WalkSite(const core::TProjekt& project, const net::TProxySettings& proxy, const std::string& caption,
              platform::TStringList& urls, bool& abort, net::TPageBodies* bodies, core::THinweisDlg* shared) {
  core::StepWindow step(shared);
  core::THinweisDlg& window = *step;
  window.SetCaption(caption);
  window.HideTimeLabels();
  window.Show();
  TWindowWalkProgress progress(window);
  net::THTTPGetPage walker;
  walker.SetProgress(&progress);
  walker.SetSite(project.GetWebSite(), project.GetBenutzername(), project.GetPasswort());
  walker.SetProxy(proxy.host, proxy.port, proxy.user, proxy.password);
  walker.SetPageExtensions(project.GetDateiendungen());
  walker.SetBodies(bodies);
  walker.SetFetchAhead(kFetchAheadConnections);
  walker.CrawlSite(urls, abort);
}

}  // namespace corvanta
