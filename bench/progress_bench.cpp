// Benchmark of the progress window: a shown THinweisDlg is updated the way a
// long run updates it (label text, bar position, ProcessMessages between), and
// the time per update is reported for each kind of update on its own and for
// the whole worker loop. Messages sent straight to the controls' windows are
// timed beside the wrappers, so that a regression shows where the time goes.
//
//   progress_bench [updates] [work-us] [rounds]
//
// Each update first spends work-us microseconds (default 35, a page of a
// 10,000-page project that saves in 0.35 s) as a worker would, so that the
// pump finds paints to deliver; what the updates and the pump cost on top of
// that work is reported. Every case runs `rounds` times (default 3) and the
// fastest round counts, since other processes on the machine only ever add
// time.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "core/Texts.h"
#include "coregui/hinweis.h"
#include "corvanta/Texts.h"
#include "platform/gui/Application.h"

namespace {

using bench::Seconds;

// What the load and save loops show: a shortened page address per page.
std::vector<std::string> PageLabels(int count) {
  std::vector<std::string> labels;
  labels.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    labels.push_back("C:\\web\\seiten\\kapitel" + std::to_string(i / 100) + "\\seite" + std::to_string(i) +
                     ".html...");
  return labels;
}

// Lets the window paint what is pending, so that no case inherits the paint
// debt of the one before.
void Settle() {
  const double until = Seconds() + 0.1;
  while (Seconds() < until) {
    platform::App().ProcessMessagesNow();
    Sleep(1);
  }
}

struct Case {
  const char* name;
  std::function<void(core::THinweisDlg&, int i)> update;
  int max = 0;  // 0: the bar's maximum is the number of updates
};

// The work of one page: the clock is asked, as little else as possible.
void Work(double seconds) {
  if (seconds <= 0) return;
  const double until = Seconds() + seconds;
  while (Seconds() < until) {
  }
}

void Run(const Case& c, int updates, double work, int rounds) {
  double best = 1e30;
  for (int round = 0; round < rounds; ++round) {
    core::THinweisDlg dlg;
    dlg.SetCaption("Corvanta - Benchmark");
    dlg.pbFortschritt.SetMax(c.max ? c.max : updates);
    dlg.pbFortschritt.SetPosition(0);
    dlg.lblAnzeige.SetCaption("Start");
    dlg.Show();
    Settle();
    const double start = Seconds();
    for (int i = 0; i < updates; ++i) {
      Work(work);
      c.update(dlg, i);
    }
    const double took = Seconds() - start - work * updates;
    best = std::min(best, took);
    Settle();
  }
  std::printf("%-44s %9.2f ms on top of the work  %8.4f ms/update\n", c.name, best * 1000.0,
              best * 1000.0 / updates);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  core::SetTextTable(corvanta::TextTable());
  platform::App().Initialize();
  platform::App().SetTitle(core::LoadStr(core::Txt::ProgramTitle));
  const int updates = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
  const double work = (argc > 2 ? std::max(0, std::atoi(argv[2])) : 35) / 1e6;
  const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
  const std::vector<std::string> labels = PageLabels(updates);
  auto pump = [] { platform::App().ProcessMessages(); };

  std::printf("%d updates after %.0f us of work each, best of %d rounds\n", updates, work * 1e6, rounds);
  const Case cases[] = {
      {"ProcessMessages only", [&](core::THinweisDlg&, int) { pump(); }},
      {"WM_SETTEXT to the label, new text", [&](core::THinweisDlg& d, int i) {
         SetWindowTextA(d.lblAnzeige.Handle(), labels[static_cast<size_t>(i)].c_str());
         pump();
       }},
      {"PBM_SETPOS to the bar, +1", [&](core::THinweisDlg& d, int i) {
         SendMessageA(d.pbFortschritt.Handle(), PBM_SETPOS, static_cast<WPARAM>(i + 1), 0);
         pump();
       }},
      {"PBM_SETPOS to the bar, same", [&](core::THinweisDlg& d, int) {
         SendMessageA(d.pbFortschritt.Handle(), PBM_SETPOS, 5, 0);
         pump();
       }},
      {"Label::SetCaption, new text", [&](core::THinweisDlg& d, int i) {
         d.lblAnzeige.SetCaption(labels[static_cast<size_t>(i)]);
         pump();
       }},
      {"Label::SetCaption, same text", [&](core::THinweisDlg& d, int) {
         d.lblAnzeige.SetCaption(labels[0]);
         pump();
       }},
      {"ProgressBar::SetPosition +1", [&](core::THinweisDlg& d, int i) {
         d.pbFortschritt.SetPosition(i + 1);
         pump();
       }},
      {"ProgressBar::SetPosition +1 (Max 100, wraps)",
       [&](core::THinweisDlg& d, int i) {
         d.pbFortschritt.SetPosition(i % 101);
         pump();
       },
       100},
      {"ProgressBar::SetPosition same", [&](core::THinweisDlg& d, int) {
         d.pbFortschritt.SetPosition(5);
         pump();
       }},
      // The save loop: position, pump, label per page.
      {"worker loop (position, pump, label)", [&](core::THinweisDlg& d, int i) {
         d.pbFortschritt.SetPosition(i + 1);
         pump();
         d.lblAnzeige.SetCaption(labels[static_cast<size_t>(i)]);
       }},
      // The index run: the label stays for a while, the position moves.
      {"worker loop, label every 50th", [&](core::THinweisDlg& d, int i) {
         d.pbFortschritt.SetPosition(i + 1);
         pump();
         d.lblAnzeige.SetCaption(labels[static_cast<size_t>(i / 50 * 50)]);
       }},
  };
  for (const Case& c : cases) Run(c, updates, work, rounds);
  return 0;
}
