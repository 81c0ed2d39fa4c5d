#pragma once
// A fresh folder below the temp folder for one test, removed with its files.
#include <windows.h>

#include <string>

#include "platform/base/Files.h"

class BaseTestFolder {
 public:
  BaseTestFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    temp_ = temp;
    path_ = temp_ + "qv_base_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter_);
    // Wine gives process ids again: a folder left by an earlier run goes first.
    Remove(path_);
    platform::ForceDirectories(path_);
  }
  ~BaseTestFolder() {
    // A folder tree makes the folder it shows the process's current one,
    // which cannot be removed.
    SetCurrentDirectoryA(temp_.c_str());
    Remove(path_);
  }
  BaseTestFolder(const BaseTestFolder&) = delete;
  BaseTestFolder& operator=(const BaseTestFolder&) = delete;

  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
  const std::string& Path() const { return path_; }

 private:
  static void Remove(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = fd.cFileName;
        if (name == "." || name == "..") continue;
        const std::string full = dir + "\\" + name;
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          Remove(full);
        else
          DeleteFileA(full.c_str());
      } while (FindNextFileA(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
  }

  static inline int counter_ = 0;
  std::string temp_;
  std::string path_;
};
