#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "backup/folder_pair.h"
#include "backup/schedule.h"
#include "settings/errors.h"
#include "support/fake_clock.h"

namespace {

using platform::CivilDate;
using testing_support::FakeClock;
using testing_support::kYearFirst;

struct PairRow {
    const char* name;
    const char* from;
    const char* to;
    bool valid;
};

void PrintTo(const PairRow& row, std::ostream* os) { *os << row.name; }

class FolderPair : public testing::TestWithParam<PairRow> {};

TEST_P(FolderPair, RefusesEmptyAndContainedSource) {
    EXPECT_EQ(backup::is_valid_pair(GetParam().from, GetParam().to), GetParam().valid);
}

const PairRow kPairRows[] = {
    {"Separate", "/data", "/bk", true},
    {"EmptySource", "", "/bk", false},
    {"EmptyDestination", "/data", "", false},
    {"DestinationInsideSource", "/data", "/data/bk", false},
    {"SourceNameInsideDestination", "/doc", "/docs/bk", false},
    {"CaseInsensitive", "/WORK", "/work2", false},
    {"SourceInsideDestinationIsFine", "/bk/data", "/bk", true},
    {"OnlyAsciiFolded", "/Ä", "/ä/bk", true},
};

INSTANTIATE_TEST_SUITE_P(Rows, FolderPair, testing::ValuesIn(kPairRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ScheduleRow {
    const char* name;
    CivilDate today;
    int history;
    int day;
    const char* base_date;
    int history_number;
    bool day_folder_due;
};

void PrintTo(const ScheduleRow& row, std::ostream* os) { *os << row.name; }

class Schedule : public testing::TestWithParam<ScheduleRow> {};

TEST_P(Schedule, HistoryFolderAndDayFolder) {
    const ScheduleRow& row = GetParam();
    const FakeClock clock(row.today);
    const std::string base = row.base_date;
    const backup::ScheduleInput input{row.history, row.day, base, clock, kYearFirst};
    EXPECT_EQ(backup::history_number(input), row.history_number);
    EXPECT_EQ(backup::day_folder_due(input), row.day_folder_due);
}

// 2026-12-13 is a Sunday, 2026-12-12 a Saturday, 2026-12-14 a Monday,
// 2026-12-09 a Wednesday.
const ScheduleRow kScheduleRows[] = {
    {"WeekdayOnSunday", {2026, 12, 13}, 7, 1, "2026/12/01", 0, true},
    {"WeekdayOnSaturday", {2026, 12, 12}, 7, 1, "2026/12/01", 6, true},
    {"DayOfMonthOnFifth", {2026, 12, 5}, 32, 32, "2026/12/04", 5, false},
    {"CycleOnBaseDate", {2026, 12, 9}, 10, 2, "2026/12/09", 0, true},
    {"CycleThirteenDaysOn", {2026, 12, 22}, 10, 2, "2026/12/09", 3, false},
    {"BaseDateInFutureIsNegative", {2026, 12, 7}, 10, 2, "2026/12/09", -2, true},
    {"DayFolderOnMonday", {2026, 12, 14}, 7, 7, "2026/12/09", 1, true},
    {"DayFolderOnBaseWeekday", {2026, 12, 16}, 7, 7, "2026/12/09", 3, true},
    {"NoDayFolderOnThursday", {2026, 12, 10}, 7, 7, "2026/12/09", 4, false},
    {"DayFolderOnFirst", {2027, 1, 1}, 32, 32, "2026/12/09", 1, true},
    {"DayFolderOn32ndDay", {2027, 1, 10}, 32, 32, "2026/12/09", 10, true},
    {"NegativeCycle", {2026, 12, 22}, -10, 5, "2026/12/09", 3, false},
};

INSTANTIATE_TEST_SUITE_P(Rows, Schedule, testing::ValuesIn(kScheduleRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Schedule, HistoryZeroIsDivisionError) {
    const FakeClock clock({2026, 12, 9});
    const std::string base = "2026/12/01";
    try {
        backup::history_number({0, 0, base, clock, kYearFirst});
        FAIL() << "no error";
    } catch (const settings::DivisionError& e) {
        EXPECT_STREQ(e.what(), "0 による除算");
    }
}

TEST(Schedule, BaseDateReadOnlyWhenNeeded) {
    const FakeClock monday({2026, 12, 14});
    const std::string bad = "2026-12-01";
    // Weekday and day-of-month folders and a Monday day folder never read BaseDate.
    EXPECT_EQ(backup::history_number({7, 7, bad, monday, kYearFirst}), 1);
    EXPECT_EQ(backup::history_number({32, 7, bad, monday, kYearFirst}), 14);
    EXPECT_TRUE(backup::day_folder_due({7, 7, bad, monday, kYearFirst}));
    try {
        backup::history_number({10, 0, bad, monday, kYearFirst});
        FAIL() << "no error";
    } catch (const settings::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'2026-12-01' は日付ではありません");
    }
    EXPECT_THROW(backup::day_folder_due({7, 32, bad, monday, kYearFirst}), settings::ConvertError);
    EXPECT_THROW(backup::history_number({0, 0, bad, monday, kYearFirst}), settings::ConvertError);
}

}  // namespace
