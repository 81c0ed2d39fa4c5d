#pragma once
// Pellinova's variants of the forms it shares with Corvanta.
#include "desktop/SharedForms.h"

namespace pellinova {

desktop::SharedLayouts SharedLayouts();

}  // namespace pellinova
