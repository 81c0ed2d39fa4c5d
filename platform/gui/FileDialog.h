#pragma once
// The open-file dialog. Like every modal interaction it passes through the
// seam (UiSeam.h), so tests and scripted runs answer it with a file name.
#include <string>

namespace platform {

// Options of the open-file dialog, combined with |.
enum OpenOption : unsigned {
  ofFileMustExist = 1u << 0,  // only an existing file can be chosen
  ofPathMustExist = 1u << 1,  // only a file in an existing folder
  ofHideReadOnly = 1u << 2,   // no "read only" check box
  ofNoChangeDir = 1u << 3,    // the current directory stays as it was
};

class OpenDialog {
 public:
  std::string Title;       // caption; empty: the system's own
  std::string Filter;      // "Text|*.txt|Alle|*.*": description and pattern in turn
  std::string InitialDir;  // folder shown first; empty: the system's choice
  std::string DefaultExt;  // appended when the user types a name without one ("txt")
  std::string FileName;    // proposed name in; the chosen name out
  unsigned Options = ofHideReadOnly;

  // Shows the dialog, modal to the active window. Returns true when a file
  // was chosen (FileName holds it); false leaves FileName as it was.
  bool Execute();
};

// The filter in the system's form: the parts separated by NULs, two at the end.
std::string SystemFilter(const std::string& filter);

}  // namespace platform
