// Tessarel's table of the shared texts: the rows of texts/*.def, whose
// numbers and texts strings.rc reads for the string table.
#include "tessarel/Texts.h"

#include "core/texts/TextRows.h"
#include "tessarel/TextNumbers.h"

namespace tessarel {

namespace {
constexpr core::TextNumber kTable[] = {
#include "tessarel/texts/foundation.def"
#include "tessarel/texts/settings.def"
#include "tessarel/texts/engine.def"
#include "tessarel/texts/mainwindow.def"
#include "tessarel/texts/launcher.def"
#include "tessarel/texts/windows.def"
};
}  // namespace

std::span<const core::TextNumber> TextTable() { return kTable; }

}  // namespace tessarel
