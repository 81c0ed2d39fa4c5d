#include "corvanta/menue.h"

#include "core/HelpContexts.h"

namespace corvanta {

TMarbelkosteHaupt::TMarbelkosteHaupt() : TMainWindow({"TMarbelkosteHaupt"}) {}

std::string TMarbelkosteHaupt::HelpPage(int helpContext) const { return core::SiteIndexerHelp().Page(helpContext); }

}  // namespace corvanta
