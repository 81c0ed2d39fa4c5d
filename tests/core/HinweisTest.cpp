#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core/ProgressTimes.h"
#include "coregui/hinweis.h"
#include "platform/base/Clock.h"
#include "platform/gui/Application.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 60 * kSecond;
constexpr double kHour = 60 * kMinute;

TEST(TimeLabels, FormatHoursMinutesSecondsFromWholeMilliseconds) {
  EXPECT_EQ(core::FormatDuration(0), "00:00.00");
  EXPECT_EQ(core::FormatDuration(kMinute), "00:01.00");
  EXPECT_EQ(core::FormatDuration(59.9994 * kSecond), "00:00.59");  // 59 999 ms: cut, not rounded up
  EXPECT_EQ(core::FormatDuration(59.9996 * kSecond), "00:01.00");  // 60 000 ms
  EXPECT_EQ(core::FormatDuration(kHour + 2 * kMinute + 3.999 * kSecond), "01:02.03");
  // A duration, not a time of day: no wrap after 24 hours.
  EXPECT_EQ(core::FormatDuration(49.5 * kHour), "49:30.00");
  EXPECT_EQ(core::FormatDuration(-kSecond), "?");
  EXPECT_EQ(core::FormatDuration(std::numeric_limits<double>::quiet_NaN()), "?");
  EXPECT_EQ(core::FormatDuration(std::numeric_limits<double>::infinity()), "?");
  EXPECT_EQ(core::FormatDuration(1e300), "?");
}

TEST(TimeLabels, RemainingTimeFromTheBar) {
  EXPECT_EQ(core::RemainingTimeText(kMinute, 100, 0), "?");
  EXPECT_EQ(core::RemainingTimeText(kMinute, 100, 50), "00:01.00");
  EXPECT_EQ(core::RemainingTimeText(kMinute, 100, 25), "00:03.00");
  EXPECT_EQ(core::RemainingTimeText(kMinute, 100, 100), "00:00.00");
  EXPECT_EQ(core::RemainingTimeText(0, 100, 1), "00:00.00");
  // Floating point, not integer division: 7/3 of a minute is 2:20.
  EXPECT_EQ(core::RemainingTimeText(kMinute, 7, 3), "00:01.20");
}

class ClockSeam : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetClockForTest([this] { return now_; });
  }
  void TearDown() override { platform::SetClockForTest({}); }
  double now_ = 45000.5;
};

TEST_F(ClockSeam, TimerShowsQuestionMarkBeforeTheFirstStepThenBothTimes) {
  core::THinweisDlg dlg;
  dlg.StartTime = platform::Now();
  now_ += kMinute;
  dlg.Timer1Timer();
  EXPECT_EQ(dlg.lblBisher.Caption(), "00:01.00");
  EXPECT_EQ(dlg.lblNoch.Caption(), "?");
  dlg.pbFortschritt.SetPosition(50);
  dlg.Timer1Timer();
  EXPECT_EQ(dlg.lblBisher.Caption(), "00:01.00");
  EXPECT_EQ(dlg.lblNoch.Caption(), "00:01.00");
}

std::string ControlClass(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

void ExpectPlace(const platform::Control& c, int left, int top, int width, int height) {
  const auto b = c.Bounds();
  EXPECT_EQ(b.left, left) << c.Name();
  EXPECT_EQ(b.top, top) << c.Name();
  EXPECT_EQ(b.width, width) << c.Name();
  EXPECT_EQ(b.height, height) << c.Name();
}

TEST(ProgressWindow, HasTheStoredLayout) {
  ASSERT_EQ(core::HinweisDlg(), nullptr);
  {
    core::THinweisDlg dlg;
    EXPECT_EQ(core::HinweisDlg(), &dlg);
    EXPECT_EQ(dlg.ClientWidth(), 379);
    EXPECT_EQ(dlg.ClientHeight(), 110);
    const auto style = GetWindowLongPtrA(dlg.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    const auto label = GetWindowLongPtrA(dlg.lblAnzeige.Handle(), GWL_STYLE);
    EXPECT_EQ(label & SS_TYPEMASK, SS_CENTER);
    EXPECT_TRUE(label & SS_NOPREFIX);
    EXPECT_TRUE(dlg.lblAnzeige.Transparent());
    EXPECT_EQ(dlg.lblAnzeige.Bounds().left, 8);
    EXPECT_EQ(dlg.lblAnzeige.Bounds().top, 16);
    ExpectPlace(dlg.pbFortschritt, 9, 44, 363, 16);
    EXPECT_EQ(dlg.pbFortschritt.Min(), 0);
    EXPECT_EQ(dlg.pbFortschritt.Max(), 100);
    EXPECT_EQ(dlg.pbFortschritt.Step(), 1);
    EXPECT_EQ(ControlClass(dlg.pbFortschritt.Handle()), "msctls_progress32");
    ExpectPlace(dlg.btnKnopf, 143, 74, 93, 27);
    EXPECT_EQ(dlg.btnKnopf.Caption(), "&Abbrechen");
    EXPECT_EQ(dlg.DefaultButton(), &dlg.btnKnopf);
    EXPECT_EQ(dlg.CancelButton(), &dlg.btnKnopf);
    EXPECT_EQ(dlg.lblBisherText.Caption(), "Bisher: ");
    EXPECT_EQ(GetWindowLongPtrA(dlg.lblBisherText.Handle(), GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
    EXPECT_EQ(dlg.lblBisherText.Bounds().top, 81);
    EXPECT_EQ(dlg.lblBisher.Bounds().left, 48);
    EXPECT_EQ(dlg.lblNochText.Caption(), "Noch:");
    EXPECT_EQ(dlg.lblNoch.Bounds().left, 328);
    EXPECT_EQ(dlg.Timer1.Interval(), 1000);
    EXPECT_TRUE(dlg.Timer1.Enabled());

    // Centred on the screen when shown.
    dlg.Show();
    RECT r{}, work{};
    GetWindowRect(dlg.Handle(), &r);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((r.left + r.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) - (work.top + work.bottom)), 1);

    dlg.HideTimeLabels();
    for (auto* l : {&dlg.lblBisher, &dlg.lblBisherText, &dlg.lblNoch, &dlg.lblNochText})
      EXPECT_FALSE(l->Visible()) << l->Name();
    EXPECT_TRUE(dlg.lblAnzeige.Visible());
  }
  EXPECT_EQ(core::HinweisDlg(), nullptr);
}

// A window handed to the next step of a run is hidden and shows what a new
// one would: the step before, even a cancelled one, leaves nothing behind.
TEST_F(ClockSeam, ResetBringsBackTheWindowAsBuilt) {
  core::THinweisDlg dlg;
  dlg.SetCaption("Schritt 1");
  dlg.Show();
  dlg.HideTimeLabels();
  dlg.lblAnzeige.SetCaption("C:\\web\\seite.html");
  dlg.pbFortschritt.SetMax(7);
  dlg.pbFortschritt.SetPosition(5);
  dlg.Timer1Timer();
  dlg.btnKnopfClick();
  {
    core::THinweisDlg other;  // a step in between with a window of its own
  }
  now_ += kMinute;
  dlg.Reset();
  EXPECT_FALSE(dlg.Visible());
  EXPECT_EQ(core::HinweisDlg(), &dlg);
  EXPECT_EQ(dlg.StartTime, now_);
  const core::THinweisDlg fresh;
  const std::pair<const platform::Label*, const platform::Label*> labels[] = {
      {&dlg.lblAnzeige, &fresh.lblAnzeige}, {&dlg.lblBisherText, &fresh.lblBisherText},
      {&dlg.lblBisher, &fresh.lblBisher},   {&dlg.lblNochText, &fresh.lblNochText},
      {&dlg.lblNoch, &fresh.lblNoch}};
  for (const auto& [reset, built] : labels) {
    EXPECT_EQ(reset->Caption(), built->Caption()) << reset->Name();
    EXPECT_EQ(reset->Visible(), built->Visible()) << reset->Name();
  }
  EXPECT_EQ(dlg.pbFortschritt.Min(), fresh.pbFortschritt.Min());
  EXPECT_EQ(dlg.pbFortschritt.Max(), fresh.pbFortschritt.Max());
  EXPECT_EQ(dlg.pbFortschritt.Position(), fresh.pbFortschritt.Position());
}

// A worker as the programs run one: item, bar, pump, and stop when the window
// is gone. cancel is done once, at the given step. Returns the steps done.
int RunWorker(core::THinweisDlg& dlg, int cancelAt, const std::function<void()>& cancel) {
  dlg.SetCaption("Quarvelin(tm) Corvanta - Test");
  dlg.pbFortschritt.SetMax(1000000);
  dlg.StartTime = platform::Now();
  dlg.Show();
  const DWORD start = GetTickCount();
  int step = 0;
  while (dlg.Visible()) {
    if (GetTickCount() - start > 30000) break;  // the cancel never arrived
    ++step;
    dlg.lblAnzeige.SetCaption("Seite " + std::to_string(step));
    dlg.pbFortschritt.SetPosition(step);
    if (step == cancelAt) cancel();
    platform::App().ProcessMessages();
  }
  return step;
}

TEST(ProgressWindow, CancelByButtonEscOrEnterEndsTheLoop) {
  struct Case {
    const char* how;
    std::function<void(core::THinweisDlg&)> cancel;
  };
  const Case cases[] = {
      {"button", [](core::THinweisDlg& d) { PostMessageA(d.btnKnopf.Handle(), BM_CLICK, 0, 0); }},
      {"Esc", [](core::THinweisDlg& d) { PostMessageA(GetFocus() ? GetFocus() : d.Handle(), WM_KEYDOWN, VK_ESCAPE, 1); }},
      {"Enter", [](core::THinweisDlg& d) { PostMessageA(GetFocus() ? GetFocus() : d.Handle(), WM_KEYDOWN, VK_RETURN, 1); }},
  };
  for (const auto& c : cases) {
    core::THinweisDlg dlg;
    const int steps = RunWorker(dlg, 200, [&] { c.cancel(dlg); });
    EXPECT_FALSE(dlg.Visible()) << c.how;
    EXPECT_GE(steps, 200) << c.how;
    // The window is only hidden: the worker still reads it, then frees it.
    EXPECT_TRUE(IsWindow(dlg.Handle())) << c.how;
    EXPECT_EQ(dlg.lblAnzeige.Caption(), "Seite " + std::to_string(steps)) << c.how;
  }
}

TEST(ProgressWindow, TimerRefreshesTheTimesDuringARun) {
  core::THinweisDlg dlg;
  dlg.StartTime = platform::Now();
  dlg.pbFortschritt.SetPosition(0);
  dlg.Show();
  const DWORD start = GetTickCount();
  while (dlg.lblNoch.Caption().empty() && GetTickCount() - start < 30000) platform::App().ProcessMessages();
  EXPECT_EQ(dlg.lblNoch.Caption(), "?");
  EXPECT_EQ(dlg.lblBisher.Caption().size(), 8u) << dlg.lblBisher.Caption();
}

}  // namespace
