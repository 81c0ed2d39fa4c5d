#pragma once
// The two time labels of the progress window, computed without a window.
#include <string>

namespace core {

// A duration in days as "hh:mm.ss" (hours:minutes.seconds): the value is
// rounded to whole milliseconds, then cut to whole seconds, so 60 s shows
// "00:01.00". Hours do not wrap at a day ("49:30.00"). "?" for what is no
// duration: negative, not a number, or beyond any run.
std::string FormatDuration(double days);

// The remaining time of a run: maximum / position x elapsed - elapsed, in
// floating point; "?" when it cannot be told (position 0, or a result that
// FormatDuration refuses).
std::string RemainingTimeText(double elapsedDays, int maximum, int position);

}  // namespace core
