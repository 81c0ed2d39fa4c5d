#pragma once
#include <span>

#include "core/Texts.h"

namespace corvanta {
// Corvanta's mapping of the shared texts to its string table.
std::span<const core::TextNumber> TextTable();
}  // namespace corvanta
