#include "pellinova/LocalPageSource.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/HelpContexts.h"
#include "core/Texts.h"
#include "core/Utf8.h"
#include "coregui/Retry.h"
#include "net/HttpClient.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "platform/gui/Dialogs.h"

#include <windows.h>

namespace pellinova {

namespace {

// What a file holds beyond the size it gave is read in blocks of this size,
// straight into the text: every read and end-of-file test is a call into the
// system.
constexpr size_t kReadBlock = 64 * 1024;
// The buffer of a page up to this size is kept for the next (two of them
// while the next page is read ahead): most pages are far smaller, and a few
// large ones should not hold memory for the rest of the run.
constexpr size_t kRecycleLimit = 256 * 1024;
// A local page counts as large as a fetched one may be, no larger: a huge
// file in the folder must not take the run's time and memory.
static_assert(core::kPageSizeLimit == net::THttpClient::kDefaultMaxBodySize);
constexpr size_t kPageLimit = static_cast<size_t>(core::kPageSizeLimit);

// Reads a file into text over what text holds. The whole file in one read
// where its size is known (expected): the text then needs no room beyond it
// and is never moved. Past that size (a file that grows meanwhile) it is read
// on in blocks, up to kPageLimit. The last page's buffer is read over as it
// stands: growing a text fills the new room first, and filling what the read
// then overwrites costs as much as the read. eof(end) and read(at, want, got)
// are the steps; either returns false to give up.
template <typename Eof, typename Read>
void ReadInto(std::string& text, size_t expected, Eof eof, Read read) {
  if (text.capacity() < expected) {
    text.clear();
    text.reserve(expected);
  }
  size_t filled = 0;
  while (filled < kPageLimit) {
    bool end = false;
    if (!eof(end) || end) break;
    const size_t want = std::min(filled < expected ? expected - filled : kReadBlock, kPageLimit - filled);
    if (text.size() < filled + want) text.resize(filled + want);
    size_t got = 0;
    const bool ok = read(&text[filled], want, got);
    filled += got;
    if (!ok || got == 0) break;
  }
  text.resize(filled);
}

size_t ExpectedSize(std::int64_t size) {
  return size > 0 ? static_cast<size_t>(std::min<std::int64_t>(size, core::kPageSizeLimit)) : 0;
}

// The file whole, without a question to the user: false on any fault.
bool ReadQuietly(const std::string& path, std::string& text) {
  try {
    platform::TFile file;
    file.OpenRead(path);
    ReadInto(
        text, ExpectedSize(file.Size()),
        [&](bool& end) {
          end = file.Eof();
          return true;
        },
        [&](char* at, size_t want, size_t& got) {
          got = file.Read(at, want);
          return true;
        });
    file.Close();
    text = core::PageAsAnsi(std::move(text), {});
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

struct LocalPageSource::Sync {
  SRWLOCK lock = SRWLOCK_INIT;
  CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;

  void Lock() { AcquireSRWLockExclusive(&lock); }
  void Unlock() { ReleaseSRWLockExclusive(&lock); }
  template <typename Ready>
  void Wait(Ready ready) {
    while (!ready()) SleepConditionVariableSRW(&changed, &lock, INFINITE, 0);
  }
  void WakeAll() { WakeAllConditionVariable(&changed); }
};

namespace {

class Locked {
 public:
  template <typename S>
  explicit Locked(S& sync) : lock_(sync.lock) {
    AcquireSRWLockExclusive(&lock_);
  }
  ~Locked() { ReleaseSRWLockExclusive(&lock_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& lock_;
};

}  // namespace

LocalPageSource::LocalPageSource(const TProjekt& project) : project_(project), sync_(std::make_unique<Sync>()) {}

LocalPageSource::~LocalPageSource() {
  {
    const Locked lock(*sync_);
    stopping_ = true;
  }
  sync_->WakeAll();
  if (reader_.joinable()) reader_.join();
}

std::string LocalPageSource::ReadPage(int position, const std::string& address, bool& abort) {
  const std::string path = project_.GetHTMLVerzeichnis() + "\\" + address;
  std::string text;
  if (!TakeAhead(position, path, text)) text = ReadNow(address, abort);
  if (!abort) ReadAheadFrom(position + 1);
  return text;
}

bool LocalPageSource::TakeAhead(int position, const std::string& path, std::string& text) {
  const Locked lock(*sync_);
  if (ahead_.position != position || ahead_.path != path) return false;
  sync_->Wait([&] { return ahead_.done; });
  const bool read = ahead_.read;
  if (read) text = std::move(ahead_.text);
  else if (ahead_.text.capacity() > spare_.capacity()) spare_ = std::move(ahead_.text);
  ahead_ = Ahead{};
  return read;
}

void LocalPageSource::ReadAheadFrom(int position) {
  const auto& pages = project_.Pages();
  if (position < 0 || position >= static_cast<int>(pages.size())) return;
  {
    const Locked lock(*sync_);
    // A page read ahead that the run did not ask for goes.
    if (ahead_.position >= 0 && !ahead_.done) return;
    ahead_ = Ahead{position, project_.GetHTMLVerzeichnis() + "\\" + pages[static_cast<size_t>(position)]->url,
                   std::move(spare_), false, false};
    spare_.clear();
  }
  if (!reader_.joinable()) reader_ = std::thread([this] { ReadAheadLoop(); });
  sync_->WakeAll();
}

void LocalPageSource::ReadAheadLoop() {
  Sync& sync = *sync_;
  sync.Lock();
  for (;;) {
    sync.Wait([&] { return stopping_ || (ahead_.position >= 0 && !ahead_.done); });
    if (stopping_) break;
    const std::string path = ahead_.path;
    std::string text = std::move(ahead_.text);
    sync.Unlock();
    const bool read = ReadQuietly(path, text);
    sync.Lock();
    ahead_.text = std::move(text);
    ahead_.read = read;
    ahead_.done = true;
    sync.WakeAll();
  }
  sync.Unlock();
}

std::string LocalPageSource::ReadNow(const std::string& address, bool& abort) {
  const std::string& folder = project_.GetHTMLVerzeichnis();
  const std::string path = folder + "\\" + address;
  platform::TFile file;
  const std::string openAction = folder + "\\" + core::FormatStr(core::LoadStr(core::Txt::ActOpenRead), {address});
  if (!core::RetryStep(abort, openAction, core::hcOpenRead, [&] { file.OpenRead(path); })) {
    platform::MessageDlg(core::FormatStr(txt::Load(IDS_MSG_FILE_IN_USE), {folder, address}),
                         platform::MsgDlgType::Warning, platform::mbOK | platform::mbHelp, core::hcHtmlOeffnen);
    return {};
  }

  const std::string eofAction = core::FormatStr(txt::Load(IDS_ACT_PAGE_TEST_EOF), {folder, address});
  const std::string readAction = core::FormatStr(txt::Load(IDS_ACT_PAGE_READ), {folder, address});
  std::string text = std::move(spare_);
  size_t expected = 0;
  try {
    expected = ExpectedSize(file.Size());
  } catch (const platform::EInOutError&) {
    // The size is only a hint: the reads below find the end themselves.
  }
  ReadInto(
      text, expected,
      [&](bool& end) { return core::RetryStep(abort, eofAction, core::hcTestEof, [&] { end = file.Eof(); }); },
      [&](char* at, size_t want, size_t& got) {
        return core::RetryStep(abort, readAction, core::hcRead, [&] { got = file.Read(at, want); });
      });
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
