#include "tests/search/DbGen.h"

#include <windows.h>

#include <cstdio>

#include "coregui/Hilfsmittel.h"
#include "platform/base/Files.h"
#include "platform/base/StringList.h"
#include "tests/search/SearchSites.h"

namespace search {

namespace {

// The names of the files (not folders) in dir.
std::vector<std::string> AllFiles(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}

}  // namespace

std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') {
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    path = "Z:" + path;
  }
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

void EmptyFolder(const std::string& folder) {
  platform::ForceDirectories(folder);
  for (const std::string& name : AllFiles(folder)) DeleteFileA((folder + "\\" + name).c_str());
}

void CopyTemplate(const std::string& shipped, const std::string& folder) {
  EmptyFolder(folder);
  for (const std::string& name : AllFiles(shipped)) {
    platform::WriteFileBytes(folder + "\\" + name, platform::ReadFileBytes(shipped + "\\" + name));
  }
}

void CopyFormFiles(const std::string& templateDir, const std::string& target, const std::string& database) {
  for (const char* mask : {"*.htm", "*.html", "*.gif", "*.jpg", "*.js"}) {
    platform::TStringList list;
    core::Dir().FindFiles(templateDir, mask, list, true, false);
    for (const std::string& name : list.Lines()) {
      if (platform::SameText(name, database)) continue;
      platform::WriteFileBytes(target + "\\" + name, platform::ReadFileBytes(templateDir + "\\" + name));
    }
  }
}

std::string ProjectSettings(const Variant& variant, const std::string& templateDir, const std::string& targetDir) {
  return "AnzahlEintraege=" + std::to_string(variant.pages->size()) + "\r\nVorlagenVerzeichnis=" + templateDir +
         "\r\nZielVerzeichnis=" + targetDir + "\r\nStopwortListeVerwenden=1\r\nKeywordsModus=1\r\nOptimiertModus=" +
         (variant.optimized ? "1" : "0") + "\r\nGlossarModus=" + (variant.glossary ? "1" : "0") + "\r\n";
}

void Report(const Variant& variant, std::size_t pages, const std::string& targetDir, const std::string& database) {
  std::printf("%-22s %6zu pages  %10zu bytes  %s\n", variant.name, pages,
              platform::ReadFileBytes(targetDir + "\\" + database).size(), targetDir.c_str());
  std::fflush(stdout);
}

}  // namespace search
