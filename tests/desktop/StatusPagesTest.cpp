// The values of the status pages: the gain, the word width and the
// database's size.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "DesktopTestSupport.h"
#include "desktop/StatusPages.h"

namespace {

using desktoptest::ProjectFolder;

TEST(StatusValues, GainAndWordWidth) {
  struct Gain {
    int normal, compressed;
    const char* text;
  };
  for (const Gain& g : {Gain{1000, 875, "12%"}, Gain{1000, 1000, "0%"}, Gain{0, 0, "0%"}, Gain{0, 50, "0%"},
                        Gain{1000, 125, "88%"}, Gain{1000, 135, "86%"}, Gain{200, 300, "-50%"}})
    EXPECT_EQ(desktop::GainText(g.normal, g.compressed), g.text) << g.normal << "/" << g.compressed;

  ProjectFolder f;
  auto project = f.Open(f.WriteProject("w.ovk", ""));
  ASSERT_TRUE(project);
  struct Width {
    bool on;
    int low, high;
    const char* text;
  };
  for (const Width& w : {Width{false, 3, 40, "unbegrenzt"}, Width{true, 0, 0, "unbegrenzt"},
                         Width{true, 3, 40, "3 <= Breite <= 40"}, Width{true, 0, 40, "Breite <= 40"},
                         Width{true, 3, 0, "3 <= Breite"}}) {
    project->SetWortbreite(w.on);
    project->SetWortbreiteMin(static_cast<std::uint8_t>(w.low));
    project->SetWortbreiteMax(static_cast<std::uint8_t>(w.high));
    EXPECT_EQ(desktop::WordWidthText(*project), w.text);
  }
}

TEST(StatusValues, LargeDatabaseHighlightedAndNoPagesShowZero) {
  ProjectFolder f;
  auto project = f.Open(f.WriteProject("s.ovk", "SchlagworteGesamt=10\r\n"));
  ASSERT_TRUE(project);
  project->SetJavascriptGroesse(500000);
  desktop::StatusValues v = desktop::ComputeStatus(*project);
  EXPECT_FALSE(v.sizeHighlighted);
  EXPECT_TRUE(v.pages.empty());
  const auto label = [&](const char* name) {
    for (const auto& [n, text] : v.labels)
      if (std::string(n) == name) return text;
    return std::string("?");
  };
  EXPECT_EQ(label("lblSchlagworteJeDatei"), "0");
  EXPECT_EQ(label("lblAnzahlStopwoerter"), "keine");
  project->SetJavascriptGroesse(500001);
  v = desktop::ComputeStatus(*project);
  EXPECT_TRUE(v.sizeHighlighted);
}

}  // namespace
