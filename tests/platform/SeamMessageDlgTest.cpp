// The real message box under Wine: a thread timer finds the box while its
// modal loop runs, reads it and presses its buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/UiSeam.h"

namespace {

using namespace platform;

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

struct Seen {
  HWND box = nullptr;
  std::string caption;
  std::string text;                  // of the static text control
  std::vector<std::string> buttons;  // in creation (and tab) order
  std::vector<HWND> buttonWindows;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lp) {
  if (IsWindowVisible(hwnd) && ClassOf(hwnd) == "QuarvelinMessageBox") {
    *reinterpret_cast<HWND*>(lp) = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
  auto seen = reinterpret_cast<Seen*>(lp);
  const std::string cls = ClassOf(hwnd);
  if (_stricmp(cls.c_str(), "Button") == 0) {
    seen->buttons.push_back(WindowText(hwnd));
    seen->buttonWindows.push_back(hwnd);
  } else if (_stricmp(cls.c_str(), "Static") == 0 && GetWindowTextLengthA(hwnd) > 0) {
    seen->text = WindowText(hwnd);
  }
  return TRUE;
}

// Each tick of the timer runs the next step against the open box; a step
// returns false to be tried again on the next tick.
class BoxDriver {
 public:
  using Step = std::function<bool(Seen&)>;
  explicit BoxDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 20, &BoxDriver::Tick);
  }
  ~BoxDriver() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool Finished() const { return next_ == steps_.size(); }
  const Seen& Last() const { return seen_; }

  static HWND Button(const Seen& s, const std::string& caption) {
    for (size_t i = 0; i < s.buttons.size(); ++i) {
      if (s.buttons[i] == caption) return s.buttonWindows[i];
    }
    return nullptr;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current_) current_->OnTick();
  }
  void OnTick() {
    if (busy_) return;  // a step may pump messages itself
    busy_ = true;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
    if (box && next_ < steps_.size()) {
      seen_ = Seen{};
      seen_.box = box;
      seen_.caption = WindowText(box);
      EnumChildWindows(box, &CollectChild, reinterpret_cast<LPARAM>(&seen_));
      if (steps_[next_](seen_)) ++next_;
    }
    // A box left open by a failing step must not hang the test.
    if (box && ++ticks_ > 250) PostMessageA(box, WM_CLOSE, 0, 0);
    busy_ = false;
  }

  static inline BoxDriver* current_ = nullptr;
  std::vector<Step> steps_;
  size_t next_ = 0;
  int ticks_ = 0;
  bool busy_ = false;
  UINT_PTR timer_ = 0;
  Seen seen_;
};

class SeamMessageDlg : public ::testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableA("QUARVELIN_UI_SCRIPT", nullptr);
    SetEnvironmentVariableA("QUARVELIN_UI_LOG", nullptr);
    ResetUiScript();
    SetUiResponder(nullptr);
    App().OnHelp = [this](int context) { helpCalls.push_back(context); };
  }
  void TearDown() override { App().OnHelp = nullptr; }
  std::vector<int> helpCalls;
};

void Press(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
void Key(HWND target, WPARAM key) {
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

TEST_F(SeamMessageDlg, RetryQuestionShowsGermanButtonsAndKeepsOpenForHelp) {
  bool stayedOpen = false;
  BoxDriver driver({
      [](Seen& s) {
        Press(BoxDriver::Button(s, "&Hilfe"));
        return true;
      },
      [&](Seen& s) {
        stayedOpen = IsWindowVisible(s.box) != FALSE;
        Press(BoxDriver::Button(s, "&Nein"));
        return true;
      },
  });
  const int result = MessageDlg("Aktion: C:\\x.txt schreiben\r\rException: Platte voll\r\rErneut versuchen?",
                                MsgDlgType::Error, mbYes | mbNo | mbHelp, 1003);
  EXPECT_EQ(result, mrNo);
  EXPECT_TRUE(driver.Finished());
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(helpCalls, std::vector<int>{1003});
  const Seen& s = driver.Last();
  EXPECT_EQ(s.caption, "Fehler");
  EXPECT_EQ(s.text, "Aktion: C:\\x.txt schreiben\r\n\r\nException: Platte voll\r\n\r\nErneut versuchen?");
  EXPECT_EQ(s.buttons, (std::vector<std::string>{"&Ja", "&Nein", "&Hilfe"}));
  EXPECT_FALSE(IsWindow(s.box));
}

TEST_F(SeamMessageDlg, EscapeGivesCancelAndEnterTheFirstButton) {
  {
    BoxDriver driver({[](Seen& s) {
      Key(BoxDriver::Button(s, "&Ja"), VK_ESCAPE);
      return true;
    }});
    EXPECT_EQ(MessageDlg("Speichern?", MsgDlgType::Confirmation, mbYes | mbNo, 0), mrCancel);
    EXPECT_EQ(driver.Last().caption, "Bestätigen");
  }
  {
    BoxDriver driver({[](Seen& s) {
      Key(s.buttonWindows.at(0), VK_RETURN);
      return true;
    }});
    EXPECT_EQ(MessageDlg("Überschreiben?", MsgDlgType::Warning, mbYes | mbNo | mbCancel, 0), mrYes);
    EXPECT_EQ(driver.Last().caption, "Warnung");
    EXPECT_EQ(driver.Last().buttons, (std::vector<std::string>{"&Ja", "&Nein", "Abbrechen"}));
  }
  {
    // A box with one button: closing it is that button's answer.
    BoxDriver driver({[](Seen& s) {
      PostMessageA(s.box, WM_CLOSE, 0, 0);
      return true;
    }});
    EXPECT_EQ(MessageDlg("Fertig.", MsgDlgType::Information, mbOK, 0), mrOk);
    EXPECT_EQ(driver.Last().caption, "Information");
    EXPECT_EQ(driver.Last().buttons, std::vector<std::string>{"OK"});
  }
  {
    BoxDriver driver({[](Seen& s) {
      Press(BoxDriver::Button(s, "&Wiederholen"));
      return true;
    }});
    EXPECT_EQ(MessageDlg("?", MsgDlgType::Custom, mbAll | mbIgnore | mbRetry | mbAbort | mbCancel | mbOK, 0), mrRetry);
    EXPECT_EQ(driver.Last().buttons, (std::vector<std::string>{"OK", "Abbrechen", "&Abbrechen", "&Wiederholen",
                                                               "&Ignorieren", "&Alle"}));
  }
}

TEST_F(SeamMessageDlg, IsModalToTheThreadsWindowsAndShowMessageUsesTheTitle) {
  const std::string title = App().Title();
  App().SetTitle("Seam-Test");
  HWND other = CreateWindowExA(0, "STATIC", "anderes Fenster", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(other);
  bool otherDisabled = false;
  BoxDriver driver({[&](Seen& s) {
    otherDisabled = !IsWindowEnabled(other);
    Press(BoxDriver::Button(s, "OK"));
    return true;
  }});
  ShowMessage("Hallo");
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(driver.Last().caption, "Seam-Test");
  EXPECT_EQ(driver.Last().text, "Hallo");
  EXPECT_TRUE(otherDisabled);
  EXPECT_TRUE(IsWindowEnabled(other));
  DestroyWindow(other);
  App().SetTitle(title);
}

}  // namespace
