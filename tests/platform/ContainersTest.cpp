// Containers and fields on a live form: pages that switch by click, key and
// code, a panel that shows a value, a group box that notices the focus
// leaving, a radio group, a spin edit and a memo.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "tests/support/GuiPump.h"
#include "tests/support/OwnDesktop.h"

namespace {

using Lines = std::vector<std::string>;

class TContainerTest : public platform::Form {
 public:
  TContainerTest() : Form("TContainerTest") {}
  platform::Panel& panKopf = Find<platform::Panel>("panKopf");
  platform::Label& lblKopf = Find<platform::Label>("lblKopf");
  platform::Edit& edVorn = Find<platform::Edit>("edVorn");
  platform::PageControl& pgcSeiten = Find<platform::PageControl>("pgcSeiten");
  platform::TabSheet& tasEins = Find<platform::TabSheet>("tasEins");
  platform::TabSheet& tasZwei = Find<platform::TabSheet>("tasZwei");
  platform::TabSheet& tasDrei = Find<platform::TabSheet>("tasDrei");
  platform::Edit& edEins = Find<platform::Edit>("edEins");
  platform::RadioGroup& ragWahl = Find<platform::RadioGroup>("ragWahl");
  platform::SpinEdit& speZahl = Find<platform::SpinEdit>("speZahl");
  platform::Memo& meoText = Find<platform::Memo>("meoText");
  platform::GroupBox& grpQuelle = Find<platform::GroupBox>("grpQuelle");
  platform::CheckBox& ckbTitel = Find<platform::CheckBox>("ckbTitel");
  platform::CheckBox& ckbText = Find<platform::CheckBox>("ckbText");
  platform::Edit& edPasswort = Find<platform::Edit>("edPasswort");
  platform::Button& btnOk = Find<platform::Button>("btnOk");
};

void Pump() { guitest::PumpFor(30); }

void PressKey(HWND target, WPARAM key) {
  PostMessageA(target, WM_KEYDOWN, key, 1);
  Pump();
}

void PressAlt(HWND target, char letter) {
  PostMessageA(target, WM_SYSCHAR, static_cast<unsigned char>(letter), 1 << 29);
  Pump();
}

void Type(HWND target, const std::string& text) {
  for (char c : text) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
  Pump();
}

// Holds modifier keys down, as the form reads them, while posted keys are
// handled.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE held[256];
    std::memcpy(held, saved_, sizeof held);
    for (int k : keys) held[k] |= 0x80;
    SetKeyboardState(held);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256] = {};
};

RECT PlaceOf(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT DisplayArea(const platform::PageControl& page) {
  RECT r{};
  GetClientRect(page.Handle(), &r);
  SendMessageA(page.Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

int TabCount(const platform::PageControl& page) {
  return static_cast<int>(SendMessageA(page.Handle(), TCM_GETITEMCOUNT, 0, 0));
}

void ClickAt(HWND hwnd, int x, int y) {
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)); }

// What a window paints into its client area, pixel by pixel (0x00RRGGBB).
class Snapshot {
 public:
  explicit Snapshot(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    width_ = r.right;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = r.right;
    info.bmiHeader.biHeight = -r.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    const auto* p = static_cast<const DWORD*>(bits);
    pixels_.assign(p, p + static_cast<size_t>(r.right) * static_cast<size_t>(r.bottom));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  DWORD At(int x, int y) const { return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + x] & 0xFFFFFF; }
  static DWORD Of(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
  // Whether the colour shows anywhere in the rectangle.
  bool Shows(DWORD colour, int left, int top, int right, int bottom) const {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (At(x, y) == colour) return true;
    return false;
  }

 private:
  int width_ = 0;
  std::vector<DWORD> pixels_;
};

TEST(PageControl, OpensOnTheStoredPageAndItsSheetsFillTheDisplayArea) {
  TContainerTest f;
  f.Show();
  EXPECT_EQ(f.pgcSeiten.ActivePage(), &f.tasZwei);
  EXPECT_EQ(TabCount(f.pgcSeiten), 3);
  EXPECT_EQ(GetParent(f.edEins.Handle()), f.tasEins.Handle());
  for (const platform::LayoutBounds bounds : {platform::LayoutBounds{8, 70, 300, 200}, {4, 60, 360, 240}}) {
    f.pgcSeiten.SetBounds(bounds);
    const RECT area = DisplayArea(f.pgcSeiten);
    for (platform::TabSheet* sheet : f.pgcSeiten.Sheets()) {
      const RECT r = PlaceOf(sheet->Handle());
      EXPECT_TRUE(EqualRect(&r, &area)) << sheet->Name() << " at " << r.left << "," << r.top << " " << r.right << ","
                                        << r.bottom;
      EXPECT_EQ(IsWindowVisible(sheet->Handle()) != FALSE, sheet == &f.tasZwei) << sheet->Name();
    }
  }
}

TEST(PageControl, ChangeEventFollowsClicksAndCodeButNotHiddenTabs) {
  TContainerTest f;
  int changes = 0;
  f.pgcSeiten.OnChange = [&] { ++changes; };
  f.Show();
  f.pgcSeiten.SetActivePage(f.tasZwei);
  EXPECT_EQ(changes, 0);
  f.pgcSeiten.SetActivePage(f.tasEins);
  EXPECT_EQ(f.pgcSeiten.ActivePage(), &f.tasEins);
  EXPECT_EQ(changes, 1);

  RECT tab{};
  SendMessageA(f.pgcSeiten.Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&tab));
  ClickAt(f.pgcSeiten.Handle(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  EXPECT_EQ(f.pgcSeiten.ActivePage(), &f.tasDrei);
  EXPECT_TRUE(IsWindowVisible(f.meoText.Handle()));
  EXPECT_FALSE(IsWindowVisible(f.edEins.Handle()));
  EXPECT_EQ(changes, 2);

  // Hiding the active page's tab hands over to the page before it (there is
  // none after it); a hidden page cannot be made active.
  f.tasDrei.SetTabVisible(false);
  EXPECT_EQ(f.pgcSeiten.ActivePage(), &f.tasZwei);
  EXPECT_EQ(TabCount(f.pgcSeiten), 2);
  EXPECT_FALSE(IsWindowVisible(f.tasDrei.Handle()));
  f.pgcSeiten.SetActivePage(f.tasDrei);
  EXPECT_EQ(f.pgcSeiten.ActivePage(), &f.tasZwei);
  f.tasEins.SetTabVisible(false);
  f.tasZwei.SetTabVisible(false);
  EXPECT_EQ(f.pgcSeiten.ActivePage(), nullptr);
  EXPECT_EQ(TabCount(f.pgcSeiten), 0);
  f.tasDrei.SetTabVisible(true);
  EXPECT_EQ(f.pgcSeiten.ActivePage(), &f.tasDrei);
  EXPECT_EQ(changes, 2);
}

TEST(PageControl, KeysWalkIntoTheActivePageOnlyAndSwitchPages) {
  TContainerTest f;
  f.Show();
  // Tab: from the field before the pages into the shown page (to the chosen
  // radio button), past the hidden pages' fields, on to the group box.
  f.edVorn.SetFocus();
  for (HWND expected : {f.ragWahl.ItemHandle(1), f.speZahl.Handle(), f.ckbTitel.Handle()}) {
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), expected) << platform::WindowText(expected);
  }

  struct Switch {
    std::initializer_list<int> held;
    platform::TabSheet* page;
    HWND focus;
  };
  const Switch switches[] = {
      {{VK_CONTROL}, &f.tasDrei, f.meoText.Handle()},
      {{VK_CONTROL}, &f.tasEins, f.edEins.Handle()},  // round to the first
      {{VK_CONTROL, VK_SHIFT}, &f.tasDrei, f.meoText.Handle()},
  };
  f.speZahl.SetFocus();
  for (const Switch& s : switches) {
    {
      HeldKeys keys(s.held);
      PressKey(GetFocus(), VK_TAB);
    }
    EXPECT_EQ(f.pgcSeiten.ActivePage(), s.page) << s.page->Name();
    EXPECT_EQ(GetFocus(), s.focus) << s.page->Name();
  }
  // Outside the page control Ctrl+Tab is only Tab.
  f.edVorn.SetFocus();
  {
    HeldKeys keys({VK_CONTROL});
    PressKey(f.edVorn.Handle(), VK_TAB);
  }
  EXPECT_EQ(f.pgcSeiten.ActivePage(), &f.tasDrei);

  // A tab's "&" letter from anywhere in the form; the tabs take the focus.
  f.edVorn.SetFocus();
  PressAlt(f.edVorn.Handle(), 'z');
  EXPECT_EQ(f.pgcSeiten.ActivePage(), &f.tasZwei);
  EXPECT_EQ(GetFocus(), f.pgcSeiten.Handle());
  // and from the tabs Tab goes on into the page.
  PressKey(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), f.ragWahl.ItemHandle(1));
}

TEST(Panel, ShowsItsCaptionOnItsFaceInsideItsBevel) {
  TContainerTest f;
  f.Show();
  EXPECT_EQ(GetParent(f.lblKopf.Handle()), f.panKopf.Handle());
  const DWORD gray = Snapshot::Of(RGB(128, 128, 128));
  const DWORD text = Snapshot::Of(GetSysColor(COLOR_BTNTEXT));
  {
    Snapshot shot(f.panKopf.Handle());
    EXPECT_EQ(shot.At(0, 0), Snapshot::Of(GetSysColor(COLOR_BTNSHADOW)));  // lowered
    EXPECT_EQ(shot.At(200, 15), gray);
    EXPECT_TRUE(shot.Shows(text, 2, 2, 120, 28));  // the caption, at the left
  }
  f.panKopf.SetCaption("");
  f.panKopf.SetColor("default");
  Snapshot shot(f.panKopf.Handle());
  EXPECT_FALSE(shot.Shows(text, 2, 2, 120, 28));
  EXPECT_EQ(shot.At(200, 15), Snapshot::Of(GetSysColor(COLOR_BTNFACE)));
}

TEST(GroupBox, ExitRunsWhenTheFocusLeavesItsControlsForAnotherOfTheForm) {
  TContainerTest f;
  TContainerTest other;
  int exits = 0;
  f.grpQuelle.OnExit = [&] { ++exits; };
  f.Show();
  f.ckbTitel.SetFocus();
  f.ckbText.SetFocus();
  EXPECT_EQ(exits, 0);
  PressKey(f.ckbText.Handle(), VK_TAB);
  EXPECT_EQ(GetFocus(), f.edPasswort.Handle());
  EXPECT_EQ(exits, 1);
  f.ckbTitel.SetFocus();
  f.btnOk.SetFocus();
  EXPECT_EQ(exits, 2);
  // Another window taking the focus is no exit.
  f.ckbTitel.SetFocus();
  other.Show();
  other.edVorn.SetFocus();
  EXPECT_EQ(exits, 2);
}

TEST(RadioGroup, ChoiceByClickKeysAndCodeFiresOnlyOnAChange) {
  TContainerTest f;
  int clicks = 0;
  f.ragWahl.OnClick = [&] { ++clicks; };
  f.Show();
  ASSERT_EQ(f.ragWahl.Items().size(), 3u);
  EXPECT_EQ(platform::WindowText(f.ragWahl.ItemHandle(2)), "Franz\xF6sisch");
  EXPECT_EQ(f.ragWahl.ItemIndex(), 1);
  EXPECT_EQ(SendMessageA(f.ragWahl.ItemHandle(1), BM_GETCHECK, 0, 0), BST_CHECKED);

  f.ragWahl.SetItemIndex(1);
  f.ragWahl.SetItemIndex(7);
  EXPECT_EQ(clicks, 0);
  f.ragWahl.SetItemIndex(2);
  EXPECT_EQ(clicks, 1);
  SendMessageA(f.ragWahl.ItemHandle(0), BM_CLICK, 0, 0);
  EXPECT_EQ(f.ragWahl.ItemIndex(), 0);
  EXPECT_EQ(clicks, 2);

  // The arrows go round inside the group, checking as they go.
  SetFocus(f.ragWahl.ItemHandle(0));
  struct Arrow {
    WPARAM key;
    int index;
  };
  for (const Arrow a : {Arrow{VK_DOWN, 1}, Arrow{VK_RIGHT, 2}, Arrow{VK_DOWN, 0}, Arrow{VK_UP, 2}}) {
    PressKey(GetFocus(), a.key);
    EXPECT_EQ(f.ragWahl.ItemIndex(), a.index);
    EXPECT_EQ(GetFocus(), f.ragWahl.ItemHandle(a.index));
    EXPECT_EQ(SendMessageA(f.ragWahl.ItemHandle(a.index), BM_GETCHECK, 0, 0), BST_CHECKED);
  }
  EXPECT_EQ(clicks, 6);

  // The caption's "&" letter leads to the chosen button.
  f.edVorn.SetFocus();
  PressAlt(f.edVorn.Handle(), 's');
  EXPECT_EQ(GetFocus(), f.ragWahl.ItemHandle(2));

  // Scripts fill it by item index; none is -1.
  EXPECT_TRUE(f.ragWahl.SetValue("-1"));
  EXPECT_EQ(f.ragWahl.Value(), "-1");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(SendMessageA(f.ragWahl.ItemHandle(i), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(f.ragWahl.SetValue("3"));
  EXPECT_FALSE(f.ragWahl.SetValue("x"));

  // New texts for as many items (a language switch) keep the choice.
  f.ragWahl.SetItemIndex(1);
  f.ragWahl.SetItems({"German", "English", "French"});
  EXPECT_EQ(f.ragWahl.ItemIndex(), 1);
  EXPECT_EQ(platform::WindowText(f.ragWahl.ItemHandle(1)), "English");
  f.ragWahl.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(f.ragWahl.ItemHandle(0)));
}

// committed: what OnCommit saw, a number once it is complete.
TEST(SpinEdit, NumberIsHeldToTheRangeAndChangesFireOnce) {
  TContainerTest f;
  std::vector<int> seen, committed;
  f.speZahl.OnChange = [&] { seen.push_back(f.speZahl.Number()); };
  f.speZahl.OnCommit = [&] { committed.push_back(f.speZahl.Number()); };
  f.Show();
  EXPECT_EQ(f.speZahl.Number(), 300);
  EXPECT_EQ(f.speZahl.Text(), "300");

  struct FromCode {
    int set;
    int number;
  };
  for (const FromCode c : {FromCode{300, 300}, {9999, 5000}, {6000, 5000}, {-5, 2}}) {
    f.speZahl.SetNumber(c.set);
    EXPECT_EQ(f.speZahl.Number(), c.number);
    EXPECT_EQ(f.speZahl.Text(), std::to_string(c.number));
  }
  EXPECT_EQ(seen, (std::vector<int>{5000, 2}));
  EXPECT_EQ(committed, seen);

  // Typed: the text stays as typed until the field is left, and only then
  // is the number complete.
  seen.clear();
  committed.clear();
  f.speZahl.SetFocus();
  SendMessageA(f.speZahl.Handle(), EM_SETSEL, 0, -1);
  Type(f.speZahl.Handle(), "70000");
  EXPECT_EQ(seen, (std::vector<int>{7, 70, 700, 5000}));
  EXPECT_EQ(f.speZahl.Text(), "70000");
  EXPECT_TRUE(committed.empty());
  f.edVorn.SetFocus();
  Pump();
  EXPECT_EQ(f.speZahl.Text(), "5000");
  EXPECT_EQ(committed, (std::vector<int>{5000}));

  // Typing back to the complete number, or leaving for another window,
  // completes nothing; Commit (a dialog's OK) completes what was typed.
  f.speZahl.SetFocus();
  SendMessageA(f.speZahl.Handle(), EM_SETSEL, 0, -1);
  Type(f.speZahl.Handle(), "5000");
  f.edVorn.SetFocus();
  Pump();
  f.speZahl.SetFocus();
  SendMessageA(f.speZahl.Handle(), EM_SETSEL, 0, -1);
  Type(f.speZahl.Handle(), "12");
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  SetFocus(other);
  Pump();
  EXPECT_EQ(committed, (std::vector<int>{5000}));
  DestroyWindow(other);
  f.speZahl.Commit();
  f.speZahl.Commit();
  EXPECT_EQ(committed, (std::vector<int>{5000, 12}));

  // The arrow keys and the arrows step by one, within the range, each step
  // complete.
  f.speZahl.SetNumber(5000);
  seen.clear();
  committed.clear();
  f.speZahl.SetFocus();
  for (WPARAM key : {VK_DOWN, VK_UP, VK_UP}) PressKey(f.speZahl.Handle(), key);
  HWND arrows = FindWindowExA(f.speZahl.Handle(), nullptr, UPDOWN_CLASSA, nullptr);
  ASSERT_NE(arrows, nullptr);
  RECT r{};
  GetClientRect(arrows, &r);
  ClickAt(arrows, r.right / 2, r.bottom * 3 / 4);
  EXPECT_EQ(seen, (std::vector<int>{4999, 5000, 4999}));
  EXPECT_EQ(committed, seen);

  EXPECT_FALSE(f.speZahl.SetValue("zwölf"));
  EXPECT_TRUE(f.speZahl.SetValue("12"));
  EXPECT_EQ(f.speZahl.Value(), "12");
  // A narrower range holds the number without an event.
  seen.clear();
  f.speZahl.SetMaxValue(10);
  EXPECT_EQ(f.speZahl.Number(), 10);
  EXPECT_EQ(f.speZahl.Text(), "10");
  EXPECT_TRUE(seen.empty());
}

TEST(Memo, LinesAreTheTextSplitAtItsLineBreaks) {
  TContainerTest f;
  EXPECT_EQ(f.meoText.Lines(), (Lines{"eins", "zwei"}));
  EXPECT_TRUE(Style(f.meoText.Handle()) & WS_VSCROLL);
  EXPECT_FALSE(Style(f.meoText.Handle()) & (WS_HSCROLL | ES_AUTOHSCROLL));  // word wrap

  struct Case {
    std::string text;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\r\n\r\n", {"a", ""}},
  };
  for (const Case& c : cases) {
    f.meoText.SetText(c.text);
    EXPECT_EQ(f.meoText.Lines(), c.lines) << c.text;
    f.meoText.SetLines(c.lines);
    EXPECT_EQ(f.meoText.Lines(), c.lines) << c.text;
  }
}

TEST(Memo, SelectionIsReadAndReplacedInPlace) {
  TContainerTest f;
  f.meoText.SetLines({"eins", "zwei"});
  f.meoText.SetSelStart(6);
  f.meoText.SetSelLength(4);
  EXPECT_EQ(f.meoText.SelStart(), 6);
  EXPECT_EQ(f.meoText.SelLength(), 4);
  EXPECT_EQ(f.meoText.SelText(), "zwei");
  f.meoText.SetSelText("<b>zwei</b>");
  EXPECT_EQ(f.meoText.Text(), "eins\r\n<b>zwei</b>");
  f.meoText.SetSelStart(4);
  f.meoText.SetSelText("<br>");
  EXPECT_EQ(f.meoText.Text(), "eins<br>\r\n<b>zwei</b>");
  EXPECT_EQ(f.meoText.SelStart(), 8);
}

TEST(Memo, EnterBreaksTheLineAndTabLeaves) {
  TContainerTest f;
  int ok = 0;
  f.btnOk.OnClick = [&] { ++ok; };
  f.Show();
  f.pgcSeiten.SetActivePage(f.tasDrei);
  f.meoText.SetText("ab");
  f.meoText.SetFocus();
  f.meoText.SetSelStart(1);
  PressKey(f.meoText.Handle(), VK_RETURN);
  EXPECT_EQ(f.meoText.Text(), "a\r\nb");
  EXPECT_EQ(ok, 0);
  PressKey(f.meoText.Handle(), VK_TAB);
  EXPECT_NE(GetFocus(), f.meoText.Handle());
  EXPECT_EQ(f.meoText.Text(), "a\r\nb");
  // Elsewhere Enter presses the default button.
  f.edVorn.SetFocus();
  PressKey(f.edVorn.Handle(), VK_RETURN);
  EXPECT_EQ(ok, 1);
}

TEST(Fields, TypingKeepsToMaxLengthAndReadOnly) {
  TContainerTest f;
  f.Show();
  f.pgcSeiten.SetActivePage(f.tasDrei);
  EXPECT_EQ(SendMessageA(f.edPasswort.Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
  f.meoText.SetText("");
  f.meoText.SetMaxLength(5);
  for (platform::Edit* field : {&f.edPasswort, static_cast<platform::Edit*>(&f.meoText)}) {
    field->SetFocus();
    Type(field->Handle(), "geheim!");
    EXPECT_EQ(field->Text(), "gehei") << field->Name();  // shown as "*" but read as typed
    field->SetReadOnly(true);
    EXPECT_TRUE(field->ReadOnly());
    SendMessageA(field->Handle(), EM_SETSEL, 0, -1);
    Type(field->Handle(), "x");
    EXPECT_EQ(field->Text(), "gehei") << field->Name();
  }
  f.edPasswort.SetPasswordChar("");
  EXPECT_EQ(SendMessageA(f.edPasswort.Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

}  // namespace
