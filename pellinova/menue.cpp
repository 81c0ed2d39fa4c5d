#include "pellinova/menue.h"

#include "corvanta/umgebung.h"
#include "pellinova/HelpContexts.h"
#include "pellinova/SharedForms.h"
#include "pellinova/projektVerwaltung.h"

namespace pellinova {

TMarbelkosteHaupt::TMarbelkosteHaupt() : TMainWindow({"TMarbelkosteHaupt"}) {}

TProjekt* TMarbelkosteHaupt::Project() const { return static_cast<TProjekt*>(Projekt()); }

std::string TMarbelkosteHaupt::HelpPage(int helpContext) const { return HelpTable().Page(helpContext); }

std::unique_ptr<core::TProjekt> TMarbelkosteHaupt::CreateProject(const std::string& path, bool& failed) {
  return std::make_unique<TProjekt>(path, failed);
}

int TMarbelkosteHaupt::RunFirstRunDialog(core::TIni& settings) {
  return corvanta::ShowFirstRunDialog(SharedLayouts().firstRun, settings, corvanta::ServicesOf(*this));
}

}  // namespace pellinova
