#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/convert.h"
#include "settings/errors.h"
#include "settings/format.h"
#include "support/fake_clock.h"

namespace {

using platform::DateOrder;
using platform::LocaleFormats;
using testing_support::kDayFirst;
using testing_support::kMonthFirst;
using testing_support::kYearFirst;

struct IntRow {
    const char* name;
    const char* text;
    std::optional<int> value;
};

void PrintTo(const IntRow& row, std::ostream* os) { *os << row.name; }

class TextToInteger : public testing::TestWithParam<IntRow> {};

TEST_P(TextToInteger, ParsesOrRefuses) {
    const IntRow& row = GetParam();
    EXPECT_EQ(settings::parse_int(row.text), row.value);
}

const IntRow kIntRows[] = {
    {"Plain", "7", 7},
    {"LeadingZero", "07", 7},
    {"PlusSign", "+7", 7},
    {"MinusSign", "-5", -5},
    {"BlanksBefore", "  7", 7},
    {"Hex", "$1F", 31},
    {"HexLowerCase", "$ff", 255},
    {"HexWrapsToNegative", "$FFFFFFFF", -1},
    {"Max", "2147483647", 2147483647},
    {"Min", "-2147483648", -2147483647 - 1},
    {"TooLarge", "2147483648", std::nullopt},
    {"HexTooLarge", "$100000000", std::nullopt},
    {"BlankAfter", "7 ", std::nullopt},
    {"Empty", "", std::nullopt},
    {"OnlyBlanks", "  ", std::nullopt},
    {"SignOnly", "-", std::nullopt},
    {"DollarOnly", "$", std::nullopt},
    {"SignedHex", "-$1F", std::nullopt},
    {"TrailingLetter", "7x", std::nullopt},
    {"TabBefore", "\t7", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Rows, TextToInteger, testing::ValuesIn(kIntRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextToInteger, RefusalQuotesTheWholeText) {
    try {
        settings::str_to_int("7 ");
        FAIL() << "no error";
    } catch (const settings::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'7 ' は整数ではありません");
    }
    EXPECT_THROW(settings::str_to_int(""), settings::ConvertError);
}

struct DateRow {
    const char* name;
    LocaleFormats locale;
    const char* text;
    std::optional<platform::CivilDate> date;  // nullopt: refused
};

void PrintTo(const DateRow& row, std::ostream* os) { *os << row.name; }

class TextToDate : public testing::TestWithParam<DateRow> {};

TEST_P(TextToDate, ReadsInLocaleOrder) {
    const DateRow& row = GetParam();
    constexpr int kCurrentYear = 2026;
    if (!row.date) {
        try {
            settings::str_to_date(row.text, row.locale, kCurrentYear);
            FAIL() << "accepted " << row.text;
        } catch (const settings::ConvertError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(row.text) + "' は日付ではありません");
        }
        return;
    }
    const platform::CivilDate got =
        platform::date_part(settings::str_to_date(row.text, row.locale, kCurrentYear));
    EXPECT_EQ(got.year, row.date->year);
    EXPECT_EQ(got.month, row.date->month);
    EXPECT_EQ(got.day, row.date->day);
}

constexpr LocaleFormats kDashYearFirst{'-', ':', DateOrder::YearMonthDay};

const DateRow kDateRows[] = {
    {"YearFirstPlain", kYearFirst, "2004/05/03", platform::CivilDate{2004, 5, 3}},
    {"YearFirstNoPadding", kYearFirst, "2004/5/3", platform::CivilDate{2004, 5, 3}},
    {"BlanksAround", kYearFirst, " 2004 / 05 / 03 ", platform::CivilDate{2004, 5, 3}},
    {"TrailingSeparator", kYearFirst, "2004/05/03/", platform::CivilDate{2004, 5, 3}},
    {"TwoDigitYear", kYearFirst, "04/05/03", platform::CivilDate{2004, 5, 3}},
    {"NoYear", kYearFirst, "05/03", platform::CivilDate{2026, 5, 3}},
    {"TimeAfter", kYearFirst, "2004/05/03 12:00", std::nullopt},
    {"OtherSeparator", kYearFirst, "2004-05-03", std::nullopt},
    {"NoSuchDay", kYearFirst, "2004/02/30", std::nullopt},
    {"LeapDay", kYearFirst, "2004/02/29", platform::CivilDate{2004, 2, 29}},
    {"FiveDigits", kYearFirst, "20040/05/03", std::nullopt},
    {"Empty", kYearFirst, "", std::nullopt},
    {"DashLocale", kDashYearFirst, "2004-05-03", platform::CivilDate{2004, 5, 3}},
    {"MonthFirst", kMonthFirst, "05/03/2004", platform::CivilDate{2004, 5, 3}},
    {"MonthFirstNoYear", kMonthFirst, "05/03", platform::CivilDate{2026, 5, 3}},
    {"DayFirst", kDayFirst, "03.05.2004", platform::CivilDate{2004, 5, 3}},
    {"DayFirstNoYear", kDayFirst, "03.05", platform::CivilDate{2026, 5, 3}},
    // What Save writes reads back on every locale.
    {"MonthFirstReadsStoredDate", kMonthFirst, "2004/05/03", platform::CivilDate{2004, 5, 3}},
    {"DayFirstReadsStoredDate", LocaleFormats{'/', ':', DateOrder::DayMonthYear}, "2004/05/03",
     platform::CivilDate{2004, 5, 3}},
    {"StoredDateAfterSeparatorChange", kDayFirst, "2004/05/03", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Rows, TextToDate, testing::ValuesIn(kDateRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Format, IntegersByWidthAndPrecision) {
    EXPECT_EQ(settings::format_int(7), "7");
    EXPECT_EQ(settings::format_int(-7), "-7");
    EXPECT_EQ(settings::format_int(7, 0, 2), "07");
    EXPECT_EQ(settings::format_int(123, 0, 2), "123");
    EXPECT_EQ(settings::format_int(7, 2), " 7");
    EXPECT_EQ(settings::format_int(32, 2), "32");
    EXPECT_EQ(settings::format_int(6, 0, 4), "0006");
    EXPECT_EQ(settings::format_int(-2, 0, 4), "-0002");
    EXPECT_EQ(settings::format_int(123, 8), "     123");
    EXPECT_EQ(settings::format_int(123456789, 8), "123456789");
}

TEST(Format, DateTimeUsesLocaleSeparators) {
    const platform::DateTime value = platform::encode({2004, 5, 10}, {8, 15, 2});
    EXPECT_EQ(settings::format_date_time("yyyy/mm/dd  hh:nn:ss", value, kYearFirst), "2004/05/10  08:15:02");
    EXPECT_EQ(settings::format_date_time("yyyy/mm/dd  hh:nn:ss", value, LocaleFormats{'-', '.', DateOrder::YearMonthDay}),
              "2004-05-10  08.15.02");
    EXPECT_EQ(settings::format_date_time("yyyymmdd", value, kDayFirst), "20040510");
    EXPECT_EQ(settings::format_date_time("dd", value, kDayFirst), "10");
}

TEST(DateTime, DayNumbersAndWeekdays) {
    EXPECT_EQ(platform::day_number_of({1899, 12, 30}), 0);
    EXPECT_EQ(platform::day_number_of({2004, 5, 3}), 38110);
    EXPECT_EQ(platform::weekday(0), 7);                                 // Saturday
    EXPECT_EQ(platform::weekday(platform::encode({2004, 5, 3})), 2);    // Monday
    EXPECT_EQ(platform::weekday(platform::encode({2026, 12, 13})), 1);  // Sunday
    const platform::CivilDate back = platform::date_of(platform::day_number_of({1, 1, 1}));
    EXPECT_EQ(back.year, 1);
    const platform::CivilTime t = platform::time_part(platform::encode({2004, 5, 3}, {23, 59, 59}));
    EXPECT_EQ(t.hour * 3600 + t.minute * 60 + t.second, 86399);
}

}  // namespace
