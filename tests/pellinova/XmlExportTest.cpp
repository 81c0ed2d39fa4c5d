// The XML export's exact bytes, its values, and what a failing file step
// leaves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pellinova/XMLExport.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tests/pellinova/PellinovaFixture.h"

namespace {

class XmlExport : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetClockForTest([] { return pellinova_test::kRunTime; }); }
  void TearDown() override { platform::SetClockForTest({}); }

  std::string Head() const {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<!--\r\n"
           "Created by Quarvelin(tm) Pellinova 3.0 (Wine, Fast-hack 5)\r\nLast updated: " +
           platform::ShortDateString(pellinova_test::kRunTime) + ", " +
           platform::LongTimeString(pellinova_test::kRunTime) +
           "\r\n-->\r\n<Quarvelin>\r\n  <Pellinova version=\"3.0 (Wine, Fast-hack 5)\">\r\n";
  }
  static constexpr const char* kTail = "  </Pellinova>\r\n</Quarvelin>\r\n";

  // Writes the export as the run does, putting it in place when whole;
  // returns abort.
  static bool Export(const std::string& path, const std::vector<pellinova::XmlDocument>& documents) {
    bool abort = false;
    core::TextWriter out;
    pellinova::TXML xml(out, path, documents, abort);
    if (!abort) out.Commit();
    return abort;
  }

  BaseTestFolder folder_;
  std::string path_ = folder_ / "suche.xml";
};

TEST_F(XmlExport, NoPagesGiveTheNineFixedLines) {
  EXPECT_FALSE(Export(path_, {}));
  EXPECT_EQ(platform::ReadFileBytes(path_), Head() + kTail);
}

TEST_F(XmlExport, DocumentsWithTheirDescriptionsAndKeywords) {
  const std::vector<pellinova::XmlDocument> documents = {
      {"index.htm", "<b>Startseite</b><br>Willkommen &amp; Hallo", {"Haus", "R&D"}},
      {"sub\\seite.htm", "Keine Beschreibung vorhanden f\xFCr Datei <b>sub/seite.htm</b>", {}},
      {"a<b.htm", "Zeile\x01zwei\tdrei", {"x<y"}},
  };
  EXPECT_FALSE(Export(path_, documents));
  EXPECT_EQ(platform::ReadFileBytes(path_),
            Head() +
                "    <Document>\r\n      <URL>index.htm</URL>\r\n"
                "      <Description>Startseite -- Willkommen &amp; Hallo</Description>\r\n"
                "      <Keyword>Haus</Keyword>\r\n      <Keyword>R&amp;D</Keyword>\r\n    </Document>\r\n"
                "    <Document>\r\n      <URL>sub\\seite.htm</URL>\r\n"
                "      <Description>Keine Beschreibung vorhanden f\xFCr Datei sub/seite.htm&lt;/b></Description>\r\n"
                "    </Document>\r\n"
                "    <Document>\r\n      <URL>a&lt;b.htm</URL>\r\n"
                "      <Description>Zeile zwei drei</Description>\r\n"
                "      <Keyword>x&lt;y</Keyword>\r\n    </Document>\r\n" +
                kTail);
}

TEST_F(XmlExport, OpenGivenUpWritesNothingAndAborts) {
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);
  EXPECT_TRUE(Export(folder_ / "fehlt\\suche.xml", {}));
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_EQ(ui.Requests()[0].helpContext, 1004);
  EXPECT_THAT(ui.Requests()[0].text, testing::HasSubstr("zum Schreiben \xF6" "ffnen"));
}

class DiskFull : public platform::FileFaults {
 public:
  DiskFull() { platform::SetFileFaults(this); }
  ~DiskFull() override { platform::SetFileFaults(nullptr); }
  size_t LimitWrite(const std::string&, size_t) override { return 0; }
};

TEST_F(XmlExport, WriteErrorAbortsAndLeavesThePreviousFile) {
  platform::WriteFileBytes(path_, "alt");
  {
    DiskFull full;
    platform::ScriptedUi ui;
    ui.Push(platform::mrNo);
    EXPECT_TRUE(Export(path_, {{"a.htm", "A", {"Haus"}}}));
    EXPECT_EQ(ui.Requests().size(), 1u);
  }
  EXPECT_EQ(platform::ReadFileBytes(path_), "alt");
  EXPECT_FALSE(platform::FileExists(platform::ReplacementTempPath(path_)));
}

}  // namespace
