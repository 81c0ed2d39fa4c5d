#include <gtest/gtest.h>

#include "BaseTestFolder.h"
#include "platform/base/Files.h"

using namespace platform;

namespace {

// Fails or shortens the steps on one file.
class FaultsOn : public FileFaults {
 public:
  explicit FaultsOn(std::string path) : path_(std::move(path)) { SetFileFaults(this); }
  ~FaultsOn() override { SetFileFaults(nullptr); }
  size_t LimitWrite(const std::string& path, size_t n) override { return path == path_ && n > limit ? limit : n; }
  bool FailClose(const std::string& path) override { return path == path_ && failClose; }
  bool FailRead(const std::string& path) override { return path == path_ && failRead; }

  size_t limit = SIZE_MAX;
  bool failClose = false;
  bool failRead = false;

 private:
  std::string path_;
};

template <typename F>
DWORD ErrorOf(F f) {
  try {
    f();
  } catch (const EInOutError& e) {
    EXPECT_STRNE(e.what(), "");
    return e.ErrorCode();
  }
  return 0;
}

}  // namespace

TEST(Files, ReadWriteSizeAndEof) {
  BaseTestFolder dir;
  const std::string path = dir / "a.bin";
  const std::string data("x\0\xE4\r\n", 5);
  WriteFileBytes(path, data);
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(DirectoryExists(path));
  EXPECT_TRUE(DirectoryExists(dir.Path()));
  EXPECT_FALSE(FileExists(dir.Path()));

  TFile f;
  f.OpenRead(path);
  EXPECT_EQ(f.Size(), 5);
  char buf[8];
  EXPECT_EQ(f.Read(buf, 3), 3u);
  EXPECT_FALSE(f.Eof());
  EXPECT_EQ(f.Read(buf, 8), 2u);
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(f.Read(buf, 8), 0u);
  TFile moved = std::move(f);
  EXPECT_FALSE(f.IsOpen());
  moved.Close();
  EXPECT_EQ(ReadFileBytes(path), data);
}

TEST(Files, ErrorsCarryTheSystemMessage) {
  BaseTestFolder dir;
  TFile f;
  EXPECT_EQ(ErrorOf([&] { f.OpenRead(dir / "missing.txt"); }), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(ErrorOf([&] { f.Rewrite(dir / "no\\such\\folder.txt"); }), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(EInOutError(ERROR_FILE_NOT_FOUND).what(), SysErrorMessage(ERROR_FILE_NOT_FOUND));
  EXPECT_NE(SysErrorMessage(ERROR_FILE_NOT_FOUND).back(), '\n');
  EXPECT_EQ(SysErrorMessage(0x2FFFFFFF), "E/A-Fehler 805306367");
}

TEST(Files, ShortWriteAndFailingCloseThroughTheFaultSeam) {
  BaseTestFolder dir;
  const std::string path = dir / "full.bin";
  FaultsOn faults(path);
  faults.limit = 3;
  {
    TFile f;
    f.Rewrite(path);
    EXPECT_EQ(f.Write("abcdef", 6), 3u);  // reported, not hidden
    f.Close();
  }
  EXPECT_EQ(ReadFileBytes(path), "abc");
  EXPECT_EQ(ErrorOf([&] { WriteFileBytes(path, "abcdef"); }), static_cast<DWORD>(ERROR_DISK_FULL));

  faults.limit = SIZE_MAX;
  faults.failClose = true;
  TFile f;
  f.Rewrite(path);
  EXPECT_EQ(ErrorOf([&] { f.Close(); }), static_cast<DWORD>(ERROR_WRITE_FAULT));
  EXPECT_FALSE(f.IsOpen());
  EXPECT_TRUE(DeleteFileIfExists(path));  // the handle was released all the same
  EXPECT_FALSE(DeleteFileIfExists(path));

  faults.failClose = false;
  faults.failRead = true;
  WriteFileBytes(dir / "other.bin", "ok");
  WriteFileBytes(path, "x");
  EXPECT_EQ(ReadFileBytes(dir / "other.bin"), "ok");
  EXPECT_EQ(ErrorOf([&] { ReadFileBytes(path); }), static_cast<DWORD>(ERROR_READ_FAULT));
}

TEST(Files, ReplaceKeepsTheOldFileWhenTheWriteFails) {
  BaseTestFolder dir;
  const std::string path = dir / "keep.ini";
  WriteFileBytes(path, "old");
  {
    FaultsOn faults(path);
    faults.limit = 2;
    EXPECT_EQ(ErrorOf([&] { ReplaceFileBytes(path, "new content"); }), static_cast<DWORD>(ERROR_DISK_FULL));
  }
  EXPECT_EQ(ReadFileBytes(path), "old");
  // A write cut off by a kill left its temporary file: the next takes it over.
  WriteFileBytes(ReplacementTempPath(path), "halb");
  ReplaceFileBytes(path, "new");
  EXPECT_EQ(ReadFileBytes(path), "new");
  EXPECT_FALSE(FileExists(ReplacementTempPath(path)));
  ReplaceFileBytes(dir / "fresh.ini", "");
  EXPECT_TRUE(FileExists(dir / "fresh.ini"));

  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ErrorOf([&] { ReplaceFileBytes(path, "x"); }), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(ReadFileBytes(path), "new");

  // No temporary file is left beside them.
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir / "*.tmp").c_str(), &fd);
  EXPECT_EQ(h, INVALID_HANDLE_VALUE);
  if (h != INVALID_HANDLE_VALUE) FindClose(h);
}

TEST(Files, ForceDirectories) {
  BaseTestFolder dir;
  ForceDirectories(dir / "a\\b\\c\\");
  EXPECT_TRUE(DirectoryExists(dir / "a\\b\\c"));
  ForceDirectories(dir / "a\\b");  // existing: nothing to do
  WriteFileBytes(dir / "file", "");
  EXPECT_NE(ErrorOf([&] { ForceDirectories(dir / "file\\sub"); }), 0u);
}

TEST(Files, PathHelpers) {
  EXPECT_EQ(ExtractFilePath("C:\\web\\suche\\index.htm"), "C:\\web\\suche\\");
  EXPECT_EQ(ExtractFilePath("C:index.htm"), "C:");
  EXPECT_EQ(ExtractFilePath("index.htm"), "");
  EXPECT_EQ(ExtractFileName("C:\\web\\suche\\index.htm"), "index.htm");
  EXPECT_EQ(ExtractFileName("C:\\web\\"), "");
  EXPECT_EQ(ExtractFileExt("C:\\web.d\\index.HTM"), ".HTM");
  EXPECT_EQ(ExtractFileExt("C:\\web.d\\index"), "");
  EXPECT_EQ(ExtractFileExt("archiv.tar.gz"), ".gz");
  EXPECT_EQ(ChangeFileExt("C:\\p\\Corvanta.exe", ".INI"), "C:\\p\\Corvanta.INI");
  EXPECT_EQ(ChangeFileExt("C:\\p.d\\readme", ".txt"), "C:\\p.d\\readme.txt");
  EXPECT_EQ(ChangeFileExt("a.b.c", ""), "a.b");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\web"), "C:\\web\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\web\\"), "C:\\web\\");
  EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
  EXPECT_EQ(ExpandFileName("C:\\a\\..\\b\\.\\c.txt"), "C:\\b\\c.txt");
  char cwd[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, cwd);
  EXPECT_EQ(ExpandFileName("x.ini"), IncludeTrailingBackslash(cwd) + "x.ini");
}
