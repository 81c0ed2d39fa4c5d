#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "coregui/Hilfsmittel.h"
#include "coregui/hinweis.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"

namespace {

// Faults chosen per test; calls counts the steps asked about so far.
struct ScriptedFaults : platform::FileFaults {
  std::function<bool(const std::string& path, bool forWrite)> open;
  std::function<bool(int call)> read;
  std::function<size_t(size_t n, int call)> write;
  std::function<bool(const std::string& path)> close;
  bool size = false;
  int reads = 0, writes = 0;

  ScriptedFaults() { platform::SetFileFaults(this); }
  ~ScriptedFaults() override { platform::SetFileFaults(nullptr); }
  bool FailOpen(const std::string& p, bool forWrite) override { return open && open(p, forWrite); }
  bool FailRead(const std::string&) override { return read && read(++reads); }
  size_t LimitWrite(const std::string&, size_t n) override { return write ? write(n, ++writes) : n; }
  bool FailClose(const std::string& p) override { return close && close(p); }
  bool FailSize(const std::string&) override { return size; }
};

class CopyFileTest : public ::testing::Test {
 protected:
  std::string dir_;
  std::string source_;
  std::string destination_;
  std::string data_;
  core::THinweisDlg window_;
  platform::ScriptedUi ui_;
  bool abort_ = false;

  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "quarvelin_copy_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
    source_ = dir_ + "\\quelle.htm";
    destination_ = dir_ + "\\ziel.htm";
    // Three blocks and a bit, with bytes that differ from block to block.
    for (int i = 0; i < 3 * 2048 + 100; ++i) data_.push_back(static_cast<char>((i * 7 + i / 2048) & 0xFF));
    platform::WriteFileBytes(source_, data_);
    window_.Show();
  }
  void TearDown() override {
    window_.Hide();
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(dir_), ec);
  }

  void Copy() { core::File().CopyFileWithProgress(window_, source_, destination_, abort_); }
  std::string Destination() const { return platform::ReadFileBytes(destination_); }
  // A copy that did not complete leaves the destination as it was and
  // nothing beside it.
  bool NoTemporaryFile() const { return !platform::FileExists(platform::ReplacementTempPath(destination_)); }
  // Opening for writing fails while the copy still holds the file.
  static bool Released(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
  }
  static std::string Question(const std::string& action, DWORD error) {
    return "Aktion: " + action + "\r\rException: " + platform::SysErrorMessage(error) + "\r\rErneut versuchen?";
  }
};

TEST_F(CopyFileTest, CopiesEveryByteAndEndsAtHundred) {
  Copy();
  EXPECT_FALSE(abort_);
  EXPECT_EQ(Destination(), data_);
  EXPECT_EQ(window_.pbFortschritt.Position(), 100);
  EXPECT_EQ(window_.lblAnzeige.Caption(), core::Text().ShortenUrl(source_, 45));
  EXPECT_TRUE(ui_.Requests().empty());
  EXPECT_TRUE(Released(source_));
  EXPECT_TRUE(Released(destination_));
}

TEST_F(CopyFileTest, MissingSourceDoesNothing) {
  window_.lblAnzeige.SetCaption("vorher");
  source_ = dir_ + "\\fehlt.htm";
  Copy();
  EXPECT_FALSE(abort_);
  abort_ = true;
  Copy();
  EXPECT_TRUE(abort_);
  EXPECT_FALSE(platform::FileExists(destination_));
  EXPECT_EQ(window_.lblAnzeige.Caption(), "vorher");
  EXPECT_TRUE(ui_.Requests().empty());
}

TEST_F(CopyFileTest, EmptySourceGivesEmptyDestinationAndLeavesTheBarAtZero) {
  platform::WriteFileBytes(source_, "");
  window_.pbFortschritt.SetPosition(40);
  Copy();
  EXPECT_FALSE(abort_);
  EXPECT_EQ(Destination(), "");
  EXPECT_EQ(window_.pbFortschritt.Position(), 0);
}

TEST_F(CopyFileTest, OpenFailuresAskAndYesTriesAgain) {
  ScriptedFaults faults;
  std::set<std::string> failed;  // each open fails once
  faults.open = [&](const std::string& path, bool) { return failed.insert(path).second; };
  ui_.Push(platform::mrYes);
  ui_.Push(platform::mrYes);
  Copy();
  EXPECT_FALSE(abort_);
  EXPECT_EQ(Destination(), data_);
  ASSERT_EQ(ui_.Requests().size(), 2u);
  EXPECT_EQ(ui_.Requests()[0].text, Question(source_ + " zum Lesen \xF6" "ffnen", ERROR_ACCESS_DENIED));
  EXPECT_EQ(ui_.Requests()[0].helpContext, 1000);
  EXPECT_EQ(ui_.Requests()[1].text, Question(destination_ + " zum Schreiben \xF6" "ffnen", ERROR_ACCESS_DENIED));
  EXPECT_EQ(ui_.Requests()[1].helpContext, 1004);
}

TEST_F(CopyFileTest, ReadFailureAnsweredNoLeavesThePreviousFileAndAsksNoMore) {
  platform::WriteFileBytes(destination_, "alt");
  ScriptedFaults faults;
  faults.read = [](int call) { return call == 2; };
  faults.close = [](const std::string&) { return true; };
  ui_.Push(platform::mrNo);
  ui_.Push(platform::mrYes);  // must stay unused: no question once aborted
  Copy();
  faults.close = nullptr;
  EXPECT_TRUE(abort_);
  EXPECT_EQ(Destination(), "alt");
  EXPECT_TRUE(NoTemporaryFile());
  ASSERT_EQ(ui_.Requests().size(), 1u);
  EXPECT_EQ(ui_.Requests()[0].text, Question(source_ + " lesen", ERROR_READ_FAULT));
  EXPECT_EQ(ui_.Requests()[0].helpContext, 1002);
  EXPECT_TRUE(Released(source_));
  EXPECT_TRUE(Released(destination_));
}

TEST_F(CopyFileTest, ShortWriteIsAWriteError) {
  ScriptedFaults faults;
  faults.write = [](size_t n, int call) { return call == 2 ? size_t{500} : n; };
  // Yes writes the rest of the block...
  ui_.Push(platform::mrYes);
  Copy();
  EXPECT_FALSE(abort_);
  EXPECT_EQ(Destination(), data_);
  ASSERT_EQ(ui_.Requests().size(), 1u);
  EXPECT_EQ(ui_.Requests()[0].text, Question(destination_ + " schreiben", ERROR_DISK_FULL));
  EXPECT_EQ(ui_.Requests()[0].helpContext, 1003);
  // ...and No leaves the copy before, whole.
  platform::WriteFileBytes(source_, data_ + "neu");
  faults.writes = 0;
  ui_.Push(platform::mrNo);
  Copy();
  EXPECT_TRUE(abort_);
  EXPECT_EQ(Destination(), data_);
  EXPECT_TRUE(NoTemporaryFile());
}

TEST_F(CopyFileTest, FailingSizeAndCloseAskWithTheCloseMessage) {
  ScriptedFaults faults;
  faults.size = true;
  ui_.Push(platform::mrNo);
  Copy();
  EXPECT_TRUE(abort_);
  ASSERT_EQ(ui_.Requests().size(), 1u);
  EXPECT_EQ(ui_.Requests()[0].text.rfind("Aktion: " + destination_ + " schlie\xDF" "en\r\r", 0), 0u);
  EXPECT_EQ(ui_.Requests()[0].helpContext, 1005);

  faults.size = false;
  faults.close = [&](const std::string& path) { return path == destination_; };
  abort_ = false;
  ui_.Push(platform::mrNo);
  Copy();
  EXPECT_TRUE(abort_);
  ASSERT_EQ(ui_.Requests().size(), 2u);
  EXPECT_EQ(ui_.Requests()[1].text, Question(destination_ + " schlie\xDF" "en", ERROR_WRITE_FAULT));
  EXPECT_FALSE(platform::FileExists(destination_));
  EXPECT_TRUE(NoTemporaryFile());
  EXPECT_TRUE(Released(source_));
}

TEST_F(CopyFileTest, HidingTheWindowEndsTheCopyAfterTheCurrentBlock) {
  ScriptedFaults faults;
  // The user closes the window while the first block is being written.
  faults.write = [&](size_t n, int call) {
    if (call == 1) window_.btnKnopf.Click();
    return n;
  };
  Copy();
  EXPECT_TRUE(abort_);
  EXPECT_FALSE(window_.Visible());
  EXPECT_FALSE(platform::FileExists(destination_));
  EXPECT_TRUE(NoTemporaryFile());
  EXPECT_EQ(window_.pbFortschritt.Position(), 33);
  EXPECT_TRUE(ui_.Requests().empty());
  EXPECT_TRUE(Released(source_));
}

}  // namespace
