#include "tessarel/DocumentReaders.h"

#include <algorithm>
#include <climits>

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "coregui/Retry.h"
#include "coregui/hinweis.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "tessarel/Automation.h"
#include "tessarel/Clipboard.h"
#include "tessarel/ReaderTexts.h"

namespace tessarel {

namespace rt = readertexts;

namespace {
constexpr size_t kReadAhead = 4096;

std::string Action(unsigned number, const std::string& path) {
  return core::FormatStr(core::LoadStr(number), {path});
}
std::string Action(core::Txt id, const std::string& path) { return core::FormatStr(core::LoadStr(id), {path}); }
}  // namespace

// ---- the raw reader -------------------------------------------------------

thtmlDatei::thtmlDatei(NoFile, const ReaderProgress& progress, const std::string& path)
    : progress_(progress), path_(path) {}

thtmlDatei::thtmlDatei(const ReaderProgress& progress, bool& abort, const std::string& path)
    : progress_(progress), path_(path) {
  ShowOpening(core::LoadStr(rt::OpeningRaw));
  actTestEof_ = Action(core::Txt::ActTestEof, path_);
  actRead_ = Action(core::Txt::ActRead, path_);
  // A run that is already cancelled asks nothing more: the reader stays at
  // its end.
  if (abort) return;
  if (!core::RetryStep(abort, Action(core::Txt::ActOpenRead, path_), core::hcNone,
                       [&] { file_.OpenRead(path_); })) {
    platform::MessageDlg(core::FormatStr(core::LoadStr(rt::FileInUse), {path_}), platform::MsgDlgType::Warning,
                         platform::mbOK, core::hcNone);
    // Nothing to read: the reader is at its end, so nobody reads on and asks
    // about a file that never opened.
    end_ = true;
    return;
  }
  core::RetryStep(abort, Action(rt::ActSize, path_), core::hcNone, [&] { SetSecondBarMax(file_.Size()); });
  end_ = false;
  advance_ = true;
}

thtmlDatei::~thtmlDatei() = default;  // the file closes quietly

void thtmlDatei::ShowOpening(const std::string& text) {
  if (progress_.window) progress_.window->lblAnzeige.SetCaption(text);
  platform::App().ProcessMessages();
}

void thtmlDatei::StepSecondBar() {
  if (progress_.secondBar) progress_.secondBar->SetPosition(progress_.secondBar->Position() + 1);
}

void thtmlDatei::SetSecondBarMax(long long max) {
  if (progress_.secondBar) progress_.secondBar->SetMax(max > INT_MAX ? INT_MAX : static_cast<int>(max));
}

void thtmlDatei::PushBack() { advance_ = false; }

bool thtmlDatei::AtFileEnd() { return bufferPos_ >= buffer_.size() && file_.Eof(); }

std::string thtmlDatei::ReadBlock() {
  std::string next(kReadAhead, '\0');
  next.resize(file_.Read(next.data(), next.size()));
  // The end test said there is more; a file that shrank meanwhile is a read
  // error.
  if (next.empty()) throw platform::EInOutError(ERROR_HANDLE_EOF);
  return next;
}

// A failed read throws before anything read so far is given up, so that the
// retry goes on where it stopped.
void thtmlDatei::Refill() {
  if (decided_) {
    buffer_ = ReadBlock();
    bufferPos_ = 0;
    return;
  }
  for (;;) {
    if (!held_.empty() && file_.Eof()) {
      if (bom_ || check_.IsUtf8Text()) ConvertHeld();
      break;
    }
    std::string block = ReadBlock();
    if (!started_) {
      started_ = true;
      bom_ = core::StartsWithUtf8Bom(block);
    }
    const bool ascii =
        std::all_of(block.begin(), block.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (held_.empty() && ascii) {
      buffer_ = std::move(block);
      bufferPos_ = 0;
      return;
    }
    if (!bom_) check_.Feed(block);
    held_ += block;
    if (check_.Failed()) break;
  }
  decided_ = true;
  buffer_ = std::move(held_);
  held_.clear();
  bufferPos_ = 0;
}

void thtmlDatei::ConvertHeld() {
  std::string ansi = core::Utf8ToAnsi(held_, core::SystemAnsiTable());
  // A file of nothing but the byte order mark still gives the character this
  // read was asked for.
  if (ansi.empty()) ansi.push_back(' ');
  // The bar counts characters handed out, no longer bytes.
  if (progress_.secondBar) {
    SetSecondBarMax(static_cast<long long>(progress_.secondBar->Max()) - static_cast<long long>(held_.size()) +
                    static_cast<long long>(ansi.size()));
  }
  held_ = std::move(ansi);
}

unsigned char thtmlDatei::ReadByte() {
  if (bufferPos_ >= buffer_.size()) Refill();
  return static_cast<unsigned char>(buffer_[bufferPos_++]);
}

char thtmlDatei::NextChar(bool& abort) {
  platform::App().ProcessMessages();
  if (!advance_) {
    advance_ = true;
    return static_cast<char>(current_);
  }
  current_ = ' ';
  core::RetryStep(abort, actTestEof_, core::hcNone, [&] {
    end_ = true;
    end_ = AtFileEnd();
  });
  if (!end_ && !abort) {
    if (core::RetryStep(abort, actRead_, core::hcNone, [&] { current_ = ReadByte(); })) StepSecondBar();
  }
  return static_cast<char>(current_);
}

// ---- the automation readers -----------------------------------------------

TPDFDatei::TPDFDatei(NoFile, const ReaderProgress& progress, const std::string& path)
    : thtmlDatei(NoFile{}, progress, path) {}

char TPDFDatei::NextChar(bool& abort) {
  platform::App().ProcessMessages();
  if (!advance_) {
    advance_ = true;
    return static_cast<char>(current_);
  }
  current_ = ' ';
  end_ = readIndex_ == text_.size() + 1;
  if (!end_ && !abort) {
    current_ = static_cast<unsigned char>(text_[readIndex_ - 1]);
    ++readIndex_;
    StepSecondBar();
  }
  return static_cast<char>(current_);
}

void TPDFDatei::AppendClipboard(bool nonEmptyOnly) {
  if (!ClipboardHasText()) return;
  const std::string clip = ClipboardText();
  if (nonEmptyOnly && clip.empty()) return;
  text_ += ' ';
  text_ += clip;
}

void TPDFDatei::RunAutomation(unsigned openingText, unsigned actionText, bool& abort,
                              platform::TStringList& errors, const std::function<void()>& sequence,
                              std::initializer_list<std::function<void()>> cleanUp) {
  ShowOpening(core::LoadStr(openingText));
  readIndex_ = 1;
  text_.clear();
  end_ = true;
  auto runCleanUp = [&] {
    for (const auto& step : cleanUp) {
      try {
        step();
      } catch (...) {
      }
    }
  };
  try {
    sequence();
    SetSecondBarMax(static_cast<long long>(text_.size()));
    advance_ = true;
    abort = false;
  } catch (const EAutomationCancelled&) {
    // The user closed the progress window while a stand-in was extracting:
    // the run ends; this is no failure of the document.
    text_.clear();
    runCleanUp();
    abort = true;
  } catch (...) {
    errors.Add(core::FormatStr(core::LoadStr(rt::ErrorLine),
                               {Action(actionText, path_), core::CurrentExceptionMessage()}));
    text_.clear();
    runCleanUp();
  }
  if (!text_.empty()) end_ = false;
}

namespace {
// A late-bound call on an object that is not there fails, as calling a
// method of an empty variant does.
AutoObject& Obj(const AutoRef& ref) {
  if (!ref) throw EAutomation(core::LoadStr(rt::TypeMismatch));
  return *ref;
}
AutoObject& Obj(const AutoValue& value) { return *value.AsObject(); }
}  // namespace

TPDFDatei::TPDFDatei(const ReaderProgress& progress, bool& abort, const std::string& path,
                     platform::TStringList& errors)
    : TPDFDatei(NoFile{}, progress, path) {
  AutoRef app;
  AutoRef doc;
  RunAutomation(
      rt::OpeningPdf, rt::ActionPdf, abort, errors,
      [&] {
        try {
          app = Automation().ActiveObject("AcroExch.App");
        } catch (const std::exception&) {
          app = nullptr;
        }
        if (!app) app = Automation().CreateObject("AcroExch.App");
        doc = Automation().CreateObject("AcroExch.AVDoc");
        const bool opened =
            Obj(doc).Call("open", {AutoValue::ByRef(path_), AutoValue(core::LoadStr(core::Txt::ProgramTitle))}).AsBool();
        if (!opened) throw EAutomation(core::LoadStr(rt::PdfNotOpened));
        for (const char* item : {"SelectText", "OneColumn"}) {
          if (!Obj(app).Call("menuItemIsMarked", {item}).AsBool()) Obj(app).Call("menuItemExecute", {item});
        }
        // Acrobat copies nothing from a document without text; the clipboard
        // must not then still hold what the document before left there.
        ClearClipboard();
        Obj(app).Call("menuItemExecute", {"SelectAll"});
        Obj(app).Call("menuItemExecute", {"Copy"});
        Obj(doc).Call("close", {true});
        if (ClipboardHasText()) text_ = ClipboardText();
      },
      {[&] { Obj(doc).Call("close", {true}); }});
  // Acrobat is not told to quit: the user may have had it open before.
  doc.reset();
  app.reset();
}

TDOCDatei::TDOCDatei(const ReaderProgress& progress, bool& abort, const std::string& path,
                     platform::TStringList& errors)
    : TPDFDatei(NoFile{}, progress, path) {
  AutoRef app;
  auto copySelection = [&] {
    Obj(Obj(app).Get("selection")).Call("copy");
    AppendClipboard(true);
  };
  RunAutomation(
      rt::OpeningDoc, rt::ActionDoc, abort, errors,
      [&] {
        app = Automation().CreateObject("Word.Application");
        Obj(Obj(app).Get("documents")).Call("open", {AutoValue::ByRef(path_), false, true});
        for (int32_t i = 1; i <= 11; ++i) {
          auto story = [&] { return Obj(Obj(Obj(app).Get("activeDocument")).Get("storyRanges")).Call("item", {i}); };
          try {
            Obj(story()).Call("select");
          } catch (const EAutomationCancelled&) {
            throw;
          } catch (...) {
            continue;  // the document has no story of this kind
          }
          copySelection();
          AutoValue range = Obj(story()).Get("nextStoryRange");
          while (range.IsObject()) {
            Obj(range).Call("select");
            copySelection();
            range = Obj(range).Get("nextStoryRange");
          }
        }
        Obj(Obj(app).Get("documents")).Call("close", {0});
        Obj(app).Call("quit", {0});
        ClearClipboard();
      },
      {[&] { Obj(Obj(app).Get("documents")).Call("close", {0}); }, [&] { Obj(app).Call("quit", {0}); }});
  app.reset();
}

TXLSDatei::TXLSDatei(const ReaderProgress& progress, bool& abort, const std::string& path,
                     platform::TStringList& errors)
    : TPDFDatei(NoFile{}, progress, path) {
  AutoRef app;
  AutoRef book;
  RunAutomation(
      rt::OpeningXls, rt::ActionXls, abort, errors,
      [&] {
        app = Automation().CreateObject("Excel.Application");
        Obj(app).Put("askToUpdateLinks", false);
        Obj(app).Put("displayAlerts", false);
        Obj(Obj(app).Get("workbooks")).Call("open", {AutoValue::ByRef(path_), 0, true});
        book = Obj(app).Get("ActiveWorkbook").AsObject();
        const int32_t sheets = Obj(Obj(book).Get("worksheets")).Get("count").AsInt();
        for (int32_t i = 1; i <= sheets; ++i) {
          Obj(Obj(book).Call("worksheets", {i})).Call("activate");
          Obj(Obj(app).Get("cells")).Call("select");
          Obj(Obj(app).Get("selection")).Call("copy");
          AppendClipboard(false);
          ClearClipboard();
        }
        Obj(book).Call("close", {false});
        Obj(app).Call("quit");
      },
      {[&] { Obj(book).Call("close", {false}); }, [&] { Obj(app).Call("quit"); }});
  book.reset();
  app.reset();
}

TPPTDatei::TPPTDatei(const ReaderProgress& progress, bool& abort, const std::string& path,
                     platform::TStringList& errors)
    : TPDFDatei(NoFile{}, progress, path) {
  AutoRef app;
  RunAutomation(
      rt::OpeningPpt, rt::ActionPpt, abort, errors,
      [&] {
        app = Automation().CreateObject("PowerPoint.Application");
        Obj(app).Put("visible", true);
        Obj(app).Put("windowState", 2);  // minimised
        Obj(Obj(app).Get("presentations")).Call("open", {AutoValue::ByRef(path_), true});
        Obj(Obj(app).Get("activeWindow")).Put("ViewType", 6);  // the outline
        Obj(Obj(Obj(Obj(app).Get("ActivePresentation")).Get("Slides")).Get("Range")).Call("Select");
        Obj(Obj(Obj(app).Get("activeWindow")).Get("Selection")).Call("Copy");
        AppendClipboard(false);
        ClearClipboard();
        Obj(Obj(app).Get("activePresentation")).Call("close");
        Obj(app).Call("quit");
      },
      {[&] { Obj(Obj(app).Get("activePresentation")).Call("close"); }, [&] { Obj(app).Call("quit"); }});
  app.reset();
}

// ---- choosing the reader --------------------------------------------------

std::unique_ptr<thtmlDatei> CreateReader(const ReaderProgress& progress, bool& abort, bool& rawRead,
                                         const std::string& path, const ReaderOptions& options,
                                         platform::TStringList& errors) {
  if (progress.secondBar) progress.secondBar->SetPosition(1);
  if (options.automation) {
    const std::string ext = platform::AnsiUpperCase(platform::ExtractFileExt(path));
    if (options.pdf && ext == ".PDF") return std::make_unique<TPDFDatei>(progress, abort, path, errors);
    if (options.doc && ext == ".DOC") return std::make_unique<TDOCDatei>(progress, abort, path, errors);
    if (options.xls && ext == ".XLS") return std::make_unique<TXLSDatei>(progress, abort, path, errors);
    if (options.ppt && ext == ".PPT") return std::make_unique<TPPTDatei>(progress, abort, path, errors);
    rawRead = true;
  }
  return std::make_unique<thtmlDatei>(progress, abort, path);
}

}  // namespace tessarel
