#pragma once
// The progress window of every long operation (loading and saving projects,
// crawling, index runs, copying the search form, importing stop words).
//
// The programs have no worker threads: the operation runs on the main thread
// and pumps messages as it goes. The window's button hides the window, and a
// window that is no longer visible is the signal to stop. A worker:
//
//   core::THinweisDlg dlg;
//   dlg.SetCaption(core::LoadStr(core::Txt::ProgramTitle) + " - " + operation);
//   dlg.pbFortschritt.SetMax(count);
//   dlg.StartTime = platform::Now();
//   dlg.Show();
//   for (...) {
//     dlg.lblAnzeige.SetCaption(item);
//     dlg.pbFortschritt.SetPosition(i);
//     platform::App().ProcessMessages();
//     if (!dlg.Visible()) { abort = true; break; }
//   }
#include <optional>
#include <string>
#include <vector>

#include "core/RunContext.h"
#include "platform/base/Clock.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/Timer.h"

namespace core {

class THinweisDlg : public platform::Form {
 public:
  THinweisDlg();
  ~THinweisDlg() override;

  platform::Label& lblAnzeige;
  platform::ProgressBar& pbFortschritt;
  platform::Button& btnKnopf;
  platform::Label& lblBisherText;
  platform::Label& lblBisher;
  platform::Label& lblNochText;
  platform::Label& lblNoch;
  platform::Timer& Timer1;

  // Set by the caller before the window is shown.
  platform::TDateTime StartTime;

  // Hides the window: the cancel signal. The object stays; the worker frees it.
  void btnKnopfClick();
  // Refreshes the elapsed and remaining time, then pumps messages.
  void Timer1Timer();
  // For operations without a meaningful remaining time.
  void HideTimeLabels();
  // Hides the window and brings it back to how it was built (its texts, the
  // bar's range and place, the time labels as they were), the start time
  // now, and makes it the progress window again. A run that shows its steps
  // one after another hands one window from step to step this way: under
  // Wine building a window and taking it down costs more than many pages of
  // the run.
  void Reset();

 protected:
  // A program's variant of the window: the layouts of the chain, this
  // window's own first.
  explicit THinweisDlg(std::vector<std::string> layoutChain);

 private:
  struct BuiltLabel {
    platform::Label* label;
    std::string caption;
    bool visible;
  };
  struct Built {
    std::vector<BuiltLabel> labels;
    int min = 0;
    int max = 0;
    int position = 0;
  };
  Built built_;
};

// The progress window of one step of a run. A run that shows its steps one
// after another hands one window from step to step: the step gets it reset
// and hides it when done, as if the window had been built for the step and
// taken down after it. Without a window handed in, the step builds its own.
class StepWindow {
 public:
  explicit StepWindow(THinweisDlg* shared);
  ~StepWindow();
  StepWindow(const StepWindow&) = delete;
  StepWindow& operator=(const StepWindow&) = delete;
  THinweisDlg& operator*() const { return *window_; }
  THinweisDlg* operator->() const { return window_; }

 private:
  std::optional<THinweisDlg> own_;
  THinweisDlg* window_;
};

// The progress window while one exists, nullptr otherwise.
THinweisDlg* HinweisDlg();

// The run context of a run shown in a progress window: the application's
// messages are pumped (the application looks at the queue only every few
// milliseconds), and the window no longer visible is the user's cancel.
class ProgressRun final : public RunContext {
 public:
  explicit ProgressRun(THinweisDlg& window) : window_(window) {}
  void Pump() override;
  bool Cancelled() override { return !window_.Visible(); }
  THinweisDlg& Window() { return window_; }

 private:
  THinweisDlg& window_;
};

}  // namespace core
