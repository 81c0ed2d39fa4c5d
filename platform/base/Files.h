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
  // Brings what was written to the disk.
  void Flush();
  // Releases the handle even when it throws.
  void Close();

  bool IsOpen() const { return handle_ != kNoHandle; }
  const std::string& Path() const { return path_; }

 private:
  friend class TReplacement;
  // The fault seam is asked with faultPath, about the open only when askOpen.
  void Open(const std::string& path, bool forWrite, const std::string& faultPath, bool askOpen = true);
  void Release() noexcept;

  // The system's handle (a file descriptor in the native build).
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
  std::string path_;
  std::string faultPath_;  // the name the fault seam is asked with
};

// A file written under a temporary name in its destination's folder and put
// in the destination's place by one rename only when it is complete: until
// Commit the destination stays as it was, and a replacement discarded or
// destroyed uncommitted deletes its temporary file. The temporary name is
// fixed per destination (ReplacementTempPath), so a write cut off by a kill
// leaves at most that one file, which the next write of the destination
// takes over. The fault seam sees the destination's path.
class TReplacement {
 public:
  TReplacement() = default;
  ~TReplacement();  // Discard()
  TReplacement(TReplacement&& other) noexcept;
  TReplacement& operator=(TReplacement&& other) noexcept;
  TReplacement(const TReplacement&) = delete;
  TReplacement& operator=(const TReplacement&) = delete;

  // Creates the temporary file, empty, for writing (a leftover of an earlier
  // write is emptied and taken over). A read-only destination throws
  // ERROR_ACCESS_DENIED, as opening it would. Where the folder takes no new
  // file but the destination exists, or where no temporary name fits the
  // length limit, the destination itself is rewritten and Commit has nothing
  // to rename.
  void Begin(const std::string& path);
  TFile& File() { return file_; }
  // Brings the file to the disk and closes it; throws as TFile::Close does.
  void Close();
  // Closes the file if it is still open, then renames it over the
  // destination. Called again after it threw, it goes on where it stopped.
  void Commit();
  // Closes and deletes the temporary file; the destination stays as it was.
  void Discard() noexcept;
  // Begun, and neither committed nor discarded.
  bool Pending() const { return pending_; }
  const std::string& Path() const { return path_; }

 private:
  TFile file_;
  std::string path_;
  std::string temp_;  // "" while writing in place
  bool pending_ = false;
};

// The temporary file of a replacement of path: "qv~" + its name + ".tmp" in
// the same folder.
std::string ReplacementTempPath(const std::string& path);
// Whether a file name is that of a replacement's temporary file, left over
// by a write that was cut off.
bool IsReplacementTemp(const std::string& fileName);

bool FileExists(const std::string& path);       // an existing file, not a folder
bool DirectoryExists(const std::string& path);  // an existing folder

// The whole file.
std::string ReadFileBytes(const std::string& path);
// Creates or empties the file and writes data; a short write throws
// (ERROR_DISK_FULL) and leaves what was written.
void WriteFileBytes(const std::string& path, const std::string& data);
// Writes data through a TReplacement, so a failing write leaves the old
// file whole.
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
