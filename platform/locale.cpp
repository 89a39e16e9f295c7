#include "platform/locale.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {
namespace {

// A strftime format split into conversions (by their letter) and literal text.
struct Token {
    char conversion;  // 0 for literal text
    std::string text;
};

std::string_view expansion_of(char conversion) {
    switch (conversion) {
    case 'D': return "%m/%d/%y";
    case 'F': return "%Y-%m-%d";
    case 'T': return "%H:%M:%S";
    case 'R': return "%H:%M";
    case 'r': return "%I:%M:%S %p";
    default: return {};
    }
}

void tokenize(std::string_view format, std::vector<Token>& out) {
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            if (out.empty() || out.back().conversion != 0) out.push_back({0, {}});
            out.back().text += format[i++];
            continue;
        }
        ++i;
        // glibc flags, field width and the E and O modifiers change nothing here.
        while (i < format.size() && std::string_view("_-0^#").find(format[i]) != std::string_view::npos) ++i;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
        if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
        if (i >= format.size()) break;
        const char c = format[i++];
        if (c == '%' || c == 'n' || c == 't') {
            if (out.empty() || out.back().conversion != 0) out.push_back({0, {}});
            out.back().text += c == '%' ? '%' : c == 'n' ? '\n' : '\t';
        } else if (const auto expanded = expansion_of(c); !expanded.empty()) {
            tokenize(expanded, out);
        } else {
            out.push_back({c, {}});
        }
    }
}

// The first literal character standing between two conversions, when it is one byte.
char separator_of(std::string_view format, char fallback) {
    std::vector<Token> tokens;
    tokenize(format, tokens);
    bool after_conversion = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].conversion != 0) {
            after_conversion = true;
            continue;
        }
        if (!after_conversion || i + 1 >= tokens.size()) continue;
        const auto first = static_cast<unsigned char>(tokens[i].text[0]);
        return first < 0x80 ? static_cast<char>(first) : fallback;
    }
    return fallback;
}

DateOrder order_of(std::string_view format) {
    std::vector<Token> tokens;
    tokenize(format, tokens);
    for (const Token& token : tokens) {
        switch (token.conversion) {
        case 'd': case 'e': return DateOrder::DayMonthYear;
        case 'm': case 'b': case 'B': case 'h': return DateOrder::MonthDayYear;
        case 'y': case 'Y': return DateOrder::YearMonthDay;
        default: break;
        }
    }
    return DateOrder::MonthDayYear;
}

}  // namespace

LocaleFormats formats_from_strftime(std::string_view date_format, std::string_view time_format) {
    return {separator_of(date_format, '/'), separator_of(time_format, ':'), order_of(date_format)};
}

}  // namespace platform
