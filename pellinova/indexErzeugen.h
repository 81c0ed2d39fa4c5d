#pragma once
// Pellinova's index run: the shared run of the engine, with the page files
// read from the source folder, each entry's link built from the page's path,
// and, after the JavaScript database, the per-letter keyword files (Mega) or,
// instead of both, the XML export (XML).
#include <string>
#include <vector>

#include "coregui/indexErzeugen.h"

namespace core {
class PageSource;
class ReviewDialogs;
class WineDrives;
struct ProjectSettings;
}  // namespace core

namespace pellinova {

class TProjekt;
class TSchlagwortDatei;

// The link of a page in the database: relative to the target folder
// (RelativerPfad), under the server name (ServerNameVerwenden with a name),
// or a file URL. unixBrowser: the drive table when the browser is a Unix
// program (links across drives then go through the Wine drives).
std::string PageLink(const core::ProjectSettings& settings, const std::string& relativePath,
                     const core::WineDrives* unixBrowser);

// ZielVerzeichnis + "\" + the descriptor's MegaSearchBase filled with the
// bucket's part name ("a" ... "z", "number", "other").
std::string LetterFilePath(const core::ProjectSettings& settings, int bucket);

// A line of a letter file: the descriptor's MegaStrings/EntryKeywords for the
// page number, the bucket's words joined by ",", then ",\";".
std::string LetterLine(int page, const platform::TStringList& words);

class tJavascript : public core::tJavascript {
 public:
  tJavascript(TProjekt& project, core::PageSource& pages, core::ReviewDialogs* dialogs, bool silent,
              const core::WineDrives* unixBrowser);

  // Per-letter mode's keyword step: the entry gets one keyword line without
  // words, and the words move into the page's letter buckets.
  void FormatLetterKeywords(TSchlagwortDatei& page, int n);
  // One letter file: a line per page, also for an empty bucket.
  void WriteLetterFile(int bucket, bool& abort);

 protected:
  std::string PageLabel(const core::TSchlagwortDatei& page) const override;
  bool UsesGlossary() const override;
  void PagesKept() override;
  void FormatKeywordLines(core::TSchlagwortDatei& page, int n) override;
  void FormatUrlLines(core::TSchlagwortDatei& page, int n) override;
  void WriteFiles(bool& abort) override;

 private:
  void WriteXmlExport(bool& abort);

  TProjekt& pellinova_;
  const core::WineDrives* unixBrowser_;
  // The export's keywords: the pages' words once the empty pages are gone,
  // before glossary numbers or the letter buckets take their place.
  std::vector<std::vector<std::string>> exportWords_;
};

}  // namespace pellinova
