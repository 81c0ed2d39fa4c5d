#include "coregui/Hilfsmittel.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Texts.h"
#include "coregui/Retry.h"
#include "coregui/hinweis.h"
#include "platform/base/Files.h"
#include "platform/base/Registry.h"
#include "platform/base/StringList.h"
#include "platform/gui/Application.h"

namespace core {

namespace {

constexpr size_t kCopyBlock = 2048;

// The class library's ExtractFileExt: from the last "." of the last path
// element to the end, "" when there is none.
std::string_view FileExt(std::string_view name) {
  const size_t dot = name.find_last_of(".\\:");
  if (dot == std::string_view::npos || name[dot] != '.') return {};
  return name.substr(dot);
}

// Names of the entries that FindFirstFile finds for pattern, filtered by
// wantDirectories, in byte order so that every run lists a tree the same way.
std::vector<std::string> ListEntries(const std::string& pattern, bool wantDirectories) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const bool isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isDirectory == wantDirectories) names.emplace_back(data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ThousandsSeparator() {
  const char* kInternational = "Control Panel\\International";
  const std::string decimal = platform::ReadRegString(HKEY_CURRENT_USER, kInternational, "sDecimal").value_or("");
  const std::string thousand = platform::ReadRegString(HKEY_CURRENT_USER, kInternational, "sThousand").value_or("");
  if (!decimal.empty() && !thousand.empty()) return thousand;
  // German locale ids end in "407": the first "7" is the last character (an
  // empty or missing value counts as German too).
  const std::string locale = platform::ReadRegString(HKEY_CURRENT_USER, kInternational, "Locale").value_or("");
  const size_t seven = locale.find('7');
  const size_t firstSeven = seven == std::string::npos ? 0 : seven + 1;
  return firstSeven == locale.size() ? "." : ",";
}

}  // namespace

// --- thousands ---------------------------------------------------------------

std::string FormatThousands(std::int64_t number) {
  const std::string separator = ThousandsSeparator();
  // The magnitude as unsigned, so that the most negative number has one too.
  const std::uint64_t magnitude =
      number < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
  std::string s = std::to_string(magnitude);
  std::string result;
  while (s.size() > 3) {
    result = separator + s.substr(s.size() - 3) + result;
    s.resize(s.size() - 3);
  }
  return (number < 0 ? "-" : "") + s + result;
}

// --- TDir ----------------------------------------------------------------

void TDir::FindFiles(const std::string& directory, const std::string& mask, platform::TStringList& list,
                     bool relative, bool recurse) const {
  std::string dir = directory;
  if (dir.empty() || dir.back() != '\\') dir += '\\';
  const size_t split = mask.rfind('\\');
  const std::string sub = split == std::string::npos ? std::string() : mask.substr(0, split + 1);
  const std::string pattern = mask.substr(sub.size());

  if (recurse) {
    for (const std::string& name : ListEntries(dir + sub + "*.*", true)) {
      // Skips "." and "..", and folders such as ".svn" on purpose.
      if (name[0] == '.') continue;
      FindFiles(dir, sub + name + "\\" + pattern, list, relative, recurse);
    }
  }
  const std::string_view wantedExt = FileExt(pattern);
  for (const std::string& name : ListEntries(dir + sub + pattern, false)) {
    // The directory search also matches case-insensitively (and on short
    // names): only the exact extension counts.
    if (FileExt(name) != wantedExt) continue;
    list.Add(relative ? sub + name : dir + sub + name);
  }
}

bool TDir::DirExists(const std::string& path) const {
  const std::string probe = path.size() == 2 && path[1] == ':' ? path + "\\" : path;
  const DWORD attributes = GetFileAttributesA(probe.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// --- Tfile ---------------------------------------------------------------

void Tfile::CopyFileWithProgress(THinweisDlg& window, const std::string& source, const std::string& destination,
                                 bool& abort) const {
  ProgressRun run(window);
  if (!platform::FileExists(source)) return;
  window.lblAnzeige.SetCaption(Text().ShortenUrl(source, 45));
  window.pbFortschritt.SetPosition(0);

  auto action = [](Txt message, const std::string& path) { return FormatStr(LoadStr(message), {path}); };
  platform::TFile in;
  platform::TReplacement out;
  RetryStep(abort, action(Txt::ActOpenRead, source), hcOpenRead, [&] { in.OpenRead(source); });
  RetryStep(abort, action(Txt::ActOpenWrite, destination), hcOpenWrite, [&] { out.Begin(destination); });
  // There is no message of its own for a failing size; the close message
  // with the destination stands in for it.
  std::int64_t size = 0;
  RetryStep(abort, action(Txt::ActClose, destination), hcClose, [&] { size = in.Size(); });

  const std::string readAction = action(Txt::ActRead, source);
  const std::string writeAction = action(Txt::ActWrite, destination);
  char block[kCopyBlock];
  std::int64_t copied = 0;
  while (!abort) {
    size_t got = 0;
    if (!RetryStep(abort, readAction, hcRead, [&] { got = in.Read(block, sizeof block); })) break;
    if (got == 0) break;
    // A short write means the disk is full: it is a write error like any
    // other, and a Yes writes the rest of the block, so a copy that ends
    // without abort is always whole.
    size_t written = 0;
    RetryStep(abort, writeAction, hcWrite, [&] {
      written += out.File().Write(block + written, got - written);
      if (written < got) throw platform::EInOutError(ERROR_DISK_FULL);
    });
    copied += static_cast<std::int64_t>(written);
    if (size > 0) {
      window.pbFortschritt.SetPosition(
          static_cast<int>(std::min<std::int64_t>(100, std::llround(100.0 * copied / size))));
    }
    run.Poll(abort);
  }

  // Each file is closed even after an abort, so that neither stays locked.
  if (out.File().IsOpen())
    RetryCloseStep(abort, action(Txt::ActClose, destination), hcClose, [&] { out.Close(); });
  if (in.IsOpen()) RetryCloseStep(abort, action(Txt::ActClose, source), hcClose, [&] { in.Close(); });
  // Only a whole copy takes the destination's place.
  if (out.Pending() && !abort)
    RetryStep(abort, action(Txt::ActClose, destination), hcClose, [&] { out.Commit(); });
}

// --- instances -----------------------------------------------------------

TDir& Dir() {
  static TDir instance;
  return instance;
}

Tfile& File() {
  static Tfile instance;
  return instance;
}

TDateString& DateString() {
  static TDateString instance;
  return instance;
}

}  // namespace core
