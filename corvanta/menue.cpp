#include "corvanta/menue.h"

#include "corvanta/HelpContexts.h"

namespace corvanta {

TMarbelkosteHaupt::TMarbelkosteHaupt() : TMainWindow({"TMarbelkosteHaupt"}) {}

std::string TMarbelkosteHaupt::HelpPage(int helpContext) const { return corvanta::HelpPage(helpContext); }

}  // namespace corvanta
