#pragma once
// The values of the main window's status pages: what the open project holds
// and what its last run produced, as the labels show them. The window only
// copies them into its controls.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace core {
class TProjekt;
}

namespace desktop {

// A database larger than this is shown in the highlight colour.
constexpr std::int32_t kLargeIndexSize = 500000;

// "12%" for 1000 and 875: 100 minus compressed / normal in per cent, rounded
// to the nearest (ties to even); "0%" when normal is 0.
std::string GainText(std::int32_t normal, std::int32_t compressed);
// "unbegrenzt", or "3 <= Breite <= 40" with the bounds that are not 0.
std::string WordWidthText(const core::TProjekt& project);

struct StatusValues {
  std::vector<std::pair<const char*, std::string>> labels;  // value label, text
  bool sizeHighlighted = false;                             // lblDateiGroesse
  std::vector<std::string> pages;                           // lbxDateien
  std::vector<std::string> stopWords;                       // lbxStopwoerter
};

// The values for a project whose DateiGroesseOptimiert has been filled in.
StatusValues ComputeStatus(const core::TProjekt& project);

}  // namespace desktop
