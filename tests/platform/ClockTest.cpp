#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/Clock.h"

using namespace platform;

namespace {

SYSTEMTIME Make(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s, WORD ms) {
  SYSTEMTIME st = {};
  st.wYear = y;
  st.wMonth = mo;
  st.wDay = d;
  st.wHour = h;
  st.wMinute = mi;
  st.wSecond = s;
  st.wMilliseconds = ms;
  return st;
}

void ExpectSame(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  EXPECT_EQ(a.wYear, b.wYear);
  EXPECT_EQ(a.wMonth, b.wMonth);
  EXPECT_EQ(a.wDay, b.wDay);
  EXPECT_EQ(a.wHour, b.wHour);
  EXPECT_EQ(a.wMinute, b.wMinute);
  EXPECT_EQ(a.wSecond, b.wSecond);
  EXPECT_EQ(a.wMilliseconds, b.wMilliseconds);
}

}  // namespace

TEST(Clock, DayCountsOnBothSidesOfTheEpoch) {
  EXPECT_DOUBLE_EQ(DateTimeFromSystemTime(Make(1899, 12, 30, 0, 0, 0, 0)), 0.0);
  EXPECT_DOUBLE_EQ(DateTimeFromSystemTime(Make(1900, 1, 1, 12, 0, 0, 0)), 2.5);
  EXPECT_DOUBLE_EQ(DateTimeFromSystemTime(Make(2000, 2, 29, 0, 0, 0, 0)), 36585.0);
  // Before the epoch the time still runs forward from the day.
  EXPECT_DOUBLE_EQ(DateTimeFromSystemTime(Make(1899, 12, 29, 6, 0, 0, 0)), -1.25);
  ExpectSame(SystemTimeFromDateTime(-1.25), Make(1899, 12, 29, 6, 0, 0, 0));

  const SYSTEMTIME st = Make(2024, 3, 5, 13, 5, 9, 250);
  ExpectSame(SystemTimeFromDateTime(DateTimeFromSystemTime(st)), st);
  EXPECT_EQ(SystemTimeFromDateTime(DateTimeFromSystemTime(st)).wDayOfWeek, 2);  // a Tuesday
}

TEST(Clock, RoundingToMidnightGivesTheNextDay) {
  ExpectSame(SystemTimeFromDateTime(45356.9999999999), Make(2024, 3, 6, 0, 0, 0, 0));
  ExpectSame(SystemTimeFromDateTime(-1.9999999999), Make(1899, 12, 30, 0, 0, 0, 0));
  ExpectSame(SystemTimeFromDateTime(NAN), Make(1899, 12, 30, 0, 0, 0, 0));
}

TEST(Clock, TestClockReplacesTheSystemClock) {
  SetClockForTest([] { return 45356.5; });
  EXPECT_DOUBLE_EQ(Now(), 45356.5);
  SetClockForTest(nullptr);
  SYSTEMTIME st;
  GetLocalTime(&st);
  EXPECT_NEAR(Now(), DateTimeFromSystemTime(st), 5.0 / 86400);
}

TEST(Clock, LocaleFormats) {
  const TDateTime t = DateTimeFromSystemTime(Make(2024, 3, 5, 13, 5, 9, 0));
  EXPECT_NE(ShortDateString(t).find("2024"), std::string::npos);
  EXPECT_NE(LongTimeString(t).find("05:09"), std::string::npos);
  EXPECT_EQ(ShortDateString(-700000.0), ShortDateString(0.0));  // out of range falls back to the epoch
  EXPECT_EQ(DecimalSeparator().size(), 1u);
  EXPECT_NE(ThousandSeparator(), DecimalSeparator());
}
