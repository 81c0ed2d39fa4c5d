// The table comparison that the native build uses in place of the locale
// must give the system's sort keys and order, byte for byte: on every byte,
// every pair of bytes, and words as pages bring them.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/base/Collation1252.h"

namespace collation = platform::collation1252;

namespace {

std::string SystemKey(const std::string& s, DWORD flags) {
  char buffer[512];
  const int n = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | flags, s.data(), static_cast<int>(s.size()), buffer,
                             sizeof buffer);
  return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

int SystemCompare(const std::string& a, const std::string& b, DWORD flags) {
  return CompareStringA(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) -
         CSTR_EQUAL;
}

int Sign(int v) { return (v > 0) - (v < 0); }

// Letters with and without accents, ligatures, ß, digits, blanks,
// punctuation that word sort sets aside ("-", "'", dashes, soft hyphen),
// control bytes and bytes code page 1252 leaves undefined.
const std::vector<std::string> kPieces = {
    "haus", "Haus", "straße", "Strasse", "Müller", "mueller", "öl",  "Öl",   "co-op", "coop", "o'neil", "2000",
    "x-1",  "a",    "ä",      "à",       "æ",      "ae",      "Æ",   "œ",    "-",     "'",    "ß",      "SS",
    "\xAD", "\x96", "\x97",   "\x81",    "\x01",   " ",       "\xA0", "\xB2", "\xAA", "þ",    "ð",      "ÿ",
};

std::vector<std::string> Words(size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::string> words;
  for (size_t i = 0; i < count; ++i) {
    std::string word;
    for (size_t parts = 1 + random() % 4; parts > 0; --parts) word += kPieces[random() % kPieces.size()];
    words.push_back(word);
  }
  return words;
}

}  // namespace

TEST(Collation1252, KeysOfEveryByteAndPairOfBytesAreTheSystems) {
  for (int a = 0; a < 256; ++a) {
    const std::string one(1, static_cast<char>(a));
    ASSERT_EQ(collation::SortKey(one, true), SystemKey(one, NORM_IGNORECASE)) << a;
    ASSERT_EQ(collation::SortKey(one, false), SystemKey(one, 0)) << a;
    char upper = one[0], lower = one[0];
    CharUpperBuffA(&upper, 1);
    CharLowerBuffA(&lower, 1);
    ASSERT_EQ(collation::Upper(one), std::string(1, upper)) << a;
    ASSERT_EQ(collation::Lower(one), std::string(1, lower)) << a;
    for (int b = 0; b < 256; ++b) {
      const std::string two = one + static_cast<char>(b);
      ASSERT_EQ(collation::SortKey(two, true), SystemKey(two, NORM_IGNORECASE)) << a << " " << b;
    }
  }
}

TEST(Collation1252, WordsOrderAsTheSystemOrdersThem) {
  const auto words = Words(3000, 7);
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    const std::string& a = words[i];
    const std::string& b = words[i + 1];
    ASSERT_EQ(collation::SortKey(a, true), SystemKey(a, NORM_IGNORECASE)) << a;
    ASSERT_EQ(collation::Compare(a, b, true), Sign(SystemCompare(a, b, NORM_IGNORECASE))) << a << " | " << b;
    ASSERT_EQ(collation::Compare(a, b, false), Sign(SystemCompare(a, b, 0))) << a << " | " << b;
  }
}
