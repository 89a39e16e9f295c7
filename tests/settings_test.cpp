#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "settings/convert.h"
#include "settings/errors.h"
#include "settings/settings.h"
#include "support/fake_clock.h"
#include "support/temp_dir.h"

namespace {

using settings::Settings;
using testing_support::FakeClock;
using testing_support::kYearFirst;
using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;

struct LoadRow {
    const char* name;
    const char* content;
    Settings expected;
};

void PrintTo(const LoadRow& row, std::ostream* os) { *os << row.name; }

class SettingsLoad : public testing::TestWithParam<LoadRow> {};

TEST_P(SettingsLoad, ReadsSixLines) {
    TempDir dir;
    write_file(dir / "Tarvo.txt", GetParam().content);
    Settings got;
    settings::load(got, dir / "Tarvo.txt");
    const Settings& want = GetParam().expected;
    EXPECT_EQ(got.FromDir, want.FromDir);
    EXPECT_EQ(got.ToDir, want.ToDir);
    EXPECT_EQ(got.BaseDate, want.BaseDate);
    EXPECT_EQ(got.History, want.History);
    EXPECT_EQ(got.Day, want.Day);
    EXPECT_EQ(got.BackUpLog, want.BackUpLog);
}

const LoadRow kLoadRows[] = {
    {"Typical", "/data\r\n/bk\r\n2004/05/03\r\n7\r\n32\r\n1\r\n", {"/data", "/bk", "2004/05/03", 7, 32, 1}},
    {"NumbersWithBlanksAndText", "a\r\nb\r\nc\r\n 7 days\r\n+7\r\n$1F\r\n", {"a", "b", "c", 7, 7, 31}},
    {"EmptyLineFour", "a\r\nb\r\nc\r\n\r\n32\r\n1\r\n", {"a", "b", "c", 32, 1, 0}},
    {"TwoLines", "a\r\nb\r\n", {"a", "b", "", 0, 0, 0}},
    {"LfOnly", "a\nb\nc\n7\n", {"a\nb\nc\n7\n", "", "", 0, 0, 0}},
    {"CtrlZInLineTwo", "a\r\nb\x1A" "c\r\nd\r\n7\r\n", {"a", "b", "", 0, 0, 0}},
    {"BlanksInTextKept", " a b \r\n\tx\r\n2004/05/03\r\n-3\r\n-1\r\n0\r\n", {" a b ", "\tx", "2004/05/03", -3, -1, 0}},
};

INSTANTIATE_TEST_SUITE_P(Rows, SettingsLoad, testing::ValuesIn(kLoadRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsLoad, NonNumberStopsWithFieldsReadSoFar) {
    TempDir dir;
    write_file(dir / "Tarvo.txt", "a\r\nb\r\nc\r\n5\r\n7x\r\n1\r\n");
    Settings got{"old", "old", "old", 1, 2, 3};
    try {
        settings::load(got, dir / "Tarvo.txt");
        FAIL() << "no error";
    } catch (const settings::IoError& e) {
        EXPECT_EQ(e.code(), 106);
    }
    EXPECT_EQ(got.ToDir, "b");
    EXPECT_EQ(got.History, 5);
    EXPECT_EQ(got.BackUpLog, 3);
}

TEST(SettingsFind, CurrentDirectoryFirstThenProgramDirectory) {
    TempDir cwd, exe;
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(cwd / "");
    EXPECT_EQ(settings::find_settings_file(exe.str()), "");
    std::filesystem::create_directory(cwd / "Tarvo.txt");  // a folder is no settings file
    EXPECT_EQ(settings::find_settings_file(exe.str()), "");
    write_file(exe / "Tarvo.txt", "x");
    EXPECT_EQ(settings::find_settings_file(exe.str()), exe / "Tarvo.txt");
    std::filesystem::remove(cwd / "Tarvo.txt");
    write_file(cwd / "Tarvo.txt", "y");
    EXPECT_EQ(settings::find_settings_file(exe.str()), "Tarvo.txt");
    std::filesystem::current_path(before);
}

class SettingsSave : public testing::Test {
protected:
    TempDir dir;
    FakeClock clock{{2004, 5, 3}};
    Settings stored;
};

TEST_F(SettingsSave, WritesSixLinesAndReadsBack) {
    settings::save(stored, {"/data", "/bk", "07", " 7", true}, dir.str(), clock, kYearFirst);
    EXPECT_EQ(read_file(dir / "Tarvo.txt"), "/data\r\n/bk\r\n2004/05/03\r\n7\r\n7\r\n1\r\n");
    Settings loaded;
    settings::load(loaded, dir / "Tarvo.txt");
    EXPECT_EQ(loaded.BaseDate, "2004/05/03");
    EXPECT_EQ(loaded.History, 7);
    EXPECT_EQ(loaded.Day, 7);
    EXPECT_EQ(loaded.BackUpLog, 1);
    EXPECT_EQ(std::filesystem::directory_iterator(dir / "")->path().filename(), "Tarvo.txt");  // no temporary left
}

TEST_F(SettingsSave, StoredDateReadsBackOnEveryLocale) {
    for (const auto& locale : {testing_support::kMonthFirst, testing_support::kDayFirst}) {
        settings::save(stored, {"a", "b", "10", "0", false}, dir.str(), clock, locale);
        EXPECT_EQ(platform::date_part(settings::str_to_date(stored.BaseDate, locale, 2004)).day, 3)
            << stored.BaseDate;
    }
}

TEST_F(SettingsSave, RefusedNumberKeepsEarlierFieldsAndWritesNothing) {
    try {
        settings::save(stored, {"/new", "/bk", "5", "7 ", false}, dir.str(), clock, kYearFirst);
        FAIL() << "no error";
    } catch (const settings::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'7 ' は整数ではありません");
    }
    EXPECT_EQ(stored.FromDir, "/new");
    EXPECT_EQ(stored.History, 5);
    EXPECT_FALSE(std::filesystem::exists(dir / "Tarvo.txt"));
}

TEST_F(SettingsSave, FolderNamedLikeTheFileIsCode5) {
    std::filesystem::create_directory(dir / "Tarvo.txt");
    try {
        settings::save(stored, {"a", "b", "7", "32", true}, dir.str(), clock, kYearFirst);
        FAIL() << "no error";
    } catch (const settings::IoError& e) {
        EXPECT_EQ(e.code(), 5);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / ""), {}), 1);
}

TEST_F(SettingsSave, ReadOnlyFileIsRefusedAndKept) {
    write_file(dir / "Tarvo.txt", "kept");
    std::filesystem::permissions(dir / "Tarvo.txt", std::filesystem::perms::owner_read);
    EXPECT_THROW(settings::save(stored, {"a", "b", "7", "32", true}, dir.str(), clock, kYearFirst),
                 settings::IoError);
    EXPECT_EQ(read_file(dir / "Tarvo.txt"), "kept");
}

TEST_F(SettingsSave, FailedWriteLeavesOldFileWhole) {
    write_file(dir / "Tarvo.txt", "old\r\n");
    // A file size limit makes the write fail part-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit small = old_limit;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    try {
        settings::save(stored, {std::string(500, 'x'), "b", "7", "32", true}, dir.str(), clock, kYearFirst);
        ADD_FAILURE() << "no error";
    } catch (const settings::IoError& e) {
        EXPECT_EQ(e.code(), EFBIG);
        EXPECT_EQ(std::string(e.what()), "I/O ｴﾗｰ (" + std::to_string(EFBIG) + ")");
    }
    setrlimit(RLIMIT_FSIZE, &old_limit);
    EXPECT_EQ(read_file(dir / "Tarvo.txt"), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / ""), {}), 1);
}

}  // namespace
