#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/locale.h"

namespace backup {

// What the schedule needs: the clock is read afresh for every value.
struct ScheduleInput {
    int history;
    int day;
    const std::string& base_date;
    const platform::Clock& clock;
    const platform::LocaleFormats& locale;
};

// History 7: the weekday, 0 = Sunday. History 32: the day of the month.
// Otherwise the days since BaseDate modulo History, with the sign of the
// difference (a BaseDate in the future gives a negative folder, kept as it
// always was). History 0 raises DivisionError, a bad BaseDate ConvertError.
int history_number(const ScheduleInput& input);

// Whether a day folder is due today; Day must be above 0. Mondays for Day 7
// and the 1st for Day 32, and for every Day each Day-th day from BaseDate.
// BaseDate is read only when the first two tests do not already answer.
bool day_folder_due(const ScheduleInput& input);

}  // namespace backup
