// The cef_time_t conversions. A cef_time_t is a UTC calendar time; time_t and the double form
// count seconds since 1970-01-01 00:00 UTC. Invalid fields (month 13, 30 February, hour 24 ...)
// make a conversion fail (0) and leave its output untouched.
#include <cmath>

#include "Cef.Common.h"

using namespace standin;

namespace {

constexpr int64_t kMsPerDay = 86400000;
// The years a cef_time_t can hold without overflowing a millisecond count.
constexpr int kMinYear = -200000, kMaxYear = 200000;

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysInMonth(int64_t y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (the civil-from-days inverse below).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int& m, int& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = yoe + era * 400 + (m <= 2);
}

bool ToMs(const cef_time_t* t, int64_t& ms) {
  if (!t || t->year < kMinYear || t->year > kMaxYear || t->month < 1 || t->month > 12 || t->day_of_month < 1 ||
      t->day_of_month > DaysInMonth(t->year, t->month) || t->hour < 0 || t->hour > 23 || t->minute < 0 ||
      t->minute > 59 || t->second < 0 || t->second > 59 || t->millisecond < 0 || t->millisecond > 999)
    return false;
  ms = DaysFromCivil(t->year, t->month, t->day_of_month) * kMsPerDay +
       ((t->hour * 60 + t->minute) * 60 + t->second) * int64_t{1000} + t->millisecond;
  return true;
}

bool FromMs(int64_t ms, cef_time_t* t) {
  if (!t) return false;
  int64_t days = ms / kMsPerDay, rest = ms % kMsPerDay;
  if (rest < 0) {
    rest += kMsPerDay;
    --days;
  }
  int64_t y;
  int m, d;
  CivilFromDays(days, y, m, d);
  if (y < kMinYear || y > kMaxYear) return false;
  t->year = static_cast<int>(y);
  t->month = m;
  t->day_of_month = d;
  t->day_of_week = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday (4)
  t->hour = static_cast<int>(rest / 3600000);
  t->minute = static_cast<int>(rest / 60000 % 60);
  t->second = static_cast<int>(rest / 1000 % 60);
  t->millisecond = static_cast<int>(rest % 1000);
  return true;
}

// Milliseconds a cef_time_t can stand for: kMaxYear years either side, well inside int64.
constexpr double kMaxMs = 6.4e15;

}  // namespace

extern "C" {

int cef_time_now(cef_time_t* cef_time) {
  return Guard(0, [&] {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const int64_t since1601 = (static_cast<int64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) / 10000;
    return FromMs(since1601 - 11644473600000LL, cef_time) ? 1 : 0;
  });
}

int cef_time_delta(const cef_time_t* cef_time1, const cef_time_t* cef_time2, long long* delta) {
  return Guard(0, [&] {
    int64_t a, b;
    if (!delta || !ToMs(cef_time1, a) || !ToMs(cef_time2, b)) return 0;
    *delta = b - a;
    return 1;
  });
}

int cef_time_to_timet(const cef_time_t* cef_time, int64_t* time) {
  return Guard(0, [&] {
    int64_t ms;
    if (!time || !ToMs(cef_time, ms)) return 0;
    *time = (ms - (((ms % 1000) + 1000) % 1000)) / 1000;  // whole seconds, rounded down
    return 1;
  });
}

int cef_time_from_timet(int64_t time, cef_time_t* cef_time) {
  return Guard(0, [&] {
    if (time > static_cast<int64_t>(kMaxMs / 1000) || time < -static_cast<int64_t>(kMaxMs / 1000)) return 0;
    return FromMs(time * 1000, cef_time) ? 1 : 0;
  });
}

int cef_time_to_doublet(const cef_time_t* cef_time, double* time) {
  return Guard(0, [&] {
    int64_t ms;
    if (!time || !ToMs(cef_time, ms)) return 0;
    *time = static_cast<double>(ms) / 1000.0;
    return 1;
  });
}

int cef_time_from_doublet(double time, cef_time_t* cef_time) {
  return Guard(0, [&] {
    const double ms = std::floor(time * 1000.0 + 0.5);
    if (!std::isfinite(ms) || std::fabs(ms) > kMaxMs) return 0;
    return FromMs(static_cast<int64_t>(ms), cef_time) ? 1 : 0;
  });
}

}  // extern "C"
