#include "settings/convert.h"

#include <string>

#include "settings/errors.h"

namespace settings {
namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the date text left to right; every scan skips the blanks before it.
class DateScanner {
public:
    explicit DateScanner(std::string_view text) : text_(text) {}

    // A run of digits, taken while the value so far is below 1000.
    bool number(int& value, int& digits) {
        skip_blanks();
        value = 0;
        digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && value < 1000) {
            value = value * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        return digits > 0;
    }

    bool separator(char c) {
        skip_blanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool at_end() {
        skip_blanks();
        return pos_ == text_.size();
    }

private:
    void skip_blanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<platform::DateTime> parse_date(std::string_view text, const platform::LocaleFormats& locale,
                                             int current_year) {
    using platform::DateOrder;
    DateScanner scan(text);
    int n1 = 0, n2 = 0, n3 = 0, digits1 = 0, digits = 0;
    if (!scan.number(n1, digits1) || !scan.separator(locale.date_separator) || !scan.number(n2, digits))
        return std::nullopt;
    // A four-digit first number is a year on every locale, so that the dates
    // the program writes itself ("yyyy/mm/dd") always read back.
    const DateOrder order = digits1 == 4 ? DateOrder::YearMonthDay : locale.date_order;
    int year = 0, month = 0, day = 0;
    if (scan.separator(locale.date_separator)) {
        if (!scan.number(n3, digits)) return std::nullopt;
        switch (order) {
        case DateOrder::YearMonthDay: year = n1, month = n2, day = n3; break;
        case DateOrder::MonthDayYear: month = n1, day = n2, year = n3; break;
        case DateOrder::DayMonthYear: day = n1, month = n2, year = n3; break;
        }
        if (year <= 99) year += current_year / 100 * 100;
        scan.separator(locale.date_separator);
    } else {
        year = current_year;
        if (order == DateOrder::DayMonthYear) day = n1, month = n2;
        else month = n1, day = n2;
    }
    if (!scan.at_end() || !platform::is_valid_date(year, month, day)) return std::nullopt;
    return platform::encode({year, month, day});
}

}  // namespace

std::optional<std::int32_t> parse_int(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '$') {
        ++i;
        if (i == text.size()) return std::nullopt;
        std::uint64_t value = 0;
        for (; i < text.size(); ++i) {
            const int digit = hex_digit(text[i]);
            if (digit < 0) return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu) return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t str_to_int(std::string_view text) {
    if (const auto value = parse_int(text)) return *value;
    throw ConvertError("'" + std::string(text) + "' は整数ではありません");
}

platform::DateTime str_to_date(std::string_view text, const platform::LocaleFormats& locale,
                               int current_year) {
    if (const auto value = parse_date(text, locale, current_year)) return *value;
    throw ConvertError("'" + std::string(text) + "' は日付ではありません");
}

}  // namespace settings
