#pragma once
// Pellinova's help contexts: Corvanta's table and two more, the reference
// item of the help menu and the question about different drives.
#include "core/HelpContexts.h"

namespace pellinova {

const core::HelpTable& HelpTable();

}  // namespace pellinova
