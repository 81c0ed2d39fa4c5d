// The half of Files.h that both builds share: faults, whole-file reads and
// writes over TFile, and the path helpers.
#include "platform/base/Files.h"

#include <string_view>
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

// --- TReplacement: the half that both builds share ---

TReplacement::~TReplacement() { Discard(); }

TReplacement::TReplacement(TReplacement&& other) noexcept
    : file_(std::move(other.file_)),
      path_(std::move(other.path_)),
      temp_(std::move(other.temp_)),
      pending_(std::exchange(other.pending_, false)) {}

TReplacement& TReplacement::operator=(TReplacement&& other) noexcept {
  if (this != &other) {
    Discard();
    file_ = std::move(other.file_);
    path_ = std::move(other.path_);
    temp_ = std::move(other.temp_);
    pending_ = std::exchange(other.pending_, false);
  }
  return *this;
}

void TReplacement::Close() {
  if (!file_.IsOpen()) return;
  // Renamed over the old file before its blocks reach the disk, a file
  // could survive a power cut empty where the old one was whole.
  file_.Flush();
  file_.Close();
}

std::string ReplacementTempPath(const std::string& path) {
  const size_t i = path.find_last_of("\\/:");
  const size_t name = i == std::string::npos ? 0 : i + 1;
  return path.substr(0, name) + "qv~" + path.substr(name) + ".tmp";
}

bool IsReplacementTemp(const std::string& fileName) {
  auto lower = [](std::string_view s) {
    std::string out(s);
    for (char& c : out) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
  };
  return fileName.size() > 7 && lower(std::string_view(fileName).substr(0, 3)) == "qv~" &&
         lower(std::string_view(fileName).substr(fileName.size() - 4)) == ".tmp";
}

void ReplaceFileBytes(const std::string& path, const std::string& data) {
  TReplacement file;
  file.Begin(path);
  if (file.File().Write(data.data(), data.size()) != data.size()) throw EInOutError(kErrorDiskFull);
  file.Commit();
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
