#pragma once
// What the two database generators of the search tests share: paths given as
// Unix paths, the template copied into a folder of its own before a run, and
// the form's files copied beside the database afterwards, as the programs do.
#include <string>
#include <vector>

#include "platform/base/Clock.h"

namespace search {

struct Page;

// 2024-01-01 12:00: the date line of every database is the same on each run.
constexpr platform::TDateTime kRunTime = 45292.5;

// One database to write: its folder below the output root, the shipped
// template it uses and the project switches.
struct Variant {
  const char* name;
  const char* templateName;
  bool optimized;
  bool glossary;
  const std::vector<Page>* pages;
};

// "/work/x" is "Z:\work\x"; a trailing backslash goes.
std::string WindowsPath(std::string path);

// Copies the shipped template into folder: the run reads its descriptor and
// stop words there, and nothing can write into the shipped one. The folder is
// emptied first.
void CopyTemplate(const std::string& shipped, const std::string& folder);

// Creates folder, or empties it of files.
void EmptyFolder(const std::string& folder);

// What the programs copy after a run: the pages, images and scripts of the
// template except its database.
void CopyFormFiles(const std::string& templateDir, const std::string& target, const std::string& database);

// The settings every test project shares (section "Einstellungen" up to, not
// including, the page list).
std::string ProjectSettings(const Variant& variant, const std::string& templateDir, const std::string& targetDir);

// One line on what was written.
void Report(const Variant& variant, std::size_t pages, const std::string& targetDir, const std::string& database);

}  // namespace search
