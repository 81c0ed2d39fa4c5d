#pragma once
// The link from a page to a file it points at: relative when both lie on the
// same drive, else an absolute file URL, or, when the browser is a Unix
// program under Wine, a Unix path relative across the Wine drives.
#include <string>
#include <string_view>

namespace core {

class WineDrives;

// A folder as a link is made from it: its full path, as the run's file
// operations resolve it (a relative folder against the current folder); a bare
// drive "X:" is that drive's root, as the folder test takes it. The project
// keeps its folders as written; links need them whole, or the walk below would
// take the first letters of two relative names for drive letters.
std::string LinkFolder(const std::string& folder);

// baseDir: the folder file is relative to; linkDir: the folder of the page
// that holds the link; file: a relative Windows path below baseDir
// ("sub\page.htm"). unixBrowser: the drive table when the browser is a Unix
// program, nullptr otherwise. The link always uses "/" as separator.
std::string RelativeLink(std::string_view baseDir, std::string_view linkDir, std::string_view file,
                         const WineDrives* unixBrowser);

}  // namespace core
