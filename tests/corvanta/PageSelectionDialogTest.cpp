// The page selection against a site on 127.0.0.1: the walk fills the list
// without the search form's files, deleting thins it out, and OK merges it
// into the project's pages.
// The local server brings winsock2.h, which must come before windows.h.
#include "tests/net/LocalServer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvanta/directory.h"
#include "net/dtmHTTP.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/desktop/DesktopTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

TEST(PageSelectionDialog, ReadsTheSiteInDeletesAndMergesOnOk) {
  nettest::SiteServer site;
  site.Page("/index.htm", "<a href=\"a.htm\">a</a> <a href=\"b.htm\">b</a> <a href=\"suche.htm\">Suche</a>");
  site.Page("/a.htm", "Apfel");
  site.Page("/b.htm", "Birne");
  site.Page("/suche.htm", "Suchformular");
  const auto url = [&](const std::string& path) { return site.Base() + path; };
  net::TdtmHTTP http;
  desktoptest::ProjectFolder f;
  auto project = f.Open(f.WriteProject("p.ovk", "Dateiendungen=htm\r\n",
                                       {{url("/a.htm"), "A von Hand", "+Obst"}, {url("/alt.htm"), "", ""}}));
  ASSERT_TRUE(project);
  corvanta::TDirectoryDlg dlg(*project, {}, {});
  dlg.ClearList();

  platform::ScriptedUi ui;
  Lines walked;
  ui.Push([&](platform::UiRequest&) {
    EXPECT_EQ(dlg.lbxHTMLDateien.Items(), (Lines{url("/a.htm"), url("/alt.htm")}));
    std::string typed = url("/index.htm");
    typed.insert(typed.begin(), ' ');
    typed.push_back(' ');
    dlg.edWebsite.SetText(typed);
    dlg.btnEinlesenClick();
    walked = dlg.lbxHTMLDateien.Items();
    // Nothing current and nothing selected (after Esc): Delete does nothing.
    dlg.lbxHTMLDateien.SetItemIndex(-1);
    dlg.btnLoeschenClick();
    EXPECT_EQ(dlg.lbxHTMLDateien.Count(), 3);
    dlg.lbxHTMLDateien.SetValue(url("/b.htm"));
    dlg.btnLoeschenClick();
    EXPECT_EQ(dlg.lblAnzahlAusgewaehlt.Caption(), "  2 Web-Seiten");
    return platform::mrOk;
  });
  EXPECT_EQ(dlg.Execute(), platform::mrOk);
  EXPECT_EQ(walked, (Lines{url("/a.htm"), url("/b.htm"), url("/index.htm")}));
  EXPECT_EQ(ui.Requests().size(), 1u);

  ASSERT_EQ(project->Pages().size(), 2u);
  EXPECT_EQ(project->Pages()[0]->url, url("/a.htm"));
  EXPECT_EQ(project->Pages()[0]->manualDescription, "A von Hand");
  EXPECT_EQ(project->Pages()[0]->ChangeLogText(), "+Obst");
  EXPECT_EQ(project->Pages()[1]->url, url("/index.htm"));
  EXPECT_EQ(project->GetWebSite(), url("/index.htm"));
  EXPECT_EQ(project->GetZielVerzeichnis(), f.targetDir);

  // The next showing lists the pages in page order; Abbrechen keeps them.
  ui.Push([&](platform::UiRequest&) {
    EXPECT_EQ(dlg.lbxHTMLDateien.Items(), (Lines{url("/a.htm"), url("/index.htm")}));
    dlg.lbxHTMLDateien.SetItemIndex(0);
    dlg.btnLoeschenClick();
    return platform::mrCancel;
  });
  EXPECT_EQ(dlg.Execute(), platform::mrCancel);
  EXPECT_EQ(project->Pages().size(), 2u);
}

TEST(PageSelectionDialog, OkNeedsAnAddressWhichLeavingTheFieldAlwaysGives) {
  desktoptest::ProjectFolder f;
  auto project = f.Open(f.WriteProject("p.ovk", ""));
  ASSERT_TRUE(project);
  corvanta::TDirectoryDlg dlg(*project, {}, {});
  platform::ScriptedUi ui;
  ui.Push(platform::mrOk);
  dlg.edWebsite.SetText("");
  EXPECT_FALSE(dlg.CanClose(platform::mrOk));
  EXPECT_EQ(ui.Requests().at(0).text, "Es wird eine URL ben\xF6tigt.");
  EXPECT_TRUE(dlg.CanClose(platform::mrCancel));
  dlg.edWebsite.OnExit();
  EXPECT_EQ(dlg.edWebsite.Text(), "http://");
  EXPECT_TRUE(dlg.CanClose(platform::mrOk));
}

}  // namespace
