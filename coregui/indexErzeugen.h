#pragma once
// The index run: every page of the open project is read and scanned, its words
// filtered and corrected, and the JavaScript database of the search form is
// written by copying the template's JavaScript file and inserting the
// constants, the glossary and the page entries after its marker lines.
//
// The line builders and the compaction are free functions in core/JsLines.h,
// so that they can be tested alone; a program whose entries differ (another
// link, keywords split into per-letter files, another output) derives from
// tJavascript and replaces the hooks.
#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "core/JsLines.h"
#include "core/TextFile.h"
#include "platform/base/StringList.h"

namespace core {

class PageSource;
class ReviewDialogs;
class RunContext;
class THinweisDlg;
class TProjekt;
class TSchlagwortDatei;

class tJavascript {
 public:
  // silent: no review dialogs (the automatic optimisation's runs); dialogs
  // may then be null.
  tJavascript(TProjekt& project, PageSource& pages, ReviewDialogs* dialogs, bool silent);
  virtual ~tJavascript();
  tJavascript(const tJavascript&) = delete;
  tJavascript& operator=(const tJavascript&) = delete;

  // The run. The caller has shown the window, captioned for the analysis,
  // and emptied every page's words and META keywords and the glossary. abort
  // may already be set; on return it tells whether the run was cancelled or
  // failed.
  void Generate(THinweisDlg& window, bool& abort);

  const std::string& TemplatePath() const { return templatePath_; }
  const std::string& OutputPath() const { return outputPath_; }

 protected:
  // The page's name in the review dialog's page line, and shortened in the
  // progress label.
  virtual std::string PageName(const TSchlagwortDatei& page) const;
  virtual std::string PageLabel(const TSchlagwortDatei& page) const;
  // Whether the run builds and writes a glossary.
  virtual bool UsesGlossary() const;
  // Once the pages without words are dropped, before the glossary numbers
  // or anything else replace the words: what the words are to the reader.
  virtual void PagesKept() {}
  // The entry of the page numbered n in the output, made as it is written.
  virtual void FormatKeywordLines(TSchlagwortDatei& page, int n);
  virtual void FormatUrlLines(TSchlagwortDatei& page, int n);
  virtual void FormatDescriptionLines(TSchlagwortDatei& page, int n);
  // The file step: the JavaScript database into the target folder.
  virtual void WriteFiles(bool& abort);

  // Copies the template to the output with the three insertions.
  void WriteJavascriptFile(bool& abort);
  // A new file of the run's output, written beside the file it replaces.
  // The run puts all of them in place together once the file step has
  // written them whole, and drops them when it fails or is cancelled: the
  // previous output stays whole until a complete new one replaces it.
  TextWriter& NewOutput() { return outputs_.emplace_back(); }

  // The run under way: messages and the user's cancel go through it.
  RunContext& Run() { return *run_; }

  TProjekt& project_;
  THinweisDlg* window_ = nullptr;
  std::string templatePath_;
  std::string outputPath_;
  bool silent_;

 private:
  bool Analyse(bool& abort);
  bool PostProcess(bool& abort);
  void BuildGlossary();
  bool Format(bool& abort);
  void PutOutputsInPlace(bool& abort);

  // One step of the progress bar, never past its maximum, and the
  // percentage in the application title.
  void Step();
  // Puts the position counted here into the bar (the glossary step moves
  // the bar itself), or takes it from there.
  void ShowPosition();
  void TakePosition();
  // The current page in the label; unless forced, at most once per
  // kLabelInterval, since the window repaints only that often anyway.
  void ShowLabel(const TSchlagwortDatei& page, bool force);
  void SetCaption(std::string_view suffix);
  void Fail(bool& abort);
  bool Cancelled() const;

  PageSource& pages_;
  ReviewDialogs* dialogs_;
  std::deque<TextWriter> outputs_;
  RunContext* run_ = nullptr;
  // Every message to a control is a round trip through the window system;
  // the run keeps the bar's position itself and hands it to the bar when the
  // drawn bar can change.
  int position_ = 0;
  int maximum_ = 1;
  int shown_ = 0;
  unsigned labelTick_ = 0;
  bool labelShown_ = false;
};

}  // namespace core
