#include "tessarel/Texts.h"

namespace tessarel {

namespace {
using core::Txt;
constexpr core::TextNumber kTable[] = {
#include "tessarel/texts/foundation.inc"
#include "tessarel/texts/settings.inc"
#include "tessarel/texts/engine.inc"
#include "tessarel/texts/scanner.inc"
#include "tessarel/texts/mainwindow.inc"
#include "tessarel/texts/launcher.inc"
#include "tessarel/texts/windows.inc"
};
}  // namespace

std::span<const core::TextNumber> TextTable() { return kTable; }

}  // namespace tessarel
