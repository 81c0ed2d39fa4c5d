#pragma once
// Pellinova's main window, on the main-window base of the three programs.
// For now the bare window: it opens Pellinova's projects and answers what the
// program settings ask of the main window; its commands, status pages and
// wizard are still to come.
#include <memory>
#include <string>

#include "core/MainWindow.h"

namespace pellinova {

class TProjekt;

class TMarbelkosteHaupt : public core::TMainWindow {
 public:
  TMarbelkosteHaupt();

  TProjekt* Project() const;

  // The first-run dialog of the environment settings.
  int RunFirstRunDialog(core::TIni& settings) override;

 protected:
  std::string HelpPage(int helpContext) const override;
  std::unique_ptr<core::TProjekt> CreateProject(const std::string& path, bool& failed) override;
};

}  // namespace pellinova
