#include "core/ProgressTimes.h"

#include <cmath>
#include <cstdio>

namespace core {

namespace {
constexpr double kMsPerDay = 86400000.0;
// Ten thousand days: far beyond any run, and safely inside a long long of ms.
constexpr double kLongestDays = 10000.0;
}  // namespace

std::string FormatDuration(double days) {
  if (!std::isfinite(days) || std::fabs(days) > kLongestDays) return "?";
  // Rounding first: a hair below zero from floating point is no negative time.
  const long long ms = std::llround(days * kMsPerDay);
  if (ms < 0) return "?";
  const long long seconds = ms / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld.%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

std::string RemainingTimeText(double elapsedDays, int maximum, int position) {
  if (position == 0) return "?";
  const double remaining = static_cast<double>(maximum) / position * elapsedDays - elapsedDays;
  return FormatDuration(remaining);
}

}  // namespace core
