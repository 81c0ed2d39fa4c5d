#include "pellinova/LocalPageSource.h"

#include <cstdint>
#include <utility>

#include "core/Retry.h"
#include "core/Texts.h"
#include "core/Utf8.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"

namespace pellinova {

namespace {

constexpr int kHelpFileInUse = 500;
// What a file holds beyond the size it gave is read in blocks of this size,
// straight into the text: every read and end-of-file test is a call into the
// system.
constexpr size_t kReadBlock = 64 * 1024;
// The buffer of a page up to this size is kept for the next: most pages are
// far smaller, and a few large ones should not hold memory for the rest of
// the run.
constexpr size_t kRecycleLimit = 1024 * 1024;
// A file up to this size is read at once.
constexpr std::int64_t kReserveLimit = 256LL * 1024 * 1024;

}  // namespace

std::string LocalPageSource::ReadPage(int, const std::string& address, bool& abort) {
  const std::string& folder = project_.GetHTMLVerzeichnis();
  const std::string path = folder + "\\" + address;
  platform::TFile file;
  const std::string openAction = folder + "\\" + core::FormatStr(core::LoadStr(core::Txt::ActOpenRead), {address});
  if (!core::RetryStep(abort, openAction, core::hcOpenRead, [&] { file.OpenRead(path); })) {
    platform::MessageDlg(core::FormatStr(txt::Load(txt::kMsgFileInUse), {folder, address}),
                         platform::MsgDlgType::Warning, platform::mbOK | platform::mbHelp, kHelpFileInUse);
    return {};
  }

  const std::string eofAction = core::FormatStr(txt::Load(txt::kActPageTestEof), {folder, address});
  const std::string readAction = core::FormatStr(txt::Load(txt::kActPageRead), {folder, address});
  // The whole file in one read where its size is known: the text then needs
  // no room beyond it and is never moved. Past that size (a file that grows
  // meanwhile) it is read on in blocks. The last page's buffer is read over
  // as it stands: growing a text fills the new room first, and filling what
  // the read then overwrites costs as much as the read.
  std::string text = std::move(spare_);
  size_t filled = 0;
  size_t expected = 0;
  try {
    const std::int64_t size = file.Size();
    if (size > 0 && size <= kReserveLimit) expected = static_cast<size_t>(size);
  } catch (const platform::EInOutError&) {
    // The size is only a hint: the reads below find the end themselves.
  }
  if (text.capacity() < expected) {
    text.clear();
    text.reserve(expected);
  }
  for (;;) {
    bool end = false;
    if (!core::RetryStep(abort, eofAction, core::hcTestEof, [&] { end = file.Eof(); }) || end) break;
    const size_t want = filled < expected ? expected - filled : kReadBlock;
    if (text.size() < filled + want) text.resize(filled + want);
    size_t got = 0;
    const bool read =
        core::RetryStep(abort, readAction, core::hcRead, [&] { got = file.Read(&text[filled], want); });
    filled += got;
    if (!read || got == 0) break;
  }
  text.resize(filled);
  // The page is read; a failing close loses nothing of it.
  try {
    file.Close();
  } catch (const platform::EInOutError&) {
  }
  return core::PageAsAnsi(std::move(text), {});
}

void LocalPageSource::Recycle(std::string text) {
  if (text.capacity() <= kRecycleLimit && text.capacity() > spare_.capacity()) spare_ = std::move(text);
}

}  // namespace pellinova
