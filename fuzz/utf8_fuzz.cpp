// Pages in UTF-8 on any bytes: the META tags near the start, the reply's
// charset, the conversion to code page 1252 and the check of a text that
// arrives in two pieces.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/Utf8.h"

namespace {

// Latin-1 as the table: every character it has converts to one byte.
class Latin1Table : public core::AnsiTable {
 public:
  bool Lookup(char32_t character, char& ansi) const override {
    if (character > 0xFF) return false;
    ansi = static_cast<char>(character);
    return true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string contentType = in.ConsumeRandomLengthString(64);
  const size_t cut = in.ConsumeIntegral<size_t>();
  const std::string page = in.ConsumeRemainingBytesAsString();
  const std::string_view text = page;

  core::IsUtf8Page(page, contentType);
  const std::string_view charset = core::DeclaredMetaCharset(page);
  if (!charset.empty()) {
    FUZZ_CHECK(charset.data() >= page.data());
    FUZZ_CHECK(charset.data() + charset.size() <= page.data() + std::min(page.size(), core::kMetaWindow));
  }

  const std::string ansi = core::Utf8ToAnsi(page, Latin1Table());
  FUZZ_CHECK(ansi.size() <= page.size());

  core::Utf8Check whole, pieces;
  whole.Feed(text);
  const size_t at = cut % (page.size() + 1);
  pieces.Feed(text.substr(0, at));
  pieces.Feed(text.substr(at));
  FUZZ_CHECK(whole.IsUtf8Text() == pieces.IsUtf8Text() && whole.Failed() == pieces.Failed());
  // Well-formed text converts character by character: one byte for each
  // byte that is not a continuation byte, the byte order mark gone.
  if (whole.IsUtf8Text()) {
    const auto characters = std::count_if(page.begin(), page.end(), [](char c) {
      return static_cast<unsigned char>(c) < 0x80 || static_cast<unsigned char>(c) > 0xBF;
    });
    if (ansi.size() != static_cast<size_t>(characters) - (core::StartsWithUtf8Bom(page) ? 1 : 0)) {
      FuzzDump("page", page);
      FUZZ_CHECK(false);
    }
  }
  return 0;
}
