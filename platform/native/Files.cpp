// The system half of Files.h on POSIX. Paths are taken as they come: the
// native build runs parsers and fuzzers on files it creates itself, below a
// POSIX folder.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/base/Files.h"

namespace platform {

namespace {

// The Windows codes the callers know; others keep errno's number.
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kInvalidHandle = 6;
constexpr std::uint32_t kWriteFault = 29;
constexpr std::uint32_t kReadFault = 30;
constexpr std::uint32_t kInvalidName = 123;

std::uint32_t CodeOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return kFileNotFound;
    case EACCES:
    case EPERM:
    case EISDIR: return kAccessDenied;
    case ENOSPC: return kErrorDiskFull;
    default: return 0x10000u + static_cast<std::uint32_t>(error);
  }
}

[[noreturn]] void ThrowErrno() {
  const int error = errno;
  throw EInOutError(CodeOf(error), std::strerror(error));
}

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

bool StatMode(const std::string& path, mode_t& mode) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  mode = st.st_mode;
  return true;
}

}  // namespace

std::string SysErrorMessage(std::uint32_t code) { return "E/A-Fehler " + std::to_string(code); }


void TFile::Release() noexcept {
  if (handle_ != kNoHandle) ::close(Fd(handle_));
  handle_ = kNoHandle;
}

void TFile::Open(const std::string& path, bool forWrite, const std::string& faultPath, bool askOpen) {
  Release();
  path_ = path;
  faultPath_ = faultPath;
  if (askOpen && InstalledFileFaults().FailOpen(faultPath_, forWrite)) throw EInOutError(kAccessDenied);
  mode_t mode = 0;
  if (StatMode(path, mode) && S_ISDIR(mode)) throw EInOutError(kAccessDenied);
  const int fd = forWrite ? ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)
                          : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) ThrowErrno();
  handle_ = fd;
}

size_t TFile::Read(void* buffer, size_t n) {
  if (!IsOpen()) throw EInOutError(kInvalidHandle);
  if (InstalledFileFaults().FailRead(faultPath_)) throw EInOutError(kReadFault);
  auto* p = static_cast<char*>(buffer);
  size_t total = 0;
  while (total < n) {
    const ssize_t got = ::read(Fd(handle_), p + total, n - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowErrno();
    if (got == 0) break;
    total += static_cast<size_t>(got);
  }
  return total;
}

size_t TFile::Write(const void* buffer, size_t n) {
  if (!IsOpen()) throw EInOutError(kInvalidHandle);
  const size_t allowed = std::min(n, InstalledFileFaults().LimitWrite(faultPath_, n));
  const auto* p = static_cast<const char*>(buffer);
  size_t total = 0;
  while (total < allowed) {
    const ssize_t put = ::write(Fd(handle_), p + total, allowed - total);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && errno == ENOSPC) break;
    if (put < 0) ThrowErrno();
    if (put == 0) break;
    total += static_cast<size_t>(put);
  }
  return total;
}

int64_t TFile::Size() {
  if (!IsOpen()) throw EInOutError(kInvalidHandle);
  if (InstalledFileFaults().FailSize(faultPath_)) throw EInOutError(kReadFault);
  struct stat st {};
  if (::fstat(Fd(handle_), &st) != 0) ThrowErrno();
  return st.st_size;
}

bool TFile::Eof() {
  const int64_t size = Size();
  const off_t pos = ::lseek(Fd(handle_), 0, SEEK_CUR);
  if (pos < 0) ThrowErrno();
  return pos >= size;
}

void TFile::Flush() {
  if (!IsOpen()) throw EInOutError(kInvalidHandle);
  if (::fsync(Fd(handle_)) != 0) ThrowErrno();
}

void TFile::Close() {
  if (!IsOpen()) return;
  const bool simulated = InstalledFileFaults().FailClose(faultPath_);
  const int fd = Fd(std::exchange(handle_, kNoHandle));
  if (::close(fd) != 0) ThrowErrno();
  if (simulated) throw EInOutError(kWriteFault);
}

bool FileExists(const std::string& path) {
  mode_t mode = 0;
  return StatMode(path, mode) && !S_ISDIR(mode);
}

bool DirectoryExists(const std::string& path) {
  mode_t mode = 0;
  return StatMode(path, mode) && S_ISDIR(mode);
}

void TReplacement::Begin(const std::string& path) {
  Discard();
  const bool exists = FileExists(path);
  if (DirectoryExists(path) || (exists && ::access(path.c_str(), W_OK) != 0)) throw EInOutError(kAccessDenied);
  if (InstalledFileFaults().FailOpen(path, true)) throw EInOutError(kAccessDenied);
  const std::string temp = ReplacementTempPath(path);
  try {
    file_.Open(temp, true, path, false);
    path_ = path;
    temp_ = temp;
    pending_ = true;
    return;
  } catch (const EInOutError& e) {
    if (e.ErrorCode() != kAccessDenied || !exists) throw;
  }
  file_.Open(path, true, path, false);
  path_ = path;
  temp_.clear();
  pending_ = true;
}

void TReplacement::Commit() {
  if (!pending_) throw EInOutError(kInvalidHandle);
  Close();
  if (!temp_.empty() && std::rename(temp_.c_str(), path_.c_str()) != 0) ThrowErrno();
  temp_.clear();
  pending_ = false;
}

void TReplacement::Discard() noexcept {
  file_.Release();
  if (pending_ && !temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
  pending_ = false;
}

bool DeleteFileIfExists(const std::string& path) {
  if (::unlink(path.c_str()) == 0) return true;
  const int error = errno;
  if (!FileExists(path)) return false;
  throw EInOutError(CodeOf(error), std::strerror(error));
}

void ForceDirectories(const std::string& path) {
  std::string dir = path;
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  if (dir.empty()) throw EInOutError(kInvalidName);
  if (DirectoryExists(dir)) return;
  if (const size_t slash = dir.rfind('/'); slash != std::string::npos && slash > 0)
    ForceDirectories(dir.substr(0, slash));
  if (::mkdir(dir.c_str(), 0755) != 0 && !DirectoryExists(dir)) ThrowErrno();
}

std::string ExpandFileName(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  char cwd[4096];
  if (!::getcwd(cwd, sizeof cwd)) return path;
  return std::string(cwd) + "/" + path;
}

}  // namespace platform
