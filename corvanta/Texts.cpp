#include "corvanta/Texts.h"

namespace corvanta {

namespace {
using core::Txt;
constexpr core::TextNumber kTable[] = {
#include "corvanta/texts/foundation.inc"
#include "corvanta/texts/settings.inc"
#include "corvanta/texts/engine.inc"
#include "corvanta/texts/scanner.inc"
#include "corvanta/texts/words.inc"
#include "corvanta/texts/mainwindow.inc"
#include "corvanta/texts/sitewindow.inc"
#include "corvanta/texts/launcher.inc"
#include "corvanta/texts/projektdlg.inc"
#include "corvanta/texts/umgebung.inc"
#include "corvanta/texts/projectdialogs.inc"
};
}  // namespace

std::span<const core::TextNumber> TextTable() { return kTable; }

}  // namespace corvanta
