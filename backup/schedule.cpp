#include "backup/schedule.h"

#include <cstdint>

#include "settings/convert.h"
#include "settings/errors.h"
#include "settings/format.h"

namespace backup {
namespace {

int day_of_month(const ScheduleInput& input) {
    return settings::str_to_int(settings::format_date_time("dd", input.clock.now(), input.locale));
}

std::int64_t days_since_base(const ScheduleInput& input) {
    const std::int64_t today = platform::day_number(input.clock.now());
    const int year = platform::date_part(input.clock.now()).year;
    return today - platform::day_number(settings::str_to_date(input.base_date, input.locale, year));
}

}  // namespace

int history_number(const ScheduleInput& input) {
    if (input.history == 7) return platform::weekday(input.clock.now()) - 1;
    if (input.history == 32) return day_of_month(input);
    // BaseDate is read before the division, so a bad date is reported first.
    const std::int64_t days = days_since_base(input);
    if (input.history == 0) throw settings::DivisionError();
    // C++'s % truncates: the remainder takes the sign of the difference.
    return static_cast<int>(days % input.history);
}

bool day_folder_due(const ScheduleInput& input) {
    if (input.day == 7 && platform::weekday(input.clock.now()) == 2) return true;
    if (input.day == 32 && day_of_month(input) == 1) return true;
    return days_since_base(input) % input.day == 0;
}

}  // namespace backup
