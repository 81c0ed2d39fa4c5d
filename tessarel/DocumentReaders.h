#pragma once
// The document readers: they hand the characters of one document, one at a
// time, to the tokeniser.
//
// The raw reader reads any file byte by byte. The automation readers have the
// application that owns the format (Acrobat, Winword, Excel, Powerpoint) open
// the document, select everything and copy it; they take the clipboard text
// (CF_TEXT) into memory while being constructed and afterwards only hand out
// characters from memory. Where an application is not installed, the
// automation layer (Automation.h) answers with our stand-in servers.
//
// Use (the scanner's constructor):
//
//   tessarel::ReaderOptions options{.automation = projekt.OLEAutomationVerwenden, ...};
//   auto reader = tessarel::CreateReader({&dlg, &dlg.pbFortschritt2}, abort, rawRead,
//                                        path, options, projekt.automationErrors);
//   while (!abort && !reader->AtEnd()) { char c = reader->NextChar(abort); ... }
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "core/Utf8.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"

namespace core {
class THinweisDlg;
}
namespace platform {
class ProgressBar;
}

namespace tessarel {

// Where a reader reports: the first label of the run's progress window shows
// what is being opened, the second bar counts the characters delivered. The
// window's visibility is the cancel signal (a long extraction by a stand-in
// server stops when it is hidden). Either may be null (no window).
struct ReaderProgress {
  core::THinweisDlg* window = nullptr;
  platform::ProgressBar* secondBar = nullptr;
};

// The project's switches that choose the reader (OLEAutomationVerwenden and
// OLEAutoPDFVerwenden ... OLEAutoPPTVerwenden).
struct ReaderOptions {
  bool automation = false;
  bool pdf = true;
  bool doc = true;
  bool xls = true;
  bool ppt = true;
};

// The raw reader, and the base of all readers. A text in UTF-8 (it begins
// with the byte order mark, or it is well-formed UTF-8 with at least one
// multi-byte character) is handed out in code page 1252, as the automation
// readers' texts are.
class thtmlDatei {
 public:
  // Opens the file for reading; every file step runs in the retry loop (help
  // context 0). Giving up the open sets abort and shows the warning that the
  // file may be in use by another application.
  thtmlDatei(const ReaderProgress& progress, bool& abort, const std::string& path);
  virtual ~thtmlDatei();
  thtmlDatei(const thtmlDatei&) = delete;
  thtmlDatei& operator=(const thtmlDatei&) = delete;

  // The next character; a blank when nothing more could be read.
  virtual char NextChar(bool& abort);
  // The next NextChar repeats the current character.
  virtual void PushBack();
  bool AtEnd() const { return end_; }

  const std::string& Path() const { return path_; }

 protected:
  // For the automation readers, which open no file.
  struct NoFile {};
  thtmlDatei(NoFile, const ReaderProgress& progress, const std::string& path);

  // First label := text; let the window process pending messages.
  void ShowOpening(const std::string& text);
  void StepSecondBar();
  void SetSecondBarMax(long long max);

  ReaderProgress progress_;
  unsigned char current_ = ' ';
  bool advance_ = true;
  bool end_ = true;
  std::string path_;

 private:
  bool AtFileEnd();
  unsigned char ReadByte();
  std::string ReadBlock();
  void Refill();
  void ConvertHeld();

  platform::TFile file_;
  // Bytes read ahead of the current one: one read per byte would cost a
  // system call per character of the document.
  std::string buffer_;
  size_t bufferPos_ = 0;
  // Whether the text is UTF-8 is known only at its end, or at the first byte
  // that rules it out. Until then the bytes from the first non-ASCII one on
  // are held back (ASCII reads the same either way).
  bool decided_ = false;
  bool started_ = false;
  bool bom_ = false;
  core::Utf8Check check_;
  std::string held_;
  // The retry question's action texts of NextChar, made once per document.
  std::string actTestEof_;
  std::string actRead_;
};

// The automation readers. TPDFDatei holds the text and hands it out; the
// others differ only in how they fetch it.
class TPDFDatei : public thtmlDatei {
 public:
  // Fetches the text through "AcroExch.App" / "AcroExch.AVDoc". A failure
  // never stops the run: it appends "-> <action>, Exception: <message>" to
  // errors and leaves the text empty.
  TPDFDatei(const ReaderProgress& progress, bool& abort, const std::string& path,
            platform::TStringList& errors);

  char NextChar(bool& abort) override;

  const std::string& Text() const { return text_; }

 protected:
  TPDFDatei(NoFile, const ReaderProgress& progress, const std::string& path);

  // The frame every automation constructor runs: shows the opening text,
  // runs the sequence, which builds the text; on a failure records the error
  // line (the action text formatted with the path, and the failure's
  // message), empties the text and runs each clean-up step by itself, its own
  // failure ignored.
  void RunAutomation(unsigned openingText, unsigned actionText, bool& abort, platform::TStringList& errors,
                     const std::function<void()>& sequence,
                     std::initializer_list<std::function<void()>> cleanUp);
  // text := text + " " + the clipboard text, when the clipboard holds text
  // (and, with nonEmptyOnly, that text is not empty).
  void AppendClipboard(bool nonEmptyOnly);

  std::string text_;
  size_t readIndex_ = 1;  // 1-based, as the text is handed out
};

class TDOCDatei : public TPDFDatei {
 public:
  // "Word.Application": every story range of the document and its chain.
  TDOCDatei(const ReaderProgress& progress, bool& abort, const std::string& path,
            platform::TStringList& errors);
};

class TXLSDatei : public TPDFDatei {
 public:
  // "Excel.Application": every worksheet in turn.
  TXLSDatei(const ReaderProgress& progress, bool& abort, const std::string& path,
            platform::TStringList& errors);
};

class TPPTDatei : public TPDFDatei {
 public:
  // "PowerPoint.Application": all slides in the outline view.
  TPPTDatei(const ReaderProgress& progress, bool& abort, const std::string& path,
            platform::TStringList& errors);
};

// The reader for a document (the extension compared upper-cased, with its
// dot). Sets the second bar to position 1. With automation on, a format whose
// switch is on goes to its automation reader; any other document is read raw
// and rawRead is set. With automation off, the raw reader is used and rawRead
// is left as it is (the caller clears it first).
std::unique_ptr<thtmlDatei> CreateReader(const ReaderProgress& progress, bool& abort, bool& rawRead,
                                         const std::string& path, const ReaderOptions& options,
                                         platform::TStringList& errors);

}  // namespace tessarel
