#include <gtest/gtest.h>

#include "core/Texts.h"
#include "corvanta/Texts.h"
#include "corvanta/TextNumbers.h"
#include "platform/base/Resources.h"

namespace {

class TextsTest : public ::testing::Test {
 protected:
  void SetUp() override { core::SetTextTable(corvanta::TextTable()); }
};

TEST_F(TextsTest, LoadsCode1252TextsByNumberAndBySymbol) {
  EXPECT_EQ(core::LoadStr(core::Txt::ProgramTitle), "Quarvelin(tm) Corvanta");
  EXPECT_EQ(core::LoadStr(core::Txt::ActClose), "%s schlie\xDF" "en");
  EXPECT_EQ(core::LoadStr(core::Txt::ActTestEof), "%s Dateiende pr\xFC" "fen");
  EXPECT_EQ(core::LoadStr(TXT_RETRY_QUESTION), "Aktion: %s\r\rException: %s\r\rErneut versuchen?");
  EXPECT_EQ(core::TextNumberOf(core::Txt::ActRead), unsigned{TXT_ACT_READ});
}

TEST_F(TextsTest, EveryProgramMapsEverySharedTextInsideItsRange) {
  for (int i = 0; i < static_cast<int>(core::Txt::Count); ++i) {
    const unsigned n = core::TextNumberOf(static_cast<core::Txt>(i));
    EXPECT_GE(n, 64992u) << i;
    EXPECT_LE(n, 65327u) << i;
    EXPECT_TRUE(platform::LoadResString(n).has_value()) << n;
  }
}

TEST_F(TextsTest, LibraryTextsShareTheProgramTable) {
  EXPECT_EQ(platform::LoadResString(65315).value_or(""), "Best\xE4tigen");
  EXPECT_FALSE(platform::LoadResString(65300).has_value());
}

TEST(FormatStr, FillsPlaceholdersInOrder) {
  EXPECT_EQ(core::FormatStr("Aktion: %s\r\rException: %s", {"a", "b"}), "Aktion: a\r\rException: b");
  EXPECT_EQ(core::FormatStr("100%% von %s", {"x"}), "100% von x");
  EXPECT_EQ(core::FormatStr("%s und %s", {"nur"}), "nur und ");
}

}  // namespace
