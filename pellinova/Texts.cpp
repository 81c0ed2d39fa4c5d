// Pellinova's table of the shared texts: the rows of texts/*.def, whose
// numbers and texts strings.rc reads for the string table.
#include "pellinova/Texts.h"

#include "core/texts/TextRows.h"
#include "pellinova/TextNumbers.h"

namespace pellinova {

namespace {
constexpr core::TextNumber kTable[] = {
#include "pellinova/texts/foundation.def"
#include "pellinova/texts/settings.def"
#include "pellinova/texts/engine.def"
#include "pellinova/texts/words.def"
#include "pellinova/texts/mainwindow.def"
#include "pellinova/texts/launcher.def"
#include "pellinova/texts/pellinova.def"
#include "pellinova/texts/umgebung.def"
#include "pellinova/texts/projektdlg.def"
#include "pellinova/texts/projectdialogs.def"
#include "pellinova/texts/sitewindow.def"
};
}  // namespace

std::span<const core::TextNumber> TextTable() { return kTable; }

}  // namespace pellinova
