#include "core/Schlagworte.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

#include "core/TText.h"
#include "core/Texts.h"
#include "platform/base/Blanks.h"

namespace core {

namespace {

void MakeWordList(platform::TStringList& list) {
  list.SetCaseSensitive(false);
  list.SetDuplicates(platform::TDuplicates::dupIgnore);
  list.SetSorted(true);
}

std::mt19937& Random() {
  static std::mt19937 generator(
      static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
  return generator;
}

}  // namespace

TSchlagwortDatei::TSchlagwortDatei(const std::string& address) : url(address) { MakeWordList(changeLog); }

void TSchlagwortDatei::ComposeDescription(const ProjectSettings& settings) {
  if (!settings.TitleModus) description.clear();
  if (!settings.DescriptionModus) return;
  if (!description.empty() && !metaDescription.empty())
    description = FormatStr(LoadStr(Txt::FmtTitleAndMeta), {description});
  description += Text().NormalizeEntities(metaDescription);
}

void TSchlagwortDatei::ApplyIndexModes(const ProjectSettings& settings) {
  if (!settings.VolltextModus) words.Clear();
  if (settings.KeywordsModus)
    for (int i = 0; i < metaKeywords.Count(); ++i) words.Add(metaKeywords[i]);
}

void TSchlagwortDatei::ApplyCorrections() {
  if (!manualDescription.empty()) description = manualDescription;
  for (int i = 0; i < changeLog.Count(); ++i) {
    const std::string& entry = changeLog[i];
    // "+" or "-" alone names no word: adding it would put an empty keyword
    // into the database.
    if (entry.size() < 2) continue;
    const std::string word = entry.substr(1);
    if (entry[0] == '+') {
      words.Add(word);
    } else if (entry[0] == '-') {
      const int at = words.IndexOf(word);
      if (at >= 0) words.Delete(at);
    }
  }
}

void TSchlagwortDatei::LimitKeywords(const ProjectSettings& settings) {
  if (!settings.SchlagworteModus) return;
  const int count = words.Count();
  const int keep = std::max(settings.SchlagworteMaximal, 0);
  if (count <= keep) return;
  // A uniform random choice of `keep` words, drawn as the first `keep` places
  // of a partial shuffle. Taken in list order they are already sorted.
  std::vector<int> places(count);
  std::iota(places.begin(), places.end(), 0);
  for (int i = 0; i < keep; ++i) {
    std::uniform_int_distribution<int> pick(i, count - 1);
    std::swap(places[i], places[pick(Random())]);
  }
  places.resize(keep);
  std::sort(places.begin(), places.end());
  std::vector<std::string> chosen;
  chosen.reserve(keep);
  for (int place : places) chosen.emplace_back(words[place]);
  words.Clear();
  for (const auto& word : chosen) words.Add(word);
}

void TSchlagwortDatei::CleanDescription() {
  // The text for a page without description holds its address, which may
  // hold a quote or a line break too: either would end the database's string.
  if (description.empty()) description = FormatStr(LoadStr(Txt::FmtNoDescription), {url});
  std::erase_if(description, [](char c) { return c == '\r' || c == '\n'; });
  std::replace(description.begin(), description.end(), '"', '*');
  description = platform::Trimmed(description);
  std::replace(description.begin(), description.end(), '\\', '/');
}

bool TSchlagwortDatei::AddChange(const std::string& entry) {
  if (entry.empty() || ((entry[0] == '+' || entry[0] == '-') && entry.size() == 1)) return false;
  changeLog.Add(entry);
  return true;
}

std::string TSchlagwortDatei::ChangeLogText() const {
  std::string text;
  for (int i = 0; i < changeLog.Count(); ++i) {
    if (i > 0) text += ',';
    text += changeLog[i];
  }
  return text;
}

void TSchlagwortDatei::SetChangeLogText(const std::string& value) {
  changeLog.Clear();
  size_t start = 0;
  while (start < value.size()) {
    size_t comma = value.find(',', start);
    if (comma == std::string::npos) comma = value.size();
    AddChange(value.substr(start, comma - start));
    start = comma + 1;
  }
}

void TSchlagwortDatei::ClearRunData() {
  words.Clear();
  words.SetSorted(true);
  metaKeywords.Clear();
  glossaryRefs.clear();
}

void TSchlagwortDatei::ClearScanResults() {
  description.clear();
  metaDescription.clear();
}

}  // namespace core
