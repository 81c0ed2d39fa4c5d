#include "coregui/hinweis.h"

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
  for (platform::Label* label : {&lblAnzeige, &lblBisherText, &lblBisher, &lblNochText, &lblNoch})
    built_.labels.push_back({label, label->Caption(), label->Visible()});
  built_.min = pbFortschritt.Min();
  built_.max = pbFortschritt.Max();
  built_.position = pbFortschritt.Position();
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

void THinweisDlg::Reset() {
  if (Visible()) Hide();
  for (const auto& [label, caption, visible] : built_.labels) {
    if (label->Caption() != caption) label->SetCaption(caption);
    if (label->Visible() != visible) label->SetVisible(visible);
  }
  if (pbFortschritt.Min() != built_.min || pbFortschritt.Max() != built_.max) {
    pbFortschritt.SetMin(built_.min);
    pbFortschritt.SetMax(built_.max);
  }
  if (pbFortschritt.Position() != built_.position) pbFortschritt.SetPosition(built_.position);
  StartTime = platform::Now();
  g_hinweisDlg = this;
}

StepWindow::StepWindow(THinweisDlg* shared) {
  if (shared) shared->Reset();
  window_ = shared ? shared : &own_.emplace();
}

StepWindow::~StepWindow() {
  if (!own_) window_->Hide();
}

void THinweisDlg::HideTimeLabels() {
  lblNoch.SetVisible(false);
  lblNochText.SetVisible(false);
  lblBisher.SetVisible(false);
  lblBisherText.SetVisible(false);
}

}  // namespace core
