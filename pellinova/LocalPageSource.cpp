#include "pellinova/LocalPageSource.h"

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
// The page files are read through a buffer of this size.
constexpr size_t kReadBlock = 4095;

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
  std::string text;
  char block[kReadBlock];
  for (;;) {
    bool end = false;
    if (!core::RetryStep(abort, eofAction, core::hcTestEof, [&] { end = file.Eof(); }) || end) break;
    size_t got = 0;
    if (!core::RetryStep(abort, readAction, core::hcRead, [&] { got = file.Read(block, sizeof block); })) break;
    if (got == 0) break;
    text.append(block, got);
  }
  // The page is read; a failing close loses nothing of it.
  try {
    file.Close();
  } catch (const platform::EInOutError&) {
  }
  return core::PageAsAnsi(std::move(text), {});
}

}  // namespace pellinova
