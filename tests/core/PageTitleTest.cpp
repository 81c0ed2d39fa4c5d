// The entity passes and the page title: both are measured against the plain
// definition (one full replace pass per table row; the title normalised in
// full at every title tag) on texts built from the pieces where passes feed
// each other.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/Entities.h"
#include "core/PageTitle.h"

namespace {

std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t hit = text.find(from); hit != std::string::npos; hit = text.find(from, at)) {
    out.append(text, at, hit - at);
    out.append(to);
    at = hit + from.size();
  }
  return out.append(text, at);
}

std::string PlainDecode(std::string text, bool trade) {
  for (const auto& row : core::kNumericEntities) text = ReplaceAll(text, row.from, row.to);
  for (const auto& row : core::kNamedEntities) text = ReplaceAll(text, row.from, row.to);
  if (trade) text = ReplaceAll(text, core::kTradeEntity.from, core::kTradeEntity.to);
  return text;
}

std::string PlainNormalise(std::string text, bool trade) {
  text = PlainDecode(text, trade);
  for (const auto& row : core::kCanonicalEntities) text = ReplaceAll(text, row.from, row.to);
  for (char& c : text) {
    if (c == '\t' || static_cast<unsigned char>(c) == 254) c = ' ';
  }
  return ReplaceAll(text, "  ", " ");
}

std::string PlainTitle(const std::vector<std::string>& tags, bool trade) {
  std::string title;
  for (const std::string& tag : tags) title = PlainNormalise(title + tag, trade);
  return title;
}

std::string FastTitle(const std::vector<std::string>& tags, bool trade) {
  core::PageTitle title(trade);
  for (const std::string& tag : tags) title.Add(tag);
  return title.Text();
}

// Pieces that decode into each other across passes and across tags.
const char* const kPieces[] = {
    "&", "amp;", "&amp;", ";", "#", "0", "3", "8", "6", "5", "9", "gt;", "&gt;", ">", "<", "\xAB", "\xBB",
    " ", " ", "  ", "\t", "uuml;", "&uuml;", "\xFC", "&nbsp;", "&#160;", "&#038;", "&#059;", "&semi;",
    "&num;", "a", "B", "!", "$", "&dollar;", "&brvbar;", "&#252;", "&#065;", "&#032;", "uum", "l", "&sp;",
    "&laquo;", "trade;", "&trade;", "\x99", "\xFE", "\xA6", "x",
};

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint32_t Below(std::uint32_t n) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state_ >> 33) % n;
  }

 private:
  std::uint64_t state_;
};

std::string RandomText(Random& r, std::uint32_t pieces) {
  std::string text;
  for (std::uint32_t i = 0; i < pieces; ++i) text += kPieces[r.Below(std::size(kPieces))];
  return text;
}

TEST(EntityPasses, OnlyTheRowsThatMatchRunAndTheResultIsTheSame) {
  Random r(7);
  for (int i = 0; i < 2000; ++i) {
    const std::string text = RandomText(r, 1 + r.Below(12));
    const bool trade = i % 2 == 0;
    ASSERT_EQ(core::DecodeEntityRows(text, trade), PlainDecode(text, trade)) << text;
  }
  for (const auto& row : core::kNamedEntities) EXPECT_LE(row.from.size(), core::kLongestEntity);
  for (const auto& row : core::kNumericEntities) EXPECT_LE(row.from.size(), core::kLongestEntity);
}

TEST(PageTitle, EqualsNormalisingTheWholeAtEveryTag) {
  Random r(11);
  for (int i = 0; i < 2000; ++i) {
    std::vector<std::string> tags(1 + r.Below(6));
    for (std::string& tag : tags) tag = RandomText(r, r.Below(10));
    const bool trade = i % 3 == 0;
    const std::string expected = PlainTitle(tags, trade);
    ASSERT_EQ(FastTitle(tags, trade), expected) << "case " << i;
  }
}

TEST(PageTitle, LaterTagsKeepReworkingEarlierText) {
  // Each tag halves the runs of blanks once more and lets what the last pass
  // left over decode: the title depends on how many tags follow.
  const std::vector<std::string> tags = {"  Haupt    Titel  ", "&amp;amp;amp;uuml; a > b", "x", "y", "z"};
  for (std::size_t n = 1; n <= tags.size(); ++n) {
    const std::vector<std::string> first(tags.begin(), tags.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(FastTitle(first, false), PlainTitle(first, false)) << n;
  }
  EXPECT_FALSE(core::PageTitle(false).Seen());
}

}  // namespace
