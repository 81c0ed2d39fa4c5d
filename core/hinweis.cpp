#include "core/hinweis.h"

#include <utility>

#include "core/ProgressTimes.h"
#include "platform/gui/Application.h"

namespace core {

namespace {
THinweisDlg* g_hinweisDlg = nullptr;
}

THinweisDlg* HinweisDlg() { return g_hinweisDlg; }

THinweisDlg::THinweisDlg() : THinweisDlg(std::vector<std::string>{"THinweisDlg"}) {}

THinweisDlg::THinweisDlg(std::vector<std::string> layoutChain)
    : Form(std::move(layoutChain)),
      lblAnzeige(Find<platform::Label>("lblAnzeige")),
      pbFortschritt(Find<platform::ProgressBar>("pbFortschritt")),
      btnKnopf(Find<platform::Button>("btnKnopf")),
      lblBisherText(Find<platform::Label>("lblBisherText")),
      lblBisher(Find<platform::Label>("lblBisher")),
      lblNochText(Find<platform::Label>("lblNochText")),
      lblNoch(Find<platform::Label>("lblNoch")),
      Timer1(Find<platform::Timer>("Timer1")),
      // A caller that forgets the start time still gets sensible times.
      StartTime(platform::Now()) {
  btnKnopf.OnClick = [this] { btnKnopfClick(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
  g_hinweisDlg = this;
}

THinweisDlg::~THinweisDlg() {
  if (g_hinweisDlg == this) g_hinweisDlg = nullptr;
}

void THinweisDlg::btnKnopfClick() { Close(); }

void THinweisDlg::Timer1Timer() {
  const double elapsed = platform::Now() - StartTime;
  lblBisher.SetCaption(FormatDuration(elapsed));
  lblNoch.SetCaption(RemainingTimeText(elapsed, pbFortschritt.Max(), pbFortschritt.Position()));
  platform::App().ProcessMessages();
}

void ProgressRun::Pump() { platform::App().ProcessMessages(); }

void THinweisDlg::HideTimeLabels() {
  lblNoch.SetVisible(false);
  lblNochText.SetVisible(false);
  lblBisher.SetVisible(false);
  lblBisherText.SetVisible(false);
}

}  // namespace core
