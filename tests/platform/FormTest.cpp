#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/base/Resources.h"
#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UiSeam.h"
#include "tests/support/GuiPump.h"
#include "tests/support/OwnDesktop.h"

namespace {

using guitest::PumpFor;
using guitest::PumpUntil;
using platform::App;
using platform::LayoutBounds;

class TTestForm : public platform::Form {
 public:
  TTestForm() : Form("TTestForm") {}

 protected:
  explicit TTestForm(std::vector<std::string> chain) : Form(std::move(chain)) {}

 public:
  platform::Label& lblTitel = Find<platform::Label>("lblTitel");
  platform::Label& lblStatus = Find<platform::Label>("lblStatus");
  platform::Edit& edName = Find<platform::Edit>("edName");
  platform::CheckBox& ckbAktiv = Find<platform::CheckBox>("ckbAktiv");
  platform::GroupBox& grpOptionen = Find<platform::GroupBox>("grpOptionen");
  platform::CheckBox& ckbInnen = Find<platform::CheckBox>("ckbInnen");
  platform::ProgressBar& pbStand = Find<platform::ProgressBar>("pbStand");
  platform::Button& btnOk = Find<platform::Button>("btnOk");
  platform::Button& btnAbbrechen = Find<platform::Button>("btnAbbrechen");
  platform::Timer& tmrSchritt = Find<platform::Timer>("tmrSchritt");
};

class TTestZusatz : public TTestForm {
 public:
  TTestZusatz() : TTestForm(std::vector<std::string>{"TTestForm", "TTestZusatz"}) {}
  platform::Button& btnZusatz = Find<platform::Button>("btnZusatz");
};

LayoutBounds PlaceOf(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void ExpectPlace(HWND child, int left, int top, int width, int height) {
  const LayoutBounds b = PlaceOf(child);
  EXPECT_EQ(b.left, left);
  EXPECT_EQ(b.top, top);
  EXPECT_EQ(b.width, width);
  EXPECT_EQ(b.height, height);
}

void PressKey(HWND target, WPARAM key) { PostMessageA(target, WM_KEYDOWN, key, 1); }

// Takes the exceptions that reach the application instead of failing the test.
struct CaughtExceptions {
  std::vector<std::string> messages;
  std::function<void(const std::exception&)> saved = App().OnException;
  CaughtExceptions() {
    App().OnException = [this](const std::exception& e) { messages.push_back(e.what()); };
  }
  ~CaughtExceptions() { App().OnException = saved; }
};

TEST(Form, IsBuiltFromItsStoredLayout) {
  TTestForm f;
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.ClassName(), "TTestForm");
  EXPECT_EQ(platform::WindowText(f.Handle()), "Pr\xFC" "fformular");
  EXPECT_EQ(f.ClientWidth(), 300);
  EXPECT_EQ(f.ClientHeight(), 200);
  EXPECT_EQ(f.HelpContext(), 42);

  ExpectPlace(f.lblTitel.Handle(), 10, 10, 200, 13);
  EXPECT_EQ(platform::WindowText(f.lblTitel.Handle()), "\xDC" "berschrift");
  ExpectPlace(f.edName.Handle(), 10, 30, 150, 21);
  EXPECT_EQ(f.edName.Text(), "Anfang");
  EXPECT_EQ(platform::WindowText(f.ckbAktiv.Handle()), "&Aktiv");
  EXPECT_FALSE(f.ckbAktiv.Checked());
  // Inside the group box, relative to it.
  EXPECT_EQ(GetParent(f.ckbInnen.Handle()), f.grpOptionen.Handle());
  ExpectPlace(f.ckbInnen.Handle(), 12, 20, 150, 17);
  ExpectPlace(f.btnAbbrechen.Handle(), 210, 160, 80, 25);
  EXPECT_EQ(f.pbStand.Min(), 0);
  EXPECT_EQ(f.pbStand.Max(), 50);
  EXPECT_EQ(f.pbStand.Position(), 10);
  EXPECT_EQ(f.DefaultButton(), &f.btnOk);
  EXPECT_EQ(f.CancelButton(), &f.btnAbbrechen);
  EXPECT_EQ(f.btnOk.ModalResult(), platform::mrOk);
  EXPECT_FALSE(f.tmrSchritt.Enabled());
  EXPECT_EQ(f.tmrSchritt.Interval(), 20);

  EXPECT_EQ(platform::Form::FromHandle(f.Handle()), &f);
  EXPECT_EQ(platform::Form::FromHandle(f.edName.Handle()), nullptr);
  const auto forms = platform::ScreenForms();
  EXPECT_NE(std::find(forms.begin(), forms.end(), &f), forms.end());
}

TEST(Form, BindingByNameFailsLoudly) {
  TTestForm f;
  try {
    f.Find<platform::Button>("edName");
    ADD_FAILURE() << "a wrong kind must not bind";
  } catch (const std::logic_error& e) {
    EXPECT_NE(std::string(e.what()).find("edName ist ein Edit, kein Button"), std::string::npos) << e.what();
  }
  EXPECT_THROW(f.Find<platform::Label>("lblGibtsNicht"), std::logic_error);
  EXPECT_EQ(f.FindComponent("lblGibtsNicht"), nullptr);
}

TEST(Form, BrokenOrMissingLayoutsThrowAndLeaveNoWindow) {
  const size_t before = platform::ScreenForms().size();
  try {
    platform::Form f("TKaputt");
    ADD_FAILURE() << "a broken layout must not build";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("TKaputt, Zeile 5: Caption"), std::string::npos) << e.what();
  }
  try {
    platform::Form f("TGibtsNicht");
    ADD_FAILURE() << "a missing layout must not build";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("FORM TGibtsNicht"), std::string::npos) << e.what();
  }
  EXPECT_EQ(platform::ScreenForms().size(), before);
}

TEST(Form, DerivedFormReadsTheLayoutChainBaseFirst) {
  TTestZusatz f;
  EXPECT_EQ(f.Caption(), "Pr\xFC" "fformular mit Zusatz");
  EXPECT_EQ(f.ClientHeight(), 230);
  EXPECT_EQ(f.lblTitel.Caption(), "Geerbt");
  EXPECT_EQ(f.edName.Text(), "Anfang");
  ExpectPlace(f.btnZusatz.Handle(), 10, 200, 80, 25);
}

TEST(Form, LayoutThatNamesItsBaseFormIsBuiltOnTheBase) {
  EXPECT_EQ(platform::Form::StoredChain("TTestZusatz"), (std::vector<std::string>{"TTestForm", "TTestZusatz"}));
  platform::Form f("TTestZusatz");
  EXPECT_EQ(f.Caption(), "Pr\xFC" "fformular mit Zusatz");
  EXPECT_NE(f.FindComponent("btnOk"), nullptr);
  EXPECT_NE(f.FindComponent("btnZusatz"), nullptr);
}

struct ChildCount {
  static int Of(HWND hwnd) {
    int n = 0;
    EnumChildWindows(
        hwnd, [](HWND, LPARAM p) { return ++*reinterpret_cast<int*>(p), TRUE; }, reinterpret_cast<LPARAM>(&n));
    return n;
  }
};

class ModuleSource : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dll = path;
    dll = dll.substr(0, dll.rfind('\\') + 1) + "platform_gui_test_forms.dll";
    module_ = LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr) << dll;
  }
  void TearDown() override {
    platform::SetResourceSource(nullptr);
    if (module_) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

TEST_F(ModuleSource, ReadLayoutReplacesStoredPropertiesOfTheLiveForm) {
  TTestForm f;
  f.Show();
  f.lblStatus.SetCaption("l\xE4uft");
  f.edName.SetText("getippt");
  f.ckbAktiv.SetChecked(true);
  f.pbStand.SetPosition(30);
  const int children = ChildCount::Of(f.Handle());
  const HWND titel = f.lblTitel.Handle();

  platform::SetResourceSource(module_);
  f.ReadLayout();
  EXPECT_EQ(f.Caption(), "Test form");
  EXPECT_EQ(f.ClientWidth(), 320);
  EXPECT_EQ(f.ClientHeight(), 210);
  EXPECT_EQ(f.lblTitel.Caption(), "Heading");
  EXPECT_EQ(f.lblTitel.Handle(), titel);
  ExpectPlace(f.lblTitel.Handle(), 10, 10, 220, 13);
  EXPECT_EQ(f.ckbAktiv.Caption(), "&Active");
  EXPECT_EQ(f.ckbInnen.Caption(), "Inside");
  ExpectPlace(f.ckbInnen.Handle(), 14, 22, 150, 17);
  EXPECT_EQ(f.btnAbbrechen.Caption(), "Cancel");
  ExpectPlace(f.btnOk.Handle(), 140, 170, 80, 25);
  // What the module does not store stays as the program set it.
  EXPECT_EQ(f.lblStatus.Caption(), "l\xE4uft");
  EXPECT_EQ(f.edName.Text(), "getippt");
  EXPECT_TRUE(f.ckbAktiv.Checked());
  EXPECT_EQ(f.pbStand.Position(), 30);
  EXPECT_TRUE(f.Visible());
  // Nothing created twice, nothing added.
  EXPECT_EQ(ChildCount::Of(f.Handle()), children);
  EXPECT_EQ(f.FindComponent("btnExtra"), nullptr);

  platform::SetResourceSource(nullptr);
  f.ReadLayout();
  EXPECT_EQ(f.Caption(), "Pr\xFC" "fformular");
  EXPECT_EQ(f.btnAbbrechen.Caption(), "Abbrechen");
  EXPECT_EQ(f.edName.Text(), "Anfang");  // the program's layout stores a text
  EXPECT_EQ(f.lblStatus.Caption(), "l\xE4uft");
  EXPECT_EQ(ChildCount::Of(f.Handle()), children);
}

TEST_F(ModuleSource, ALayoutThatDoesNotParseChangesNothing) {
  TTestZusatz f;
  platform::SetResourceSource(module_);
  EXPECT_THROW(f.ReadLayout(), std::runtime_error);
  // The module's TTestForm layout is fine, but it must not be half applied.
  EXPECT_EQ(f.Caption(), "Pr\xFC" "fformular mit Zusatz");
  EXPECT_EQ(f.btnAbbrechen.Caption(), "Abbrechen");
}

TEST(ModalForm, EndsWithTheModalResultOfTheClickedButton) {
  TTestForm other;
  other.Show();
  TTestForm f;
  bool otherDisabled = false;
  bool visibleWhileModal = false;
  f.btnOk.OnClick = [&] {
    otherDisabled = !IsWindowEnabled(other.Handle());
    visibleWhileModal = f.Visible() && f.Modal();
  };
  PostMessageA(f.btnOk.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.ShowModal(), platform::mrOk);
  EXPECT_TRUE(visibleWhileModal);
  EXPECT_TRUE(otherDisabled);
  EXPECT_FALSE(f.Visible());
  EXPECT_FALSE(f.Modal());
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));
}

TEST(ModalForm, EnterAndEscPressDefaultAndCancelButton) {
  for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
    TTestForm f;
    // The key arrives from a timer once the form runs modally.
    f.tmrSchritt.OnTimer = [&] {
      f.tmrSchritt.SetEnabled(false);
      // With another process in the foreground (tests run side by side) the
      // form may have no focused control; the form itself takes the key then.
      PressKey(GetFocus() ? GetFocus() : f.Handle(), key);
    };
    f.tmrSchritt.SetEnabled(true);
    EXPECT_EQ(f.ShowModal(), key == VK_RETURN ? platform::mrOk : platform::mrCancel) << key;
  }
}

TEST(ModalForm, CloseGivesCancelUnlessOnCloseVetoes) {
  TTestForm f;
  int asked = 0;
  f.OnClose = [&](platform::CloseAction& action) {
    if (++asked == 1) action = platform::CloseAction::None;
  };
  f.tmrSchritt.OnTimer = [&] { PostMessageA(f.Handle(), WM_CLOSE, 0, 0); };
  f.tmrSchritt.SetEnabled(true);
  EXPECT_EQ(f.ShowModal(), platform::mrCancel);
  EXPECT_EQ(asked, 2);
}

class FillingResponder : public platform::UiResponder {
 public:
  int Answer(platform::UiRequest& request) override {
    caption = request.caption;
    helpContext = request.helpContext;
    kind = request.kind;
    wasVisible = request.form->Visible();
    filled = request.form->SetControlValue("edName", "Hallo") && request.form->SetControlValue("ckbAktiv", "1");
    return platform::mrOk;
  }
  std::string caption;
  int helpContext = 0;
  platform::UiKind kind = platform::UiKind::MessageBox;
  bool wasVisible = true;
  bool filled = false;
};

TEST(ModalForm, GoesThroughTheSeamWhereAResponderFillsIt) {
  FillingResponder responder;
  platform::SetUiResponder(&responder);
  TTestForm f;
  const int result = f.ShowModal();
  platform::SetUiResponder(nullptr);
  EXPECT_EQ(result, platform::mrOk);
  EXPECT_EQ(f.ModalResult(), platform::mrOk);
  EXPECT_EQ(responder.kind, platform::UiKind::ModalForm);
  EXPECT_EQ(responder.caption, "Pr\xFC" "fformular");
  EXPECT_EQ(responder.helpContext, 42);
  EXPECT_FALSE(responder.wasVisible);
  EXPECT_TRUE(responder.filled);
  EXPECT_EQ(f.edName.Text(), "Hallo");
  EXPECT_TRUE(f.ckbAktiv.Checked());
}

TEST(ModelessForm, DialogKeysActLikeInADialog) {
  TTestForm f;
  int ok = 0, cancel = 0;
  f.btnOk.OnClick = [&] { ++ok; };
  f.btnAbbrechen.OnClick = [&] { ++cancel; };
  f.Show();
  f.edName.SetFocus();
  PressKey(f.edName.Handle(), VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return ok == 1; }));
  PressKey(f.edName.Handle(), VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return cancel == 1; }));
  // Enter on a focused button presses that one.
  f.btnAbbrechen.SetFocus();
  PressKey(f.btnAbbrechen.Handle(), VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return cancel == 2; }));
  // A disabled default button is not pressed.
  f.btnOk.SetEnabled(false);
  f.edName.SetFocus();
  PressKey(f.edName.Handle(), VK_RETURN);
  PumpFor(50);
  EXPECT_EQ(ok, 1);
  f.btnOk.SetEnabled(true);

  // Tab walks the controls in the order of the layout, into the group box
  // and round.
  f.edName.SetFocus();
  for (HWND expected : {f.ckbAktiv.Handle(), f.ckbInnen.Handle(), f.btnOk.Handle(), f.btnAbbrechen.Handle(),
                        f.edName.Handle()}) {
    PressKey(GetFocus(), VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == expected; })) << platform::WindowText(expected);
  }
}

TEST(ModelessForm, AltLettersAndF1ReachTheirTargets) {
  TTestForm f;
  int ok = 0;
  f.btnOk.OnClick = [&] { ++ok; };
  std::vector<int> help;
  auto savedHelp = App().OnHelp;
  App().OnHelp = [&](int context) { help.push_back(context); };
  f.Show();
  f.edName.SetFocus();
  // The "&" letters of buttons and check boxes press them.
  PostMessageA(f.edName.Handle(), WM_SYSCHAR, 'o', 1 << 29);
  EXPECT_TRUE(PumpUntil([&] { return ok == 1; }));
  PostMessageA(f.edName.Handle(), WM_SYSCHAR, 'A', 1 << 29);
  EXPECT_TRUE(PumpUntil([&] { return f.ckbAktiv.Checked(); }));

  // F1 asks for the context of the focused control, else of its container,
  // else of the form.
  f.edName.SetFocus();
  PressKey(f.edName.Handle(), VK_F1);
  f.grpOptionen.SetHelpContext(7);
  f.ckbInnen.SetFocus();
  PressKey(f.ckbInnen.Handle(), VK_F1);
  EXPECT_TRUE(PumpUntil([&] { return help.size() == 2; }));
  f.ckbInnen.SetHelpContext(8);
  PressKey(f.ckbInnen.Handle(), VK_F1);
  EXPECT_TRUE(PumpUntil([&] { return help.size() == 3; }));
  EXPECT_EQ(help, (std::vector<int>{42, 7, 8}));
  App().OnHelp = savedHelp;
}

TEST(ModelessForm, CloseHidesOrFreesAsOnCloseSays) {
  TTestForm f;
  f.Show();
  platform::CloseAction choice = platform::CloseAction::None;
  f.OnClose = [&](platform::CloseAction& action) { action = choice; };
  f.Close();
  EXPECT_TRUE(f.Visible());
  choice = platform::CloseAction::Hide;
  f.Close();
  EXPECT_FALSE(f.Visible());

  auto* freed = new TTestForm;
  freed->OnClose = [](platform::CloseAction& action) { action = platform::CloseAction::Free; };
  freed->Show();
  const HWND hwnd = freed->Handle();
  freed->Close();
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); }));
}

TEST(Controls, EventsAreReflectedToTheirControls) {
  TTestForm f;
  f.Show();
  int inner = 0, aktiv = 0, changes = 0;
  f.ckbInnen.OnClick = [&] { ++inner; };
  f.ckbAktiv.OnClick = [&] { ++aktiv; };
  f.edName.OnChange = [&] { ++changes; };
  // The group box passes its child's click on.
  SendMessageA(f.ckbInnen.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(inner, 1);
  EXPECT_TRUE(f.ckbInnen.Checked());
  // Ticking from code clicks as a user would, once per change.
  f.ckbAktiv.SetChecked(true);
  f.ckbAktiv.SetChecked(true);
  EXPECT_EQ(aktiv, 1);
  f.edName.SetText("neu");
  EXPECT_EQ(changes, 1);
}

// Another subclass put on a control's window after ours (as a tooltip or a
// test puts one on) sees the messages first and hands them down to the
// control, in whatever order the two let go of the window.
TEST(Controls, WindowsStayBoundUnderAnotherSubclass) {
  struct Counter {
    int clicks = 0;
    bool destroyed = false;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
      auto* self = reinterpret_cast<Counter*>(data);
      if (msg == BM_CLICK) ++self->clicks;
      if (msg == WM_NCDESTROY) self->destroyed = true;
      return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
  };
  for (const bool otherLetsGoFirst : {true, false}) {
    Counter counter;
    HWND hwnd = nullptr;
    {
      TTestForm f;
      hwnd = f.ckbAktiv.Handle();
      int aktiv = 0;
      f.ckbAktiv.OnClick = [&] { ++aktiv; };
      ASSERT_TRUE(SetWindowSubclass(hwnd, &Counter::Proc, 1, reinterpret_cast<DWORD_PTR>(&counter)));
      SendMessageA(hwnd, BM_CLICK, 0, 0);
      EXPECT_EQ(counter.clicks, 1);
      EXPECT_EQ(aktiv, 1);
      EXPECT_TRUE(f.ckbAktiv.Checked());
      EXPECT_EQ(platform::Control::FromHandle(hwnd), &f.ckbAktiv);
      if (otherLetsGoFirst) {
        RemoveWindowSubclass(hwnd, &Counter::Proc, 1);
        SendMessageA(hwnd, BM_CLICK, 0, 0);
        EXPECT_EQ(aktiv, 2);
        EXPECT_EQ(counter.clicks, 1);
      }
    }
    // The form took its controls down; the window went with them.
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(counter.destroyed, !otherLetsGoFirst);
    EXPECT_EQ(platform::Control::FromHandle(hwnd), nullptr);
  }
  // A window destroyed under its object leaves the object without one.
  TTestForm f;
  HWND hwnd = f.edName.Handle();
  DestroyWindow(hwnd);
  EXPECT_EQ(f.edName.Handle(), nullptr);
  EXPECT_EQ(platform::Control::FromHandle(hwnd), nullptr);
}

TEST(Controls, ValuesByNameForScripts) {
  TTestForm f;
  EXPECT_TRUE(f.SetControlValue("edName", "Wort"));
  EXPECT_EQ(f.GetControlValue("edName"), "Wort");
  EXPECT_TRUE(f.SetControlValue("ckbAktiv", "1"));
  EXPECT_EQ(f.GetControlValue("ckbAktiv"), "1");
  EXPECT_FALSE(f.SetControlValue("ckbAktiv", "ja"));
  EXPECT_EQ(f.GetControlValue("ckbAktiv"), "1");
  EXPECT_FALSE(f.SetControlValue("lblTitel", "x"));
  EXPECT_FALSE(f.SetControlValue("gibtsNicht", "x"));
  // A button takes any value as a press, unless it is disabled.
  int clicks = 0;
  f.btnOk.OnClick = [&] { ++clicks; };
  EXPECT_TRUE(f.SetControlValue("btnOk", ""));
  f.btnOk.SetEnabled(false);
  EXPECT_FALSE(f.SetControlValue("btnOk", "1"));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(f.GetControlValue("gibtsNicht"), std::nullopt);
}

TEST(Controls, TimerFiresWhileEnabledOnly) {
  TTestForm f;
  int fired = 0;
  f.tmrSchritt.OnTimer = [&] { ++fired; };
  PumpFor(60);
  EXPECT_EQ(fired, 0);
  f.tmrSchritt.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return fired >= 3; }));
  f.tmrSchritt.SetEnabled(false);
  const int stopped = fired;
  PumpFor(80);
  EXPECT_EQ(fired, stopped);
}

TEST(Application, ExceptionsOfEventsGoToTheHandlerNotThroughWin32) {
  CaughtExceptions caught;
  TTestForm f;
  f.btnOk.OnClick = [] { throw std::runtime_error("Klick kaputt"); };
  f.tmrSchritt.OnTimer = [&] {
    f.tmrSchritt.SetEnabled(false);
    throw std::runtime_error("Zeit kaputt");
  };
  f.Show();
  PostMessageA(f.btnOk.Handle(), BM_CLICK, 0, 0);
  f.tmrSchritt.SetEnabled(true);
  // Through the pump's dialog keys as well.
  f.edName.SetFocus();
  PressKey(f.edName.Handle(), VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return caught.messages.size() == 3; }));
  std::sort(caught.messages.begin(), caught.messages.end());
  EXPECT_EQ(caught.messages, (std::vector<std::string>{"Klick kaputt", "Klick kaputt", "Zeit kaputt"}));
}

// What a million calls cost is measured by bench/bounds_bench.
TEST(Application, ProcessMessagesStillDelivers) {
  TTestForm f;
  int clicks = 0;
  f.btnOk.OnClick = [&] { ++clicks; };
  for (int i = 0; i < 1000; ++i) App().ProcessMessages();
  PostMessageA(f.btnOk.Handle(), BM_CLICK, 0, 0);
  const DWORD posted = GetTickCount();
  while (clicks == 0 && GetTickCount() - posted < 30000) App().ProcessMessages();
  EXPECT_EQ(clicks, 1);
}

}  // namespace
