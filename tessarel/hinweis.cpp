#include "tessarel/hinweis.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tessarel {

namespace {
// The window's outer height in single-bar use, and where the shared layout
// keeps the bar and the button.
constexpr int kSingleBarHeight = 137;
constexpr int kSingleBarTop = 44;
constexpr int kSingleButtonTop = 74;

void MoveTop(platform::Control& c, int top) {
  platform::LayoutBounds b = c.Bounds();
  b.top = top;
  c.SetBounds(b);
}
}  // namespace

THinweisDlg::THinweisDlg()
    : core::THinweisDlg(std::vector<std::string>{"THinweisDlg", "TTessarelHinweisDlg"}),
      lblAnzeige2(Find<platform::Label>("lblAnzeige2")),
      pbFortschritt2(Find<platform::ProgressBar>("pbFortschritt2")) {}

void THinweisDlg::SingleBar() {
  lblAnzeige2.SetVisible(false);
  pbFortschritt2.SetVisible(false);
  RECT r{};
  GetWindowRect(Handle(), &r);
  SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, kSingleBarHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveTop(pbFortschritt, kSingleBarTop);
  MoveTop(btnKnopf, kSingleButtonTop);
}

}  // namespace tessarel
