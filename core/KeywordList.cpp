#include "core/KeywordList.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "platform/base/KeyOrder.h"
#include "platform/base/StringList.h"

namespace core {

namespace {

using platform::ByteOrder;
using platform::HeadOf;

// Every word met is looked up: eight bytes at a time, and without the
// runtime's byte-wise comparison, which is a call per word.
std::uint64_t Load64(const char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

std::uint64_t HashOf(std::string_view text) {
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
  std::uint64_t h = text.size() * kMul;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) h = (h ^ Load64(text.data() + i)) * kMul;
  std::uint64_t tail = 0;
  for (std::size_t shift = 0; i < text.size(); ++i, shift += 8)
    tail |= std::uint64_t{static_cast<unsigned char>(text[i])} << shift;
  h = (h ^ tail) * kMul;
  // A product's low bits depend only on its factors' low bits: the high
  // ones are mixed down, or the table's places would follow the first bytes.
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  return h ^ (h >> 33);
}

// A word's first bytes and its length in two numbers: for a word of up to
// fifteen bytes they are the word, so that most words are found without a
// look at their entry.
struct Brief {
  std::uint64_t head = 0;  // bytes 0-7
  std::uint64_t tail = 0;  // bytes 8-14, and the length (0xFF: longer) on top

  explicit Brief(std::string_view text) {
    const std::size_t n = std::min<std::size_t>(text.size(), 15);
    std::size_t i = 0;
    if (n >= 8) {
      head = Load64(text.data());
      i = 8;
    }
    for (; i < n; ++i) {
      const std::uint64_t byte = static_cast<unsigned char>(text[i]);
      if (i < 8) head |= byte << (8 * i);
      else tail |= byte << (8 * (i - 8));
    }
    tail |= std::uint64_t{text.size() <= 15 ? text.size() : 0xFF} << 56;
  }
  bool Whole() const { return (tail >> 56) != 0xFF; }
  bool operator==(const Brief& other) const { return head == other.head && tail == other.tail; }
};

// The hash of a word of up to fifteen bytes is made of its Brief, which holds
// those bytes already.
std::uint64_t HashOf(std::string_view text, const Brief& brief) {
  if (!brief.Whole()) return HashOf(text);
  std::uint64_t h = (brief.head ^ 0x9E3779B97F4A7C15ull) * 0xFF51AFD7ED558CCDull;
  h = (h ^ (h >> 32) ^ brief.tail) * 0xC4CEB9FE1A85EC53ull;
  return h ^ (h >> 29);
}

bool SameBytes(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  std::size_t i = 0;
  for (; i + 8 <= a.size(); i += 8)
    if (Load64(a.data() + i) != Load64(b.data() + i)) return false;
  for (; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// The distinct words of the process, numbered in the order first met. The
// entries lie in chunks that never move, their texts and keys packed in
// blocks; the table is open addressing over the numbers with each word's
// Brief beside them, at most half full.
class KeywordTable {
 public:
  static KeywordTable& Instance() {
    // Never destroyed: lists in static storage may outlive any other static.
    static KeywordTable* table = new KeywordTable;
    return *table;
  }

  // The entry of the word; seen tells whether the collection numbered mark
  // met it before (never for mark 0), and it has met it now.
  const KeywordEntry* Find(std::string_view text, std::uint32_t mark, bool& seen) {
    const Brief brief(text);
    const std::uint64_t hash = HashOf(text, brief);
    // Most words met are words of up to fifteen bytes met before: they are
    // answered from a small table that stays in the processor's cache,
    // without a look at the large one.
    Hot* hot = nullptr;
    if (brief.Whole()) {
      hot = &hot_[(hash >> 40) & (kHot - 1)];
      if (hot->id != kFree && hot->brief == brief) {
        // The cache holds the word's mark too: a word met again on the same
        // page costs nothing more.
        seen = mark != 0 && hot->mark == mark;
        if (mark != 0 && !seen) hot->mark = met_[hot->id] = mark;
        return At(hot->id);
      }
    }
    const std::uint32_t id = FindSlot(text, hash, brief);
    seen = mark != 0 && met_[id] == mark;
    if (mark != 0) met_[id] = mark;
    if (hot) *hot = Hot{brief, id, met_[id]};
    return At(id);
  }

  std::uint32_t FindSlot(std::string_view text, std::uint64_t hash, const Brief& brief) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (slot.id == kFree) {
        slot = Slot{brief, Add(text)->id};
        return slot.id;
      }
      if (slot.brief == brief && (brief.Whole() || SameBytes(At(slot.id)->Text(), text)))
        return slot.id;
    }
  }

  const KeywordEntry* Intern(std::string_view text) {
    bool seen = false;
    return Find(text, 0, seen);
  }

  const KeywordEntry* At(std::uint32_t id) const { return &chunks_[id >> kChunkBits][id & (kChunk - 1)]; }

  std::uint32_t NextMark() {
    if (++marks_ == 0) {
      // Numbers come round again: no collection may find an old one's mark.
      std::fill(met_.begin(), met_.end(), 0);
      for (Hot& hot : hot_) hot.mark = 0;
      marks_ = 1;
    }
    return marks_;
  }

 private:
  static constexpr std::uint32_t kFree = 0xFFFFFFFF;
  static constexpr unsigned kChunkBits = 12;
  static constexpr std::size_t kChunk = std::size_t{1} << kChunkBits;

  struct Slot {
    Brief brief{std::string_view()};
    std::uint32_t id = kFree;
  };
  struct Hot {
    Brief brief{std::string_view()};
    std::uint32_t id = kFree;
    std::uint32_t mark = 0;  // met_[id], kept alike
  };
  static constexpr std::size_t kHot = 8192;

  const KeywordEntry* Add(std::string_view text) {
    const std::string key = platform::AnsiTextSortKey(std::string(text));
    if (count_ == kFree - 1) throw std::length_error("zu viele verschiedene W\xF6rter");
    if ((count_ & (kChunk - 1)) == 0) chunks_.push_back(std::make_unique<KeywordEntry[]>(kChunk));
    KeywordEntry& entry = chunks_.back()[count_ & (kChunk - 1)];
    char* bytes = Keep(text.size() + key.size());
    std::memcpy(bytes, text.data(), text.size());
    std::memcpy(bytes + text.size(), key.data(), key.size());
    entry.bytes = bytes;
    entry.textSize = static_cast<std::uint32_t>(text.size());
    entry.keySize = static_cast<std::uint32_t>(key.size());
    entry.id = static_cast<std::uint32_t>(count_++);
    met_.push_back(0);
    return &entry;
  }

  void Grow() {
    std::vector<Slot> old(std::max<std::size_t>(slots_.size() * 2, 4096));
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.id == kFree) continue;
      const std::string_view text = At(slot.id)->Text();
      std::size_t i = HashOf(text, Brief(text)) & mask;
      while (slots_[i].id != kFree) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }

  char* Keep(std::size_t size) {
    constexpr std::size_t kBlock = 64 * 1024;
    if (blocks_.empty() || size > kBlock - used_) {
      blocks_.push_back(std::make_unique<char[]>(std::max(kBlock, size)));
      used_ = 0;
    }
    char* at = blocks_.back().get() + used_;
    used_ += size;
    return at;
  }

  std::vector<std::unique_ptr<KeywordEntry[]>> chunks_;
  std::size_t count_ = 0;
  std::vector<Slot> slots_;
  std::vector<Hot> hot_ = std::vector<Hot>(kHot);
  std::vector<std::uint32_t> met_;  // by number: the collection that met the word last
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t used_ = 0;
  std::uint32_t marks_ = 0;
};

const KeywordEntry* At(std::uint32_t id) { return KeywordTable::Instance().At(id); }

}  // namespace

const KeywordEntry* InternKeyword(std::string_view word) { return KeywordTable::Instance().Intern(word); }

int CompareKeywords(const KeywordEntry* a, const KeywordEntry* b) {
  if (a == b) return 0;
  if (a->keySize > 0 && b->keySize > 0) {
    const std::string_view ka = a->SortKey();
    const std::string_view kb = b->SortKey();
    const std::uint64_t ha = HeadOf(ka);
    const std::uint64_t hb = HeadOf(kb);
    if (ha != hb) return ha < hb ? -1 : 1;
    return ByteOrder(ka, kb);
  }
  return platform::AnsiCompareText(std::string(a->Text()), std::string(b->Text()));
}

// --- KeywordCollector ---

KeywordCollector::KeywordCollector() : mark_(KeywordTable::Instance().NextMark()) {}

void KeywordCollector::Add(std::string_view word) {
  bool seen = false;
  const KeywordEntry* entry = KeywordTable::Instance().Find(word, mark_, seen);
  if (!seen) words_.push_back(entry);
}

void KeywordCollector::Clear() {
  words_.clear();
  mark_ = KeywordTable::Instance().NextMark();
}

// --- KeywordList ---

void KeywordList::CheckIndex(int i) const {
  if (i < 0 || i >= Count())
    throw platform::EStringListError("Listenindex au\xDF" "erhalb des g\xFCltigen Bereichs (" + std::to_string(i) + ")");
}

const KeywordEntry* KeywordList::Entry(int i) const {
  CheckIndex(i);
  return At(entries_[static_cast<std::size_t>(i)]);
}

std::string_view KeywordList::Strings(int i) const { return Entry(i)->Text(); }

std::size_t KeywordList::LowerBound(const KeywordEntry* entry, bool& found) const {
  std::size_t lo = 0, hi = entries_.size();
  found = false;
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    const int c = CompareKeywords(At(entries_[mid]), entry);
    if (c < 0) {
      lo = mid + 1;
    } else {
      if (c == 0) found = true;
      hi = mid;
    }
  }
  return lo;
}

int KeywordList::Add(std::string_view word) {
  cleanOf_ = 0;
  const KeywordEntry* entry = InternKeyword(word);
  if (!sorted_) {
    entries_.push_back(entry->id);
    return Count() - 1;
  }
  bool found = false;
  const std::size_t at = LowerBound(entry, found);
  if (!found) entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), entry->id);
  return static_cast<int>(at);
}

void KeywordList::AddAll(const std::vector<const KeywordEntry*>& words) {
  if (words.empty()) return;
  cleanOf_ = 0;
  if (!sorted_) {
    for (const KeywordEntry* entry : words) entries_.push_back(entry->id);
    return;
  }
  // The new words in order, the first met of equal ones in front; then each
  // kept unless an equal one is already here or was kept just before.
  // Each record carries the first sixteen bytes of its key, where most
  // comparisons end without a look at the entry (a character takes two).
  struct Fresh {
    std::uint64_t head;  // 0: no key, compared in full
    std::uint64_t next;  // the key's bytes 8-15
    const KeywordEntry* entry;
    std::size_t from;
  };
  auto compare = [](const Fresh& a, const Fresh& b) {
    if (a.head && b.head) {
      if (a.head != b.head) return a.head < b.head ? -1 : 1;
      if (a.next != b.next) return a.next < b.next ? -1 : 1;
    }
    return CompareKeywords(a.entry, b.entry);
  };
  thread_local std::vector<Fresh> order;
  order.clear();
  order.reserve(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view key = words[i]->SortKey();
    order.push_back(Fresh{key.empty() ? 0 : HeadOf(key), key.size() > 8 ? HeadOf(key.substr(8)) : 0, words[i], i});
  }
  std::sort(order.begin(), order.end(), [&](const Fresh& a, const Fresh& b) {
    const int c = compare(a, b);
    return c != 0 ? c < 0 : a.from < b.from;
  });
  std::vector<std::uint32_t> merged;
  // A little room for the few words that commonly follow (a page's META
  // keywords and corrections).
  merged.reserve(entries_.size() + order.size() + order.size() / 32 + 4);
  std::size_t old = 0;
  const KeywordEntry* lastOld = nullptr;  // the last word kept, when it was here before
  const Fresh* lastFresh = nullptr;       // or when it is new
  for (const Fresh& fresh : order) {
    const KeywordEntry* entry = fresh.entry;
    int c = -1;
    while (old < entries_.size() && (c = CompareKeywords(At(entries_[old]), entry)) < 0) {
      lastOld = At(entries_[old]);
      lastFresh = nullptr;
      merged.push_back(entries_[old++]);
    }
    if (old < entries_.size() && c == 0) continue;
    if (lastFresh ? compare(*lastFresh, fresh) == 0 : lastOld && CompareKeywords(lastOld, entry) == 0) continue;
    merged.push_back(entry->id);
    lastFresh = &fresh;
    lastOld = nullptr;
  }
  merged.insert(merged.end(), entries_.begin() + static_cast<std::ptrdiff_t>(old), entries_.end());
  entries_.swap(merged);
}

void KeywordList::AddStrings(const platform::TStringList& words) {
  std::vector<const KeywordEntry*> entries;
  entries.reserve(static_cast<std::size_t>(words.Count()));
  for (int i = 0; i < words.Count(); ++i) entries.push_back(InternKeyword(words[i]));
  AddAll(entries);
}

int KeywordList::IndexOf(std::string_view word) const {
  const KeywordEntry* entry = InternKeyword(word);
  if (sorted_) {
    bool found = false;
    const std::size_t at = LowerBound(entry, found);
    return found ? static_cast<int>(at) : -1;
  }
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (CompareKeywords(At(entries_[i]), entry) == 0) return static_cast<int>(i);
  return -1;
}

void KeywordList::Delete(int i) {
  CheckIndex(i);
  entries_.erase(entries_.begin() + i);
}

int KeywordList::DeleteLinesIn(const platform::TStringList& other) {
  if (entries_.empty() || other.Count() == 0) return 0;
  // A run deletes one stop-word list from every page, twice: its entries are
  // kept from call to call while the list holds the same lines, which costs
  // far less to check than to look every word up again.
  struct Interned {
    const platform::TStringList* list = nullptr;
    std::uint64_t fingerprint = 0;
    std::vector<const KeywordEntry*> entries;
  };
  thread_local Interned memo;
  std::uint64_t fingerprint = static_cast<std::uint64_t>(other.Count());
  for (int i = 0; i < other.Count(); ++i) fingerprint = (fingerprint ^ HashOf(other[i])) * 0x100000001B3ull;
  if (memo.list != &other || memo.fingerprint != fingerprint ||
      memo.entries.size() != static_cast<std::size_t>(other.Count())) {
    memo.list = &other;
    memo.fingerprint = fingerprint;
    memo.entries.clear();
    for (int i = 0; i < other.Count(); ++i) memo.entries.push_back(InternKeyword(other[i]));
  }
  const std::vector<const KeywordEntry*>& gone = memo.entries;
  // Deleting the same words again from a list that gained none since finds
  // nothing: the run's second pass over its pages costs nothing then.
  if (cleanOf_ == fingerprint && fingerprint != 0) return 0;
  // Both in list order: one walk through both.
  const bool walk = sorted_ && other.Sorted() && !other.CaseSensitive();
  std::size_t j = 0;
  auto held = [&](std::uint32_t id) {
    const KeywordEntry* entry = At(id);
    if (!walk) {
      return std::any_of(gone.begin(), gone.end(),
                         [&](const KeywordEntry* g) { return CompareKeywords(g, entry) == 0; });
    }
    while (j < gone.size() && CompareKeywords(gone[j], entry) < 0) ++j;
    return j < gone.size() && CompareKeywords(gone[j], entry) == 0;
  };
  const std::size_t before = entries_.size();
  std::erase_if(entries_, held);
  if (walk) cleanOf_ = fingerprint;
  return static_cast<int>(before - entries_.size());
}

void KeywordList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  if (sorted_) {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](std::uint32_t a, std::uint32_t b) { return CompareKeywords(At(a), At(b)) < 0; });
  }
}

void KeywordList::Put(int i, std::string_view word) {
  if (sorted_) throw platform::EStringListError("Bei sortierten Listen nicht erlaubt");
  CheckIndex(i);
  entries_[static_cast<std::size_t>(i)] = InternKeyword(word)->id;
  cleanOf_ = 0;
}

std::vector<std::string> KeywordList::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(entries_.size());
  for (std::uint32_t id : entries_) lines.emplace_back(At(id)->Text());
  return lines;
}

platform::TStringList KeywordList::ToStringList() const {
  platform::TStringList list;
  list.SetCaseSensitive(false);
  list.SetDuplicates(platform::TDuplicates::dupIgnore);
  list.SetSorted(sorted_);
  for (std::uint32_t id : entries_) list.Add(std::string(At(id)->Text()));
  return list;
}

void KeywordList::Assign(const platform::TStringList& words) {
  entries_.clear();
  AddStrings(words);
}

std::int64_t KeywordList::TotalLength() const {
  std::int64_t total = 0;
  for (std::uint32_t id : entries_) total += At(id)->textSize;
  return total;
}

}  // namespace core
