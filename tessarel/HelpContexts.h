#pragma once
// Tessarel's help contexts: its messages carry none, so they serve the menus
// alone; and the pages its dialogs open.
#include <string>
#include <vector>

#include "core/HelpContexts.h"

namespace tessarel {

const core::HelpTable& HelpTable();

// Every page, with anchor, that Tessarel's dialogs and help menu open
// directly.
std::vector<std::string> DialogPages();

}  // namespace tessarel
