#include "pellinova/Texts.h"

namespace pellinova {

namespace {
using core::Txt;
constexpr core::TextNumber kTable[] = {
#include "pellinova/texts/foundation.inc"
#include "pellinova/texts/settings.inc"
#include "pellinova/texts/engine.inc"
#include "pellinova/texts/scanner.inc"
#include "pellinova/texts/words.inc"
#include "pellinova/texts/mainwindow.inc"
#include "pellinova/texts/launcher.inc"
#include "pellinova/texts/pellinova.inc"
#include "pellinova/texts/umgebung.inc"
#include "pellinova/texts/projektdlg.inc"
#include "pellinova/texts/projectdialogs.inc"
#include "pellinova/texts/sitewindow.inc"
};
}  // namespace

std::span<const core::TextNumber> TextTable() { return kTable; }

}  // namespace pellinova
