// The word loop of one page and the steps that make its keywords of the words.
#include "coregui/PageParser.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/KeywordList.h"
#include "core/PageSource.h"
#include "core/ProjectSettings.h"
#include "core/RunContext.h"
#include "core/Schlagworte.h"
#include "coregui/projektVerwaltung.h"

namespace core {

namespace {

// The collector of the page being read: its buffer stays from page to page.
struct SharedCollector {
  KeywordCollector words;
  bool busy = false;
};

// Marks the shared collector in use, and empties it after.
class UseShared {
 public:
  explicit UseShared(SharedCollector& shared) : shared_(shared) { shared_.busy = true; }
  ~UseShared() {
    shared_.words.Clear();
    shared_.busy = false;
  }
  UseShared(const UseShared&) = delete;
  UseShared& operator=(const UseShared&) = delete;

 private:
  SharedCollector& shared_;
};

}  // namespace

tParser::tParser(TProjekt& project, int pagePosition, PageSource& source, bool& abort)
    : project_(project),
      pagePosition_(pagePosition),
      page_(*project.Pages()[pagePosition]),
      source_(source),
      scanner_(pagePosition, abort ? std::string() : source.ReadPage(pagePosition, page_.url, abort), page_,
               project.Settings()) {}

tParser::~tParser() { source_.Recycle(scanner_.ReleaseText()); }

void tParser::ParsePage(RunContext& run, bool& abort) {
  // A second run in the same session must not build on the last run's title
  // and META description.
  page_.ClearScanResults();
  const ProjectSettings& settings = project_.Settings();
  // Added one by one, every new word would shift the sorted list behind it:
  // the page's words go in at once, in the order met, which decides the
  // spelling that stays of words equal but for case. A word met before on
  // this page is there already. The collector keeps its buffer from page to
  // page, since under Wine a heap that hands out and takes back large blocks
  // between the pages' lists soon searches long for every block.
  thread_local SharedCollector shared;
  KeywordCollector own;  // should a page ever be read while another one is
  std::optional<UseShared> use;
  if (!shared.busy) use.emplace(shared);
  KeywordCollector& scratch = use ? shared.words : own;
  scanner_.CollectTagWordsInto(&scratch);
  // The scanner looks at the run every few kilobytes, the first time before
  // the first word: a closed progress window sets abort within a moment.
  scanner_.SetRun(&run);
  for (std::string_view word = scanner_.NextWord(abort); !abort && !word.empty(); word = scanner_.NextWord(abort)) {
    if (WordWidthOk(settings, word)) scratch.Add(word);
  }
  scanner_.SetRun(nullptr);
  scanner_.CollectTagWordsInto(nullptr);
  page_.words.AddAll(scratch.Words());
  if (run.Poll(abort)) return;
  page_.ComposeDescription(settings);
  page_.ApplyIndexModes(settings);
  page_.ApplyCorrections();
  project_.RemoveStopWords(pagePosition_);
  page_.LimitKeywords(settings);
}

}  // namespace core
