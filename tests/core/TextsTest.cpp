#include <gtest/gtest.h>

#include <set>

#include "core/Texts.h"
#include "corvanta/Texts.h"
#include "pellinova/Texts.h"
#include "tessarel/Texts.h"
#include "platform/base/Resources.h"
#include "platform/gui/LibraryTextNumbers.h"

namespace {

class TextsTest : public ::testing::Test {
 protected:
  void SetUp() override { core::SetTextTable(corvanta::TextTable()); }
};

TEST_F(TextsTest, LoadsCode1252TextsByNumberAndBySymbol) {
  EXPECT_EQ(core::LoadStr(core::Txt::ProgramTitle), "Quarvelin(tm) Corvanta");
  EXPECT_EQ(core::LoadStr(core::Txt::ActClose), "%s schlie\xDF" "en");
  EXPECT_EQ(core::LoadStr(core::Txt::ActTestEof), "%s Dateiende pr\xFC" "fen");
  EXPECT_EQ(core::LoadStr(core::Txt::RetryQuestion), "Aktion: %s\r\rException: %s\r\rErneut versuchen?");
}

// Every mapped number must exist in the program's table, lie in the program's
// range, stay clear of the class library's numbers, and be mapped once.
void ExpectConsistent(std::span<const core::TextNumber> table, unsigned low) {
  std::set<unsigned> numbers;
  std::set<int> ids;
  for (const auto& e : table) {
    EXPECT_GE(e.number, low) << static_cast<int>(e.id);
    EXPECT_LE(e.number, 65327u) << static_cast<int>(e.id);
    EXPECT_FALSE(e.number >= IDS_LIB_WARNING && e.number <= IDS_LIB_CANCEL) << e.number;
    EXPECT_TRUE(numbers.insert(e.number).second) << "number mapped twice: " << e.number;
    EXPECT_TRUE(ids.insert(static_cast<int>(e.id)).second) << "text mapped twice: " << static_cast<int>(e.id);
  }
}

TEST(TextTables, AreConsistentPerProgram) {
  ExpectConsistent(corvanta::TextTable(), 64992);
  ExpectConsistent(pellinova::TextTable(), 64962);
  ExpectConsistent(tessarel::TextTable(), 65152);
}

// Only Corvanta's resources are linked into this test: its every text loads.
TEST_F(TextsTest, EveryMappedCorvantaTextLoads) {
  for (const auto& e : corvanta::TextTable())
    EXPECT_TRUE(platform::LoadResString(e.number).has_value()) << e.number;
}

TEST_F(TextsTest, LibraryTextsShareTheProgramTable) {
  EXPECT_EQ(platform::LoadResString(IDS_LIB_CONFIRMATION).value_or(""), "Best\xE4tigen");
  EXPECT_FALSE(platform::LoadResString(65300).has_value());
}

TEST(FormatStr, FillsPlaceholdersInOrder) {
  EXPECT_EQ(core::FormatStr("Aktion: %s\r\rException: %s", {"a", "b"}), "Aktion: a\r\rException: b");
  EXPECT_EQ(core::FormatStr("100%% von %s", {"x"}), "100% von x");
  EXPECT_EQ(core::FormatStr("%s und %s", {"nur"}), "nur und ");
}

}  // namespace
