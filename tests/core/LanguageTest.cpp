#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "core/Texts.h"
#include "coregui/ULanguage.h"
#include "platform/base/Registry.h"
#include "platform/base/Resources.h"
#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace {

constexpr char kInternational[] = "Control Panel\\International";

// Sets the user's "Locale" value for one test and puts the old one back.
class LocaleValue {
 public:
  LocaleValue() {
    old_ = platform::ReadRegString(HKEY_CURRENT_USER, kInternational, "Locale");
  }
  ~LocaleValue() {
    if (old_) Set(*old_);
    else Remove();
  }
  void Set(const std::string& value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kInternational, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Locale", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
  void Remove() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternational, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, "Locale");
    RegCloseKey(key);
  }

 private:
  std::optional<std::string> old_;
};

std::string Text100() { return core::LoadStr(100u); }

// Beside the test program: core_language_test.ENU and core_language_test.FR.
TEST(DetectLanguage, LocaleModulesAndFallbacks) {
  struct Case {
    const char* locale;  // nullptr: no value
    LCID fallback;
    int result;
    LCID chosen;
    const char* text;
  };
  const Case cases[] = {
      {"00000409", 1031, 0, 1033, "Hello"},    // the three-letter module
      {"00000407", 1033, 0, 1033, "Hello"},    // no DEU, no DE: the default
      {"0000040c", 1033, 0, 1036, "Bonjour"},  // only the two-letter module
      {"00000409", 0, 0, 0, "Hallo"},          // no default: nothing at all
      {"", 1033, 0, 1033, "Hello"},
      {nullptr, 1036, 0, 1036, "Bonjour"},
      {"00000413", 1031, 1, 0, "Hallo"},       // neither Dutch nor German
  };
  LocaleValue locale;
  for (const Case& c : cases) {
    if (c.locale) locale.Set(c.locale);
    else locale.Remove();
    core::TLanguage language;
    EXPECT_EQ(language.DetectLanguage(c.fallback), c.result) << (c.locale ? c.locale : "-");
    EXPECT_EQ(language.GetLocaleId(), c.chosen) << (c.locale ? c.locale : "-");
    EXPECT_EQ(Text100(), c.text) << (c.locale ? c.locale : "-");
  }
  // The switch gives the program's own texts back when it goes.
  EXPECT_EQ(platform::ResourceSource(), nullptr);
  EXPECT_EQ(Text100(), "Hallo");
}

class TLanguageTestDlg : public platform::Form {
 public:
  TLanguageTestDlg() : Form("TLanguageTestDlg") {}
  platform::Label& lblText = Find<platform::Label>("lblText");
  platform::Label& lblLaufzeit = Find<platform::Label>("lblLaufzeit");
  platform::Button& btnOk = Find<platform::Button>("btnOk");
};

TEST(SwitchLanguage, ReReadsLiveFormsAndAFailedSwitchChangesNothing) {
  core::TLanguage language;
  TLanguageTestDlg shown;
  TLanguageTestDlg hidden;
  shown.Show();
  shown.lblLaufzeit.SetCaption("00:01.00");
  EXPECT_EQ(shown.Caption(), "Sprache w\xE4hlen");
  EXPECT_EQ(shown.lblText.Caption(), "Gr\xF6\xDF" "e");

  ASSERT_EQ(language.SwitchLanguage(1033), 0);
  EXPECT_EQ(core::LoadStr(101u), "Close \xE9");
  EXPECT_EQ(core::LoadStr(102u), "nur im Programm");  // what the module lacks
  for (TLanguageTestDlg* f : {&shown, &hidden}) {
    EXPECT_EQ(f->Caption(), "Choose language");
    EXPECT_EQ(f->lblText.Caption(), "Size");
    EXPECT_EQ(f->btnOk.Caption(), "Close");
    EXPECT_EQ(f->ClientWidth(), 220);
  }
  // What the program set at run time and the module does not store stays.
  EXPECT_EQ(shown.lblLaufzeit.Caption(), "00:01.00");
  EXPECT_TRUE(shown.Visible());
  EXPECT_FALSE(hidden.Visible());

  const HMODULE english = platform::ResourceSource();
  EXPECT_EQ(language.SwitchLanguage(1031), 1);
  EXPECT_EQ(language.GetLocaleId(), 1033u);
  EXPECT_EQ(platform::ResourceSource(), english);
  EXPECT_EQ(shown.Caption(), "Choose language");
  EXPECT_EQ(Text100(), "Hello");
  // 0 names no language: it must not pick the user's default.
  EXPECT_EQ(language.SwitchLanguage(0), 1);

  ASSERT_EQ(language.SwitchLanguage(1036), 0);
  EXPECT_EQ(shown.Caption(), "Choisir la langue");
  EXPECT_EQ(shown.btnOk.Caption(), "Fermer");
  EXPECT_EQ(Text100(), "Bonjour");
  // A form made after the switch reads the module's layout.
  TLanguageTestDlg later;
  EXPECT_EQ(later.lblText.Caption(), "Taille");
}

}  // namespace

int main(int argc, char** argv) {
  platform::App().Initialize();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
