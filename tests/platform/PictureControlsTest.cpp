#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace {

using platform::App;

class TPictureTest : public platform::Form {
 public:
  TPictureTest() : Form("TMenuTest") {}
  platform::SpeedButton& sbtNeu = Find<platform::SpeedButton>("sbtNeu");
  platform::Image& imgBild = Find<platform::Image>("imgBild");
  platform::Edit& edPfad = Find<platform::Edit>("edPfad");
};

void Pump() {
  for (int i = 0; i < 5; ++i) {
    App().ProcessMessagesNow();
    Sleep(1);
  }
}

// What a control paints, pixel by pixel, into a bitmap of its size.
class Painted {
 public:
  explicit Painted(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    width_ = r.right;
    height_ = r.bottom;
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    // Whatever the control leaves unpainted stays this colour.
    RECT all{0, 0, width_, height_};
    HBRUSH unpainted = CreateSolidBrush(kUnpainted);
    FillRect(dc_, &all, unpainted);
    DeleteObject(unpainted);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
  }
  ~Painted() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Painted(const Painted&) = delete;
  Painted& operator=(const Painted&) = delete;

  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  std::set<COLORREF> Colors() const {
    std::set<COLORREF> colors;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) colors.insert(At(x, y));
    return colors;
  }
  static constexpr COLORREF kUnpainted = RGB(1, 2, 3);

 private:
  int width_ = 0;
  int height_ = 0;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

constexpr COLORREF kGlyphBackground = RGB(255, 0, 255);

TEST(SpeedButton, GlyphAndCaptionAreCentredTogetherInsideTheButton) {
  struct Case {
    const char* what;
    SIZE button, glyph, text;
    bool top;
    POINT glyphAt;
    RECT textAt;
  };
  // The settings' large (49 x 37, with captions) and small (25 x 25) buttons.
  const Case cases[] = {
      {"large, glyph above", {49, 37}, {16, 16}, {30, 13}, true, {16, 2}, {9, 22, 39, 35}},
      {"small, no caption", {25, 25}, {16, 16}, {0, 0}, true, {4, 4}, {}},
      {"glyph left", {80, 24}, {16, 16}, {40, 13}, false, {10, 4}, {30, 5, 70, 18}},
      {"caption only", {49, 37}, {0, 0}, {30, 13}, true, {}, {9, 12, 39, 25}},
  };
  for (const auto& c : cases) {
    const auto a = platform::ArrangeGlyph(c.button, c.glyph, c.text, c.top);
    if (c.glyph.cx > 0) {
      EXPECT_EQ(a.glyph.x, c.glyphAt.x) << c.what;
      EXPECT_EQ(a.glyph.y, c.glyphAt.y) << c.what;
    }
    if (c.text.cx > 0) {
      EXPECT_EQ(a.text.left, c.textAt.left) << c.what;
      EXPECT_EQ(a.text.top, c.textAt.top) << c.what;
      EXPECT_EQ(a.text.right, c.textAt.right) << c.what;
      EXPECT_EQ(a.text.bottom, c.textAt.bottom) << c.what;
    }
  }
}

TEST(SpeedButton, AClickIsAPressAndReleaseOverTheEnabledButton) {
  TPictureTest f;
  int clicks = 0;
  f.sbtNeu.OnClick = [&] { ++clicks; };
  f.Show();
  f.edPfad.SetFocus();
  HWND b = f.sbtNeu.Handle();
  auto press = [&](LPARAM down, LPARAM up) {
    PostMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, down);
    PostMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, up);
    PostMessageA(b, WM_LBUTTONUP, 0, up);
    Pump();
  };
  press(MAKELPARAM(10, 10), MAKELPARAM(12, 12));
  EXPECT_EQ(clicks, 1);
  // The button takes no focus: the user goes on typing where he was. (Only
  // that it went nowhere else can be asked: the form may lose the activation
  // to other programs on the machine.)
  EXPECT_NE(GetFocus(), b);
  // Released outside: no click.
  press(MAKELPARAM(10, 10), MAKELPARAM(80, 10));
  EXPECT_EQ(clicks, 1);
  f.sbtNeu.SetEnabled(false);
  press(MAKELPARAM(10, 10), MAKELPARAM(12, 12));
  f.sbtNeu.Click();
  EXPECT_EQ(clicks, 1);
  f.sbtNeu.SetEnabled(true);
  f.sbtNeu.Click();
  EXPECT_EQ(clicks, 2);
}

TEST(SpeedButton, TheGlyphBackgroundIsTransparentAndADisabledGlyphGrey) {
  TPictureTest f;
  f.sbtNeu.SetCaption("");
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  {
    Painted enabled(f.sbtNeu.Handle());
    const auto colors = enabled.Colors();
    EXPECT_FALSE(colors.count(kGlyphBackground));
    EXPECT_FALSE(colors.count(Painted::kUnpainted));
    EXPECT_TRUE(colors.count(RGB(255, 255, 0))) << "the glyph's yellow star";
    EXPECT_EQ(enabled.At(1, 1), face);
  }
  f.sbtNeu.SetEnabled(false);
  Painted disabled(f.sbtNeu.Handle());
  for (COLORREF c : disabled.Colors())
    EXPECT_TRUE(c == face || c == GetSysColor(COLOR_BTNSHADOW) || c == GetSysColor(COLOR_BTNHIGHLIGHT))
        << std::hex << c;
}

TEST(SpeedButton, AMissingGlyphIsNamed) {
  TPictureTest f;
  try {
    f.sbtNeu.SetGlyph("GLYPH_GIBTSNICHT");
    ADD_FAILURE() << "a missing glyph must not pass unnoticed";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("GLYPH_GIBTSNICHT"), std::string::npos) << e.what();
  }
}

TEST(Image, ShowsItsPictureAtTheCornerCentredOrStretched) {
  TPictureTest f;
  EXPECT_EQ(f.imgBild.PictureSize().cx, 16);
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), "GLYPH_OEFFNEN", IMAGE_BITMAP, 0, 0, 0));
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(source, bitmap);
  const COLORREF topLeft = GetPixel(source, 0, 0);
  const COLORREF bottomRight = GetPixel(source, 15, 15);
  const COLORREF middle = GetPixel(source, 8, 10);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(bitmap);

  // 40 x 40: at the corner, centred (12 pixels in), stretched (2.5 times).
  {
    Painted p(f.imgBild.Handle());
    EXPECT_EQ(p.At(0, 0), topLeft);
    EXPECT_EQ(p.At(15, 15), bottomRight);
    EXPECT_EQ(p.At(20, 20), GetSysColor(COLOR_BTNFACE));
  }
  f.imgBild.SetCenter(true);
  {
    Painted p(f.imgBild.Handle());
    EXPECT_EQ(p.At(12, 12), topLeft);
    EXPECT_EQ(p.At(27, 27), bottomRight);
  }
  f.imgBild.SetStretch(true);
  {
    Painted p(f.imgBild.Handle());
    EXPECT_EQ(p.At(0, 0), topLeft);
    EXPECT_EQ(p.At(39, 39), bottomRight);
    EXPECT_EQ(p.At(21, 26), middle);
  }
  f.imgBild.SetPicture("STATUSBILD");
  EXPECT_EQ(f.imgBild.PictureSize().cx, 150);
  EXPECT_EQ(f.imgBild.PictureSize().cy, 356);
}

}  // namespace

namespace {

TEST(SampleForm, ShowsEveryMenuAndPictureKind) {
  platform::Form f("TMenuSample");
  std::set<std::string> kinds;
  for (platform::Component* c : f.Components()) kinds.insert(std::string(c->Kind()));
  for (const char* kind : {"MainMenu", "PopupMenu", "MenuItem", "SpeedButton", "Image", "ImageList"})
    EXPECT_TRUE(kinds.count(kind)) << kind;
  EXPECT_EQ(f.ClientHeight(), 270);
  // Every control lies inside the client area.
  for (platform::Component* c : f.Components()) {
    auto* control = dynamic_cast<platform::Control*>(c);
    if (!control) continue;
    const auto b = control->Bounds();
    EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.left + b.width <= f.ClientWidth() &&
                b.top + b.height <= f.ClientHeight())
        << c->Name();
  }
}

}  // namespace
