#include "settings/format.h"

namespace settings {

std::string format_int(std::int64_t value, int width, int precision) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<std::uint64_t>(value)
                                                 : static_cast<std::uint64_t>(value));
    if (static_cast<int>(digits.size()) < precision) digits.insert(0, precision - digits.size(), '0');
    if (negative) digits.insert(0, 1, '-');
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), ' ');
    return digits;
}

std::string format_date_time(std::string_view pattern, platform::DateTime value,
                             const platform::LocaleFormats& locale) {
    const platform::CivilDate date = platform::date_part(value);
    const platform::CivilTime time = platform::time_part(value);
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::string_view rest = pattern.substr(i);
        if (rest.starts_with("yyyy")) {
            out += format_int(date.year, 0, 4);
            i += 4;
            continue;
        }
        int field = -1;
        if (rest.starts_with("mm")) field = date.month;
        else if (rest.starts_with("dd")) field = date.day;
        else if (rest.starts_with("hh")) field = time.hour;
        else if (rest.starts_with("nn")) field = time.minute;
        else if (rest.starts_with("ss")) field = time.second;
        if (field >= 0) {
            out += format_int(field, 0, 2);
            i += 2;
            continue;
        }
        const char c = pattern[i++];
        out += c == '/' ? locale.date_separator : c == ':' ? locale.time_separator : c;
    }
    return out;
}

}  // namespace settings
