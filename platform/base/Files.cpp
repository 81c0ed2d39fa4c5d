#include "platform/base/Files.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/base/Blanks.h"
#include "platform/base/SystemMessage.h"

namespace platform {

namespace {

HANDLE Sys(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

[[noreturn]] void ThrowLastError() { throw EInOutError(GetLastError()); }

// One Win32 call moves at most this much.
constexpr size_t kMaxChunk = 1u << 30;

}  // namespace

std::string SysErrorMessage(std::uint32_t code) {
  std::string message = Trimmed(SystemMessage(static_cast<HRESULT>(code)), IsBlankOrLineBreak);
  if (message.empty()) message = "E/A-Fehler " + std::to_string(code);
  return message;
}


// --- TFile ---

void TFile::Release() noexcept {
  if (handle_ != kNoHandle) CloseHandle(Sys(handle_));
  handle_ = kNoHandle;
}

void TFile::Open(const std::string& path, bool forWrite, const std::string& faultPath, bool askOpen) {
  Release();
  path_ = path;
  faultPath_ = faultPath;
  if (askOpen && InstalledFileFaults().FailOpen(faultPath_, forWrite)) throw EInOutError(ERROR_ACCESS_DENIED);
  HANDLE h = forWrite ? CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)
                      : CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) ThrowLastError();
  handle_ = reinterpret_cast<std::intptr_t>(h);
}

size_t TFile::Read(void* buffer, size_t n) {
  if (!IsOpen()) throw EInOutError(ERROR_INVALID_HANDLE);
  if (InstalledFileFaults().FailRead(faultPath_)) throw EInOutError(ERROR_READ_FAULT);
  auto* p = static_cast<char*>(buffer);
  size_t total = 0;
  while (total < n) {
    const DWORD want = static_cast<DWORD>(std::min(n - total, kMaxChunk));
    DWORD got = 0;
    if (!ReadFile(Sys(handle_), p + total, want, &got, nullptr)) ThrowLastError();
    if (got == 0) break;
    total += got;
  }
  return total;
}

size_t TFile::Write(const void* buffer, size_t n) {
  if (!IsOpen()) throw EInOutError(ERROR_INVALID_HANDLE);
  const size_t allowed = std::min(n, InstalledFileFaults().LimitWrite(faultPath_, n));
  const auto* p = static_cast<const char*>(buffer);
  size_t total = 0;
  while (total < allowed) {
    const DWORD want = static_cast<DWORD>(std::min(allowed - total, kMaxChunk));
    DWORD put = 0;
    if (!WriteFile(Sys(handle_), p + total, want, &put, nullptr)) ThrowLastError();
    if (put == 0) break;
    total += put;
  }
  return total;
}

int64_t TFile::Size() {
  if (!IsOpen()) throw EInOutError(ERROR_INVALID_HANDLE);
  if (InstalledFileFaults().FailSize(faultPath_)) throw EInOutError(ERROR_READ_FAULT);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(Sys(handle_), &size)) ThrowLastError();
  return size.QuadPart;
}

bool TFile::Eof() {
  const int64_t size = Size();
  LARGE_INTEGER zero = {}, pos;
  if (!SetFilePointerEx(Sys(handle_), zero, &pos, FILE_CURRENT)) ThrowLastError();
  return pos.QuadPart >= size;
}

void TFile::Flush() {
  if (!IsOpen()) throw EInOutError(ERROR_INVALID_HANDLE);
  if (!FlushFileBuffers(Sys(handle_))) ThrowLastError();
}

void TFile::Close() {
  if (!IsOpen()) return;
  const bool simulated = InstalledFileFaults().FailClose(faultPath_);
  const HANDLE h = Sys(std::exchange(handle_, kNoHandle));
  if (!CloseHandle(h)) ThrowLastError();
  if (simulated) throw EInOutError(ERROR_WRITE_FAULT);
}

// --- helpers ---

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// --- TReplacement ---

void TReplacement::Begin(const std::string& path) {
  Discard();
  const DWORD attributes = GetFileAttributesA(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    throw EInOutError(ERROR_ACCESS_DENIED);
  // The seam is asked once, for the destination, whichever file is opened.
  if (InstalledFileFaults().FailOpen(path, true)) throw EInOutError(ERROR_ACCESS_DENIED);
  if (exists) {
    // A destination that another program holds could not be renamed over:
    // that is found out here, as its open would have, before anything is
    // written. The probe changes nothing in the file.
    const HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE | DELETE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) ThrowLastError();
    CloseHandle(probe);
  }
  const std::string temp = ReplacementTempPath(path);
  if (temp.size() < MAX_PATH) {
    try {
      file_.Open(temp, true, path, false);
      path_ = path;
      temp_ = temp;
      pending_ = true;
      return;
    } catch (const EInOutError& e) {
      if (e.ErrorCode() != ERROR_ACCESS_DENIED || !exists) throw;
    }
  }
  file_.Open(path, true, path, false);
  path_ = path;
  temp_.clear();
  pending_ = true;
}

void TReplacement::Commit() {
  if (!pending_) throw EInOutError(ERROR_INVALID_HANDLE);
  Close();
  // A rename within one folder: readers find the old file or the new one,
  // never a part of either.
  if (!temp_.empty() && !MoveFileExA(temp_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    ThrowLastError();
  temp_.clear();
  pending_ = false;
}

void TReplacement::Discard() noexcept {
  file_.Release();
  if (pending_ && !temp_.empty()) DeleteFileA(temp_.c_str());
  temp_.clear();
  pending_ = false;
}

bool DeleteFileIfExists(const std::string& path) {
  if (DeleteFileA(path.c_str())) return true;
  const DWORD error = GetLastError();
  if (!FileExists(path)) return false;
  throw EInOutError(error);
}

void ForceDirectories(const std::string& path) {
  std::string dir = path;
  while (dir.size() > 1 && dir.back() == '\\') dir.pop_back();
  if (dir.empty()) throw EInOutError(ERROR_INVALID_NAME);
  if (DirectoryExists(dir)) return;
  const std::string parent = ExtractFilePath(dir);
  if (!parent.empty() && parent.size() < dir.size()) ForceDirectories(parent);
  if (!CreateDirectoryA(dir.c_str(), nullptr)) {
    const DWORD error = GetLastError();
    if (!DirectoryExists(dir)) throw EInOutError(error);
  }
}

namespace {

bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool ok = GetFileInformationByHandle(h, &info) != 0;
  CloseHandle(h);
  return ok;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
  if (lstrcmpiA(ExpandFileName(a).c_str(), ExpandFileName(b).c_str()) == 0) return true;
  BY_HANDLE_FILE_INFORMATION ia{};
  BY_HANDLE_FILE_INFORMATION ib{};
  return FileIdentity(a, ia) && FileIdentity(b, ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
         ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

std::string ExpandFileName(const std::string& path) {
  if (path.empty()) return path;
  std::string out(MAX_PATH, '\0');
  DWORD n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(out.size()), out.data(), nullptr);
  if (n >= out.size()) {
    out.assign(n, '\0');
    n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(out.size()), out.data(), nullptr);
  }
  if (n == 0 || n >= out.size()) return path;
  out.resize(n);
  return out;
}

}  // namespace platform
