// Links and Wine paths: RelativeLink from any folders to any file, through a
// drive table read from any configuration text, and the Unix forms of paths.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "core/RelativeLink.h"
#include "core/WineDrives.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string baseDir = in.ConsumeRandomLengthString(128);
  const std::string linkDir = in.ConsumeRandomLengthString(128);
  const std::string file = in.ConsumeRandomLengthString(128);
  const bool unix = in.ConsumeBool();
  core::WineDrives drives;
  drives.ReadRoots(in.ConsumeRemainingBytesAsString());

  const std::string link = core::RelativeLink(baseDir, linkDir, file, unix ? &drives : nullptr);
  FUZZ_CHECK(link.find('\\') == std::string::npos);
  if (baseDir == linkDir) FUZZ_CHECK(link.size() == file.size());

  const std::string unixPath = drives.UnixPath(file);
  FUZZ_CHECK(unixPath.find('\\') == std::string::npos);
  const std::string quoted = drives.ToUnixPath(file);
  FUZZ_CHECK(quoted.size() >= 2 && quoted.front() == '\'' && quoted.back() == '\'');
  drives.WineRelativePath(file, linkDir);
  core::RelativeWalk(file, linkDir, '\\');
  return 0;
}
