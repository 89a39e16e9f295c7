#include "platform/datetime.h"

#include <cmath>

namespace platform {
namespace {

// Days from 1970-01-01 to 1899-12-30.
constexpr std::int64_t kEpochOffset = 25569;

// Proleptic Gregorian conversions after H. Hinnant's days_from_civil.
std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate civil_from_days(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp + (mp < 10 ? 3 : -9);
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

}  // namespace

bool is_valid_date(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= days_in_month(year, month);
}

int days_in_month(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::int64_t day_number_of(CivilDate date) {
    return days_from_civil(date.year, static_cast<unsigned>(date.month),
                           static_cast<unsigned>(date.day)) +
           kEpochOffset;
}

CivilDate date_of(std::int64_t day_number) { return civil_from_days(day_number - kEpochOffset); }

DateTime encode(CivilDate date, CivilTime time) {
    const double fraction = (time.hour * 3600.0 + time.minute * 60.0 + time.second) / 86400.0;
    return static_cast<double>(day_number_of(date)) + fraction;
}

std::int64_t day_number(DateTime value) { return static_cast<std::int64_t>(std::trunc(value)); }

CivilDate date_part(DateTime value) { return date_of(day_number(value)); }

CivilTime time_part(DateTime value) {
    // Round to the millisecond first so that 10:00:00 stored as 0.41666... stays 10:00:00.
    const double fraction = std::fabs(value - std::trunc(value));
    auto ms = static_cast<std::int64_t>(std::llround(fraction * 86400000.0));
    if (ms >= 86400000) ms = 86399999;
    const auto seconds = static_cast<int>(ms / 1000);
    return {seconds / 3600, seconds / 60 % 60, seconds % 60};
}

int weekday(DateTime value) {
    const std::int64_t n = day_number(value);
    return static_cast<int>(((n + 6) % 7 + 7) % 7) + 1;
}

}  // namespace platform
