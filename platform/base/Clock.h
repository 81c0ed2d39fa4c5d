#pragma once
// Date and time as the programs keep it: a day count since 1899-12-30 in a
// double, the fraction being the time of day. Before that day the integral
// part counts back and the fraction still runs forward (-1.25 is 1899-12-29
// 06:00). The user's date, time and number formats come from the locale.
#ifdef _WIN32
#include <windows.h>
#endif

#include <functional>
#include <string>

namespace platform {

using TDateTime = double;

// Local time now, to the millisecond; the test clock when one is installed.
TDateTime Now();

// Installs a clock that Now() asks instead of the system; an empty function
// brings the real clock back.
void SetClockForTest(std::function<TDateTime()> clock);

#ifdef _WIN32  // the system's own date type
TDateTime DateTimeFromSystemTime(const SYSTEMTIME& st);
// The time is rounded to the nearest millisecond. A value outside the years
// 1 to 9999 (or not a number) gives 1899-12-30 00:00.
SYSTEMTIME SystemTimeFromDateTime(TDateTime value);
#endif

// The user's short date ("30.12.1899" on a German system) and long time
// ("13:05:09"). Empty when the locale cannot format the value (years before
// 1601).
std::string ShortDateString(TDateTime value);
std::string LongTimeString(TDateTime value);

// The user's thousands and decimal separators, as code page 1252 text. The
// thousands separator may be empty (locales that group without one).
std::string ThousandSeparator();
std::string DecimalSeparator();

}  // namespace platform
