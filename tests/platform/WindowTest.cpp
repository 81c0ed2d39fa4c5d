// Forms as windows: border and place from the layout, show and close events,
// focus, enabled and stay-on-top; and what a label, a tool button and a memo
// show of their stored looks.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "tests/support/GuiPump.h"
#include "tests/support/OwnDesktop.h"

namespace {

class TFensterTest : public platform::Form {
 public:
  explicit TFensterTest(std::vector<std::string> chain = {"TFensterTest"}) : Form(std::move(chain)) {}
  platform::Label& lblHinweis = Find<platform::Label>("lblHinweis");
  platform::SpeedButton& sbtNeu = Find<platform::SpeedButton>("sbtNeu");
  platform::Edit& edErstes = Find<platform::Edit>("edErstes");
  platform::Edit& edZweites = Find<platform::Edit>("edZweites");
  platform::Memo& meoNotiz = Find<platform::Memo>("meoNotiz");
};

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)); }
DWORD ExStyle(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)); }

// The form's tooltip window; nullptr while no control has a hint.
HWND ToolTipOf(const platform::Form& form) {
  struct Search {
    HWND owner;
    HWND found = nullptr;
  } search{form.Handle()};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lParam) {
        auto* s = reinterpret_cast<Search*>(lParam);
        char name[64] = {};
        GetClassNameA(hwnd, name, sizeof name);
        if (std::string(name) != TOOLTIPS_CLASSA || GetWindow(hwnd, GW_OWNER) != s->owner) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The tooltip text of the control; "" when it has none.
std::string TipOf(const platform::Form& form, HWND control) {
  HWND tip = ToolTipOf(form);
  if (!tip) return {};
  char text[256] = {};
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = form.Handle();
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text;
  if (!SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info))) return {};
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  return text;
}

TEST(Form, BorderAndPlaceComeFromTheLayoutAndKeepTheClientSize) {
  struct Case {
    std::vector<std::string> chain;
    DWORD style;    // must be set
    DWORD noStyle;  // must be clear
    DWORD ex;
    DWORD noEx;
    bool onTop;
  };
  const DWORD kBoxes = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  const Case cases[] = {
      {{"TFensterTest"}, WS_CAPTION | WS_THICKFRAME | kBoxes, WS_POPUP, 0, WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW, true},
      {{"TFensterTest", "TFensterMitte"},
       WS_CAPTION | WS_SYSMENU,
       WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
       WS_EX_DLGMODALFRAME,
       WS_EX_TOOLWINDOW,
       false},
      {{"TFensterTest", "TFensterOhne"}, WS_POPUP, WS_CAPTION | WS_THICKFRAME, 0, WS_EX_DLGMODALFRAME, true},
      {{"TFensterTest", "TFensterWerkzeug"},
       WS_CAPTION | WS_SYSMENU,
       WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
       WS_EX_TOOLWINDOW,
       WS_EX_DLGMODALFRAME,
       true},
  };
  for (const auto& c : cases) {
    TFensterTest f(c.chain);
    const std::string name = f.ClassName();
    EXPECT_EQ(Style(f.Handle()) & c.style, c.style) << name;
    EXPECT_EQ(Style(f.Handle()) & c.noStyle, 0u) << name;
    EXPECT_EQ(ExStyle(f.Handle()) & c.ex, c.ex) << name;
    EXPECT_EQ(ExStyle(f.Handle()) & c.noEx, 0u) << name;
    EXPECT_EQ(f.StayOnTop(), c.onTop) << name;
    EXPECT_EQ(f.ClientWidth(), 320) << name;
    EXPECT_EQ(f.ClientHeight(), 200) << name;
  }

  TFensterTest designed;
  designed.Show();
  EXPECT_EQ(designed.Left(), 40);
  EXPECT_EQ(designed.Top(), 50);

  TFensterTest centred({"TFensterTest", "TFensterMitte"});
  centred.Show();
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(centred.Left() - work.left, work.right - centred.Left() - centred.Width(), 1);
  EXPECT_NEAR(centred.Top() - work.top, work.bottom - centred.Top() - centred.Height(), 1);
  // Moved by the user, it stays where it was put when shown again.
  centred.SetPosition(10, 20);
  centred.Hide();
  centred.Show();
  EXPECT_EQ(centred.Left(), 10);
}

TEST(Form, ShowsAndClosesModelessWithItsEventsAndAVeto) {
  TFensterTest f;
  int shown = 0;
  int closed = 0;
  bool allow = false;
  f.OnShow = [&] { ++shown; };
  f.OnCloseQuery = [&](bool& canClose) { canClose = allow; };
  f.OnClose = [&](platform::CloseAction&) { ++closed; };

  f.Show();
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(shown, 1);
  f.Show();  // already visible: no second event
  EXPECT_EQ(shown, 1);

  SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(closed, 0);
  allow = true;
  SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(closed, 1);

  f.Show();
  EXPECT_EQ(shown, 2);
}

TEST(Form, PlacedLikeAnotherEnabledAndOnTopAtRunTime) {
  TFensterTest f;
  TFensterTest g({"TFensterTest", "TFensterMitte"});
  f.SetPosition(120, 90);
  g.PlaceLike(f);
  EXPECT_EQ(g.Left(), 120);
  EXPECT_EQ(g.Top(), 90);
  // A centred form placed before its first showing stays where it was put.
  g.Show();
  EXPECT_EQ(g.Left(), 120);
  g.Hide();

  f.SetStayOnTop(false);
  EXPECT_FALSE(f.StayOnTop());
  f.SetStayOnTop(true);
  EXPECT_TRUE(f.StayOnTop());

  f.Show();
  f.SetEnabled(false);
  EXPECT_FALSE(f.Enabled());
  EXPECT_FALSE(IsWindowEnabled(f.Handle()));
  f.SetEnabled(true);
  EXPECT_TRUE(f.Enabled());
}

// A window held by a long command is enabled for a modal window that opens
// over nothing else, so that it is enabled as the modal window goes (a window
// manager hands the keyboard back only to an enabled window); with another
// window to take the keyboard the hold stays; losing the activation or a
// deactivation brings it back, and its end enables the window.
TEST(WindowHold, AModalWindowOverNothingElseHandsTheKeyboardBack) {
  TFensterTest main, other, modal;
  main.Show();
  const auto enabled = [&] { return IsWindowEnabled(main.Handle()) != FALSE; };
  {
    platform::WindowHold hold(main.Handle());
    EXPECT_FALSE(enabled());
    {
      platform::ModalScope scope(modal.Handle());
      EXPECT_FALSE(enabled());
    }
    EXPECT_TRUE(enabled());
    platform::WindowHold::Deactivated(main.Handle());
    EXPECT_FALSE(enabled());
    other.Show();
    { platform::ModalScope scope(modal.Handle()); }
    EXPECT_FALSE(enabled());
  }
  EXPECT_TRUE(enabled());
}

TEST(Form, ActiveControlFollowsTheFocusAndGetsItBack) {
  TFensterTest f;
  TFensterTest other;
  f.Show();
  EXPECT_EQ(f.ActiveControl(), &f.edErstes);  // the first that takes the focus
  f.edZweites.SetFocus();
  EXPECT_EQ(f.ActiveControl(), &f.edZweites);

  // Another form takes the focus; the first remembers where it was.
  other.Show();
  SetActiveWindow(other.Handle());
  EXPECT_NE(GetFocus(), f.edZweites.Handle());
  EXPECT_EQ(f.ActiveControl(), &f.edZweites);
  SetActiveWindow(f.Handle());
  EXPECT_EQ(GetFocus(), f.edZweites.Handle());
}

TEST(Form, TheControlFocusedAsItShowsKeepsTheFocus) {
  TFensterTest f;
  TFensterTest other;
  f.OnShow = [&] { f.edZweites.SetFocus(); };
  f.Show();
  EXPECT_EQ(GetFocus(), f.edZweites.Handle());
  // However the window manager hands the activation round afterwards.
  other.Show();
  SetActiveWindow(other.Handle());
  SetActiveWindow(f.Handle());
  EXPECT_EQ(GetFocus(), f.edZweites.Handle());
}

TEST(Label, AltAndItsLetterFocusItsControlOrTheNextOne) {
  TFensterTest f;
  f.Show();
  f.edZweites.SetText("zwei");
  struct Case {
    platform::Edit* from;
    char letter;
    platform::Edit* to;
  };
  // "&Zweites" names its edit; "&Erstes" stands before the one it labels.
  const Case cases[] = {{&f.edErstes, 'z', &f.edZweites}, {&f.edZweites, 'e', &f.edErstes}};
  for (const auto& c : cases) {
    c.from->SetFocus();
    PostMessageA(c.from->Handle(), WM_SYSCHAR, static_cast<unsigned char>(c.letter), 1 << 29);
    EXPECT_TRUE(guitest::PumpUntil([&] { return c.to->Focused(); })) << c.letter;
  }
  f.edErstes.SetFocus();
  PostMessageA(f.edErstes.Handle(), WM_SYSCHAR, 'z', 1 << 29);
  ASSERT_TRUE(guitest::PumpUntil([&] { return f.edZweites.Focused(); }));
  DWORD start = 0, end = 0;
  SendMessageA(f.edZweites.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 4u);  // its text selected, ready to be typed over
}

TEST(Label, ShowsItsFontColourAndWrapsItsWords) {
  TFensterTest f;
  auto& l = f.lblHinweis;
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(l.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_GE(font.lfWeight, FW_BOLD);

  // The colour the label asks its parent to paint with.
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageA(f.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(l.Handle()));
  EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
  DeleteDC(dc);

  // The static control itself breaks the lines: its left style with wrapping.
  EXPECT_EQ(Style(l.Handle()) & SS_TYPEMASK, static_cast<DWORD>(SS_LEFT));
  l.SetWordWrap(false);
  EXPECT_EQ(Style(l.Handle()) & SS_TYPEMASK, static_cast<DWORD>(SS_LEFTNOWORDWRAP));
  EXPECT_EQ(l.Caption(), "Ein langer Hinweis \xFC" "ber mehrere Zeilen");

  // A text too long for one line is shortened with "..." by the system, in
  // the middle for a path; the other style changes keep that.
  struct Ellipsis {
    const char* word;
    DWORD style;
  };
  for (const Ellipsis e : {Ellipsis{"path", SS_PATHELLIPSIS}, {"end", SS_ENDELLIPSIS}, {"none", 0}}) {
    l.SetEllipsis(e.word);
    l.SetShowAccelChar(false);
    l.SetAlignment("left");
    EXPECT_EQ(Style(l.Handle()) & (SS_ELLIPSISMASK | SS_TYPEMASK), e.style | SS_LEFTNOWORDWRAP) << e.word;
  }
}

TEST(SpeedButton, HintIsItsTooltipAndItMovesAtRunTime) {
  TFensterTest f;
  auto& b = f.sbtNeu;
  EXPECT_EQ(TipOf(f, b.Handle()), "Neues Projekt");
  b.SetHint("Neu anlegen");
  EXPECT_EQ(TipOf(f, b.Handle()), "Neu anlegen");
  b.SetHint("");
  EXPECT_EQ(TipOf(f, b.Handle()), "");

  const platform::LayoutBounds moved{200, 10, 40, 30};
  b.SetBounds(moved);
  RECT r{};
  GetWindowRect(b.Handle(), &r);
  MapWindowPoints(nullptr, f.Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, moved.left);
  EXPECT_EQ(r.top, moved.top);
  EXPECT_EQ(r.right - r.left, moved.width);
  EXPECT_EQ(r.bottom - r.top, moved.height);
}

TEST(Memo, BothScrollBarsReachOverLongText) {
  TFensterTest f;
  auto& m = f.meoNotiz;
  EXPECT_EQ(Style(m.Handle()) & (WS_VSCROLL | WS_HSCROLL), static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL));
  std::vector<std::string> lines(30, std::string(80, 'x'));
  m.SetLines(lines);
  for (int bar : {SB_VERT, SB_HORZ}) {
    SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_RANGE | SIF_PAGE};
    ASSERT_TRUE(GetScrollInfo(m.Handle(), bar, &info)) << bar;
    EXPECT_GT(info.nMax - info.nMin + 1, static_cast<int>(info.nPage)) << bar;
  }
  // Without word wrap a long line runs on to the right, not onto the next.
  EXPECT_EQ(SendMessageA(m.Handle(), EM_GETLINECOUNT, 0, 0), 30);
}

}  // namespace
