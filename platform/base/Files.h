#pragma once
// Files: an owning file handle whose every step throws EInOutError with the
// system's message, the class library's path helpers, and a fault seam through
// which tests of callers simulate failing opens, reads, short writes and
// failing closes. The interface needs no windows.h: the native build has a
// POSIX half of its own.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

// The system's text for a Win32 error code, trimmed; "E/A-Fehler <code>" when
// the system has none.
std::string SysErrorMessage(std::uint32_t code);

// The system's code of a full disk (a short write), in both builds.
inline constexpr std::uint32_t kErrorDiskFull = 112;

class EInOutError : public std::runtime_error {
 public:
  // The message is SysErrorMessage(code).
  explicit EInOutError(std::uint32_t code);
  EInOutError(std::uint32_t code, const std::string& message);
  std::uint32_t ErrorCode() const { return code_; }

 private:
  std::uint32_t code_;
};

// Faults for tests. TFile asks the installed object before every step; the
// defaults inject nothing. A simulated failure throws EInOutError with the
// message of a matching system error.
class FileFaults {
 public:
  virtual ~FileFaults();
  virtual bool FailOpen(const std::string& path, bool forWrite);
  virtual bool FailRead(const std::string& path);
  // How many of the n bytes of a write reach the file.
  virtual size_t LimitWrite(const std::string& path, size_t n);
  virtual bool FailClose(const std::string& path);
  // Asked by Size() and Eof().
  virtual bool FailSize(const std::string& path);
};

// Installs the faults (nullptr: none). The caller keeps ownership.
void SetFileFaults(FileFaults* faults);
// The installed faults, or ones that inject nothing.
FileFaults& InstalledFileFaults();

class TFile {
 public:
  TFile() = default;
  ~TFile();  // closes quietly; call Close() to learn of a failing close
  TFile(TFile&& other) noexcept;
  TFile& operator=(TFile&& other) noexcept;
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;

  // Each open first closes a file still open in this object.
  void OpenRead(const std::string& path);
  // Creates the file, or empties an existing one, for writing.
  void Rewrite(const std::string& path);

  // Up to n bytes; fewer only at the end of the file, 0 there.
  size_t Read(void* buffer, size_t n);
  // The bytes that reached the file. A short write (disk full) is returned,
  // not thrown: the caller decides what it means.
  size_t Write(const void* buffer, size_t n);
  int64_t Size();
  bool Eof();
  // Releases the handle even when it throws.
  void Close();

  bool IsOpen() const { return handle_ != kNoHandle; }
  const std::string& Path() const { return path_; }

 private:
  friend void ReplaceFileBytes(const std::string& path, const std::string& data);
  void Open(const std::string& path, bool forWrite, const std::string& faultPath);
  void Release() noexcept;

  // The system's handle (a file descriptor in the native build).
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
  std::string path_;
  std::string faultPath_;  // the name the fault seam is asked with
};

bool FileExists(const std::string& path);       // an existing file, not a folder
bool DirectoryExists(const std::string& path);  // an existing folder

// The whole file.
std::string ReadFileBytes(const std::string& path);
// Creates or empties the file and writes data; a short write throws
// (ERROR_DISK_FULL) and leaves what was written.
void WriteFileBytes(const std::string& path, const std::string& data);
// Writes data to a file beside path and then puts it in path's place, so a
// failing write leaves the old file whole. A read-only path throws
// (ERROR_ACCESS_DENIED). Where no file can be created beside it, writes in
// place as WriteFileBytes does. The fault seam sees path, not the file beside it.
void ReplaceFileBytes(const std::string& path, const std::string& data);
// True when the file was there and is gone, false when there was none;
// throws when it exists and cannot be deleted.
bool DeleteFileIfExists(const std::string& path);
// Creates the folder with every missing parent; throws when it cannot.
void ForceDirectories(const std::string& path);

// Path helpers on Windows paths; "\" and ":" end a folder or drive part.
std::string ExtractFilePath(const std::string& path);  // "C:\a\b.txt" -> "C:\a\"
std::string ExtractFileName(const std::string& path);  // "C:\a\b.txt" -> "b.txt"
std::string ExtractFileExt(const std::string& path);   // "C:\a\b.txt" -> ".txt", "" when none
std::string ChangeFileExt(const std::string& path, const std::string& ext);
std::string IncludeTrailingBackslash(const std::string& path);  // "" -> "\"
// The full path of a relative one, against the current folder.
std::string ExpandFileName(const std::string& path);
// Whether two paths name one file: the same full path (ignoring case), or,
// for files that exist, the same file on the same volume (another spelling,
// a link).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace platform
