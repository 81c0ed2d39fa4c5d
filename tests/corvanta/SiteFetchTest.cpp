// The site walk's progress in the progress window.
#include <gtest/gtest.h>

#include <string>

#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/hinweis.h"
#include "corvanta/SiteFetch.h"

namespace {

TEST(WindowWalkProgress, ShowsThePageStepsTheBarAndTheClosedWindowCancels) {
  core::THinweisDlg window;
  window.Show();
  corvanta::TWindowWalkProgress progress(window);
  const std::string url = "http://host/" + std::string(80, 'd') + "/page.html";
  progress.ShowPage(url);
  EXPECT_EQ(window.lblAnzeige.Caption(), core::Text().ShortenUrl(url, 55));
  window.pbFortschritt.SetPosition(99);
  EXPECT_FALSE(progress.NextLink());
  EXPECT_EQ(window.pbFortschritt.Position(), 100);
  EXPECT_FALSE(progress.NextLink());
  EXPECT_EQ(window.pbFortschritt.Position(), 1);
  window.btnKnopfClick();
  EXPECT_TRUE(progress.NextLink());
  // The walker's own default is the project's.
  EXPECT_EQ(core::LoadStr(core::Txt::DefDateiendungen), net::kDefaultPageExtensions);
}

}  // namespace
