#pragma once
// The page that explains the command-line switches, shown for a help switch
// before any other window. Each program has its variant of the layout (its
// name, parameter file and extension).
#include <string>

#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"

namespace desktop {

class TCommandDlg : public platform::Form {
 public:
  // layoutName: the running program's variant ("TCommandDlg" is Corvanta's).
  explicit TCommandDlg(const std::string& layoutName);
  platform::Label& lblVersion;
  platform::Button& OKBtn;
};

// Shows the page modally; the exit code of a help request.
int ShowCommandLineHelp(const std::string& layoutName);

}  // namespace desktop
