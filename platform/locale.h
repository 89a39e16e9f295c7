#pragma once

#include <string_view>

namespace platform {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// What the date formatting and parsing take from the user's locale.
struct LocaleFormats {
    char date_separator = '/';
    char time_separator = ':';
    DateOrder date_order = DateOrder::MonthDayYear;
};

// Derives the formats from strftime-style date and time formats (nl_langinfo's
// D_FMT and T_FMT). Kept apart from the process locale so any locale can be tested.
LocaleFormats formats_from_strftime(std::string_view date_format, std::string_view time_format);

// The user's locale, read once: sets the process locale from the environment.
LocaleFormats current_locale_formats();

}  // namespace platform
