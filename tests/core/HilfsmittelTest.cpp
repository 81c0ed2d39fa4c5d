#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "coregui/Hilfsmittel.h"
#include "platform/base/Registry.h"
#include "platform/base/StringList.h"

namespace {

const core::TText& T() { return core::Text(); }

TEST(TextStrip, AtMostOneCharacterAtTheEnd) {
  EXPECT_EQ(T().StripTrailingChar('\\', "C:\\web\\"), "C:\\web");
  EXPECT_EQ(T().StripTrailingChar('\\', "C:\\web\\\\"), "C:\\web\\");
  EXPECT_EQ(T().StripTrailingChar('\\', "C:\\web"), "C:\\web");
  EXPECT_EQ(T().StripTrailingChar('\\', ""), "");
  EXPECT_EQ(T().StripLeadingChar('/', "//a"), "/a");
  EXPECT_EQ(T().StripLeadingChar('/', "a/"), "a/");
  std::string s = "/x/";
  T().StripLeadingCharInPlace('/', s);
  T().StripTrailingCharInPlace('/', s);
  EXPECT_EQ(s, "x");
  T().DropLastChar(s);
  T().DropLastChar(s);
  EXPECT_EQ(s, "");
}

TEST(TextReplaceAll, NoOverlapNoRescanEmptySearch) {
  EXPECT_EQ(T().ReplaceAll("aaa", "aa", "a"), "aa");
  EXPECT_EQ(T().ReplaceAll("abab", "ab", "abab"), "abababab");
  EXPECT_EQ(T().ReplaceAll("Abc", "a", "x"), "Abc");
  EXPECT_EQ(T().ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(T().ReplaceAll("", "a", "x"), "");
  EXPECT_EQ(T().ReplaceAll("a-b-", "-", ""), "ab");
  EXPECT_EQ(T().ReplaceAll(std::string("a\0b", 3), std::string("\0", 1), "_"), "a_b");
}

TEST(TextSmallOps, SpacesLastPosPunctuationWhitespaceFileUrl) {
  EXPECT_EQ(T().Spaces(3), "   ");
  EXPECT_EQ(T().Spaces(0), "");
  EXPECT_EQ(T().Spaces(-2), "");

  EXPECT_EQ(T().LastPos("/", "http://host/a/index.htm"), 14);
  EXPECT_EQ(T().LastPos("ab", "abxab"), 4);
  EXPECT_EQ(T().LastPos("/", "index.htm"), 0);
  EXPECT_EQ(T().LastPos("", "abc"), 0);

  EXPECT_EQ(T().PunctuationToSpaces("a,b.c;d\"e'f-g/h\\i:j?k!l(m)"), "a b c d e f g h i j k l(m)");
  // A run of n blanks keeps (n + 1) / 2 of them.
  EXPECT_EQ(T().NormalizeWhitespace("a\tb\xFE" "c  d   e    f"), "a b c d  e  f");

  EXPECT_EQ(T().PathToFileUrl("C:\\web\\a b.htm"), "file:///C|/web/a b.htm");
}

TEST(TextShortenUrl, CutsBehindTheFirstSlashOnly) {
  EXPECT_EQ(T().ShortenUrl("http://host/dir/sub/page.htm", 20), "http:/.../sub/page.htm");
  EXPECT_EQ(T().ShortenUrl("http://host/dir/sub/page.htm", 28), "http://host/dir/sub/page.htm");
  EXPECT_EQ(T().ShortenUrl("http://host/dir/sub/page.htm", 27), "http:/.../dir/sub/page.htm");
  // Nothing left to cut: the last element stays whole, however long.
  EXPECT_EQ(T().ShortenUrl("http://host/dir/page.htm", 3), "http:/.../page.htm");
  EXPECT_EQ(T().ShortenUrl("C:\\web\\projekte\\sehr\\langer\\pfad\\index.htm", 10),
            "C:\\web\\projekte\\sehr\\langer\\pfad\\index.htm");
  EXPECT_EQ(T().ShortenUrl("keinschraegstrich-aber-lang", 5), "keinschraegstrich-aber-lang");
  EXPECT_EQ(T().ShortenUrl("", 0), "");
  EXPECT_EQ(T().ShortenUrl("a/", 0), "a/.../");
}

// Sets the international values for one test and puts back what was there.
class FormatThousandsTest : public ::testing::Test {
 protected:
  static constexpr const char* kKey = "Control Panel\\International";
  static constexpr const char* kNames[3] = {"sThousand", "sDecimal", "Locale"};
  std::optional<std::string> saved_[3];

  static void Set(const char* name, const std::optional<std::string>& value) {
    if (value) {
      RegSetKeyValueA(HKEY_CURRENT_USER, kKey, name, REG_SZ, value->c_str(), static_cast<DWORD>(value->size() + 1));
    } else {
      RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, name);
    }
  }
  void Values(std::optional<std::string> thousand, std::optional<std::string> decimal,
              std::optional<std::string> locale) {
    Set(kNames[0], thousand);
    Set(kNames[1], decimal);
    Set(kNames[2], locale);
  }
  void SetUp() override {
    for (int i = 0; i < 3; ++i) saved_[i] = platform::ReadRegString(HKEY_CURRENT_USER, kKey, kNames[i]);
  }
  void TearDown() override {
    for (int i = 0; i < 3; ++i) Set(kNames[i], saved_[i]);
  }
};

TEST_F(FormatThousandsTest, GroupsByThreeWithTheUsersSeparator) {
  Values(".", ",", "00000407");
  EXPECT_EQ(core::FormatThousands(0), "0");
  EXPECT_EQ(core::FormatThousands(999), "999");
  EXPECT_EQ(core::FormatThousands(1000), "1.000");
  EXPECT_EQ(core::FormatThousands(1234567), "1.234.567");
  EXPECT_EQ(core::FormatThousands(4294967296LL), "4.294.967.296");
  // The sign goes in front of the grouped magnitude, never into a group.
  EXPECT_EQ(core::FormatThousands(-100), "-100");
  EXPECT_EQ(core::FormatThousands(-1234), "-1.234");
  EXPECT_EQ(core::FormatThousands(std::numeric_limits<std::int64_t>::min()), "-9.223.372.036.854.775.808");
  Values("'", ".", "00000409");
  EXPECT_EQ(core::FormatThousands(1000), "1'000");
}

TEST_F(FormatThousandsTest, FallsBackToTheLocaleWhenASeparatorIsEmpty) {
  Values("", ",", "00000407");
  EXPECT_EQ(core::FormatThousands(1000), "1.000");
  Values(" ", "", "00000409");
  EXPECT_EQ(core::FormatThousands(1000), "1,000");
  Values(std::nullopt, std::nullopt, std::nullopt);
  EXPECT_EQ(core::FormatThousands(1000), "1.000");
  Values("", "", "00000C07");
  EXPECT_EQ(core::FormatThousands(1000), "1.000");
  Values("", "", "00007409");
  EXPECT_EQ(core::FormatThousands(1000), "1,000");
}

// A small tree below the temp folder, removed again at the end.
class FindFilesTest : public ::testing::Test {
 protected:
  std::string root_;

  void Touch(const std::string& relative) {
    const std::string path = root_ + "\\" + relative;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    CloseHandle(h);
  }
  void Folder(const std::string& relative) {
    ASSERT_TRUE(CreateDirectoryA((root_ + "\\" + relative).c_str(), nullptr)) << relative;
  }
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "quarvelin_findfiles_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr));
    for (const char* f : {"sub1", "sub1\\deep", "Zeta", "\xC4rger", ".hidden"}) Folder(f);
    for (const char* f : {"b.htm", "a.htm", "c.html", "d.HTM", "e.js", "f.htm.bak", "sub1\\x.htm", "sub1\\y.txt",
                          "sub1\\deep\\z.htm", "Zeta\\q.htm", "\xC4rger\\u.htm", ".hidden\\h.htm"})
      Touch(f);
    SetFileAttributesA((root_ + "\\b.htm").c_str(), FILE_ATTRIBUTE_HIDDEN);
  }
  void TearDown() override {
    SetFileAttributesA((root_ + "\\b.htm").c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(root_), ec);
  }
  // What FindFiles appends behind a line that was there before.
  std::vector<std::string> Find(const std::string& dir, const std::string& mask, bool relative, bool recurse) {
    platform::TStringList list{"vorher"};
    core::Dir().FindFiles(dir, mask, list, relative, recurse);
    std::vector<std::string> lines = list.Lines();
    EXPECT_EQ(lines.front(), "vorher");
    lines.erase(lines.begin());
    return lines;
  }
};

TEST_F(FindFilesTest, SubFoldersFirstInByteOrderExactExtension) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Find(root_, "*.htm", true, true),
            (V{"Zeta\\q.htm", "sub1\\deep\\z.htm", "sub1\\x.htm", "\xC4rger\\u.htm", "a.htm", "b.htm"}));
  EXPECT_EQ(Find(root_ + "\\", "*.htm", false, false), (V{root_ + "\\a.htm", root_ + "\\b.htm"}));
  EXPECT_EQ(Find(root_, "*.js", false, false), (V{root_ + "\\e.js"}));
  EXPECT_EQ(Find(root_, "*.HTM", true, false), (V{"d.HTM"}));
  EXPECT_EQ(Find(root_, "sub1\\*.htm", true, true), (V{"sub1\\deep\\z.htm", "sub1\\x.htm"}));
  EXPECT_EQ(Find(root_, "*.html", false, true), (V{root_ + "\\c.html"}));
  EXPECT_TRUE(Find(root_ + "\\fehlt", "*.htm", true, true).empty());
}

TEST_F(FindFilesTest, DirExists) {
  EXPECT_TRUE(core::Dir().DirExists(root_));
  EXPECT_TRUE(core::Dir().DirExists(root_ + "\\sub1\\"));
  EXPECT_FALSE(core::Dir().DirExists(root_ + "\\a.htm"));
  EXPECT_FALSE(core::Dir().DirExists(root_ + "\\fehlt"));
  EXPECT_FALSE(core::Dir().DirExists(""));
  EXPECT_TRUE(core::Dir().DirExists("C:"));
}

}  // namespace
