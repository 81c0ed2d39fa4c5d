// Corvanta's table of the shared texts: the rows of texts/*.def, whose
// numbers and texts strings.rc reads for the string table.
#include "corvanta/Texts.h"

#include "core/texts/TextRows.h"
#include "corvanta/TextNumbers.h"

namespace corvanta {

namespace {
constexpr core::TextNumber kTable[] = {
#include "corvanta/texts/foundation.def"
#include "corvanta/texts/settings.def"
#include "corvanta/texts/engine.def"
#include "corvanta/texts/words.def"
#include "corvanta/texts/mainwindow.def"
#include "corvanta/texts/sitewindow.def"
#include "corvanta/texts/launcher.def"
#include "corvanta/texts/projektdlg.def"
#include "corvanta/texts/umgebung.def"
#include "corvanta/texts/projectdialogs.def"
};
}  // namespace

std::span<const core::TextNumber> TextTable() { return kTable; }

}  // namespace corvanta
