// The INI document: parse any bytes, edit, write out and parse again; the
// edited values and the values of every key must read back the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <stdexcept>
#include <string>

#include "FuzzCheck.h"
#include "platform/base/IniDocument.h"

using platform::IniDocument;

namespace {

// A line break (CR, LF or CRLF) in a name or value is written as one blank.
std::string OneLine(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    const bool lineBreak = s[i] == '\r' || s[i] == '\n';
    out += lineBreak ? ' ' : s[i];
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
  }
  return out;
}

// Every section, key and value of a must be in b.
void CheckSameValues(const IniDocument& a, const IniDocument& b) {
  if (a.Sections() != b.Sections()) {
    FuzzDump("text", a.Text());
    for (const std::string& s : a.Sections()) FuzzDump("section", s);
    for (const std::string& s : b.Sections()) FuzzDump("read back", s);
  }
  FUZZ_CHECK(a.Sections() == b.Sections());
  for (const std::string& section : a.Sections()) {
    FUZZ_CHECK(a.Keys(section) == b.Keys(section));
    for (const std::string& key : a.Keys(section)) FUZZ_CHECK(a.Read(section, key) == b.Read(section, key));
  }
}

std::string PickSection(FuzzedDataProvider& in, const IniDocument& doc) {
  const auto sections = doc.Sections();
  if (!sections.empty() && in.ConsumeBool()) return sections[in.ConsumeIntegralInRange<size_t>(0, sections.size() - 1)];
  return in.ConsumeRandomLengthString(24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  IniDocument doc = IniDocument::Parse(in.ConsumeRandomLengthString(size));
  for (const std::string& section : doc.Sections())
    for (const std::string& key : doc.Keys(section)) FUZZ_CHECK(doc.Read(section, key).has_value());
  CheckSameValues(doc, IniDocument::Parse(doc.Text()));

  for (int step = 0; step < 16 && in.remaining_bytes() > 0; ++step) {
    const std::string section = PickSection(in, doc);
    switch (in.ConsumeIntegralInRange(0, 3)) {
      case 0:
      case 1: {
        const std::string key = in.ConsumeRandomLengthString(16);
        const std::string value = in.ConsumeRandomLengthString(64);
        try {
          doc.Write(section, key, value);
        } catch (const std::invalid_argument&) {
          break;  // a name no line can hold
        }
        // Names are written on one line too.
        FUZZ_CHECK(doc.Read(OneLine(section), OneLine(key)) == OneLine(value));
        break;
      }
      case 2: {
        const auto keys = doc.Keys(section);
        if (keys.empty()) break;
        const std::string key = keys[in.ConsumeIntegralInRange<size_t>(0, keys.size() - 1)];
        FUZZ_CHECK(doc.DeleteKey(section, key));
        FUZZ_CHECK(!doc.Read(section, key).has_value());
        break;
      }
      default:
        doc.EraseSection(section);
        FUZZ_CHECK(!doc.HasSection(section));
        break;
    }
  }
  CheckSameValues(doc, IniDocument::Parse(doc.Text()));
  return 0;
}
