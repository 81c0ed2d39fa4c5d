// The half of Files.h that both builds share: faults, whole-file reads and
// writes over TFile, and the path helpers.
#include "platform/base/Files.h"

#include <utility>

namespace platform {

namespace {

FileFaults* g_faults = nullptr;

FileFaults& Active() {
  static FileFaults none;
  return g_faults ? *g_faults : none;
}

size_t LastDelimiter(const std::string& path, const char* delimiters) {
  return path.find_last_of(delimiters);
}

}  // namespace

EInOutError::EInOutError(std::uint32_t code) : EInOutError(code, SysErrorMessage(code)) {}

EInOutError::EInOutError(std::uint32_t code, const std::string& message) : std::runtime_error(message), code_(code) {}

FileFaults::~FileFaults() = default;
bool FileFaults::FailOpen(const std::string&, bool) { return false; }
bool FileFaults::FailRead(const std::string&) { return false; }
size_t FileFaults::LimitWrite(const std::string&, size_t n) { return n; }
bool FileFaults::FailClose(const std::string&) { return false; }
bool FileFaults::FailSize(const std::string&) { return false; }

void SetFileFaults(FileFaults* faults) { g_faults = faults; }

FileFaults& InstalledFileFaults() { return Active(); }

// Each half closes its handle in Release.
TFile::~TFile() { Release(); }

TFile::TFile(TFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)),
      path_(std::move(other.path_)),
      faultPath_(std::move(other.faultPath_)) {}

TFile& TFile::operator=(TFile&& other) noexcept {
  if (this != &other) {
    Release();
    handle_ = std::exchange(other.handle_, kNoHandle);
    path_ = std::move(other.path_);
    faultPath_ = std::move(other.faultPath_);
  }
  return *this;
}

void TFile::OpenRead(const std::string& path) { Open(path, false, path); }

void TFile::Rewrite(const std::string& path) { Open(path, true, path); }

std::string ReadFileBytes(const std::string& path) {
  TFile f;
  f.OpenRead(path);
  std::string data(static_cast<size_t>(f.Size()), '\0');
  data.resize(f.Read(data.data(), data.size()));
  // A file that grew meanwhile is read to its end.
  char block[4096];
  while (const size_t n = f.Read(block, sizeof block)) data.append(block, n);
  f.Close();
  return data;
}

void WriteFileBytes(const std::string& path, const std::string& data) {
  TFile f;
  f.Rewrite(path);
  if (f.Write(data.data(), data.size()) != data.size()) throw EInOutError(kErrorDiskFull);
  f.Close();
}

std::string ExtractFilePath(const std::string& path) {
  const size_t i = LastDelimiter(path, "\\:");
  return i == std::string::npos ? std::string() : path.substr(0, i + 1);
}

std::string ExtractFileName(const std::string& path) {
  const size_t i = LastDelimiter(path, "\\:");
  return i == std::string::npos ? path : path.substr(i + 1);
}

std::string ExtractFileExt(const std::string& path) {
  const size_t i = LastDelimiter(path, ".\\:");
  return i != std::string::npos && path[i] == '.' ? path.substr(i) : std::string();
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
  const size_t i = LastDelimiter(path, ".\\:");
  if (i == std::string::npos || path[i] != '.') return path + ext;
  return path.substr(0, i) + ext;
}

std::string IncludeTrailingBackslash(const std::string& path) {
  return !path.empty() && path.back() == '\\' ? path : path + '\\';
}

}  // namespace platform
