#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/base/StringList.h"
#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace {

using platform::App;
using Lines = std::vector<std::string>;

class TListTest : public platform::Form {
 public:
  TListTest() : Form("TListTest") {}
  platform::ListBox& lbxSortiert = Find<platform::ListBox>("lbxSortiert");
  platform::ListBox& lbxMehrfach = Find<platform::ListBox>("lbxMehrfach");
  platform::ListBox& lbxGemalt = Find<platform::ListBox>("lbxGemalt");
  platform::ComboBox& cbxAuswahl = Find<platform::ComboBox>("cbxAuswahl");
  platform::ComboBox& cbxFrei = Find<platform::ComboBox>("cbxFrei");
  platform::ComboBox& cbxGemalt = Find<platform::ComboBox>("cbxGemalt");
};

void Pump() { App().ProcessMessagesNow(); }

// The centre of a line of a list, in its client coordinates.
LPARAM PointOfLine(HWND list, int index) {
  RECT r{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void ClickLine(HWND list, int index, bool twice = false) {
  const LPARAM at = PointOfLine(list, index);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  if (twice) {
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
  }
  Pump();
}

Lines LocaleSorted(Lines lines) {
  platform::TStringList sorted;
  sorted.SetDuplicates(platform::TDuplicates::dupAccept);
  sorted.SetSorted(true);
  for (const auto& line : lines) sorted.Add(line);
  return sorted.Lines();
}

TEST(ListBox, SortsAsTheStringListDoesAtDesignAndRunTime) {
  TListTest f;
  EXPECT_EQ(f.lbxSortiert.Items(), LocaleSorted({"Zebra", "\xE4pfel", "Birne", "Apfel"}));

  // Lines added in any order land where the string list puts them, umlauts
  // and letter case included.
  Lines words = {"\xD6l", "ober", "Oma", "zug", "\xFC" "ber", "Ufer", "apfel", "Birne", "birne", "\xC4" "ra"};
  std::shuffle(words.begin(), words.end(), std::mt19937(7));
  f.lbxSortiert.Clear();
  for (const auto& w : words) f.lbxSortiert.Add(w);
  EXPECT_EQ(f.lbxSortiert.Items(), LocaleSorted(words));
  EXPECT_THROW(f.lbxSortiert.Insert(0, "x"), std::logic_error);

  // Unsorted: lines go to the end; sorting switched on orders them and the
  // current line stays current.
  f.lbxSortiert.SetSorted(false);
  f.lbxSortiert.SetItems({"c", "A", "b"});
  EXPECT_EQ(f.lbxSortiert.Add("a"), 3);
  f.lbxSortiert.SetItemIndex(0);
  f.lbxSortiert.SetSorted(true);
  EXPECT_EQ(f.lbxSortiert.Items(), LocaleSorted({"c", "A", "b", "a"}));
  EXPECT_EQ(f.lbxSortiert.Item(f.lbxSortiert.ItemIndex()), "c");
  EXPECT_EQ(f.lbxSortiert.Add("bb"), 3);
}

TEST(ListBox, FindsIgnoringCaseAndReplacesInPlace) {
  TListTest f;
  auto& l = f.lbxSortiert;
  l.SetItems({"Birne", "\xE4pfel", "Brot"});
  struct Case {
    const char* wanted;
    int whole;   // IndexOf
    int prefix;  // FindPrefix
  };
  const Case cases[] = {
      {"BIRNE", l.IndexOf("Birne"), l.IndexOf("Birne")},
      {"\xC4PFEL", l.IndexOf("\xE4pfel"), l.IndexOf("\xE4pfel")},
      {"br", -1, l.IndexOf("Brot")},
      {"b", -1, l.IndexOf("Birne")},
      {"Kiwi", -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(l.IndexOf(c.wanted), c.whole) << c.wanted;
    EXPECT_EQ(l.FindPrefix(c.wanted), c.prefix) << c.wanted;
  }

  auto& m = f.lbxMehrfach;
  m.SetSelected(1, true);
  m.SetItemIndex(1);
  m.Replace(1, "ZWEI");
  m.Replace(2, "DREI");
  EXPECT_EQ(m.Items(), (Lines{"eins", "ZWEI", "DREI", "vier"}));
  EXPECT_TRUE(m.Selected(1));
  EXPECT_FALSE(m.Selected(2));
  EXPECT_EQ(m.ItemIndex(), 1);
  EXPECT_THROW(m.Replace(4, "x"), std::out_of_range);
  EXPECT_THROW(m.Item(-1), std::out_of_range);
}

TEST(ListBox, MultiSelectKeepsCurrentLineApartFromTheSelection) {
  TListTest f;
  auto& m = f.lbxMehrfach;
  EXPECT_TRUE(m.MultiSelect());
  m.SetSelected(0, true);
  m.SetSelected(2, true);
  m.SetItemIndex(3);
  EXPECT_EQ(m.SelCount(), 2);
  EXPECT_EQ(m.ItemIndex(), 3);
  EXPECT_FALSE(m.Selected(3));
  EXPECT_EQ(m.Value(), "eins\ndrei");
  m.SetItemIndex(-1);
  EXPECT_EQ(m.SelCount(), 0);
  EXPECT_EQ(m.ItemIndex(), -1);
  m.SetItemIndex(2);
  EXPECT_EQ(m.ItemIndex(), 2);

  EXPECT_TRUE(m.SetValue("ZWEI\nvier"));
  EXPECT_EQ(m.Value(), "zwei\nvier");
  EXPECT_FALSE(m.SetValue("f\xFCnf"));
  m.Clear();
  EXPECT_EQ(m.ItemIndex(), -1);

  auto& s = f.lbxSortiert;
  EXPECT_EQ(s.ItemIndex(), -1);
  EXPECT_TRUE(s.SetValue("birne"));
  EXPECT_EQ(s.Value(), "Birne");
  EXPECT_TRUE(s.SetValue(""));
  EXPECT_EQ(s.ItemIndex(), -1);
}

TEST(ListBox, EventsFollowTheUserAndChangesFromCode) {
  TListTest f;
  f.Show();
  auto& l = f.lbxSortiert;
  int clicks = 0, doubles = 0, changes = 0;
  std::vector<WORD> keys;
  l.OnClick = [&] { ++clicks; };
  l.OnDblClick = [&] { ++doubles; };
  l.OnChange = [&] { ++changes; };
  l.OnKeyDown = [&](WORD key) { keys.push_back(key); };

  l.SetItemIndex(1);
  l.SetItemIndex(1);
  l.SetSelected(1, true);
  EXPECT_EQ(changes, 1);
  l.Add("neu");
  l.Delete(0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 0);

  ClickLine(l.Handle(), 2);
  EXPECT_EQ(l.ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changes, 2);
  ClickLine(l.Handle(), 0, true);
  EXPECT_EQ(doubles, 1);

  SendMessageA(l.Handle(), WM_KEYDOWN, VK_DELETE, 1);
  EXPECT_EQ(keys, std::vector<WORD>{VK_DELETE});

  int multiChanges = 0;
  f.lbxMehrfach.OnChange = [&] { ++multiChanges; };
  f.lbxMehrfach.SetSelected(0, true);
  f.lbxMehrfach.SetSelected(0, true);
  f.lbxMehrfach.SetValue("eins");
  EXPECT_EQ(multiChanges, 1);
}

TEST(ListBox, OwnerDrawnLinesHaveTheirHeightAndTheirPainter) {
  TListTest f;
  auto& g = f.lbxGemalt;
  EXPECT_TRUE(g.OwnerDraw());
  EXPECT_EQ(g.ItemHeight(), 22);
  g.SetItemHeight(30);
  EXPECT_EQ(g.ItemHeight(), 30);
  std::vector<std::string> drawn;
  g.OnDrawListItem = [&](const platform::ListDrawItem& item) {
    if (item.index >= 0) drawn.push_back(item.text);
  };
  g.SetItemIndex(1);
  f.Show();
  RedrawWindow(g.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  Pump();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "gr\xFCn"), drawn.end());
  EXPECT_FALSE(f.lbxSortiert.OwnerDraw());
}

TEST(ComboBox, DropDownListChoosesLinesAndReportsChanges) {
  TListTest f;
  auto& c = f.cbxAuswahl;
  EXPECT_FALSE(c.EditableText());
  EXPECT_EQ(c.Items(), (Lines{"Deutsch", "English", "Fran\xE7" "ais"}));
  EXPECT_EQ(c.ItemIndex(), -1);
  EXPECT_EQ(c.Text(), "");
  int changes = 0;
  c.OnChange = [&] { ++changes; };
  c.SetItemIndex(2);
  c.SetItemIndex(2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(c.Text(), "Fran\xE7" "ais");
  c.SetText("english");
  EXPECT_EQ(c.ItemIndex(), 1);
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(c.SetValue("Latein"));
  EXPECT_EQ(c.ItemIndex(), 1);
  EXPECT_TRUE(c.SetValue("Deutsch"));
  EXPECT_EQ(c.Value(), "Deutsch");
  EXPECT_EQ(changes, 3);

  // The user's choice with the keys.
  f.Show();
  SendMessageA(c.Handle(), WM_KEYDOWN, VK_DOWN, 1);
  Pump();
  EXPECT_EQ(c.ItemIndex(), 1);
  EXPECT_EQ(changes, 4);

  // The closed field keeps the layout's height; the list drops down below it.
  RECT field{}, dropped{};
  GetWindowRect(c.Handle(), &field);
  SendMessageA(c.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_LE(field.bottom - field.top, 24);
  EXPECT_GE(dropped.bottom - dropped.top, 3 * c.ItemHeight());
}

TEST(ComboBox, EditableTextAndOwnerDrawnLines) {
  TListTest f;
  auto& c = f.cbxFrei;
  EXPECT_TRUE(c.EditableText());
  EXPECT_EQ(c.Text(), "frei");
  int changes = 0;
  c.OnChange = [&] { ++changes; };
  c.SetText("frei");
  c.SetText("anders");
  EXPECT_EQ(changes, 1);
  c.SetItemIndex(0);
  EXPECT_EQ(c.Text(), "vorgegeben");
  EXPECT_EQ(changes, 2);

  auto& g = f.cbxGemalt;
  EXPECT_EQ(g.ItemHeight(), 20);
  std::vector<std::string> drawn;
  g.OnDrawListItem = [&](const platform::ListDrawItem& item) { drawn.push_back(item.text); };
  g.SetItemIndex(1);
  f.Show();
  RedrawWindow(g.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  Pump();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "c: System"), drawn.end());
}

}  // namespace
