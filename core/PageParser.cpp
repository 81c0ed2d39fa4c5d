// The word loop of one page and the steps that make its keywords of the words.
#include "core/scanner.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/PageSource.h"
#include "core/ProjectSettings.h"
#include "core/RunContext.h"
#include "core/Schlagworte.h"
#include "core/projektVerwaltung.h"
#include "platform/base/StringList.h"

namespace core {

namespace {

bool SameBytes(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// The words of the page being read, before they go into its list: in the
// order met, and a table of their places to tell a word met before. The
// table is open addressing over the list, so that a word costs no block of
// its own on the heap.
class PageWords {
 public:
  platform::TStringList found;  // unsorted, in the order met
  bool busy = false;

  // Adds a word the page has not brought before; false when it has.
  bool AddNew(std::string_view word) {
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (char c : word) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    for (; slots_[i].place != 0; i = (i + 1) & mask) {
      if (slots_[i].hash == hash && SameBytes(found[static_cast<int>(slots_[i].place - 1)], word)) return false;
    }
    slots_[i] = Slot{hash, static_cast<std::uint32_t>(found.Count() + 1)};
    taken_.push_back(static_cast<std::uint32_t>(i));
    ++used_;
    found.Add(std::string(word));
    return true;
  }

  // Empty while in use, and emptied after; the buffers stay.
  class Use {
   public:
    explicit Use(PageWords& words) : words_(words) { words_.busy = true; }
    ~Use() {
      words_.found.Clear();
      // The table keeps the size of the largest page so far: only the places
      // this page took are freed, not the whole table for every page.
      for (std::uint32_t i : words_.taken_) words_.slots_[i] = Slot{};
      words_.taken_.clear();
      words_.used_ = 0;
      words_.busy = false;
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

   private:
    PageWords& words_;
  };

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t place = 0;  // index in found + 1; 0 when free
  };

  void Grow() {
    std::vector<Slot> old(std::max<std::size_t>(slots_.size() * 2, 1024));
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    taken_.clear();
    for (const Slot& slot : old) {
      if (slot.place == 0) continue;
      std::size_t i = slot.hash & mask;
      while (slots_[i].place != 0) i = (i + 1) & mask;
      slots_[i] = slot;
      taken_.push_back(static_cast<std::uint32_t>(i));
    }
  }

  std::vector<Slot> slots_;
  std::vector<std::uint32_t> taken_;  // the places in use
  std::size_t used_ = 0;
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
  // this page is there already. The containers keep their buffers from page
  // to page, since under Wine a heap that hands out and takes back large
  // blocks between the pages' lists soon searches long for every block.
  thread_local PageWords shared;
  PageWords own;  // should a page ever be read while another one is
  PageWords& scratch = shared.busy ? own : shared;
  const PageWords::Use use(scratch);
  scanner_.CollectTagWordsInto(&scratch.found);
  // The scanner looks at the run every few kilobytes, the first time before
  // the first word: a closed progress window sets abort within a moment.
  scanner_.SetRun(&run);
  for (std::string_view word = scanner_.NextWord(abort); !abort && !word.empty(); word = scanner_.NextWord(abort)) {
    if (WordWidthOk(settings, word)) scratch.AddNew(word);
  }
  scanner_.SetRun(nullptr);
  scanner_.CollectTagWordsInto(nullptr);
  page_.words.AddStrings(scratch.found);
  if (run.Poll(abort)) return;
  page_.ComposeDescription(settings);
  page_.ApplyIndexModes(settings);
  page_.ApplyCorrections();
  project_.RemoveStopWords(pagePosition_);
  page_.LimitKeywords(settings);
}

}  // namespace core
