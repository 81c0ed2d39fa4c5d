#include "platform/base/StringList.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <mutex>
#include <memory>

#include "platform/base/Files.h"
#include "platform/base/KeyOrder.h"

namespace platform {

namespace {

// Bytes up to and including the blank: control characters and the blank.
bool IsSpaceOrControl(unsigned char c) { return c <= ' '; }

}  // namespace

namespace detail {

struct SharedSortKey {
  uint64_t hash = 0;             // of the text, as the pool hashes it
  uint64_t head = 0;             // HeadOf(bytes)
  mutable std::size_t refs = 0;  // lines holding it; guarded by the pool's lock
  std::string text;              // the line it belongs to
  std::string bytes;             // empty: the locale gave none
};

}  // namespace detail

namespace {

using detail::SharedSortKey;

// The sort keys of the lines of all sorted lists, one per distinct text, kept
// while some line holds it. Every call that takes the lock does a whole list's
// worth of work under it. The table is open addressing with the texts' hashes
// beside the keys: a page's words are looked up by the thousand, and each
// cache miss on the way to a key costs more than comparing it.
class SortKeyPool {
 public:
  static SortKeyPool& Instance() {
    // Never destroyed: lists in static storage may outlive any other static.
    static SortKeyPool* pool = new SortKeyPool;
    return *pool;
  }

  static uint64_t HashOf(const std::string& text) {
    uint64_t h = 14695981039346656037ull;  // FNV-1a: the texts are words, short
    for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
  }

  std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mutex_); }

  // Loads the place of a text, and then the key there, ahead of Acquire:
  // called some lookups before, they overlap their waits for memory.
  void PrefetchPlace(uint64_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
  }
  void PrefetchKey(uint64_t hash) const {
    if (slots_.empty()) return;
    const Slot& slot = slots_[hash & (slots_.size() - 1)];
    if (slot.key && slot.key != Gravestone()) __builtin_prefetch(slot.key);
  }

  const SharedSortKey* Acquire(const std::string& text) { return Acquire(text, HashOf(text)); }

  const SharedSortKey* Acquire(const std::string& text, uint64_t hash) {
    if ((live_ + graves_ + 1) * 2 > slots_.size()) Rehash();
    const size_t mask = slots_.size() - 1;
    Slot* grave = nullptr;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (!slot.key) {
        Slot& place = grave ? *grave : slot;
        auto key = std::make_unique<SharedSortKey>();
        key->hash = hash;
        key->text = text;
        key->bytes = AnsiTextSortKey(text);
        key->head = platform::HeadOf(key->bytes);
        key->refs = 1;
        if (grave) --graves_;
        ++live_;
        place = Slot{hash, key.release()};
        return place.key;
      }
      if (slot.key == Gravestone()) {
        if (!grave) grave = &slot;
      } else if (slot.hash == hash && ByteOrder(slot.key->text, text) == 0) {
        ++slot.key->refs;
        return slot.key;
      }
    }
  }

  static void Retain(const SharedSortKey* key) { ++key->refs; }

  void Release(const SharedSortKey* key) {
    if (--key->refs > 0) return;
    const size_t mask = slots_.size() - 1;
    size_t i = key->hash & mask;
    while (slots_[i].key != key) i = (i + 1) & mask;
    slots_[i].key = Gravestone();
    ++graves_;
    --live_;
    delete key;
  }

  std::size_t Count() {
    const auto lock = Lock();
    return live_;
  }

 private:
  struct Slot {
    uint64_t hash = 0;
    SharedSortKey* key = nullptr;  // none yet, a key, or the gravestone of one
  };

  // Marks a place whose key went: a search goes on past it.
  static SharedSortKey* Gravestone() {
    static SharedSortKey grave;
    return &grave;
  }

  // At most a quarter full afterwards, so that searches stay short.
  void Rehash() {
    size_t size = 1024;
    while (size < (live_ + 1) * 4) size *= 2;
    std::vector<Slot> old(size);
    old.swap(slots_);
    graves_ = 0;
    const size_t mask = size - 1;
    for (const Slot& slot : old) {
      if (!slot.key || slot.key == Gravestone()) continue;
      size_t i = slot.hash & mask;
      while (slots_[i].key) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }

  std::mutex mutex_;
  std::vector<Slot> slots_;  // a power of two of them
  size_t live_ = 0;
  size_t graves_ = 0;
};

}  // namespace

bool SameText(const std::string& a, const std::string& b) { return AnsiCompareText(a, b) == 0; }

std::size_t SharedSortKeyCount() { return SortKeyPool::Instance().Count(); }

// --- TStringList ---

TStringList::TStringList(std::initializer_list<std::string> lines) {
  for (const auto& s : lines) Add(s);
}

TStringList::TStringList(const TStringList& other)
    : items_(other.items_),
      sorted_(other.sorted_),
      caseSensitive_(other.caseSensitive_),
      duplicates_(other.duplicates_) {
  if (!Keyed()) return;
  const auto lock = SortKeyPool::Instance().Lock();
  for (const auto& item : items_) SortKeyPool::Retain(item.key);
}

TStringList::TStringList(TStringList&& other) noexcept
    : items_(std::move(other.items_)),
      sorted_(other.sorted_),
      caseSensitive_(other.caseSensitive_),
      duplicates_(other.duplicates_) {
  other.items_.clear();
}

TStringList& TStringList::operator=(const TStringList& other) {
  if (this != &other) *this = TStringList(other);
  return *this;
}

TStringList& TStringList::operator=(TStringList&& other) noexcept {
  if (this == &other) return *this;
  Clear();
  items_ = std::move(other.items_);
  other.items_.clear();
  sorted_ = other.sorted_;
  caseSensitive_ = other.caseSensitive_;
  duplicates_ = other.duplicates_;
  return *this;
}

TStringList::~TStringList() { Clear(); }

int TStringList::Compare(const std::string& a, const std::string& b) const {
  return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

int TStringList::CompareLines(const std::string& a, const detail::SharedSortKey* aKey, const std::string& b,
                              const detail::SharedSortKey* bKey) const {
  if (aKey && bKey) {
    if (aKey == bKey) return 0;
    if (!aKey->bytes.empty() && !bKey->bytes.empty()) {
      if (aKey->head != bKey->head) return aKey->head < bKey->head ? -1 : 1;
      return ByteOrder(aKey->bytes, bKey->bytes);
    }
  }
  return Compare(a, b);
}

int TStringList::CompareItems(const Item& a, const Item& b) const { return CompareLines(a.text, a.key, b.text, b.key); }

void TStringList::TakeKeys() {
  if (!Keyed()) return;
  auto& pool = SortKeyPool::Instance();
  const auto lock = pool.Lock();
  for (auto& item : items_) {
    if (!item.key) item.key = pool.Acquire(item.text);
  }
}

void TStringList::DropKeys() {
  if (!Keyed()) return;  // the lines of other lists hold no keys
  auto& pool = SortKeyPool::Instance();
  const auto lock = pool.Lock();
  constexpr size_t kAhead = 8;  // the keys lie all over the heap
  for (size_t i = 0; i < items_.size(); ++i) {
    if (i + kAhead < items_.size() && items_[i + kAhead].key) __builtin_prefetch(items_[i + kAhead].key);
    if (items_[i].key) pool.Release(items_[i].key);
    items_[i].key = nullptr;
  }
}

void TStringList::CheckIndex(int i, bool allowEnd) const {
  if (i < 0 || i > Count() || (i == Count() && !allowEnd))
    throw EStringListError("Listenindex außerhalb des gültigen Bereichs (" + std::to_string(i) + ")");
}

const std::string& TStringList::Strings(int i) const {
  CheckIndex(i);
  return items_[static_cast<size_t>(i)].text;
}

void TStringList::Put(int i, const std::string& s) {
  if (sorted_) throw EStringListError("Bei sortierten Listen nicht erlaubt");
  CheckIndex(i);
  items_[static_cast<size_t>(i)].text = s;
}

void* TStringList::Objects(int i) const {
  CheckIndex(i);
  return items_[static_cast<size_t>(i)].object;
}

void TStringList::PutObject(int i, void* object) {
  CheckIndex(i);
  items_[static_cast<size_t>(i)].object = object;
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, void* object) {
  if (sorted_) return InsertSorted(s, object);
  items_.push_back({s, object});
  return Count() - 1;
}

int TStringList::InsertSorted(const std::string& s, void* object) {
  Item item{s, object, nullptr};
  auto& pool = SortKeyPool::Instance();
  if (Keyed()) {
    const auto lock = pool.Lock();
    item.key = pool.Acquire(s);
  }
  // The key goes back to the pool unless the line stays.
  const detail::SharedSortKey* const key = item.key;
  auto giveBack = [&] {
    if (!key) return;
    const auto lock = pool.Lock();
    pool.Release(key);
  };
  bool found = false;
  int index = FindItem(item, found);
  if (found) {
    switch (duplicates_) {
      case TDuplicates::dupIgnore:
        giveBack();
        return index;
      case TDuplicates::dupError:
        giveBack();
        throw EStringListError("Die Liste erlaubt keine Duplikate");
      case TDuplicates::dupAccept:
        // After the equal lines, so that equal lines keep the order they came in.
        while (index < Count() && CompareItems(items_[static_cast<size_t>(index)], item) == 0) ++index;
        break;
    }
  }
  try {
    items_.insert(items_.begin() + index, std::move(item));
  } catch (...) {
    giveBack();
    throw;
  }
  return index;
}

void TStringList::AddBatch(const Item* fresh, size_t count) {
  if (count == 0) return;
  if (!sorted_) {
    for (size_t i = 0; i < count; ++i) items_.push_back(Item{fresh[i].text, fresh[i].object, nullptr});
    return;
  }
  if (duplicates_ == TDuplicates::dupError) {
    // Refusing must leave the lines before the duplicate added.
    for (size_t i = 0; i < count; ++i) InsertSorted(fresh[i].text, fresh[i].object);
    return;
  }
  // The new lines are put in order as small records, and the list's items
  // are then built once, in their places. The records are kept from call to
  // call: a run adds a batch per page, and every buffer the heap hands out
  // and takes back between the lists that stay fragments it.
  struct Fresh {
    uint64_t head;  // of the key, where most comparisons end
    const SharedSortKey* key;
    size_t from;
  };
  thread_local std::vector<Fresh> order;
  order.clear();
  order.reserve(count);
  auto& pool = SortKeyPool::Instance();
  const bool keyed = Keyed();
  for (size_t i = 0; i < count; ++i) order.push_back(Fresh{0, nullptr, i});
  if (keyed) {
    // The hashes first, then the lookups, each a few places behind the loads
    // of what they will need.
    for (auto& f : order) f.head = fresh[f.from].key ? 0 : SortKeyPool::HashOf(fresh[f.from].text);
    const auto lock = pool.Lock();
    constexpr size_t kAhead = 16;
    for (size_t i = 0; i < count; ++i) {
      if (i + 2 * kAhead < count) pool.PrefetchPlace(order[i + 2 * kAhead].head);
      if (i + kAhead < count) pool.PrefetchKey(order[i + kAhead].head);
      Fresh& f = order[i];
      if (const SharedSortKey* given = fresh[f.from].key) {
        SortKeyPool::Retain(given);
        f.key = given;
      } else {
        f.key = pool.Acquire(fresh[f.from].text, f.head);
      }
      f.head = f.key->bytes.empty() ? 0 : f.key->head;
    }
  }
  auto compare = [&](const Fresh& a, const Fresh& b) {
    // Heads of keys that differ order as their keys do; a line without key
    // has head 0 and is compared in full.
    if (a.head != b.head && a.head && b.head) return a.head < b.head ? -1 : 1;
    return CompareLines(fresh[a.from].text, a.key, fresh[b.from].text, b.key);
  };
  auto compareOld = [&](const Item& old, const Fresh& b) {
    return CompareLines(old.text, old.key, fresh[b.from].text, b.key);
  };
  // Of equal lines the one added earlier comes first, as with one Add after
  // the other.
  std::sort(order.begin(), order.end(), [&](const Fresh& a, const Fresh& b) {
    const int c = compare(a, b);
    return c != 0 ? c < 0 : a.from < b.from;
  });
  if (duplicates_ == TDuplicates::dupIgnore) {
    // The first of equal lines stays: one already in the list, else the
    // first one added.
    std::unique_lock<std::mutex> lock;
    if (keyed) lock = pool.Lock();
    size_t kept = 0;
    size_t old = 0;
    for (size_t i = 0; i < order.size(); ++i) {
      while (old < items_.size() && compareOld(items_[old], order[i]) < 0) ++old;
      const bool duplicate = (kept > 0 && compare(order[kept - 1], order[i]) == 0) ||
                             (old < items_.size() && compareOld(items_[old], order[i]) == 0);
      if (!duplicate) {
        order[kept++] = order[i];
      } else if (order[i].key) {
        pool.Release(order[i].key);
      }
    }
    order.resize(kept);
  }
  std::vector<Item> added;
  try {
    // A little room for the few lines that commonly follow a batch (a page's
    // META keywords and corrections): growing the buffer would double it.
    added.reserve(order.size() + order.size() / 32 + 16);
    for (const auto& f : order) added.push_back(Item{fresh[f.from].text, fresh[f.from].object, f.key});
    if (items_.empty()) {
      items_.swap(added);
      return;
    }
    std::vector<Item> merged;
    merged.reserve(items_.size() + added.size());
    size_t old = 0;
    for (auto& item : added) {
      // After the equal lines already there.
      while (old < items_.size() && CompareItems(items_[old], item) <= 0) merged.push_back(std::move(items_[old++]));
      merged.push_back(std::move(item));
    }
    while (old < items_.size()) merged.push_back(std::move(items_[old++]));
    items_.swap(merged);
  } catch (...) {
    if (keyed) {
      const auto lock = pool.Lock();
      for (const auto& f : order) pool.Release(f.key);
    }
    throw;
  }
}

void TStringList::AddLoaded(std::vector<Item> fresh) {
  if (sorted_) {
    AddBatch(fresh.data(), fresh.size());
  } else if (items_.empty()) {
    items_ = std::move(fresh);
  } else {
    items_.insert(items_.end(), std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
  }
}

void TStringList::AddStrings(const TStringList& other) {
  if (&other == this) {
    const TStringList copy = other;
    AddStrings(copy);
    return;
  }
  // The other list's keys serve here too when both lists have keys.
  AddBatch(other.items_.data(), other.items_.size());
}

void TStringList::Insert(int i, const std::string& s) { InsertObject(i, s, nullptr); }

void TStringList::InsertObject(int i, const std::string& s, void* object) {
  if (sorted_) throw EStringListError("Bei sortierten Listen nicht erlaubt");
  CheckIndex(i, true);
  items_.insert(items_.begin() + i, Item{s, object});
}

void TStringList::Delete(int i) {
  CheckIndex(i);
  if (const auto* key = items_[static_cast<size_t>(i)].key) {
    auto& pool = SortKeyPool::Instance();
    const auto lock = pool.Lock();
    pool.Release(key);
  }
  items_.erase(items_.begin() + i);
}

int TStringList::DeleteLinesIn(const TStringList& other) {
  if (items_.empty() || other.items_.empty()) return 0;
  // Two lists sorted in the same order meet in one walk through both.
  const bool walk = Keyed() && other.Keyed();
  size_t j = 0;
  auto held = [&](const Item& item) {
    if (!walk) return other.IndexOf(item.text) >= 0;
    while (j < other.items_.size() && CompareItems(other.items_[j], item) < 0) ++j;
    return j < other.items_.size() && CompareItems(other.items_[j], item) == 0;
  };
  // The pool's lock is held for the keys of the lines that go: the other list
  // asks the pool only when it has keys, and then the walk asks nothing.
  auto& pool = SortKeyPool::Instance();
  std::unique_lock<std::mutex> lock;
  if (Keyed()) lock = pool.Lock();
  size_t kept = 0;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (held(items_[i])) {
      if (items_[i].key) pool.Release(items_[i].key);
      continue;
    }
    if (kept != i) items_[kept] = std::move(items_[i]);
    ++kept;
  }
  const int count = static_cast<int>(items_.size() - kept);
  items_.resize(kept);
  return count;
}

void TStringList::Clear() {
  DropKeys();
  items_.clear();
}

void TStringList::Assign(const TStringList& other) {
  if (&other == this) return;
  Clear();
  AddStrings(other);
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (!sorted) {
    // Lines of an unsorted list may be replaced: their keys would go stale.
    DropKeys();
    sorted_ = false;
    return;
  }
  sorted_ = true;
  TakeKeys();
  Sort();
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == caseSensitive_) return;
  DropKeys();
  caseSensitive_ = caseSensitive;
  TakeKeys();
  if (sorted_) Sort();
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const Item& a, const Item& b) { return CompareItems(a, b) < 0; });
}

int TStringList::FindItem(const Item& probe, bool& found) const {
  // The first line not below probe.
  int lo = 0, hi = Count();
  found = false;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    const int c = CompareItems(items_[static_cast<size_t>(mid)], probe);
    if (c < 0) {
      lo = mid + 1;
    } else {
      if (c == 0) found = true;
      hi = mid;
    }
  }
  return lo;
}

bool TStringList::Find(const std::string& s, int& index) const {
  Item probe{s, nullptr, nullptr};
  auto& pool = SortKeyPool::Instance();
  if (Keyed()) {
    const auto lock = pool.Lock();
    probe.key = pool.Acquire(s);
  }
  bool found = false;
  index = FindItem(probe, found);
  if (probe.key) {
    const auto lock = pool.Lock();
    pool.Release(probe.key);
  }
  return found;
}

int TStringList::IndexOf(const std::string& s) const {
  if (sorted_) {
    int index = 0;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (Compare(items_[static_cast<size_t>(i)].text, s) == 0) return i;
  return -1;
}

int TStringList::IndexOfObject(const void* object) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)].object == object) return i;
  return -1;
}

std::string TStringList::CommaText() const {
  std::string out;
  for (size_t i = 0; i < items_.size(); ++i) {
    const std::string& s = items_[i].text;
    if (i > 0) out += ',';
    // An empty last line is quoted: a trailing comma, or nothing at all,
    // would read back as no line.
    const bool last = i + 1 == items_.size();
    const bool quote = (last && s.empty()) || std::any_of(s.begin(), s.end(), [](char c) {
      return IsSpaceOrControl(static_cast<unsigned char>(c)) || c == '"' || c == ',';
    });
    if (!quote) {
      out += s;
      continue;
    }
    out += '"';
    for (char c : s) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out;
}

void TStringList::SetCommaText(const std::string& text) {
  Clear();
  std::vector<Item> fresh;
  const size_t n = text.size();
  size_t p = 0;
  auto skipBlanks = [&] {
    while (p < n && IsSpaceOrControl(static_cast<unsigned char>(text[p]))) ++p;
  };
  skipBlanks();
  while (p < n) {
    std::string s;
    if (text[p] == '"') {
      // Up to the closing quote; a doubled quote stands for one. An unclosed
      // quote runs to the end.
      ++p;
      while (p < n) {
        if (text[p] == '"') {
          if (p + 1 < n && text[p + 1] == '"') {
            s += '"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        s += text[p++];
      }
    } else {
      const size_t start = p;
      while (p < n && !IsSpaceOrControl(static_cast<unsigned char>(text[p])) && text[p] != ',') ++p;
      s = text.substr(start, p - start);
    }
    fresh.push_back(Item{std::move(s), nullptr, nullptr});
    skipBlanks();
    if (p < n && text[p] == ',') {
      ++p;
      skipBlanks();
    }
  }
  AddLoaded(std::move(fresh));
}

std::string TStringList::Text() const {
  size_t size = 0;
  for (const auto& item : items_) size += item.text.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& item : items_) {
    out += item.text;
    out += "\r\n";
  }
  return out;
}

void TStringList::SetText(const std::string& text) {
  Clear();
  std::vector<Item> fresh;
  const size_t n = text.size();
  size_t p = 0;
  while (p < n) {
    const size_t end = text.find_first_of("\r\n", p);
    const size_t stop = end == std::string::npos ? n : end;
    fresh.push_back(Item{text.substr(p, stop - p), nullptr, nullptr});
    p = stop;
    if (p < n && text[p] == '\r') ++p;
    if (p < n && text[p] == '\n') ++p;
  }
  AddLoaded(std::move(fresh));
}

std::string TStringList::Names(int i) const {
  const std::string& s = Strings(i);
  const size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

int TStringList::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& s = items_[static_cast<size_t>(i)].text;
    const size_t eq = s.find('=');
    if (eq != std::string::npos && AnsiCompareText(s.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

std::string TStringList::Values(const std::string& name) const {
  const int i = IndexOfName(name);
  if (i < 0) return std::string();
  const std::string& s = items_[static_cast<size_t>(i)].text;
  return s.substr(s.find('=') + 1);
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  if (sorted_) {
    // The new line may belong elsewhere in the order.
    if (i >= 0) Delete(i);
    Add(name + "=" + value);
    return;
  }
  if (i < 0) i = Add(std::string());
  Put(i, name + "=" + value);
}

void TStringList::LoadFromFile(const std::string& path) { SetText(ReadFileBytes(path)); }

// A failing save must not leave a truncated list behind.
void TStringList::SaveToFile(const std::string& path) const { ReplaceFileBytes(path, Text()); }

std::vector<std::string> TStringList::Lines() const {
  std::vector<std::string> out;
  out.reserve(items_.size());
  for (const auto& item : items_) out.push_back(item.text);
  return out;
}

bool TStringList::operator==(const TStringList& other) const {
  return items_.size() == other.items_.size() &&
         std::equal(items_.begin(), items_.end(), other.items_.begin(),
                    [](const Item& a, const Item& b) { return a.text == b.text; });
}

}  // namespace platform
