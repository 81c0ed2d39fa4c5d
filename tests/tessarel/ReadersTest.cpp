// The readers against a fake automation object: the order of the calls, how
// the text is put together, failures; the raw reader; the choice of reader.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "coregui/hinweis.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/TestingUi.h"
#include "tessarel/Automation.h"
#include "tessarel/Clipboard.h"
#include "tessarel/DocumentReaders.h"
#include "tests/platform/BaseTestFolder.h"

namespace {

using tessarel::AutoRef;
using tessarel::AutoValue;
using Log = std::vector<std::string>;

std::string Show(const AutoValue& v) {
  if (v.IsNothing()) return "-";
  if (v.IsObject()) return "obj";
  if (v.IsBool()) return v.AsBool() ? "true" : "false";
  if (v.IsText()) return (v.ByReference() ? "&'" : "'") + v.AsText() + "'";
  return v.AsText();
}

// An automation object that logs every call and answers from its handlers.
class Fake : public tessarel::AutoObject {
 public:
  using Handler = std::function<AutoValue(const std::vector<AutoValue>&)>;
  Fake(std::string name, std::shared_ptr<Log> log) : name_(std::move(name)), log_(std::move(log)) {}

  Fake& On(const std::string& member, Handler h) {
    handlers_[member] = std::move(h);
    return *this;
  }
  Fake& Returns(const std::string& member, AutoValue v) {
    return On(member, [v](const std::vector<AutoValue>&) { return v; });
  }

  AutoValue Call(const std::string& name, const std::vector<AutoValue>& args) override {
    std::string entry = name_ + "." + name + "(";
    for (size_t i = 0; i < args.size(); ++i) {
      if (i) entry += ',';
      entry += Show(args[i]);
    }
    entry += ')';
    log_->push_back(entry);
    auto it = handlers_.find(name);
    return it == handlers_.end() ? AutoValue() : it->second(args);
  }
  void Put(const std::string& name, const AutoValue& value) override {
    log_->push_back(name_ + "." + name + ":=" + Show(value));
  }

 private:
  std::string name_;
  std::shared_ptr<Log> log_;
  std::map<std::string, Handler> handlers_;
};

class FakeFactory : public tessarel::AutomationFactory {
 public:
  FakeFactory() { tessarel::SetAutomationFactory(this); }
  ~FakeFactory() override { tessarel::SetAutomationFactory(nullptr); }

  std::shared_ptr<Fake> Object(const std::string& progId, const std::string& name) {
    auto o = std::make_shared<Fake>(name, log);
    classes[progId] = o;
    return o;
  }
  std::shared_ptr<Fake> Make(const std::string& name) { return std::make_shared<Fake>(name, log); }

  AutoRef CreateObject(const std::string& progId) override {
    log->push_back("create " + progId);
    auto it = classes.find(progId);
    if (it == classes.end()) throw tessarel::EClassNotRegistered(tessarel::ClassNotRegisteredMessage());
    return it->second;
  }
  AutoRef ActiveObject(const std::string& progId) override {
    log->push_back("active " + progId);
    return nullptr;
  }

  std::shared_ptr<Log> log = std::make_shared<Log>();
  std::map<std::string, AutoRef> classes;
};

std::string ReadAll(tessarel::thtmlDatei& reader, bool& abort) {
  std::string text;
  for (int guard = 0; guard < 100000 && !reader.AtEnd(); ++guard) {
    const char c = reader.NextChar(abort);
    if (!reader.AtEnd()) text += c;
  }
  return text;
}

class Readers : public ::testing::Test {
 protected:
  void SetUp() override { tessarel::ClearClipboard(); }
  FakeFactory factory;
  platform::TStringList errors;
  bool abort = false;
};

// ---- Acrobat ----------------------------------------------------------------

TEST_F(Readers, PdfTextIsHandedOutCharacterByCharacterWithTheSecondBar) {
  auto app = factory.Object("AcroExch.App", "App");
  auto doc = factory.Object("AcroExch.AVDoc", "Doc");
  doc->Returns("open", true);
  app->On("menuItemIsMarked", [](const auto& a) { return AutoValue(a[0].AsText() == "OneColumn"); });
  app->On("menuItemExecute", [](const auto& a) {
    if (a[0].AsText() == "Copy") tessarel::SetClipboardText("abc");
    return AutoValue(true);
  });
  core::THinweisDlg dlg;
  dlg.pbFortschritt.SetPosition(0);
  abort = true;  // a successful read clears it
  tessarel::TPDFDatei reader({&dlg, &dlg.pbFortschritt}, abort, "C:\\Doks\\a.pdf", errors);

  EXPECT_EQ(*factory.log, (Log{"active AcroExch.App", "create AcroExch.App", "create AcroExch.AVDoc",
                               "Doc.open(&'C:\\Doks\\a.pdf','Quarvelin(tm) Tessarel')",
                               "App.menuItemIsMarked('SelectText')", "App.menuItemExecute('SelectText')",
                               "App.menuItemIsMarked('OneColumn')", "App.menuItemExecute('SelectAll')",
                               "App.menuItemExecute('Copy')", "Doc.close(true)"}));
  EXPECT_FALSE(abort);
  EXPECT_EQ(dlg.lblAnzeige.Caption(), "Öffne PDF-Datei über Acrobat ...");
  EXPECT_EQ(dlg.pbFortschritt.Max(), 3);
  EXPECT_FALSE(reader.AtEnd());
  std::string seen;
  for (int i = 1; i <= 3; ++i) {
    seen += reader.NextChar(abort);
    EXPECT_EQ(dlg.pbFortschritt.Position(), i);
    EXPECT_FALSE(reader.AtEnd());
  }
  EXPECT_EQ(seen, "abc");
  EXPECT_EQ(reader.NextChar(abort), ' ');
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(dlg.pbFortschritt.Position(), 3);
  EXPECT_TRUE(errors.Count() == 0);
  // The clipboard keeps what Acrobat put there.
  EXPECT_EQ(tessarel::ClipboardText(), "abc");
}

TEST_F(Readers, PushBackRepeatsTheCurrentCharacter) {
  factory.Object("AcroExch.App", "App")->On("menuItemExecute", [](const auto& a) {
    if (a[0].AsText() == "Copy") tessarel::SetClipboardText("xy");
    return AutoValue(true);
  });
  factory.Object("AcroExch.AVDoc", "Doc")->Returns("open", true);
  tessarel::TPDFDatei reader({}, abort, "C:\\a.pdf", errors);
  EXPECT_EQ(reader.NextChar(abort), 'x');
  reader.PushBack();
  EXPECT_EQ(reader.NextChar(abort), 'x');
  EXPECT_EQ(reader.NextChar(abort), 'y');
}

// A document that copies nothing must not take the text the clipboard held
// before (another document's).
TEST_F(Readers, PdfThatCopiesNothingYieldsNoText) {
  factory.Object("AcroExch.App", "App");
  factory.Object("AcroExch.AVDoc", "Doc")->Returns("open", true);
  tessarel::SetClipboardText("Text des vorigen Dokuments");
  tessarel::TPDFDatei reader({}, abort, "C:\\leer.pdf", errors);
  EXPECT_EQ(reader.Text(), "");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(errors.Count(), 0);
}

TEST_F(Readers, PdfThatDoesNotOpenLeavesAnErrorLineAndClosesTheDocument) {
  factory.Object("AcroExch.App", "App");
  auto doc = factory.Object("AcroExch.AVDoc", "Doc");
  doc->Returns("open", false);
  doc->On("close", [](const auto&) -> AutoValue { throw tessarel::EAutomation("schon zu"); });
  tessarel::TPDFDatei reader({}, abort, "C:\\kaputt.pdf", errors);
  ASSERT_EQ(errors.Count(), 1);
  EXPECT_EQ(errors[0], "-> C:\\kaputt.pdf über Acrobat Exchange lesen, Exception: Das Dokument konnte nicht geöffnet werden");
  EXPECT_EQ(factory.log->back(), "Doc.close(true)");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(abort);
}

TEST_F(Readers, MissingApplicationIsReportedAndTheRunGoesOn) {
  tessarel::TXLSDatei reader({}, abort, "C:\\t.xls", errors);
  ASSERT_EQ(errors.Count(), 1);
  EXPECT_EQ(errors[0], "-> C:\\t.xls über Excel lesen, Exception: " + tessarel::ClassNotRegisteredMessage());
  EXPECT_FALSE(abort);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.NextChar(abort), ' ');
}

TEST_F(Readers, ClosingTheProgressWindowDuringAnExtractionCancelsWithoutAnErrorLine) {
  class Cancelling : public tessarel::AutomationFactory {
   public:
    AutoRef CreateObject(const std::string&) override { throw tessarel::EAutomationCancelled("abgebrochen"); }
    AutoRef ActiveObject(const std::string&) override { return nullptr; }
  } cancelling;
  tessarel::SetAutomationFactory(&cancelling);
  tessarel::TDOCDatei reader({}, abort, "C:\\a.doc", errors);
  tessarel::SetAutomationFactory(&factory);
  EXPECT_TRUE(abort);
  EXPECT_EQ(errors.Count(), 0);
  EXPECT_TRUE(reader.AtEnd());
}

// ---- Winword ----------------------------------------------------------------

TEST_F(Readers, WordStoriesAreJoinedInStoryOrderSkippingMissingAndEmptyOnes) {
  auto app = factory.Object("Word.Application", "App");
  auto docs = factory.Make("Docs");
  auto doc = factory.Make("Doc");
  auto stories = factory.Make("Stories");
  auto selection = factory.Make("Sel");
  auto selected = std::make_shared<std::string>();
  app->Returns("documents", AutoRef(docs)).Returns("activeDocument", AutoRef(doc)).Returns("selection", AutoRef(selection));
  doc->Returns("storyRanges", AutoRef(stories));
  selection->On("copy", [selected](const auto&) {
    tessarel::SetClipboardText(*selected);
    return AutoValue();
  });
  // Story 1 continues in a second range; story 2 is empty; story 6 has text;
  // every other story does not exist.
  auto range = [&](const std::string& name, const std::string& text, AutoRef next) {
    auto r = factory.Make(name);
    r->On("select", [selected, text](const auto&) {
      *selected = text;
      return AutoValue();
    });
    r->Returns("nextStoryRange", AutoValue(next));
    return r;
  };
  std::map<int, AutoRef> ranges{{1, range("R1", "Haupttext", range("R1b", "Fortsetzung", nullptr))},
                                {2, range("R2", "", nullptr)},
                                {6, range("R6", "Fußnote", nullptr)}};
  stories->On("item", [ranges](const auto& a) {
    auto it = ranges.find(a[0].AsInt());
    if (it == ranges.end()) throw tessarel::EAutomation("Der Auflistung fehlt dieses Element");
    return AutoValue(it->second);
  });

  tessarel::TDOCDatei reader({}, abort, "C:\\b.doc", errors);
  EXPECT_EQ(reader.Text(), " Haupttext Fortsetzung Fußnote");
  EXPECT_EQ(errors.Count(), 0);
  const Log& log = *factory.log;
  EXPECT_EQ(log.at(1), "App.documents()");
  EXPECT_EQ(log.at(2), "Docs.open(&'C:\\b.doc',false,true)");
  int items = 0;
  for (const std::string& e : log) items += e.rfind("Stories.item(", 0) == 0;
  EXPECT_GE(items, 11);
  EXPECT_EQ(log.at(log.size() - 2), "Docs.close(0)");
  EXPECT_EQ(log.back(), "App.quit(0)");
  EXPECT_FALSE(tessarel::ClipboardHasText());
}

TEST_F(Readers, WordFailureRunsEveryCleanUpStepAndLeavesNoText) {
  auto app = factory.Object("Word.Application", "App");
  auto docs = factory.Make("Docs");
  app->Returns("documents", AutoRef(docs));
  docs->On("open", [](const auto&) -> AutoValue { throw tessarel::EAutomation("Die Datei ist beschädigt"); });
  docs->On("close", [](const auto&) -> AutoValue { throw tessarel::EAutomation("kein Dokument"); });
  tessarel::TDOCDatei reader({}, abort, "C:\\d\\b.doc", errors);
  ASSERT_EQ(errors.Count(), 1);
  EXPECT_EQ(errors[0], "-> C:\\d\\b.doc über Winword lesen, Exception: Die Datei ist beschädigt");
  EXPECT_EQ(factory.log->back(), "App.quit(0)");  // after the failing close
  EXPECT_EQ(reader.Text(), "");
  EXPECT_TRUE(reader.AtEnd());
}

// ---- Excel and Powerpoint -----------------------------------------------------

TEST_F(Readers, ExcelSheetsAreJoinedInOrderAndAnEmptySheetStillAddsTheBlank) {
  auto app = factory.Object("Excel.Application", "App");
  auto books = factory.Make("Books");
  auto book = factory.Make("Book");
  auto sheets = factory.Make("Sheets");
  auto cells = factory.Make("Cells");
  auto selection = factory.Make("Sel");
  auto active = std::make_shared<int>(0);
  const std::vector<std::string> texts{"A1\tB1\r\n", "", "C3\r\n"};
  app->Returns("workbooks", AutoRef(books)).Returns("ActiveWorkbook", AutoRef(book));
  app->Returns("cells", AutoRef(cells)).Returns("selection", AutoRef(selection));
  sheets->Returns("count", 3);
  book->On("worksheets", [&, active](const auto& a) {
    if (a.empty()) return AutoValue(AutoRef(sheets));
    auto sheet = factory.Make("Sheet" + a[0].AsText());
    const int i = a[0].AsInt();
    sheet->On("activate", [active, i](const auto&) {
      *active = i;
      return AutoValue();
    });
    return AutoValue(AutoRef(sheet));
  });
  selection->On("copy", [active, texts](const auto&) {
    tessarel::SetClipboardText(texts.at(*active - 1));
    return AutoValue(true);
  });

  tessarel::TXLSDatei reader({}, abort, "C:\\t.xls", errors);
  EXPECT_EQ(reader.Text(), " A1\tB1\r\n  C3\r\n");
  const Log& log = *factory.log;
  EXPECT_EQ(log.at(1), "App.askToUpdateLinks:=false");
  EXPECT_EQ(log.at(2), "App.displayAlerts:=false");
  EXPECT_EQ(log.at(4), "Books.open(&'C:\\t.xls',0,true)");
  std::vector<std::string> activations;
  for (const std::string& e : log)
    if (e.find(".activate(") != std::string::npos) activations.push_back(e);
  EXPECT_EQ(activations, (std::vector<std::string>{"Sheet1.activate()", "Sheet2.activate()", "Sheet3.activate()"}));
  EXPECT_EQ(log.at(log.size() - 2), "Book.close(false)");
  EXPECT_EQ(log.back(), "App.quit()");
  EXPECT_FALSE(tessarel::ClipboardHasText());
}

TEST_F(Readers, PowerpointCopiesTheOutlineOfAllSlides) {
  auto app = factory.Object("PowerPoint.Application", "App");
  auto window = factory.Make("Win");
  auto presentation = factory.Make("Pres");
  auto slides = factory.Make("Slides");
  auto range = factory.Make("Range");
  auto selection = factory.Make("Sel");
  app->Returns("presentations", AutoRef(factory.Make("Presentations")));
  app->Returns("activeWindow", AutoRef(window)).Returns("ActivePresentation", AutoRef(presentation));
  app->Returns("activePresentation", AutoRef(presentation));
  window->Returns("Selection", AutoRef(selection));
  presentation->Returns("Slides", AutoRef(slides));
  slides->Returns("Range", AutoRef(range));
  selection->On("Copy", [](const auto&) {
    tessarel::SetClipboardText("Folie eins\r\nFolie zwei");
    return AutoValue();
  });
  tessarel::TPPTDatei reader({}, abort, "C:\\v.ppt", errors);
  EXPECT_EQ(reader.Text(), " Folie eins\r\nFolie zwei");
  EXPECT_EQ(*factory.log,
            (Log{"create PowerPoint.Application", "App.visible:=true", "App.windowState:=2", "App.presentations()",
                 "Presentations.open(&'C:\\v.ppt',true)", "App.activeWindow()", "Win.ViewType:=6",
                 "App.ActivePresentation()", "Pres.Slides()", "Slides.Range()", "Range.Select()",
                 "App.activeWindow()", "Win.Selection()", "Sel.Copy()", "App.activePresentation()", "Pres.close()",
                 "App.quit()"}));
  EXPECT_FALSE(tessarel::ClipboardHasText());
}

// ---- choosing the reader ----------------------------------------------------

TEST_F(Readers, ChoiceFollowsTheSwitchesAndTheExactExtensionInAnyCase) {
  BaseTestFolder folder;
  for (const char* name : {"a.Pdf", "b.doc", "c.docx", "d.xls", "e.PPT", "f.txt"})
    platform::WriteFileBytes(folder / name, "x");
  auto kind = [&](const char* name, const tessarel::ReaderOptions& options, bool& rawRead) {
    auto reader = tessarel::CreateReader({}, abort, rawRead, folder / name, options, errors);
    if (dynamic_cast<tessarel::TDOCDatei*>(reader.get())) return "DOC";
    if (dynamic_cast<tessarel::TXLSDatei*>(reader.get())) return "XLS";
    if (dynamic_cast<tessarel::TPPTDatei*>(reader.get())) return "PPT";
    if (dynamic_cast<tessarel::TPDFDatei*>(reader.get())) return "PDF";
    return "raw";
  };
  const tessarel::ReaderOptions all{.automation = true};
  bool raw = false;
  EXPECT_STREQ(kind("a.Pdf", all, raw), "PDF");
  EXPECT_FALSE(raw);
  EXPECT_STREQ(kind("b.doc", all, raw), "DOC");
  EXPECT_STREQ(kind("d.xls", all, raw), "XLS");
  EXPECT_STREQ(kind("e.PPT", all, raw), "PPT");
  EXPECT_FALSE(raw);
  EXPECT_STREQ(kind("c.docx", all, raw), "raw");
  EXPECT_TRUE(raw);
  raw = false;
  EXPECT_STREQ(kind("b.doc", {.automation = true, .doc = false}, raw), "raw");
  EXPECT_TRUE(raw);
  raw = false;
  EXPECT_STREQ(kind("b.doc", {.automation = false}, raw), "raw");
  EXPECT_FALSE(raw);
}

TEST_F(Readers, ChoiceStartsTheSecondBarAtOne) {
  BaseTestFolder folder;
  platform::WriteFileBytes(folder / "f.txt", "x");
  core::THinweisDlg dlg;
  dlg.pbFortschritt.SetPosition(50);
  bool raw = false;
  auto reader = tessarel::CreateReader({&dlg, &dlg.pbFortschritt}, abort, raw, folder / "f.txt", {}, errors);
  EXPECT_EQ(dlg.pbFortschritt.Position(), 1);
}

// ---- the raw reader ---------------------------------------------------------

TEST(RawReader, ReadsEveryByteAndCountsThemOnTheSecondBar) {
  BaseTestFolder folder;
  const std::string bytes = std::string("Gr\xF6\xDF") + '\0' + "e\r\n" + std::string(5000, 'z');
  platform::WriteFileBytes(folder / "a.bin", bytes);
  core::THinweisDlg dlg;
  dlg.pbFortschritt.SetPosition(0);
  bool abort = false;
  tessarel::thtmlDatei reader({&dlg, &dlg.pbFortschritt}, abort, folder / "a.bin");
  EXPECT_EQ(dlg.lblAnzeige.Caption(), "Öffne Datei für Analyse ...");
  EXPECT_EQ(dlg.pbFortschritt.Max(), static_cast<int>(bytes.size()));
  EXPECT_EQ(ReadAll(reader, abort), bytes);
  EXPECT_EQ(dlg.pbFortschritt.Position(), static_cast<int>(bytes.size()));
  EXPECT_FALSE(abort);
}

TEST(RawReader, GivingUpTheOpenWarnsOnceAndAsksNothingMore) {
  BaseTestFolder folder;
  const std::string path = folder / "fehlt.txt";
  platform::ScriptedUi ui;
  ui.Push(platform::mrNo);  // give up
  ui.Push(platform::mrOk);  // the warning
  bool abort = false;
  tessarel::thtmlDatei reader({}, abort, path);
  EXPECT_TRUE(abort);
  ASSERT_EQ(ui.Requests().size(), 2u);
  EXPECT_NE(ui.Requests()[0].text.find(path + " zum Lesen öffnen"), std::string::npos);
  EXPECT_EQ(ui.Requests()[1].text, "Eventuell wird die Datei\r\r" + path +
                                       "\r\rvon einer anderen Anwendung verwendet. Geben Sie die Datei\r"
                                       "zunächst frei und versuchen Sie es dann erneut.");
  EXPECT_EQ(ui.Requests()[1].helpContext, 0);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.NextChar(abort), ' ');
  EXPECT_EQ(ui.Requests().size(), 2u);
}

TEST(RawReader, AFailedReadIsRetriedAndLosesNoByte) {
  class FailOnce : public platform::FileFaults {
   public:
    bool FailRead(const std::string&) override { return std::exchange(first_, false); }

   private:
    bool first_ = true;
  } faults;
  BaseTestFolder folder;
  platform::WriteFileBytes(folder / "a.txt", "Wort");
  bool abort = false;
  tessarel::thtmlDatei reader({}, abort, folder / "a.txt");
  platform::SetFileFaults(&faults);
  platform::ScriptedUi ui;
  ui.Push(platform::mrYes);
  const std::string text = ReadAll(reader, abort);
  platform::SetFileFaults(nullptr);
  EXPECT_EQ(text, "Wort");
  ASSERT_EQ(ui.Requests().size(), 1u);
  EXPECT_NE(ui.Requests()[0].text.find("a.txt lesen"), std::string::npos);
}

TEST(RawReader, TextInUtf8IsHandedOutInCodePage1252) {
  auto u8 = [](std::u8string_view text) { return std::string(text.begin(), text.end()); };
  const std::string ascii(5000, 'a');  // past the first block read
  struct Case {
    std::string bytes;
    std::string chars;
  } cases[] = {
      {u8(u8"Gr\u00FC\u00DFe \u0141\u00F3d\u017A \u6F22"), "Gr\xFC\xDF" "e L\xF3" "dz  "},
      {ascii + u8(u8" \u00DCbersicht"), ascii + " \xDC" "bersicht"},
      {"\xEF\xBB\xBF" "Gr\xFC\xDF" "e " + u8(u8"\u00C4"), "Gr\xFC\xDF" "e \xC4"},  // the mark says UTF-8
      {u8(u8"\u00C4") + ascii + "Gr\xFC\xDF" "e", u8(u8"\u00C4") + ascii + "Gr\xFC\xDF" "e"},  // not UTF-8
      {ascii + "\xC3", ascii + "\xC3"},
      {"\xEF\xBB\xBF", " "},
  };
  for (const Case& c : cases) {
    BaseTestFolder folder;
    platform::WriteFileBytes(folder / "u.txt", c.bytes);
    core::THinweisDlg dlg;
    dlg.pbFortschritt.SetPosition(0);
    bool abort = false;
    tessarel::thtmlDatei reader({&dlg, &dlg.pbFortschritt}, abort, folder / "u.txt");
    EXPECT_EQ(ReadAll(reader, abort), c.chars) << c.bytes.substr(0, 20);
    EXPECT_EQ(dlg.pbFortschritt.Position(), dlg.pbFortschritt.Max());
  }
}

}  // namespace
