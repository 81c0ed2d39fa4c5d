#include "platform/gui/Colors.h"

#include <array>

namespace platform {

namespace {

struct Named {
  std::string_view word;
  COLORREF rgb;   // a basic colour
  int sysColor;   // or a system colour (rgb unused); -1 for none
};

constexpr Named kColors[] = {
    {"black", RGB(0, 0, 0), -1},          {"maroon", RGB(128, 0, 0), -1},
    {"green", RGB(0, 128, 0), -1},        {"olive", RGB(128, 128, 0), -1},
    {"navy", RGB(0, 0, 128), -1},         {"purple", RGB(128, 0, 128), -1},
    {"teal", RGB(0, 128, 128), -1},       {"gray", RGB(128, 128, 128), -1},
    {"silver", RGB(192, 192, 192), -1},   {"red", RGB(255, 0, 0), -1},
    {"lime", RGB(0, 255, 0), -1},         {"yellow", RGB(255, 255, 0), -1},
    {"blue", RGB(0, 0, 255), -1},         {"fuchsia", RGB(255, 0, 255), -1},
    {"aqua", RGB(0, 255, 255), -1},       {"white", RGB(255, 255, 255), -1},
    {"btnface", 0, COLOR_BTNFACE},        {"btntext", 0, COLOR_BTNTEXT},
    {"window", 0, COLOR_WINDOW},          {"windowtext", 0, COLOR_WINDOWTEXT},
    {"highlight", 0, COLOR_HIGHLIGHT},    {"highlighttext", 0, COLOR_HIGHLIGHTTEXT},
    {"graytext", 0, COLOR_GRAYTEXT},      {"infobk", 0, COLOR_INFOBK},
    {"infotext", 0, COLOR_INFOTEXT},
};

constexpr auto kWords = [] {
  std::array<std::string_view, std::size(kColors) + 1> words{};
  words[0] = "default";
  for (size_t i = 0; i < std::size(kColors); ++i) words[i + 1] = kColors[i].word;
  return words;
}();

}  // namespace

std::span<const std::string_view> ColorWords() { return kWords; }

std::optional<COLORREF> ColorFromWord(std::string_view word) {
  for (const auto& c : kColors)
    if (c.word == word) return c.sysColor >= 0 ? GetSysColor(c.sysColor) : c.rgb;
  return std::nullopt;
}

}  // namespace platform
