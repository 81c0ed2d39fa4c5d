#pragma once
// Pellinova's variants of the forms it shares with Corvanta.
#include "corvanta/SharedForms.h"

namespace pellinova {

corvanta::SharedLayouts SharedLayouts();

}  // namespace pellinova
