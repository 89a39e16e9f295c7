#pragma once

#include <cstdint>

namespace platform {

// The program's date-time value: days since 1899-12-30 as the integral part,
// the time of day as the fraction.
using DateTime = double;

struct CivilDate {
    int year;
    int month;  // 1-12
    int day;    // 1-31
};

struct CivilTime {
    int hour;
    int minute;
    int second;
};

bool is_valid_date(int year, int month, int day);
int days_in_month(int year, int month);

// Day number of a date: days since 1899-12-30 (negative before it).
std::int64_t day_number_of(CivilDate date);
CivilDate date_of(std::int64_t day_number);

DateTime encode(CivilDate date, CivilTime time = {0, 0, 0});

// The integral part, truncated.
std::int64_t day_number(DateTime value);
CivilDate date_part(DateTime value);
CivilTime time_part(DateTime value);

// 1 = Sunday ... 7 = Saturday.
int weekday(DateTime value);

}  // namespace platform
