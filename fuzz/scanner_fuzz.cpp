// The page scanner on any page, in every mode: words come out until the end
// and then stay empty; the page's title, META texts and words go through the
// page steps that follow the scan.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "core/KeywordList.h"
#include "core/ProjectSettings.h"
#include "core/Schlagworte.h"
#include "core/scanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  core::ProjectSettings settings;
  settings.Zahlen = in.ConsumeBool();
  settings.Wortbreite = in.ConsumeBool();
  settings.TitleModus = in.ConsumeBool();
  settings.DescriptionModus = in.ConsumeBool();
  settings.VolltextModus = in.ConsumeBool();
  settings.KeywordsModus = in.ConsumeBool();
  settings.WortbreiteMin = in.ConsumeIntegral<uint8_t>();
  settings.WortbreiteMax = in.ConsumeIntegral<uint8_t>();
  settings.Beschreibung = in.ConsumeIntegralInRange<uint8_t>(0, 2);
  settings.SchlagworteMaximal = in.ConsumeIntegralInRange<int32_t>(-1, 50);
  const bool tagWordsApart = in.ConsumeBool();
  const std::string text = in.ConsumeRemainingBytesAsString();

  core::TSchlagwortDatei page("http://host/seite.html");
  core::tScanner scanner(0, text, page, settings);
  core::KeywordCollector tagWords;
  if (tagWordsApart) scanner.CollectTagWordsInto(&tagWords);
  bool abort = false;
  size_t words = 0;
  for (std::string_view word = scanner.NextWord(abort); !word.empty(); word = scanner.NextWord(abort)) {
    FUZZ_CHECK(++words <= text.size() + 1);
    if (core::WordWidthOk(settings, word)) page.words.Add(std::string(word));
  }
  FUZZ_CHECK(!abort);
  FUZZ_CHECK(scanner.IsEndOfPage() || text.empty());
  FUZZ_CHECK(scanner.NextWord(abort).empty());
  scanner.CollectTagWordsInto(nullptr);
  page.words.AddAll(tagWords.Words());

  page.ComposeDescription(settings);
  page.ApplyIndexModes(settings);
  page.ApplyCorrections();
  page.LimitKeywords(settings);
  if (settings.SchlagworteMaximal > 0 && settings.SchlagworteModus)
    FUZZ_CHECK(page.words.Count() <= settings.SchlagworteMaximal);
  return 0;
}
