#include <gtest/gtest.h>

#include <string>

#include "platform/gui/ControlKind.h"
#include "platform/gui/FormLayout.h"

namespace {

using platform::ParseFormLayout;

constexpr const char* kValid =
    "# a comment\r\n"
    "Form TBeispiel\r\n"
    "  Caption = \"Gr\xF6\xDF" "e \\\"x\\\"\\r\\\\\"\r\n"
    "  ClientWidth = 379\r\n"
    "  ClientHeight = 110\r\n"
    "  BorderIcons = none\r\n"
    "  Font = \"MS Sans Serif\" 8 bold\r\n"
    "\r\n"
    "GroupBox grp\n"
    "  Bounds = 1 2 300 80\n"
    "Label lbl\n"
    "  Parent = grp\n"
    "  Bounds = -8 +16 363 13\n"
    "  Alignment = center\n"
    "  ShowAccelChar = false\n"
    "Timer Timer1\n"
    "  Interval = 1000\n"
    "Label lblZwei\n"
    "  Bounds = 0 0 1 1\n"
    "  FocusControl = lbl\n"  // a name given further up (or down)
    "  Color = navy";  // no line end at the end

TEST(FormLayoutParser, ReadsFormComponentsAndTypedValues) {
  auto r = ParseFormLayout(kValid, platform::ControlKinds());
  ASSERT_TRUE(r.layout) << r.error;
  const auto& l = *r.layout;
  EXPECT_EQ(l.form.name, "TBeispiel");
  EXPECT_EQ(l.form.Text("Caption"), "Gr\xF6\xDF" "e \"x\"\r\\");
  EXPECT_EQ(l.form.Int("ClientWidth"), 379);
  EXPECT_EQ(l.form.Words("BorderIcons"), std::vector<std::string>{});
  ASSERT_TRUE(l.form.Font());
  EXPECT_EQ(l.form.Font()->face, "MS Sans Serif");
  EXPECT_EQ(l.form.Font()->size, 8);
  EXPECT_TRUE(l.form.Font()->bold);
  EXPECT_FALSE(l.form.Font()->italic);
  EXPECT_FALSE(l.form.Has("Position"));

  ASSERT_EQ(l.components.size(), 4u);
  EXPECT_EQ(l.Find("lblZwei")->Text("FocusControl"), "lbl");
  EXPECT_EQ(l.components[0].kind, "GroupBox");
  const auto* lbl = l.Find("lbl");
  ASSERT_TRUE(lbl);
  EXPECT_EQ(lbl->parent, "grp");
  EXPECT_EQ(lbl->line, 11);
  EXPECT_EQ(lbl->Bounds()->left, -8);
  EXPECT_EQ(lbl->Bounds()->top, 16);
  EXPECT_EQ(lbl->Bounds()->width, 363);
  EXPECT_EQ(lbl->Text("Alignment"), "center");
  EXPECT_EQ(lbl->Bool("ShowAccelChar"), false);
  EXPECT_FALSE(lbl->Text("Caption"));  // not stored: stays as the program sets it
  EXPECT_EQ(l.Find("Timer1")->Int("Interval"), 1000);
  EXPECT_FALSE(l.Find("Timer1")->Bounds());
}

struct Hostile {
  const char* name;
  std::string text;
  int line;
  const char* says;  // part of the message
};

class HostileLayouts : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileLayouts, AreRefusedWithLineAndReason) {
  const Hostile& h = GetParam();
  auto r = ParseFormLayout(h.text, platform::ControlKinds());
  EXPECT_FALSE(r.layout);
  EXPECT_EQ(r.line, h.line) << r.error;
  EXPECT_NE(r.error.find("Zeile " + std::to_string(h.line) + ": "), std::string::npos) << r.error;
  EXPECT_NE(r.error.find(h.says), std::string::npos) << r.error;
}

const std::string kHead = "Form F\nClientWidth = 10\nClientHeight = 10\n";  // lines 1-3

INSTANTIATE_TEST_SUITE_P(
    Parser, HostileLayouts,
    ::testing::Values(
        Hostile{"Empty", "", 1, "Form"}, Hostile{"OnlyComments", "# x\n\n", 3, "Form"},
        Hostile{"NoFormFirst", "Label l\nBounds = 1 2 3 4\n", 1, "Form"},
        Hostile{"SecondForm", kHead + "Form G\n", 4, "nur ein Form"},
        Hostile{"UnknownKind", kHead + "Lable l\n", 4, "unbekannte Art \"Lable\""},
        Hostile{"UnknownProperty", kHead + "Label l\nBounds = 1 2 3 4\nCheked = true\n", 6, "Cheked"},
        Hostile{"PropertyOfOtherKind", kHead + "Label l\nBounds = 1 2 3 4\nDefault = true\n", 6, "Default"},
        Hostile{"MissingBounds", kHead + "Label l\nCaption = \"x\"\nLabel m\nBounds = 1 2 3 4\n", 4,
                "Bounds fehlt"},
        Hostile{"MissingBoundsAtEnd", kHead + "Button b\n", 4, "Bounds fehlt"},
        Hostile{"MissingClientHeight", "Form F\nClientWidth = 10\nLabel l\n", 1, "ClientHeight fehlt"},
        Hostile{"BadNumber", kHead + "Label l\nBounds = 1 2 3x 4\n", 5, "3x"},
        Hostile{"TooFewNumbers", kHead + "Label l\nBounds = 1 2 3\n", 5, "vier Zahlen"},
        Hostile{"NegativeWidth", kHead + "Label l\nBounds = 1 2 -3 4\n", 5, "negativ"},
        Hostile{"NumberTooBig", kHead + "Timer t\nInterval = 99999999999\n", 5, "Bereich"},
        Hostile{"EmptyValue", kHead + "Timer t\nInterval =\n", 5, "Wert fehlt"},
        Hostile{"TwoValues", kHead + "Timer t\nInterval = 1 2\n", 5, "zu viele"},
        Hostile{"BadBool", kHead + "Timer t\nEnabled = yes\n", 5, "true oder false"},
        Hostile{"BadWord", kHead + "Label l\nBounds = 1 2 3 4\nAlignment = middle\n", 6, "middle"},
        Hostile{"UnquotedText", "Form F\nCaption = Hallo\n", 2, "Anf\xFChrungszeichen"},
        Hostile{"UnterminatedText", "Form F\nCaption = \"Hallo\n", 2, "schlie\xDF" "endes"},
        Hostile{"BadEscape", "Form F\nCaption = \"a\\qb\"\n", 2, "\\q"},
        Hostile{"NulInText", std::string("Form F\nCaption = \"a\0b\"\n", 23), 2, "Steuerzeichen"},
        Hostile{"StrayCharacter", "Form F\nClientWidth = 10;\n", 2, "';'"},
        Hostile{"DuplicateProperty", kHead + "ClientWidth = 20\n", 4, "doppelt"},
        Hostile{"DuplicateName", kHead + "Timer t\nTimer T\n", 5, "doppelt"},
        Hostile{"ParentNotAbove", kHead + "Label l\nParent = grp\nBounds = 1 2 3 4\nGroupBox grp\n", 5,
                "nicht weiter oben"},
        Hostile{"ParentNoContainer", kHead + "Timer t\nLabel l\nParent = t\n", 6, "kann nichts enthalten"},
        Hostile{"PropertyBeforeForm", "Caption = \"x\"\n", 1, "vor Form"},
        Hostile{"HeaderWithThreeWords", "Form F G\n", 1, "erwartet"},
        Hostile{"BadName", "Form 1F\n", 1, "Name"},
        Hostile{"FontWithoutSize", "Form F\nFont = \"Arial\"\n", 2, "Font"},
        Hostile{"FontBadStyle", "Form F\nFont = \"Arial\" 8 fett\n", 2, "fett"},
        Hostile{"IconsNoneAndMore", "Form F\nBorderIcons = system none\n", 2, "none"},
        Hostile{"ParentOfFormLevelKind", kHead + "GroupBox g\nBounds = 1 2 3 4\nTimer t\nParent = g\n", 7,
                "nur im Formular"},
        Hostile{"FocusControlMissing", kHead + "Label l\nBounds = 1 2 3 4\nFocusControl = edX\n", 6,
                "edX gibt es im Layout nicht"},
        Hostile{"FocusControlNoControl", kHead + "Label l\nBounds = 1 2 3 4\nFocusControl = t\nTimer t\n", 6,
                "t ist ein Timer"},
        Hostile{"ListBoxUnknownStyle", kHead + "ListBox l\nBounds = 1 2 3 4\nStyle = ownerdrawvariable\n", 6,
                "ownerdrawvariable"},
        Hostile{"ComboItemWithoutQuotes", kHead + "ComboBox c\nBounds = 1 2 3 4\nItem = Deutsch\n", 6,
                "Anf\xFChrungszeichen"},
        Hostile{"PopupMenuOfWrongKind", kHead + "Label l\nBounds = 1 2 3 4\nPopupMenu = m\nLabel m\nBounds = 1 2 3 4\n",
                6, "m ist ein Label"},
        Hostile{"MenuItemWithoutParent", kHead + "MainMenu m\nMenuItem i\nCaption = \"x\"\n", 5, "Parent fehlt"},
        Hostile{"MenuItemInALabel", kHead + "Label l\nBounds = 1 2 3 4\nMenuItem i\nParent = l\n", 7,
                "kann nichts enthalten"},
        Hostile{"ControlInAMenu", kHead + "MainMenu m\nLabel l\nParent = m\n", 6, "kann nichts enthalten"},
        Hostile{"MenuInAGroupBox", kHead + "GroupBox g\nBounds = 1 2 3 4\nPopupMenu p\nParent = g\n", 7,
                "nur im Formular"},
        Hostile{"MenuItemWithBounds", kHead + "MainMenu m\nMenuItem i\nParent = m\nBounds = 1 2 3 4\n", 7, "Bounds"},
        Hostile{"ShortCutNamesNoKey", kHead + "MainMenu m\nMenuItem i\nParent = m\nShortCut = \"Strg+\xD6\"\n", 7,
                "keine Taste"},
        Hostile{"ImagesOfWrongKind", kHead + "MainMenu m\nImages = t\nTimer t\n", 5, "t ist ein Timer"},
        Hostile{"SpeedButtonLayout", kHead + "SpeedButton s\nBounds = 1 2 3 4\nLayout = glyphright\n", 6,
                "glyphright"},
        Hostile{"SheetWithoutPageControl", kHead + "TabSheet t\nCaption = \"x\"\n", 4, "Parent fehlt"},
        Hostile{"SheetInPanel", kHead + "Panel p\nBounds = 1 2 3 4\nTabSheet t\nParent = p\n", 7, "kann nichts enthalten"},
        Hostile{"LabelOnPageControl", kHead + "PageControl p\nBounds = 1 2 3 4\nLabel l\nParent = p\n", 7,
                "kann nichts enthalten"},
        Hostile{"ActivePageNoSheet", kHead + "PageControl p\nBounds = 1 2 3 4\nActivePage = p\n", 6,
                "p gibt es im Layout nicht"},
        Hostile{"BadScrollBars", kHead + "Memo m\nBounds = 1 2 3 4\nScrollBars = diagonal\n", 6, "diagonal"},
        Hostile{"UnquotedItem", kHead + "RadioGroup r\nBounds = 1 2 3 4\nItem = Deutsch\n", 6, "Anf\xFChrungszeichen"},
        Hostile{"BadBevel", kHead + "Panel p\nBounds = 1 2 3 4\nBevelOuter = deep\n", 6, "deep"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormLayoutParser, FeedsEveryPrefixWithoutCrashing) {
  // Any cut of a valid layout parses or fails with a line inside the text.
  const std::string text = kValid;
  for (size_t n = 0; n <= text.size(); ++n) {
    auto r = ParseFormLayout(std::string_view(text).substr(0, n), platform::ControlKinds());
    if (!r.layout) {
      EXPECT_GE(r.line, 1) << n;
      EXPECT_LE(r.line, 21) << n;
    }
  }
}

TEST(FormLayoutParser, MenusHoldItemsThatHoldSubMenus) {
  auto r = ParseFormLayout(kHead + "MainMenu m\nImages = l\nMenuItem a\nParent = m\nMenuItem b\nParent = a\n"
                                   "ShortCut = \"Strg+O\"\nImageList l\nItem = \"A\"\nItem = \"B\"\n",
                           platform::ControlKinds());
  ASSERT_TRUE(r.layout) << r.error;
  EXPECT_EQ(r.layout->Find("b")->parent, "a");
  EXPECT_EQ(r.layout->Find("b")->Text("ShortCut"), "Strg+O");
  EXPECT_EQ(r.layout->Find("l")->Words("Item"), (std::vector<std::string>{"A", "B"}));
}

TEST(FormLayoutParser, ReadsPagesWithoutBoundsAndListsItemByItem) {
  auto r = ParseFormLayout(
      "Form F\nClientWidth = 10\nClientHeight = 10\n"
      "PageControl pgc\n  Bounds = 0 0 10 10\n  ActivePage = tasB\n"
      "TabSheet tasA\n  Parent = pgc\n"
      "TabSheet tasB\n  Parent = pgc\n  TabVisible = false\n"
      "Memo meo\n  Parent = tasB\n  Bounds = 0 0 5 5\n  Item = \"eins\"\n  Item = \"\"\n  Item = \"drei\"\n",
      platform::ControlKinds());
  ASSERT_TRUE(r.layout) << r.error;
  EXPECT_EQ(r.layout->Find("pgc")->Text("ActivePage"), "tasB");
  EXPECT_FALSE(r.layout->Find("tasA")->Bounds());
  EXPECT_EQ(r.layout->Find("tasB")->Bool("TabVisible"), false);
  EXPECT_EQ(r.layout->Find("meo")->Words("Item"), (std::vector<std::string>{"eins", "", "drei"}));
}

TEST(FormLayoutParser, LayoutOnABaseFormLeavesTheClientSizeToIt) {
  auto r = ParseFormLayout("Form G\nBaseForm = \"F\"\nCaption = \"x\"\n", platform::ControlKinds());
  EXPECT_TRUE(r.layout) << r.error;
}

TEST(FormLayoutParser, KnowsWhichKindsHoldControls) {
  EXPECT_TRUE(platform::ControlKinds().IsContainer("GroupBox"));
  EXPECT_TRUE(platform::ControlKinds().IsContainer("Panel"));
  EXPECT_TRUE(platform::ControlKinds().IsContainer("PageControl"));
  EXPECT_FALSE(platform::ControlKinds().IsContainer("RadioGroup"));
  EXPECT_FALSE(platform::ControlKinds().IsContainer("Label"));
  EXPECT_FALSE(platform::ControlKinds().IsContainer("Unbekannt"));
}

}  // namespace
