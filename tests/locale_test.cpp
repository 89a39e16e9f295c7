#include <gtest/gtest.h>

#include <string>

#include "platform/locale.h"

namespace {

using platform::DateOrder;

struct LocaleRow {
    const char* name;
    const char* date_format;  // nl_langinfo(D_FMT) of that locale
    const char* time_format;  // nl_langinfo(T_FMT)
    char date_separator;
    char time_separator;
    DateOrder order;
};

void PrintTo(const LocaleRow& row, std::ostream* os) { *os << row.name; }

class LocaleFormats : public testing::TestWithParam<LocaleRow> {};

TEST_P(LocaleFormats, SeparatorsAndOrderFromStrftimeFormats) {
    const LocaleRow& row = GetParam();
    const platform::LocaleFormats got = platform::formats_from_strftime(row.date_format, row.time_format);
    EXPECT_EQ(got.date_separator, row.date_separator);
    EXPECT_EQ(got.time_separator, row.time_separator);
    EXPECT_EQ(got.date_order, row.order);
}

const LocaleRow kRows[] = {
    {"C", "%m/%d/%y", "%H:%M:%S", '/', ':', DateOrder::MonthDayYear},
    {"enUS", "%m/%d/%Y", "%r", '/', ':', DateOrder::MonthDayYear},
    {"jaJP", "%Y年%m月%d日", "%H時%M分%S秒", '/', ':', DateOrder::YearMonthDay},
    {"svSE", "%F", "%T", '-', ':', DateOrder::YearMonthDay},
    {"deDE", "%d.%m.%Y", "%T", '.', ':', DateOrder::DayMonthYear},
    {"fiFI", "%d.%m.%Y", "%H.%M.%S", '.', '.', DateOrder::DayMonthYear},
    {"CompositeD", "%D", "%R", '/', ':', DateOrder::MonthDayYear},
    {"FlagsAndModifiers", "%-d.%-m.%Ey", "%OH:%OM", '.', ':', DateOrder::DayMonthYear},
    {"SpelledMonth", "%b %e %Y", "%H:%M", ' ', ':', DateOrder::MonthDayYear},
    {"NoConversions", "date", "", '/', ':', DateOrder::MonthDayYear},
    {"SingleConversion", "%x", "%X", '/', ':', DateOrder::MonthDayYear},
};

INSTANTIATE_TEST_SUITE_P(Rows, LocaleFormats, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
