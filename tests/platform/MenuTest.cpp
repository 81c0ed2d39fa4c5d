#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/MainMenu.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"

namespace {

using platform::App;

class TMenuTest : public platform::Form {
 public:
  TMenuTest() : Form("TMenuTest") {}

  platform::MainMenu& Hauptmenue = Find<platform::MainMenu>("Hauptmenue");
  platform::MenuItem& menDatei = Find<platform::MenuItem>("menDatei");
  platform::MenuItem& menNeu = Find<platform::MenuItem>("menNeu");
  platform::MenuItem& N1 = Find<platform::MenuItem>("N1");
  platform::MenuItem& menVersteckt = Find<platform::MenuItem>("menVersteckt");
  platform::MenuItem& menBeenden = Find<platform::MenuItem>("menBeenden");
  platform::MenuItem& menIndex = Find<platform::MenuItem>("menIndex");
  platform::MenuItem& menAnsehen = Find<platform::MenuItem>("menAnsehen");
  platform::MenuItem& menVorlage = Find<platform::MenuItem>("menVorlage");
  platform::MenuItem& menHauptdatei = Find<platform::MenuItem>("menHauptdatei");
  platform::PopupMenu& popBrowser = Find<platform::PopupMenu>("popBrowser");
  platform::MenuItem& menIE = Find<platform::MenuItem>("menIE");
  platform::MenuItem& menMozilla = Find<platform::MenuItem>("menMozilla");
  platform::Edit& edPfad = Find<platform::Edit>("edPfad");
  platform::ImageList& lstIcons = Find<platform::ImageList>("lstIcons");

  // Keys the user types into the next menu that opens: posted at once when
  // the menu first waits for input.
  std::vector<WPARAM> menuKeys;

 protected:
  std::optional<LRESULT> FormMessage(UINT msg, WPARAM wParam, LPARAM) override {
    if (msg != WM_ENTERIDLE || wParam != MSGF_MENU || menuKeys.empty()) return std::nullopt;
    for (WPARAM key : menuKeys) PostMessageA(Handle(), WM_KEYDOWN, key, 1);
    menuKeys.clear();
    return 0;
  }
};

struct MenuEntry {
  std::string text;
  UINT type = 0;
  UINT state = 0;
  HMENU sub = nullptr;
  HBITMAP bitmap = nullptr;
  UINT id = 0;
};

std::vector<MenuEntry> EntriesOf(HMENU menu) {
  std::vector<MenuEntry> entries;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_BITMAP | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    entries.push_back({text, info.fType, info.fState, info.hSubMenu, info.hbmpItem, info.wID});
  }
  return entries;
}

std::vector<std::string> TextsOf(HMENU menu) {
  std::vector<std::string> texts;
  for (const auto& e : EntriesOf(menu)) texts.push_back(e.type & MFT_SEPARATOR ? "-" : e.text);
  return texts;
}

void Pump() {
  for (int i = 0; i < 5; ++i) {
    App().ProcessMessagesNow();
    Sleep(1);
  }
}

// Records the clicks of the items and the help contexts asked for.
struct Recorder {
  std::vector<std::string> clicks;
  std::vector<int> help;
  std::function<void(int)> savedHelp = App().OnHelp;
  explicit Recorder(TMenuTest& f) {
    for (platform::MenuItem* item : {&f.menDatei, &f.menNeu, &f.menBeenden, &f.menIndex, &f.menAnsehen,
                                     &f.menVorlage, &f.menHauptdatei, &f.menIE, &f.menMozilla})
      item->OnClick = [this, item] { clicks.push_back(item->Name()); };
    App().OnHelp = [this](int context) { help.push_back(context); };
  }
  ~Recorder() { App().OnHelp = savedHelp; }
};

// Holds a modifier key down for the thread while it lives.
struct HeldKey {
  BYTE saved[256] = {};
  explicit HeldKey(int key) {
    GetKeyboardState(saved);
    BYTE keys[256];
    memcpy(keys, saved, sizeof keys);
    keys[key] = 0x80;
    SetKeyboardState(keys);
  }
  ~HeldKey() { SetKeyboardState(saved); }
};

TEST(Menus, TheMainMenuBecomesTheBarWithItsItemsAsStored) {
  TMenuTest f;
  EXPECT_EQ(GetMenu(f.Handle()), f.Hauptmenue.Handle());
  // The bar took no client area away.
  EXPECT_EQ(f.ClientWidth(), 300);
  EXPECT_EQ(f.ClientHeight(), 120);

  const auto bar = EntriesOf(f.Hauptmenue.Handle());
  ASSERT_EQ(bar.size(), 2u);
  EXPECT_EQ(bar[0].text, "&Datei");
  EXPECT_EQ(bar[0].sub, f.menDatei.SubMenu());
  EXPECT_TRUE(bar[1].state & MFS_GRAYED);
  // A sub-menu item carries its own id, so that F1 on it finds its context.
  EXPECT_EQ(bar[1].id, static_cast<UINT>(f.menIndex.CommandId()));

  // The hidden item is absent; the shortcut stands after a tab.
  EXPECT_EQ(TextsOf(f.menDatei.SubMenu()), (std::vector<std::string>{"&Neu\tStrg+N", "-", "&Beenden"}));
  const auto datei = EntriesOf(f.menDatei.SubMenu());
  EXPECT_EQ(datei[0].id, static_cast<UINT>(f.menNeu.CommandId()));
  EXPECT_TRUE(datei[1].type & MFT_SEPARATOR);
  EXPECT_TRUE(f.N1.IsSeparator());
  // The image list stands below the menu in the layout; the icon came all the same.
  EXPECT_NE(datei[0].bitmap, nullptr);
  EXPECT_EQ(datei[2].bitmap, nullptr);

  EXPECT_EQ(TextsOf(f.menIndex.SubMenu()), (std::vector<std::string>{"&Ansehen\tF5", "&Vorlage"}));
  EXPECT_EQ(TextsOf(f.menVorlage.SubMenu()), std::vector<std::string>{"&Hauptdatei"});
  EXPECT_TRUE(EntriesOf(f.popBrowser.Handle())[1].state & MFS_CHECKED);
  EXPECT_EQ(f.menMozilla.Checked(), true);
}

TEST(Menus, ItemsChangeInPlaceAndHiddenOnesLeaveNoGap) {
  TMenuTest f;
  Recorder r(f);
  f.menVersteckt.SetVisible(true);
  f.N1.SetVisible(false);
  f.menBeenden.SetCaption("&Ende");
  f.menNeu.SetShortCut("Strg+Umschalt+N");
  f.menNeu.SetChecked(true);
  EXPECT_EQ(TextsOf(f.menDatei.SubMenu()), (std::vector<std::string>{"&Neu\tStrg+Umschalt+N", "&Versteckt", "&Ende"}));
  EXPECT_TRUE(EntriesOf(f.menDatei.SubMenu())[0].state & MFS_CHECKED);
  f.N1.SetVisible(true);
  f.menVersteckt.SetVisible(false);
  EXPECT_EQ(TextsOf(f.menDatei.SubMenu()), (std::vector<std::string>{"&Neu\tStrg+Umschalt+N", "-", "&Ende"}));

  // A bar item that comes and goes keeps the client area as it is.
  f.menIndex.SetVisible(false);
  EXPECT_EQ(TextsOf(f.Hauptmenue.Handle()), std::vector<std::string>{"&Datei"});
  f.menIndex.SetVisible(true);
  f.menIndex.SetEnabled(true);
  EXPECT_FALSE(EntriesOf(f.Hauptmenue.Handle())[1].state & MFS_GRAYED);
  EXPECT_EQ(f.ClientHeight(), 120);

  // Re-reading the layout (the language switch) adds nothing and clicks nothing.
  f.ReadLayout();
  EXPECT_EQ(GetMenuItemCount(f.menDatei.SubMenu()), 3);
  EXPECT_EQ(GetMenuItemCount(f.Hauptmenue.Handle()), 2);
  EXPECT_EQ(f.menBeenden.Caption(), "&Beenden");
  EXPECT_TRUE(r.clicks.empty());
}

TEST(Menus, ShortCutsRunReachableItemsFromAnywhereInTheForm) {
  TMenuTest f;
  Recorder r(f);
  f.Show();
  f.edPfad.SetFocus();
  {
    HeldKey ctrl(VK_CONTROL);
    PostMessageA(f.edPfad.Handle(), WM_KEYDOWN, 'N', 1);
    Pump();
  }
  EXPECT_EQ(r.clicks, std::vector<std::string>{"menNeu"});
  // Ctrl+N went to the menu, not into the edit.
  EXPECT_EQ(f.edPfad.Text(), "");

  struct Case {
    const char* what;
    std::function<void()> change;
    bool runs;
  };
  const Case cases[] = {
      {"under a disabled sub-menu", [] {}, false},
      {"enabled", [&] { f.menIndex.SetEnabled(true); }, true},
      {"itself disabled", [&] { f.menAnsehen.SetEnabled(false); }, false},
      {"hidden", [&] { f.menAnsehen.SetEnabled(true), f.menAnsehen.SetVisible(false); }, false},
      {"under a hidden sub-menu", [&] { f.menAnsehen.SetVisible(true), f.menIndex.SetVisible(false); }, false},
      {"shortcut removed", [&] { f.menIndex.SetVisible(true), f.menAnsehen.SetShortCut(""); }, false},
  };
  for (const auto& c : cases) {
    r.clicks.clear();
    c.change();
    PostMessageA(f.edPfad.Handle(), WM_KEYDOWN, VK_F5, 1);
    Pump();
    EXPECT_EQ(r.clicks.size(), c.runs ? 1u : 0u) << c.what;
  }
}

TEST(Menus, ChoosingFromTheBarOpensSubMenusWithTheirOwnClick) {
  TMenuTest f;
  Recorder r(f);
  f.menIndex.SetEnabled(true);
  f.menHauptdatei.OnClick = [&] { r.clicks.push_back("menHauptdatei"); };
  // Opening "&Vorlage" enables its item, as a sub-menu's click may.
  f.menVorlage.OnClick = [&] {
    r.clicks.push_back("menVorlage");
    f.menHauptdatei.SetEnabled(true);
  };
  f.Show();
  // Alt+I opens "&Index"; down to "&Vorlage", right into it, Enter on "&Hauptdatei".
  f.menuKeys = {VK_DOWN, VK_RIGHT, VK_RETURN};
  SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'i');
  Pump();
  EXPECT_EQ(r.clicks, (std::vector<std::string>{"menIndex", "menVorlage", "menHauptdatei"}));
}

TEST(Menus, PopupMenuOpensOnRightClickAndFromCode) {
  TMenuTest f;
  Recorder r(f);
  f.Show();
  f.menuKeys = {VK_DOWN, VK_RETURN};
  SendMessageA(f.edPfad.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(f.edPfad.Handle()), MAKELPARAM(70, 20));
  Pump();
  EXPECT_EQ(r.clicks, std::vector<std::string>{"menIE"});

  r.clicks.clear();
  f.menuKeys = {VK_DOWN, VK_DOWN, VK_RETURN};
  f.popBrowser.Popup(100, 100);
  Pump();
  EXPECT_EQ(r.clicks, std::vector<std::string>{"menMozilla"});

  // A disabled item cannot be chosen: Enter on it closes nothing and runs nothing.
  r.clicks.clear();
  f.menIE.SetEnabled(false);
  f.menuKeys = {VK_DOWN, VK_RETURN, VK_ESCAPE};
  f.popBrowser.Popup(100, 100);
  Pump();
  EXPECT_TRUE(r.clicks.empty());
}

TEST(Menus, F1OnAHighlightedItemAsksForItsHelpContext) {
  TMenuTest f;
  Recorder r(f);
  f.Show();
  // In "&Datei": "&Neu" has its own context; "&Beenden" has none and takes
  // its menu's.
  f.menuKeys = {VK_F1, VK_UP, VK_F1, VK_ESCAPE, VK_ESCAPE};
  SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'd');
  Pump();
  // The highlighted entry of the bar itself, even when it is disabled.
  f.menuKeys = {VK_RIGHT, VK_F1, VK_ESCAPE};
  SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  Pump();
  // In a pop-up menu without contexts: the form's.
  f.menuKeys = {VK_DOWN, VK_F1, VK_ESCAPE};
  f.popBrowser.Popup(100, 100);
  Pump();
  EXPECT_EQ(r.help, (std::vector<int>{11, 10, 20, 5}));
  // Only opening "&Datei" clicked anything.
  EXPECT_EQ(r.clicks, std::vector<std::string>{"menDatei"});
}

TEST(Menus, TheImageListGivesItemsTheirIcons) {
  TMenuTest f;
  EXPECT_EQ(f.lstIcons.Count(), 2);
  const HBITMAP before = EntriesOf(f.menDatei.SubMenu())[0].bitmap;
  // The same list again changes nothing.
  f.lstIcons.SetBitmaps({"GLYPH_NEU", "GLYPH_OEFFNEN"});
  EXPECT_EQ(EntriesOf(f.menDatei.SubMenu())[0].bitmap, before);
  f.menBeenden.SetImageIndex(1);
  EXPECT_NE(EntriesOf(f.menDatei.SubMenu())[2].bitmap, nullptr);
  // An index past the list shows nothing rather than failing.
  f.menBeenden.SetImageIndex(7);
  EXPECT_EQ(EntriesOf(f.menDatei.SubMenu())[2].bitmap, nullptr);
  f.Hauptmenue.SetImages("");
  EXPECT_EQ(EntriesOf(f.menDatei.SubMenu())[0].bitmap, nullptr);
}

}  // namespace
