// Benchmark of what a progress window costs before and after the work it
// shows: built from its layout, captioned and shown, its first paint, and
// taken down again, as a batch run does for each of its steps.
//
//   window_bench [cycles]
//
// Reports the fastest cycle of each phase and the mean (other processes on
// the machine only ever add time).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/BenchClock.h"
#include "core/Texts.h"
#include "coregui/hinweis.h"
#include "corvanta/Texts.h"
#include "platform/gui/Application.h"

namespace {

using bench::Seconds;

struct Phase {
  const char* name;
  double best = 1e30;
  double sum = 0;
  void Add(double seconds) {
    best = std::min(best, seconds);
    sum += seconds;
  }
};

}  // namespace

int main(int argc, char** argv) {
  core::SetTextTable(corvanta::TextTable());
  platform::App().Initialize();
  const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  Phase build{"build"}, show{"caption, show, first paint"}, down{"take down"}, all{"whole cycle"};
  for (int i = 0; i < cycles; ++i) {
    const double t0 = Seconds();
    auto dlg = std::make_unique<core::THinweisDlg>();
    const double t1 = Seconds();
    dlg->SetCaption("Corvanta - Benchmark");
    dlg->HideTimeLabels();
    dlg->Show();
    dlg->lblAnzeige.SetCaption("C:\\web\\seiten\\seite.html");
    platform::App().ProcessMessagesNow();
    const double t2 = Seconds();
    dlg.reset();
    platform::App().ProcessMessagesNow();
    const double t3 = Seconds();
    build.Add(t1 - t0);
    show.Add(t2 - t1);
    down.Add(t3 - t2);
    all.Add(t3 - t0);
  }
  std::printf("%d cycles of a progress window\n", cycles);
  for (const Phase* p : {&build, &show, &down, &all})
    std::printf("%-28s best %7.2f ms  mean %7.2f ms\n", p->name, p->best * 1000.0, p->sum * 1000.0 / cycles);
  return 0;
}
