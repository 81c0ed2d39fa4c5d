#include "tessarel/HelpContexts.h"

#include <iterator>

namespace tessarel {

namespace {

constexpr core::HelpTopic kTessarel[] = {
    {1, 1, "menueschaltflaechen.htm#datei"},
    {2, 2, "menueschaltflaechen.htm#einstellungen"},
    {3, 3, "menueschaltflaechen.htm#hilfe"},
    {4, 4, "menueschaltflaechen.htm#index"},
    {10, 10, "menueschaltflaechen.htm#hauptmenue"},
    {20, 20, "menueschaltflaechen.htm#hauptmenue"},
    {30, 30, "menueschaltflaechen.htm#hauptmenue"},
    {40, 40, "menueschaltflaechen.htm#hauptmenue"},
};

constexpr core::HelpTable kTable{kTessarel};

}  // namespace

const core::HelpTable& HelpTable() { return kTable; }

std::vector<std::string> DialogPages() {
  using namespace core::helppage;
  std::vector<std::string> pages = {kInhalt,        kSuchen,      kWieKannIch,      kRahmen,     kAnalyse,
                                    kStopwortliste, kStopzeichen, kArbeitsumgebung, kErsterStart};
  pages.insert(pages.end(), std::begin(kAnalyseAssistent), std::end(kAnalyseAssistent));
  return pages;
}

}  // namespace tessarel
