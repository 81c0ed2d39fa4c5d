#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/RelativeLink.h"
#include "core/WineDrives.h"
#include "platform/base/Files.h"

namespace {

TEST(WineDriveTable, ReadsBothConfigurationStyles) {
  core::WineDrives d;
  // The later style quotes key and value; the older one wrote neither.
  d.ReadRoots("WINE REGISTRY Version 2\r\n"
              "[Drive C]\r\n\"Path\" = \"/home/user/c\"\r\n\"Type\" = \"hd\"\r\n"
              "[Drive D]\r\n\"Type\" = \"cdrom\"\r\n"
              "[drive z]\r\n\"Path\" = \"/\"\r\n");
  EXPECT_EQ(d.Root('C'), "/home/user/c");
  EXPECT_EQ(d.Root('c'), "/home/user/c");
  EXPECT_EQ(d.Root('D'), "");  // a section without its key
  EXPECT_EQ(d.Root('Z'), "/");
  EXPECT_EQ(d.Root('1'), "");

  char buf[MAX_PATH];
  GetTempPathA(MAX_PATH, buf);
  const std::string conf = std::string(buf) + "quarvelin-wine-" + std::to_string(GetCurrentProcessId()) + ".conf";
  platform::WriteFileBytes(conf, "[Drive A]\nPath=/mnt/fd0\nType=floppy\n[Drive E]\nPath = /home/user/e dir\n");
  d.Load(conf);
  DeleteFileA(conf.c_str());
  EXPECT_EQ(d.Configuration(), conf);
  EXPECT_EQ(d.Root('A'), "/mnt/fd0");
  EXPECT_EQ(d.Root('E'), "/home/user/e dir");
  EXPECT_EQ(d.Root('C'), "");  // every drive is read anew
  // A missing file keeps the table and still becomes the configuration.
  d.Load("~/.Wine/config");
  EXPECT_EQ(d.Configuration(), "~/.Wine/config");
  EXPECT_EQ(d.Root('A'), "/mnt/fd0");
}

TEST(WineDriveTable, ToUnixPathReplacesThePrefixEverywhereAndQuotes) {
  core::WineDrives d;
  // Nothing configured: the drive prefix just goes.
  EXPECT_EQ(d.ToUnixPath("D:\\a b\\c.htm"), "'/a b/c.htm'");
  d.SetRoot('C', "/home/user/c");
  EXPECT_EQ(d.ToUnixPath("C:\\web\\index.htm"), "'/home/user/c/web/index.htm'");
  EXPECT_EQ(d.ToUnixPath("C:\\x\\C:y"), "'/home/user/c/x//home/user/cy'");
  // A lower-case letter uses the drive's root and replaces its own spelling.
  EXPECT_EQ(d.ToUnixPath("c:\\x\\C:y"), "'/home/user/c/x/C:y'");
  EXPECT_EQ(d.UnixPath("C:\\web\\"), "/home/user/c/web/");
  // No drive letter: the beginning stays, nothing is read past the end.
  EXPECT_EQ(d.ToUnixPath(""), "''");
  EXPECT_EQ(d.ToUnixPath("C"), "'C'");
  EXPECT_EQ(d.ToUnixPath("\\\\server\\share\\a.htm"), "'//server/share/a.htm'");
  EXPECT_EQ(d.ToUnixPath("web\\a.htm"), "'web/a.htm'");
  EXPECT_EQ(d.ToUnixPath("\xC4:\\a"), "'\xC4:/a'");
}

TEST(WineDriveTable, WineRelativePathWalksAcrossDrives) {
  core::WineDrives d;
  d.SetRoot('C', "/home/user/c");
  d.SetRoot('D', "/home/user/d");
  EXPECT_EQ(d.WineRelativePath("D:\\site\\docs\\a.htm", "C:\\out"), "../../d/site/docs/a.htm");
  EXPECT_EQ(d.WineRelativePath("D:\\site\\docs\\a.htm", "C:\\out\\"), "../../d/site/docs/a.htm");
  // Equal ignoring case; blanks escaped for a shell.
  EXPECT_EQ(d.WineRelativePath("D:\\My Site\\a b.htm", "c:\\Out"), "../../d/My\\ Site/a\\ b.htm");
  EXPECT_EQ(d.WineRelativeLink("D:\\My Site\\a b.htm", "c:\\Out"), "../../d/My Site/a b.htm");
  d.SetRoot('E', "/mnt/e");
  EXPECT_EQ(d.WineRelativePath("E:\\x.htm", "C:\\out"), "../../../../mnt/e/x.htm");
}

TEST(RelativeLink, SameDriveWalksTheFolders) {
  using core::RelativeLink;
  EXPECT_EQ(RelativeLink("C:\\site", "C:\\site\\suche", "docs\\a.htm", nullptr), "../docs/a.htm");
  EXPECT_EQ(RelativeLink("C:\\site", "C:\\site\\suche\\", "docs\\a.htm", nullptr), "../docs/a.htm");
  EXPECT_EQ(RelativeLink("C:\\site\\", "C:\\site\\suche", "docs\\a.htm", nullptr), "../docs/a.htm");
  EXPECT_EQ(RelativeLink("C:\\site", "C:\\site", "docs\\a.htm", nullptr), "docs/a.htm");
  EXPECT_EQ(RelativeLink("C:\\site\\b", "C:\\site\\a", "x.htm", nullptr), "../b/x.htm");
  EXPECT_EQ(RelativeLink("C:\\site", "C:\\site\\a\\b\\", "x.htm", nullptr), "../../x.htm");
  // Folder names are compared ignoring case, the exact-equality shortcut is not.
  EXPECT_EQ(RelativeLink("C:\\Site", "C:\\site\\suche", "a.htm", nullptr), "../a.htm");
  EXPECT_EQ(RelativeLink("C:\\\xC4rger", "C:\\\xE4rger", "a.htm", nullptr), "a.htm");
  EXPECT_EQ(RelativeLink("C:\\site", "C:\\site\\", "a.htm", nullptr), "a.htm");
  EXPECT_EQ(RelativeLink("C:\\site\\sub", "C:\\", "a.htm", nullptr), "site/sub/a.htm");
  EXPECT_EQ(RelativeLink("C:\\site", "C:\\other", "a b.htm", nullptr), "../site/a b.htm");
}

TEST(RelativeLink, OtherDriveGivesFileUrlOrWinePath) {
  using core::RelativeLink;
  EXPECT_EQ(RelativeLink("D:\\site", "C:\\out", "docs\\a.htm", nullptr), "file:///D|/site/docs/a.htm");
  EXPECT_EQ(RelativeLink("c:\\site", "C:\\out", "a.htm", nullptr), "file:///c|/site/a.htm");
  EXPECT_EQ(RelativeLink("D:\\site", "", "a.htm", nullptr), "file:///D|/site/a.htm");

  core::WineDrives d;
  d.SetRoot('C', "/home/user/c");
  d.SetRoot('D', "/home/user/d");
  EXPECT_EQ(RelativeLink("D:\\site", "C:\\out", "docs\\a.htm", &d), "../../d/site/docs/a.htm");
  // A blank in a link is a blank; the shell's backslash before it is not
  // turned into a folder separator.
  EXPECT_EQ(RelativeLink("D:\\my site", "C:\\out", "a b.htm", &d), "../../d/my site/a b.htm");
  // Same drive: the Unix browser changes nothing.
  EXPECT_EQ(RelativeLink("C:\\site", "C:\\site\\suche", "a.htm", &d), "../a.htm");
}

}  // namespace
