#pragma once
// The colour words of stored layouts: the sixteen basic colours and the
// system colours a form uses, so that a layout never holds raw numbers.
#include <windows.h>

#include <optional>
#include <span>
#include <string_view>

namespace platform {

// Every word a colour property takes; "default" leaves the kind's own colour.
std::span<const std::string_view> ColorWords();
// The colour of a word; nothing for "default" or an unknown word.
std::optional<COLORREF> ColorFromWord(std::string_view word);

}  // namespace platform
