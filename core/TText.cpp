// The text helpers of TText; none needs anything from the system.
#include <algorithm>
#include <string>
#include <string_view>

#include "core/Entities.h"
#include "core/TText.h"

namespace core {

void TText::StripTrailingCharInPlace(char c, std::string& s) const {
  if (!s.empty() && s.back() == c) s.pop_back();
}

void TText::StripLeadingCharInPlace(char c, std::string& s) const {
  if (!s.empty() && s.front() == c) s.erase(0, 1);
}

std::string TText::StripTrailingChar(char c, std::string_view s) const {
  std::string result(s);
  StripTrailingCharInPlace(c, result);
  return result;
}

std::string TText::StripLeadingChar(char c, std::string_view s) const {
  std::string result(s);
  StripLeadingCharInPlace(c, result);
  return result;
}

std::string TText::Spaces(int n) const { return n < 1 ? std::string() : std::string(static_cast<size_t>(n), ' '); }

std::string TText::ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement) const {
  if (search.empty()) return std::string(text);
  std::string result;
  size_t from = 0;
  for (size_t hit = text.find(search); hit != std::string_view::npos; hit = text.find(search, from)) {
    result.append(text.substr(from, hit - from));
    result.append(replacement);
    from = hit + search.size();
  }
  result.append(text.substr(from));
  return result;
}

void TText::DropLastChar(std::string& s) const {
  if (!s.empty()) s.pop_back();
}

std::string TText::DecodeEntities(std::string_view text) const { return DecodeEntityRows(text, tradeEntity_); }

std::string TText::NormalizeEntities(std::string_view text) const { return EncodeCanonical(DecodeEntities(text)); }

int TText::LastPos(std::string_view search, std::string_view text) const {
  if (search.empty()) return 0;
  const size_t hit = text.rfind(search);
  return hit == std::string_view::npos ? 0 : static_cast<int>(hit) + 1;
}

std::string TText::ShortenUrl(std::string_view text, int n) const {
  const size_t first = text.find('/');
  if (static_cast<long long>(text.size()) <= n || first == std::string_view::npos) return std::string(text);
  const std::string head = std::string(text.substr(0, first + 1)) + "...";
  std::string_view rest = text.substr(first + 1);
  // Drop leading folders of the rest until head + rest fits into n + 1, or
  // no "/" is left to cut at.
  while (static_cast<long long>(head.size() + rest.size()) > static_cast<long long>(n) + 1) {
    const size_t slash = rest.find('/');
    if (slash == std::string_view::npos) break;
    rest.remove_prefix(slash + 1);
  }
  return head + "/" + std::string(rest);
}

std::string TText::PathToFileUrl(std::string_view path) const {
  return ReplaceAll("file:///" + ReplaceAll(path, ":", "|"), "\\", "/");
}

std::string TText::PunctuationToSpaces(std::string_view text) const {
  std::string result(text);
  for (char& c : result) {
    if (std::string_view(",.;\"'-/\\:?!").find(c) != std::string_view::npos) c = ' ';
  }
  return result;
}

std::string TText::NormalizeWhitespace(std::string_view text) const {
  std::string result(text);
  for (char& c : result) {
    if (c == '\t' || static_cast<unsigned char>(c) == 254) c = ' ';
  }
  return ReplaceAll(result, "  ", " ");
}

TText& Text() {
  static TText instance;
  return instance;
}

}  // namespace core
