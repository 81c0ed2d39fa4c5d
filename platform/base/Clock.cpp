#include "platform/base/Clock.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace platform {

namespace {

constexpr int64_t kMsPerDay = 86400000;

std::function<TDateTime()>& TestClock() {
  static std::function<TDateTime()> clock;
  return clock;
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
}

const int64_t kEpoch = DaysFromCivil(1899, 12, 30);

std::string LocaleText(LCTYPE type) {
  char buf[16] = {};
  const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf);
  return n > 1 ? std::string(buf, static_cast<size_t>(n - 1)) : std::string();
}

}  // namespace

TDateTime Now() {
  if (const auto& clock = TestClock()) return clock();
  SYSTEMTIME st;
  GetLocalTime(&st);
  return DateTimeFromSystemTime(st);
}

void SetClockForTest(std::function<TDateTime()> clock) { TestClock() = std::move(clock); }

TDateTime DateTimeFromSystemTime(const SYSTEMTIME& st) {
  const int64_t days = DaysFromCivil(st.wYear, st.wMonth, st.wDay) - kEpoch;
  const int64_t ms = ((st.wHour * 60 + st.wMinute) * 60 + st.wSecond) * 1000LL + st.wMilliseconds;
  const double time = static_cast<double>(ms) / kMsPerDay;
  return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

SYSTEMTIME SystemTimeFromDateTime(TDateTime value) {
  SYSTEMTIME st = {};
  // Years 1 to 9999 keep every field in range.
  if (!std::isfinite(value) || value < -693593.0 || value >= 2958466.0) value = 0;
  double whole = std::trunc(value);
  int64_t ms = std::llround(std::fabs(value - whole) * kMsPerDay);
  if (ms >= kMsPerDay) {
    // Rounding reached midnight. The fraction runs forward from the integral
    // day on both sides of the epoch, so this is simply the next day.
    ms -= kMsPerDay;
    whole += 1;
  }
  int64_t y = 0;
  unsigned m = 0, d = 0;
  CivilFromDays(static_cast<int64_t>(whole) + kEpoch, y, m, d);
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(m);
  st.wDay = static_cast<WORD>(d);
  st.wDayOfWeek = static_cast<WORD>(((static_cast<int64_t>(whole) % 7) + 7 + 6) % 7);  // 1899-12-30 was a Saturday
  st.wHour = static_cast<WORD>(ms / 3600000);
  st.wMinute = static_cast<WORD>(ms / 60000 % 60);
  st.wSecond = static_cast<WORD>(ms / 1000 % 60);
  st.wMilliseconds = static_cast<WORD>(ms % 1000);
  return st;
}

std::string ShortDateString(TDateTime value) {
  const SYSTEMTIME st = SystemTimeFromDateTime(value);
  char buf[128];
  const int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, sizeof buf);
  return n > 1 ? std::string(buf, static_cast<size_t>(n - 1)) : std::string();
}

std::string LongTimeString(TDateTime value) {
  const SYSTEMTIME st = SystemTimeFromDateTime(value);
  char buf[128];
  const int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, buf, sizeof buf);
  return n > 1 ? std::string(buf, static_cast<size_t>(n - 1)) : std::string();
}

std::string ThousandSeparator() { return LocaleText(LOCALE_STHOUSAND); }

std::string DecimalSeparator() { return LocaleText(LOCALE_SDECIMAL); }

}  // namespace platform
