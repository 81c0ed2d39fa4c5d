#pragma once
// One page of a project: its address, the words found on it, the user's
// corrections, its description in its stages and the JavaScript lines the
// index run writes for it; and the entries of the project's glossary.
//
// A page's steps after the word loop of its parse, in this order:
// ComposeDescription, ApplyIndexModes, ApplyCorrections, then the project's
// RemoveStopWords (page position), then LimitKeywords. CleanDescription runs
// before the description dialog and while the run formats the lines.
#include <cstdint>
#include <string>
#include <vector>

#include "core/KeywordList.h"
#include "core/ProjectSettings.h"
#include "platform/base/StringList.h"

namespace core {

class TGlossarEintrag {
 public:
  explicit TGlossarEintrag(std::string word) : wort(std::move(word)) {}

  std::string wort;
  std::int32_t anzahl = 1;  // pages that hold the word
  std::int32_t index = 0;   // place in the glossary after the sort, from 0
};

class TSchlagwortDatei {
 public:
  // All lists empty; the word list and the change log sorted, duplicates
  // ignored, compared in the locale without regard to case.
  explicit TSchlagwortDatei(const std::string& url);
  virtual ~TSchlagwortDatei() = default;
  TSchlagwortDatei(const TSchlagwortDatei&) = delete;
  TSchlagwortDatei& operator=(const TSchlagwortDatei&) = delete;

  std::uint8_t mark = 0;  // set by the page selection's merge on the pages that stay
  std::string url;        // the page's address as the project stores it
  // The page's keywords: "Haus" and "haus" are one entry, the first kept.
  // After the glossary step of a run: unsorted glossary numbers instead.
  KeywordList words;
  // Corrections: "+" and a word adds it, "-" and a word removes it.
  platform::TStringList changeLog;
  std::vector<TGlossarEintrag*> glossaryRefs;  // not owned; one per word
  std::string description;        // the title as scanned; composed by ComposeDescription
  std::string manualDescription;  // typed by hand; replaces the description
  std::string metaDescription;
  platform::TStringList keywordLines;  // the page's JavaScript lines, unsorted
  platform::TStringList descriptionLines;
  platform::TStringList urlLines;
  platform::TStringList metaKeywords;  // unsorted

  const std::string& GetDescription() const { return description; }

  // The title (when TitleModus) and the META description (when
  // DescriptionModus), the title in bold before a META description.
  void ComposeDescription(const ProjectSettings& settings);
  // Without VolltextModus the found words go; with KeywordsModus the META
  // keywords join them.
  void ApplyIndexModes(const ProjectSettings& settings);
  // The manual description replaces the description; the change log is
  // applied entry by entry. An entry without a word does nothing.
  void ApplyCorrections();
  // With SchlagworteModus, a page with more than SchlagworteMaximal words
  // keeps a random choice of that many (a different one on every run).
  void LimitKeywords(const ProjectSettings& settings);
  // The description as one JavaScript string: line breaks deleted, double
  // quotes as "*", "\" as "/", blanks and control characters trimmed; a page
  // without description says so and names its address.
  void CleanDescription();

  // Adds a correction ("+word" or "-word"); an empty entry, or "+" or "-"
  // without a word, is not added (false).
  bool AddChange(const std::string& entry);
  // The change log as the project file stores it: the entries joined by ","
  // without blanks ("" when empty), and back.
  std::string ChangeLogText() const;
  void SetChangeLogText(const std::string& value);

  // Start of a run: words, META keywords and glossary references emptied, the
  // word list sorted again (the glossary step leaves it unsorted). A program
  // that keeps more per page empties that too.
  virtual void ClearRunData();
  // Start of a page's parse: the description and META description of the
  // last run go, so that a second run does not build on them.
  void ClearScanResults();
};

}  // namespace core
