#pragma once
// Corvanta's main window, on the main-window base of the three programs.
#include <string>

#include "core/MainWindow.h"

namespace corvanta {

class TMarbelkosteHaupt : public core::TMainWindow {
 public:
  TMarbelkosteHaupt();

 protected:
  std::string HelpPage(int helpContext) const override;
};

}  // namespace corvanta
