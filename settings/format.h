#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/datetime.h"
#include "platform/locale.h"

namespace settings {

// An integer as "%d" (width 0, precision 0), "%2d" (width 2: blank-padded),
// "%0.4d" (precision 4: at least four digits, the minus sign in front).
std::string format_int(std::int64_t value, int width = 0, int precision = 0);

// A date-time by a pattern of yyyy, mm, dd, hh, nn (minutes) and ss, all
// zero-padded; "/" and ":" stand for the locale's separators, anything else
// is copied.
std::string format_date_time(std::string_view pattern, platform::DateTime value,
                             const platform::LocaleFormats& locale);

}  // namespace settings
