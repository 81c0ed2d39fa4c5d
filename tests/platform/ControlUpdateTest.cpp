// Labels and progress bars updated the way long runs update them: thousands of
// times, faster than anybody can read. What they report must always be the
// latest value, and what the window shows once the pump has run must be
// exactly what a clean repaint shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace {

using platform::App;

class TUpdateForm : public platform::Form {
 public:
  TUpdateForm() : Form("TUpdateForm") {}
  platform::Label& lblAnzeige = Find<platform::Label>("lblAnzeige");
  platform::ProgressBar& pbFortschritt = Find<platform::ProgressBar>("pbFortschritt");
  platform::Label& lblStand = Find<platform::Label>("lblStand");
};

using Pixels = std::vector<std::uint32_t>;

// A 32-bit bitmap to draw on and read back.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  Pixels Read() const {
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits_);
    return Pixels(first, first + static_cast<size_t>(width_) * height_);
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

// What the screen shows of a window's client rectangle now.
Pixels OnScreen(HWND hwnd, const RECT& r) {
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  Canvas canvas(width, height);
  HDC dc = GetDC(hwnd);
  BitBlt(canvas.Dc(), 0, 0, width, height, dc, r.left, r.top, SRCCOPY);
  ReleaseDC(hwnd, dc);
  return canvas.Read();
}

// A control's place in its parent's client area.
RECT PlaceOf(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    App().ProcessMessagesNow();
    Sleep(1);
  }
}

// Long enough for a repaint that waits for its turn to happen.
void Settle() { PumpFor(platform::Control::kRepaintIntervalMs * 2 + 20); }

// What a clean repaint of the whole form shows of a control.
Pixels Repainted(platform::Form& form, HWND control) {
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return OnScreen(form.Handle(), PlaceOf(control));
}

// Counts the paints a window receives.
class PaintCounter {
 public:
  explicit PaintCounter(HWND hwnd) : hwnd_(hwnd) {
    SetWindowSubclass(hwnd_, &Proc, kId, reinterpret_cast<DWORD_PTR>(this));
  }
  ~PaintCounter() { RemoveWindowSubclass(hwnd_, &Proc, kId); }
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;
  int paints = 0;

 private:
  static constexpr UINT_PTR kId = 77;
  // A paint that a paint sets off within itself is the same paint.
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<PaintCounter*>(data);
    if (msg != WM_PAINT) return DefSubclassProc(hwnd, msg, wParam, lParam);
    if (self->depth_++ == 0) ++self->paints;
    const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    --self->depth_;
    return result;
  }
  HWND hwnd_;
  int depth_ = 0;
};

TEST(Label, TransparentCaptionNeverShowsOldTextThroughNew) {
  TUpdateForm f;
  f.Show();
  const HWND label = f.lblAnzeige.Handle();
  f.lblAnzeige.SetCaption("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
  Settle();
  const Pixels wide = OnScreen(f.Handle(), PlaceOf(label));

  f.lblAnzeige.SetCaption("iii");
  // Nothing is painted before the background behind the label is.
  EXPECT_EQ(OnScreen(f.Handle(), PlaceOf(label)), wide);
  // Yet everybody who asks learns the new text at once.
  EXPECT_EQ(f.lblAnzeige.Caption(), "iii");
  EXPECT_EQ(platform::WindowText(label), "iii");

  Settle();
  const Pixels shown = OnScreen(f.Handle(), PlaceOf(label));
  EXPECT_NE(shown, wide);
  EXPECT_EQ(shown, Repainted(f, label));
}

TEST(Label, CaptionReadsBackAfterManyUpdates) {
  TUpdateForm f;
  f.Show();
  for (platform::Label* label : {&f.lblAnzeige, &f.lblStand}) {
    for (int i = 0; i < 3000; ++i) {
      const std::string text = "C:\\web\\seite" + std::to_string(i) + ".html...";
      label->SetCaption(text);
      if (i % 7 == 0) App().ProcessMessages();
      if (i % 500 == 0) {
        ASSERT_EQ(label->Caption(), text);
        ASSERT_EQ(platform::WindowText(label->Handle()), text);
      }
    }
    EXPECT_EQ(label->Caption(), "C:\\web\\seite2999.html...");
    Settle();
    EXPECT_EQ(platform::WindowText(label->Handle()), "C:\\web\\seite2999.html...");
    EXPECT_EQ(OnScreen(f.Handle(), PlaceOf(label->Handle())), Repainted(f, label->Handle()));

    // An unchanged text asks for no paint.
    RECT dirty{};
    label->SetCaption("C:\\web\\seite2999.html...");
    EXPECT_FALSE(GetUpdateRect(f.Handle(), &dirty, FALSE));
    EXPECT_FALSE(GetUpdateRect(label->Handle(), &dirty, FALSE));

    // Text set from outside is what the label has; setting ours again must
    // not be taken for "unchanged".
    label->SetCaption("unser");
    SetWindowTextA(label->Handle(), "fremd");
    EXPECT_EQ(label->Caption(), "fremd");
    label->SetCaption("unser");
    EXPECT_EQ(label->Caption(), "unser");
    EXPECT_EQ(platform::WindowText(label->Handle()), "unser");
  }
}

// Positions that the wrappers take for alike must look alike on the control
// itself: rendered at every position, compared the way a run compares the new
// position with the one last painted.
TEST(ProgressBar, PositionsTakenForAlikeLookAlike) {
  struct Range {
    int min, max, width;
  };
  for (const Range range : {Range{0, 7, 363}, Range{0, 100, 363}, Range{0, 500, 363}, Range{0, 1500, 90},
                            Range{0, 50, 90}, Range{-30, 70, 90}, Range{0, 40, 3}}) {
    SCOPED_TRACE(std::to_string(range.min) + ".." + std::to_string(range.max) + " in " +
                 std::to_string(range.width) + " px");
    const int height = 16;
    HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_POPUP, 0, 0, range.width, height, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(bar, nullptr);
    SendMessageA(bar, PBM_SETRANGE32, static_cast<WPARAM>(range.min), range.max);
    Canvas canvas(range.width, height);
    auto imageAt = [&](int position) {
      SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
      SendMessageA(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
      return canvas.Read();
    };
    int painted = range.min;
    Pixels paintedImage = imageAt(painted);
    Pixels previous = paintedImage;
    int paints = 0, images = 0, wrong = 0;
    for (int p = range.min + 1; p <= range.max; ++p) {
      const Pixels image = imageAt(p);
      if (image != previous) ++images;
      if (platform::ProgressLooksAlike(p - 1, p, range.min, range.max, range.width) && image != previous) ++wrong;
      if (!platform::ProgressLooksAlike(p, painted, range.min, range.max, range.width)) {
        painted = p;
        paintedImage = image;
        ++paints;
      } else if (image != paintedImage) {
        ++wrong;
      }
      previous = image;
    }
    EXPECT_EQ(wrong, 0);
    // And alike wherever the bar is: one paint per picture, and the ends.
    EXPECT_LE(paints, images + 2);
    DestroyWindow(bar);
  }
}

// The wrapper keeps its own account of range and position; a plain control
// given the same calls must agree with it after every one of them.
TEST(ProgressBar, KeepsTheStateThePlainControlHas) {
  TUpdateForm f;
  f.Show();
  platform::ProgressBar& bar = f.pbFortschritt;
  HWND plain = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, 9, 44, 363, 16, f.Handle(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(plain, nullptr);
  SendMessageA(plain, PBM_SETRANGE32, 0, 100);
  SendMessageA(plain, PBM_SETSTEP, 1, 0);
  auto plainSend = [&](UINT msg, WPARAM wParam, LPARAM lParam = 0) { return SendMessageA(plain, msg, wParam, lParam); };

  // The engine's own numbers, not a distribution's: the same on every build.
  std::minstd_rand engine(20240611);
  auto below = [&](int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); };
  for (int step = 0; step < 1000; ++step) {
    const int min = bar.Min();
    const int max = bar.Max();
    const int value = min - 20 + below(std::abs(max - min) + 41);
    switch (below(20)) {
      case 0: {
        const int newMax = min + below(2000);
        bar.SetMax(newMax);
        plainSend(PBM_SETRANGE32, static_cast<WPARAM>(min), newMax);
        break;
      }
      case 1: {
        // Now and then above the maximum: a reversed range.
        const int newMin = max - below(300) + (below(10) == 0 ? 400 : 0);
        bar.SetMin(newMin);
        plainSend(PBM_SETRANGE32, static_cast<WPARAM>(newMin), max);
        break;
      }
      case 2:
        bar.StepIt();
        plainSend(PBM_STEPIT, 0);
        break;
      case 3: {
        const int newStep = below(40) - 5;
        bar.SetStep(newStep);
        plainSend(PBM_SETSTEP, static_cast<WPARAM>(newStep));
        break;
      }
      case 4: {
        // Messages from elsewhere go to the window, past the wrapper.
        const int delta = below(60) - 20;
        EXPECT_EQ(SendMessageA(bar.Handle(), PBM_DELTAPOS, static_cast<WPARAM>(delta), 0),
                  plainSend(PBM_DELTAPOS, static_cast<WPARAM>(delta)));
        break;
      }
      case 5:
        EXPECT_EQ(SendMessageA(bar.Handle(), PBM_SETPOS, static_cast<WPARAM>(value), 0),
                  plainSend(PBM_SETPOS, static_cast<WPARAM>(value)));
        break;
      case 6:
        App().ProcessMessagesNow();
        break;
      default:
        bar.SetPosition(value);
        plainSend(PBM_SETPOS, static_cast<WPARAM>(value));
        break;
    }
    PBRANGE range{};
    plainSend(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    ASSERT_EQ(bar.Min(), range.iLow) << "step " << step;
    ASSERT_EQ(bar.Max(), range.iHigh) << "step " << step;
    ASSERT_EQ(bar.Position(), plainSend(PBM_GETPOS, 0)) << "step " << step;
    ASSERT_EQ(SendMessageA(bar.Handle(), PBM_GETPOS, 0, 0), bar.Position()) << "step " << step;
  }
  Settle();
  EXPECT_EQ(OnScreen(f.Handle(), PlaceOf(bar.Handle())), Repainted(f, bar.Handle()));
  DestroyWindow(plain);
}

TEST(ProgressBar, ShowsEveryPositionOnceThePumpHasRunAndIsFullAtItsMaximum) {
  TUpdateForm f;
  f.pbFortschritt.SetMax(10000);
  f.Show();
  Settle();
  const HWND bar = f.pbFortschritt.Handle();
  // Positions that fill a pixel more, and ones that do not.
  for (int stop : {27, 28, 5013, 9999, 10000}) {
    for (int p = f.pbFortschritt.Position(); p <= stop; ++p) {
      f.pbFortschritt.SetPosition(p);
      App().ProcessMessages();
    }
    ASSERT_EQ(f.pbFortschritt.Position(), stop);
    Settle();
    EXPECT_EQ(OnScreen(f.Handle(), PlaceOf(bar)), Repainted(f, bar)) << "at " << stop;
  }
  // Full: the last pixel inside the frame has the colour of the first.
  RECT inside{};
  GetClientRect(bar, &inside);
  const Pixels pixels = OnScreen(bar, inside);
  const int width = inside.right;
  const int row = inside.bottom / 2;
  EXPECT_EQ(pixels[static_cast<size_t>(row * width + width - 2)], pixels[static_cast<size_t>(row * width + 1)]);
}

TEST(ProgressWindow, ARunPaintsAtAMeasuredPace) {
  TUpdateForm f;
  f.pbFortschritt.SetMax(1000000);
  f.Show();
  Settle();
  PaintCounter labelPaints(f.lblAnzeige.Handle());
  PaintCounter barPaints(f.pbFortschritt.Handle());

  // A run that does a little work per page, until it has shown its progress a
  // few times (half a second on a quiet machine).
  const DWORD start = GetTickCount();
  int page = 0;
  while ((labelPaints.paints < 3 || barPaints.paints < 3 || GetTickCount() - start < 500) &&
         GetTickCount() - start < 30000) {
    const DWORD pageStart = GetTickCount();
    while (GetTickCount() == pageStart) {
    }
    for (int i = 0; i < 20; ++i, ++page) {
      f.pbFortschritt.SetPosition(page * 100);
      App().ProcessMessages();
      f.lblAnzeige.SetCaption("C:\\web\\seite" + std::to_string(page) + ".html...");
    }
  }
  const DWORD took = GetTickCount() - start;
  // The run shows progress while it goes, at no more than the pace of
  // repaints (plus the one that starts it and one the clock's grain lets in).
  const int most = static_cast<int>(took / platform::Control::kRepaintIntervalMs) + 3;
  EXPECT_GE(labelPaints.paints, 3);
  EXPECT_LE(labelPaints.paints, most);
  EXPECT_GE(barPaints.paints, 3);
  EXPECT_LE(barPaints.paints, most);

  // Updates without work between them end where the last one left them
  // (what they cost is measured by bench/bounds_bench).
  for (int i = 0; i < 10000; ++i) {
    f.pbFortschritt.SetPosition(i * 100);
    App().ProcessMessages();
    f.lblAnzeige.SetCaption("C:\\web\\seite" + std::to_string(i) + ".html...");
  }
  EXPECT_EQ(f.pbFortschritt.Position(), 999900);
  EXPECT_EQ(f.lblAnzeige.Caption(), "C:\\web\\seite9999.html...");
}

}  // namespace
