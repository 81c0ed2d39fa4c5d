#pragma once
// Text comparison in the user's locale, and the class library's string list:
// sorted or not, duplicates ignored, accepted or refused, case-insensitive
// locale order by default, comma text, name=value lines, load and save with
// CR, LF or CRLF in and CRLF out.
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// The one locale comparison of the programs (CompareStringA in the user's
// locale, case ignored); <0, 0 or >0.
int AnsiCompareText(const std::string& a, const std::string& b);
// The same with case.
int AnsiCompareStr(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
// The locale's sort key of s with case ignored: two keys compared byte by byte
// (then by length) order as AnsiCompareText orders their texts. Empty when
// the locale gives none (it gives none for the empty text).
std::string AnsiTextSortKey(const std::string& s);
// The sort keys the sorted lists of the process share at the moment.
std::size_t SharedSortKeyCount();
std::string AnsiUpperCase(std::string s);
std::string AnsiLowerCase(std::string s);

// Misuse of a list: an index out of range, a duplicate refused, an insertion
// out of order into a sorted list.
class EStringListError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

namespace detail {
struct SharedSortKey;
}

class TStringList {
 public:
  TStringList() = default;
  TStringList(std::initializer_list<std::string> lines);
  TStringList(const TStringList& other);
  TStringList(TStringList&& other) noexcept;
  TStringList& operator=(const TStringList& other);
  TStringList& operator=(TStringList&& other) noexcept;
  ~TStringList();

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int i) const { return Strings(i); }
  const std::string& Strings(int i) const;
  // Replaces line i; a sorted list refuses (the line would be out of order).
  void Put(int i, const std::string& s);
  void* Objects(int i) const;
  void PutObject(int i, void* object);

  // The index of s. A sorted list puts it in its place; there a duplicate is
  // ignored (giving the index of the line already there), accepted (after the
  // equal lines) or refused by throwing, as Duplicates says.
  int Add(const std::string& s);
  int AddObject(const std::string& s, void* object);
  // As Add for each line of other in turn, with the same result, but a
  // sorted list takes them all in one merge.
  void AddStrings(const TStringList& other);
  // Not on a sorted list: throws.
  void Insert(int i, const std::string& s);
  void InsertObject(int i, const std::string& s, void* object);
  void Delete(int i);
  // Deletes, in one pass, every line that other holds (other.IndexOf finds
  // it); the rest keep their order. Returns how many went.
  int DeleteLinesIn(const TStringList& other);
  void Clear();
  // Copies lines and objects; this list keeps its own flags (a sorted list
  // sorts them).
  void Assign(const TStringList& other);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
  bool CaseSensitive() const { return caseSensitive_; }
  // A sorted list sorts itself anew in the new order.
  void SetCaseSensitive(bool caseSensitive);

  // Stable, in the order of the list's comparison.
  void Sort();
  // Binary search of a sorted list: true when s is there, index then being its
  // first occurrence; false with index the place where s would go.
  bool Find(const std::string& s, int& index) const;
  // Find on a sorted list, else the first line equal by the list's comparison;
  // -1 when none.
  int IndexOf(const std::string& s) const;
  int IndexOfObject(const void* object) const;

  // Lines joined by ","; a line with blanks, control characters, quotes or
  // commas is double-quoted with inner quotes doubled.
  std::string CommaText() const;
  // Splits at commas and blanks outside double quotes.
  void SetCommaText(const std::string& text);
  // Every line followed by CRLF.
  std::string Text() const;
  // Splits at CR, LF or CRLF; a last line without a line end counts.
  void SetText(const std::string& text);

  // name=value lines: the part before the first "=" ("" when there is none).
  std::string Names(int i) const;
  std::string Values(const std::string& name) const;
  // An empty value deletes the line.
  void SetValue(const std::string& name, const std::string& value);
  // The first line whose name is name, case ignored in the locale; -1 if none.
  int IndexOfName(const std::string& name) const;

  void LoadFromFile(const std::string& path);  // EInOutError on failure
  void SaveToFile(const std::string& path) const;

  // The lines, for comparisons in tests and plain iteration.
  std::vector<std::string> Lines() const;
  bool operator==(const TStringList& other) const;  // same lines, byte for byte

 private:
  // A sorted list that ignores case compares its lines by their sort keys,
  // taken once per line from a pool that every list of the process shares:
  // the locale's comparison is far dearer than comparing bytes, and a page
  // holds the same words as the pages before it.
  struct Item {
    std::string text;
    void* object = nullptr;
    const detail::SharedSortKey* key = nullptr;  // while Keyed()
  };
  bool Keyed() const { return sorted_ && !caseSensitive_; }
  int Compare(const std::string& a, const std::string& b) const;
  int CompareLines(const std::string& a, const detail::SharedSortKey* aKey, const std::string& b,
                   const detail::SharedSortKey* bKey) const;
  int CompareItems(const Item& a, const Item& b) const;
  void CheckIndex(int i, bool allowEnd = false) const;
  int InsertSorted(const std::string& s, void* object);
  // Adds copies of the lines as Add would one by one. Their keys serve when
  // both lists have keys.
  void AddBatch(const Item* fresh, size_t count);
  // The same with lines of its own, which an unsorted list takes as they are.
  void AddLoaded(std::vector<Item> fresh);
  // Keys for every line, or none, as Keyed() says.
  void TakeKeys();
  void DropKeys();
  int FindItem(const Item& probe, bool& found) const;

  std::vector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

}  // namespace platform
