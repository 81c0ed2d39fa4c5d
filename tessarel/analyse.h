#pragma once
// One analysis run: the documents below the documents folder are collected
// and filtered when the run is created; Analyse reads each one and writes a
// keyword page for every document with at least one keyword, then leaves the
// five result strings in the project.
//
// The run works on the project (Projekt()); the main window and the batch
// mode create it alike:
//
//   tAnalyse run(p.DokumenteVerzeichnis, abort, p.GemeinsamesRahmenVerzeichnis, p.RahmenVerzeichnis);
//   if (!abort) run.Analyse(abort);
//   // abort set: the user cancelled (or gave up a file step)
#include <memory>
#include <string>

#include "platform/base/StringList.h"
#include "tessarel/WortFilter.h"

namespace tessarel {

class THinweisDlg;
class tScanner;

class tAnalyse {
 public:
  // Collects the documents (relative paths, sorted case-insensitively) under
  // a progress window of its own, and removes those the project's exclusion
  // list names; keyword pages (".htm", ".html") are never analysed. Closing
  // the window sets abort.
  tAnalyse(const std::string& documentsFolder, bool& abort, bool commonFrame, const std::string& frameFolder);
  ~tAnalyse();
  tAnalyse(const tAnalyse&) = delete;
  tAnalyse& operator=(const tAnalyse&) = delete;

  // The run. A document whose page is not older than the document itself is
  // skipped unless the project says to rewrite pages. Cancelling (closing the
  // window, or giving up a file step) ends the run at once: the document in
  // work gets no page and the project's results stay as they were. The
  // project's automation errors are emptied once, at the start, so that
  // afterwards they report every document of the run.
  void Analyse(bool& abort);

  const platform::TStringList& Documents() const { return documents_; }
  // The documents the run passed over because no path could name them or
  // their page (a character outside the code page or reserved by Windows,
  // or a path of MAX_PATH characters or more), relative to the documents
  // folder; a folder with such a name is listed with its "\". Excluded
  // documents are not among them.
  const platform::TStringList& Skipped() const { return skipped_; }

 private:
  void Search(THinweisDlg& window, const std::string& root, const std::string& relative, bool& abort,
              platform::TStringList& skippedFiles);
  bool Step(THinweisDlg& window, const std::string& folder, bool& abort);

  std::string documentsFolder_;
  std::string frameFolder_;
  bool commonFrame_;
  std::unique_ptr<tScanner> scanner_;
  KeywordCollector keywords_;
  platform::TStringList documents_;
  platform::TStringList skipped_;
};

// One warning naming the documents a run skipped; nothing when there are
// none.
void ReportSkippedDocuments(const platform::TStringList& skipped);

// Whether the page of a document must be written: it does not exist, pages
// are always rewritten, or it is older than the document.
bool PageOutdated(const std::string& page, const std::string& document, bool always);

}  // namespace tessarel
