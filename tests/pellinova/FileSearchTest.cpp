// The search of the source folder: exact extensions, dot folders, relative
// paths, the list of extensions, the cancel, and the search form's own files.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ProjectSettings.h"
#include "coregui/hinweis.h"
#include "pellinova/FileSearch.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "platform/gui/Application.h"
#include "tests/platform/BaseTestFolder.h"
#include "tests/support/UnixFiles.h"

namespace {

using Lines = std::vector<std::string>;

class FileSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"a.htm", "b.html", "INDEX.HTM", "c.txt", "suche.htm", "sub\\c.htm", "sub\\d.HTML",
                          ".svn\\e.htm", "suche\\suchein.htm", "suche\\f.htm", "tief\\er\\g.htm"}) {
      const std::string path = folder_ / f;
      platform::ForceDirectories(platform::ExtractFilePath(path));
      platform::WriteFileBytes(path, "x");
    }
    window_.Show();
    list_.SetSorted(true);
    settings_.HTMLVerzeichnis = folder_.Path();
    settings_.ZielVerzeichnis = folder_ / "suche";
    settings_.JavascriptDatei = "suche.js";
    settings_.FrameDatei = "suche.htm";
    settings_.FrameEingabeDatei = "suchein.htm";
    settings_.FrameHilfeDatei = "suchhilf.htm";
    settings_.FrameLadenDatei = "suchlade.htm";
  }

  Lines Search(const std::string& extensions) {
    settings_.Dateiendungen = extensions;
    list_.Clear();
    pellinova::SearchSourceFiles(window_, settings_, abort_, list_);
    return list_.Lines();
  }

  BaseTestFolder folder_;
  core::THinweisDlg window_;
  platform::TStringList list_;
  core::ProjectSettings settings_;
  bool abort_ = false;
};

TEST_F(FileSearch, TakesExactExtensionsBelowTheFolder) {
  // In the list's order: the locale puts "suche.htm" before "suche\\...".
  EXPECT_EQ(Search("htm,html"), (Lines{"a.htm", "b.html", "sub\\c.htm", "suche.htm", "suche\\f.htm",
                                       "suche\\suchein.htm", "tief\\er\\g.htm"}));
  EXPECT_FALSE(abort_);
  EXPECT_EQ(Search("htm,"), (Lines{"a.htm", "sub\\c.htm", "suche.htm", "suche\\f.htm", "suche\\suchein.htm",
                                   "tief\\er\\g.htm"}));
  // A blank behind the comma makes an extension no file has.
  EXPECT_EQ(Search("html, htm"), (Lines{"b.html"}));
  EXPECT_EQ(Search("HTML"), (Lines{"sub\\d.HTML"}));
}

TEST_F(FileSearch, FullPathsWhenNotRelative) {
  pellinova::SearchFilesRecursive(window_, folder_.Path() + "\\", abort_, false, list_, "*.txt");
  EXPECT_EQ(list_.Lines(), (Lines{folder_ / "c.txt"}));
}

TEST_F(FileSearch, HiddenWindowCancelsTheWholeSearch) {
  window_.Hide();
  EXPECT_EQ(Search("htm,html"), Lines{});
  EXPECT_TRUE(abort_);
  // A search that finds the flag set does nothing.
  window_.Show();
  pellinova::SearchFilesRecursive(window_, folder_.Path(), abort_, true, list_, "*.htm");
  EXPECT_EQ(list_.Count(), 0);
}

TEST_F(FileSearch, SearchFormFilesAreDropped) {
  Search("htm,html");
  pellinova::DropSearchFormFiles(settings_, list_, abort_);
  EXPECT_EQ(list_.Lines(), (Lines{"a.htm", "b.html", "sub\\c.htm", "tief\\er\\g.htm"}));

  // Target beside the pages: the form's own names go in every folder, the
  // rest of a folder that is no longer the target stays.
  settings_.ZielVerzeichnis = folder_.Path() + "\\";
  Search("htm,html");
  pellinova::DropSearchFormFiles(settings_, list_, abort_);
  EXPECT_EQ(list_.Lines(), (Lines{"a.htm", "b.html", "sub\\c.htm", "suche\\f.htm", "tief\\er\\g.htm"}));
}

// A file the run could not open by its name is not listed but named (and a
// folder no path can hold); the rest is found as before, a name in the code
// page beyond ASCII included.
TEST_F(FileSearch, FilesNoPathCanNameAreSkippedAndNamed) {
  const std::string deep = std::string(120, 'l') + "/" + std::string(120, 'm');
  UnixFiles odd(folder_.Path(), {"\xCE\xB1.htm", "a?b.htm", "q\"<>|*.htm", "\xF0\x9F\x98\x80.htm", "\xE6\x97\xA5/x.htm",
                                 "z?.txt", "\xC3\xA4.htm", deep + "/l.htm", deep.substr(0, 120) + "/k.htm"});
  if (!odd.Made()) GTEST_SKIP() << "needs Wine";
  platform::TStringList skipped;
  skipped.SetSorted(true);
  settings_.Dateiendungen = "htm";
  pellinova::SearchSourceFiles(window_, settings_, abort_, list_, &skipped);
  EXPECT_EQ(list_.Lines(), (Lines{"a.htm", "\xE4.htm", std::string(120, 'l') + "\\k.htm", "sub\\c.htm", "suche.htm",
                                  "suche\\f.htm", "suche\\suchein.htm", "tief\\er\\g.htm"}));
  Lines named = skipped.Lines();
  std::sort(named.begin(), named.end());
  EXPECT_EQ(named, (Lines{"?.htm", "??.htm", "?\\", "a?b.htm", std::string(120, 'l') + "\\" + std::string(120, 'm') +
                          "\\l.htm", "q\"<>|*.htm"}));
  EXPECT_FALSE(abort_);
}

}  // namespace
