// Our stand-in servers on real documents, the tool runner under Wine, the
// clipboard, and the COM path through a class Wine registers.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "coregui/hinweis.h"
#include "platform/base/Files.h"
#include "tessarel/Automation.h"
#include "tessarel/Clipboard.h"
#include "tessarel/DocumentReaders.h"
#include "tessarel/StandIn.h"
#include "tessarel/StandInServers.h"
#include "tessarel/StandInTool.h"

namespace {

namespace standin = tessarel::standin;

// The fixtures folder as a Windows path, through Wine's own mapping.
std::string FixturePath(const std::string& name) {
  using Fn = WCHAR*(CDECL*)(const char*);
  auto toDos = reinterpret_cast<Fn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
  if (!toDos) return {};
  WCHAR* dos = toDos((std::string(TESSAREL_FIXTURES) + "/" + name).c_str());
  if (!dos) return {};
  char buffer[MAX_PATH * 2];
  WideCharToMultiByte(1252, 0, dos, -1, buffer, sizeof buffer, nullptr, nullptr);
  HeapFree(GetProcessHeap(), 0, dos);
  return buffer;
}

class Extraction : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FixturePath("").empty()) GTEST_SKIP() << "the stand-ins run under Wine only";
    tessarel::ClearClipboard();
  }
  std::unique_ptr<tessarel::thtmlDatei> Read(const std::string& name) {
    rawRead = false;
    return tessarel::CreateReader({}, abort, rawRead, FixturePath(name), {.automation = true}, errors);
  }

  platform::TStringList errors;
  bool abort = false;
  bool rawRead = false;
};

#define REQUIRE_TOOL(tool, package)                                                                    \
  if (standin::FindTool(tool).empty()) GTEST_SKIP() << tool " is not installed (Debian package " package \
                                                           "): its stand-in cannot be tried"

TEST_F(Extraction, PdfTextComesThroughTheAcrobatStandIn) {
  REQUIRE_TOOL("pdftotext", "poppler-utils");
  core::THinweisDlg notShown;  // a progress window nobody showed cancels nothing
  auto reader = Read("bericht.pdf");
  auto* pdf = dynamic_cast<tessarel::TPDFDatei*>(reader.get());
  ASSERT_NE(pdf, nullptr);
  EXPECT_EQ(errors.Count(), 0) << (errors.Count() ? errors[0] : "");
  EXPECT_EQ(pdf->Text().rfind("Jahresbericht Wasserwirtschaft\r\n", 0), 0u) << pdf->Text();
  EXPECT_NE(pdf->Text().find("Die Größe der Talsperre übertrifft alle Erwartungen."), std::string::npos);
  EXPECT_NE(pdf->Text().find("Fischtreppen erlauben Forellen und Äschen den Aufstieg."), std::string::npos);
  EXPECT_EQ(reader->NextChar(abort), 'J');
  EXPECT_FALSE(rawRead);
  EXPECT_FALSE(abort);
}

TEST_F(Extraction, BrokenPdfLeavesItsErrorLineAndNoText) {
  REQUIRE_TOOL("pdftotext", "poppler-utils");
  tessarel::SetClipboardText("vorher");
  auto reader = Read("kaputt.pdf");
  ASSERT_EQ(errors.Count(), 1);
  EXPECT_EQ(errors[0], "-> " + FixturePath("kaputt.pdf") +
                           " über Acrobat Exchange lesen, Exception: Das Dokument konnte nicht geöffnet werden");
  EXPECT_TRUE(reader->AtEnd());
  EXPECT_FALSE(abort);
}

TEST_F(Extraction, WordTextComesThroughTheWinwordStandIn) {
  if (standin::FindTool("antiword").empty() && standin::FindTool("catdoc").empty())
    GTEST_SKIP() << "neither antiword nor catdoc is installed: the Winword stand-in cannot be tried";
  auto reader = Read("bericht.doc");
  auto* doc = dynamic_cast<tessarel::TDOCDatei*>(reader.get());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(errors.Count(), 0) << (errors.Count() ? errors[0] : "");
  EXPECT_EQ(doc->Text().substr(0, 1), " ");
  EXPECT_NE(doc->Text().find("Jahresbericht Wasserwirtschaft\r\n"), std::string::npos) << doc->Text();
  EXPECT_NE(doc->Text().find("Schleusenwärter prüfen täglich den Pegelstand."), std::string::npos);
  EXPECT_FALSE(tessarel::ClipboardHasText());
}

TEST_F(Extraction, ExcelSheetsComeThroughTheExcelStandInInSheetOrder) {
  REQUIRE_TOOL("xls2csv", "catdoc");
  auto reader = Read("tabelle.xls");
  auto* xls = dynamic_cast<tessarel::TXLSDatei*>(reader.get());
  ASSERT_NE(xls, nullptr);
  EXPECT_EQ(errors.Count(), 0) << (errors.Count() ? errors[0] : "");
  EXPECT_EQ(xls->Text(), " Äpfel\tBirnen\r\n Möhren\r\nKohlrabi\r\n Walnüsse\r\n");
}

TEST_F(Extraction, SlidesComeThroughThePowerpointStandIn) {
  REQUIRE_TOOL("catppt", "catdoc");
  auto reader = Read("vortrag.ppt");
  auto* ppt = dynamic_cast<tessarel::TPPTDatei*>(reader.get());
  ASSERT_NE(ppt, nullptr);
  EXPECT_EQ(errors.Count(), 0) << (errors.Count() ? errors[0] : "");
  EXPECT_EQ(ppt->Text(),
            " Windkraft im Überblick\r\nRotorblätter und Getriebe\r\n\r\n"
            "Netzanschluss\r\nUmspannwerk für Küstenparks\r\n\r\n");
}

TEST_F(Extraction, PlainTextIsReadRawWithItsFlagSet) {
  auto reader = Read("notiz.txt");
  EXPECT_TRUE(rawRead);
  std::string text;
  while (!reader->AtEnd()) {
    const char c = reader->NextChar(abort);
    if (!reader->AtEnd()) text += c;
  }
  EXPECT_EQ(text, platform::ReadFileBytes(FixturePath("notiz.txt")));
}

// ---- the tool runner ----------------------------------------------------------

TEST(StandInTool, AMissingToolIsAClassThatIsNotRegistered) {
  try {
    standin::RequireTool("quarvelin-kein-solches-programm");
    FAIL() << "no exception";
  } catch (const tessarel::EClassNotRegistered& e) {
    EXPECT_EQ(std::string(e.what()), tessarel::ClassNotRegisteredMessage());
  }
  EXPECT_EQ(tessarel::CreateStandIn("Visio.Application"), nullptr);
}

TEST(StandInTool, PassesEveryArgumentWholeAndTakesOutputAndExitCode) {
  if (FixturePath("").empty()) GTEST_SKIP() << "needs Wine";
  const std::string doc = FixturePath("notiz.txt");
  const auto r = standin::RunTool("/bin/sh", {"-c", "printf '%s|' \"$@\"; echo fehlt >&2; exit 3", "sh", "a b", "\"q\"\\"},
                                  doc, {"-", "\t"}, 30);
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_EQ(r.output, "a b|\"q\"\\|" + standin::UnixName(doc) + "|-|\t|");
  EXPECT_EQ(r.errors, "fehlt\n");
  EXPECT_EQ(standin::ToolFailure("/bin/sh", r), "sh meldet Fehler 3: fehlt");
}

// A tool that waits for a process it starts, which would run for a minute;
// the process's id lies in a file.
class HangingTool : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FixturePath("").empty()) GTEST_SKIP() << "needs Wine";
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    pidFile_ = std::string(temp) + "quarvelin-standin-child-" + std::to_string(GetCurrentProcessId());
    DeleteFileA(pidFile_.c_str());
  }
  void TearDown() override { DeleteFileA(pidFile_.c_str()); }

  void Run(int timeoutSeconds) {
    standin::RunTool("/bin/sh", {"-c", "sleep 60 & echo $! > \"$1\"; wait", "sh", standin::UnixName(pidFile_)},
                     FixturePath("notiz.txt"), {}, timeoutSeconds);
  }
  // The state letter of a Unix process (Z: is the Unix root, with /proc),
  // 0 when there is none.
  static char ProcessState(const std::string& pid) {
    try {
      const std::string stat = platform::ReadFileBytes("Z:\\proc\\" + pid + "\\stat");
      const size_t close = stat.rfind(')');
      return close != std::string::npos && close + 2 < stat.size() ? stat[close + 2] : 0;
    } catch (const std::exception&) {
      return 0;
    }
  }
  // Whether the tool's process still runs half a minute after the tool was
  // given up (one that has ended but is not yet collected has ended).
  bool RanOn() {
    EXPECT_NE(ProcessState("1"), 0) << "the processes cannot be seen";
    std::string pid = platform::FileExists(pidFile_) ? platform::ReadFileBytes(pidFile_) : "";
    pid = pid.substr(0, pid.find_first_of("\r\n"));
    if (pid.empty()) return false;  // given up before it started one
    for (int i = 0; i < 600; ++i) {
      const char state = ProcessState(pid);
      if (state == 0 || state == 'Z' || state == 'X') return false;
      Sleep(50);
    }
    return true;
  }

  std::string pidFile_;
};

TEST_F(HangingTool, ATimeLimitEndsItWithWhatItStarted) {
  try {
    Run(1);
    FAIL() << "no exception";
  } catch (const tessarel::EAutomationCancelled&) {
    FAIL() << "not a cancel";
  } catch (const tessarel::EAutomation& e) {
    EXPECT_EQ(std::string(e.what()), "sh hat nach 1 Sekunden nicht geantwortet");
  }
  EXPECT_FALSE(RanOn()) << "the tool ran on after the time limit";
}

TEST_F(HangingTool, HidingTheProgressWindowCancelsIt) {
  core::THinweisDlg dlg;
  dlg.Show();
  // The user's click on the button, delivered by the message pump of the wait.
  static core::THinweisDlg* clicked = nullptr;
  clicked = &dlg;
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) { clicked->btnKnopfClick(); });
  // Cancelled, not ended by the time limit.
  EXPECT_THROW(Run(60), tessarel::EAutomationCancelled);
  KillTimer(nullptr, timer);
  EXPECT_FALSE(RanOn()) << "the tool ran on after the cancel";
}

TEST(StandInTool, ToolTextBecomesClipboardText) {
  EXPECT_EQ(standin::ClipboardFromUtf8("a\nb\r\nc\fd\xC3\xA4\xE2\x82\xAC"), "a\r\nb\r\nc\r\nd\xE4\x80");
  EXPECT_EQ(standin::ClipboardFromUtf8(std::string("x\0y", 3)), "x y");
  EXPECT_EQ(standin::ClipboardFromUtf8("\xE6\x97\xA5"), "?");
}

// ---- clipboard and COM ----------------------------------------------------------

TEST(Clipboard, HoldsCode1252TextUntilCleared) {
  tessarel::SetClipboardText("Gr\xF6\xDF" "e\r\nzwei");
  EXPECT_TRUE(tessarel::ClipboardHasText());
  EXPECT_EQ(tessarel::ClipboardText(), "Gr\xF6\xDF" "e\r\nzwei");
  tessarel::ClearClipboard();
  EXPECT_FALSE(tessarel::ClipboardHasText());
  EXPECT_EQ(tessarel::ClipboardText(), "");
}

TEST(ComAutomation, CallsByNameThroughIDispatch) {
  tessarel::AutoRef dict;
  try {
    dict = tessarel::ComAutomation().CreateObject("Scripting.Dictionary");
  } catch (const tessarel::EClassNotRegistered&) {
    GTEST_SKIP() << "no Scripting.Dictionary on this system";
  }
  dict->Put("CompareMode", 1);  // text comparison
  dict->Call("Add", {"Größe", "groß"});
  dict->Call("Add", {"zwei", 2});
  EXPECT_EQ(dict->Get("Count").AsInt(), 2);
  EXPECT_EQ(dict->Call("Item", {"größe"}).AsText(), "groß");
  EXPECT_TRUE(dict->Call("Exists", {tessarel::AutoValue::ByRef("zwei")}).AsBool());
  EXPECT_FALSE(dict->Call("Exists", {"drei"}).AsBool());
  try {
    dict->Call("GibtEsNicht");
    FAIL() << "no exception";
  } catch (const tessarel::EAutomation& e) {
    EXPECT_EQ(std::string(e.what()), "Unbekannter Name: GibtEsNicht");
  }
  EXPECT_EQ(tessarel::ComAutomation().ActiveObject("Scripting.Dictionary"), nullptr);
  EXPECT_THROW(tessarel::ComAutomation().CreateObject("Quarvelin.GibtEsNicht"), tessarel::EClassNotRegistered);
}

}  // namespace
