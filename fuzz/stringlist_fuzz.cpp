// The string list: text and comma text of any bytes, sorted and unsorted,
// with each duplicates mode; saved text loads back to the same lines.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "platform/base/StringList.h"

using platform::TDuplicates;
using platform::TStringList;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const bool sorted = in.ConsumeBool();
  const bool caseSensitive = in.ConsumeBool();
  const auto duplicates = static_cast<TDuplicates>(in.ConsumeIntegralInRange(0, 2));
  const bool comma = in.ConsumeBool();
  const std::string text = in.ConsumeRemainingBytesAsString();

  TStringList list;
  list.SetCaseSensitive(caseSensitive);
  list.SetDuplicates(duplicates);
  list.SetSorted(sorted);
  try {
    if (comma)
      list.SetCommaText(text);
    else
      list.SetText(text);
  } catch (const platform::EStringListError&) {
    FUZZ_CHECK(duplicates == TDuplicates::dupError);
    return 0;
  }
  for (int i = 1; sorted && i < list.Count(); ++i) {
    const int order = caseSensitive ? platform::AnsiCompareStr(list[i - 1], list[i])
                                    : platform::AnsiCompareText(list[i - 1], list[i]);
    FUZZ_CHECK(order <= 0);
    FUZZ_CHECK(order < 0 || duplicates == TDuplicates::dupAccept);
  }
  for (int i = 0; i < list.Count(); ++i) FUZZ_CHECK(list.IndexOf(list[i]) >= 0);

  // Comma text carries every line, whatever it holds, into one list.
  TStringList again;
  again.SetCommaText(list.CommaText());
  if (again.Lines() != list.Lines()) {
    FuzzDump("comma text", list.CommaText());
    for (const std::string& line : list.Lines()) FuzzDump("line", line);
    for (const std::string& line : again.Lines()) FuzzDump("read back", line);
  }
  FUZZ_CHECK(again.Lines() == list.Lines());

  // Text carries lines without line breaks.
  TStringList plain;
  for (int i = 0; i < list.Count(); ++i)
    if (list[i].find_first_of("\r\n") == std::string::npos) plain.Add(list[i]);
  TStringList reloaded;
  reloaded.SetText(plain.Text());
  FUZZ_CHECK(reloaded.Lines() == plain.Lines());
  return 0;
}
