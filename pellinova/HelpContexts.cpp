#include "pellinova/HelpContexts.h"

namespace pellinova {

namespace {

constexpr core::HelpTopic kPellinova[] = {
    {58, 58, "menueschaltflaechen.htm#hilfe"},
    core::Topic(core::hcUngleicheLaufwerke, "meldungen.htm#ungleichelaufwerke"),
};

const core::HelpTable kTable{kPellinova, &core::SiteIndexerHelp()};

}  // namespace

const core::HelpTable& HelpTable() { return kTable; }

}  // namespace pellinova
