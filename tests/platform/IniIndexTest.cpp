// The INI document finds keys through an index per section and leaves deleted
// lines in place until it sweeps them out: these tests hold the index to the
// lines after every kind of edit.
#include <gtest/gtest.h>

#include "platform/base/IniDocument.h"

using namespace platform;
using Lines = std::vector<std::string>;

TEST(IniIndex, DuplicatesGoWithTheirKeyAndNewKeysFollowTheLastKeyLeft) {
  IniDocument doc = IniDocument::Parse(
      "[s]\r\n"
      "a=1\r\n"
      "B=2\r\n"
      "; note\r\n"
      "b=3\r\n"
      "c=4\r\n"
      "\r\n"
      "[t]\r\n"
      "b=5\r\n"
      "\r\n"
      "z=6\r\n");
  EXPECT_EQ(doc.Read("s", "b"), "2");
  doc.Write("s", "B", "20");  // the first occurrence
  EXPECT_TRUE(doc.DeleteKey("S", "b"));
  EXPECT_FALSE(doc.Read("s", "b").has_value());  // no duplicate comes to light
  EXPECT_FALSE(doc.DeleteKey("s", "b"));
  EXPECT_EQ(doc.Read("s", "c"), "4");
  EXPECT_EQ(doc.Read("t", "b"), "5");
  EXPECT_EQ(doc.Keys("s"), (Lines{"a", "c"}));
  EXPECT_TRUE(doc.DeleteKey("t", "z"));

  EXPECT_TRUE(doc.DeleteKey("s", "c"));
  doc.Write("s", "b", "6");
  doc.Write("s", "d", "7");
  EXPECT_EQ(doc.Read("s", "b"), "6");
  EXPECT_EQ(doc.Text(),
            "[s]\r\n"
            "a=1\r\n"
            "b=6\r\n"
            "d=7\r\n"
            "; note\r\n"
            "\r\n"
            "[t]\r\n"
            "b=5\r\n"
            "\r\n");
  doc.Write("s", "d", "8");
  doc.Write("u", "x", "9");  // after a blank line followed by a deleted one: no second blank
  EXPECT_EQ(doc.Text(),
            "[s]\r\n"
            "a=1\r\n"
            "b=6\r\n"
            "d=8\r\n"
            "; note\r\n"
            "\r\n"
            "[t]\r\n"
            "b=5\r\n"
            "\r\n"
            "[u]\r\n"
            "x=9\r\n");
  for (const char* key : {"a", "b", "d"}) doc.DeleteKey("s", key);
  doc.Write("s", "e", "10");
  EXPECT_EQ(doc.Keys("s"), (Lines{"e"}));
  EXPECT_EQ(doc.Text().substr(0, 24), "[s]\r\ne=10\r\n; note\r\n\r\n[t]");
}

TEST(IniIndex, ThousandsOfKeysDeletedAndAddedAgainReadBackRight) {
  constexpr int kKeys = 10000;
  std::string text = "[Dateien]\r\n";
  for (int n = 1; n <= kKeys; ++n) text += std::to_string(n) + "=seite" + std::to_string(n) + "\r\n";
  text += "; Ende\r\n";
  IniDocument doc = IniDocument::Parse(text);
  // Every other key, then the rest from the back: the document sweeps out the
  // gravestones on the way and must keep every place right.
  for (int n = 2; n <= kKeys; n += 2) ASSERT_TRUE(doc.DeleteKey("Dateien", std::to_string(n)));
  for (int n = 1; n <= kKeys; n += 2) ASSERT_EQ(doc.Read("Dateien", std::to_string(n)), "seite" + std::to_string(n));
  for (int n = kKeys - 1; n > kKeys / 2; n -= 2) ASSERT_TRUE(doc.DeleteKey("Dateien", std::to_string(n)));
  for (int n = 2; n <= kKeys; n += 2) doc.Write("Dateien", std::to_string(n), "neu" + std::to_string(n));
  std::string expected = "[Dateien]\r\n";
  for (int n = 1; n <= kKeys / 2; n += 2) expected += std::to_string(n) + "=seite" + std::to_string(n) + "\r\n";
  for (int n = 2; n <= kKeys; n += 2) expected += std::to_string(n) + "=neu" + std::to_string(n) + "\r\n";
  expected += "; Ende\r\n";
  EXPECT_EQ(doc.Text(), expected);
  for (int n = 1; n <= kKeys; ++n) {
    const bool kept = n % 2 == 0 || n <= kKeys / 2;
    ASSERT_EQ(doc.Read("Dateien", std::to_string(n)).has_value(), kept) << n;
  }
  EXPECT_EQ(doc.Keys("Dateien").size(), static_cast<size_t>(kKeys / 4 + kKeys / 2));
}
