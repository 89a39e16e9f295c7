#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "backup/run.h"
#include "settings/errors.h"
#include "support/fake_clock.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FakeClock;
using testing_support::kYearFirst;
using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;

class BackupRun : public testing::Test {
protected:
    BackupRun() {
        write_file(src + "/a.txt", "a");
        write_file(src + "/sub/b.txt", "b");
        fs::create_directory(exe);
    }

    void run() {
        backup::run({stored, stored.FromDir, stored.ToDir, clock, kYearFirst, exe + "/", file_count,
                     [this] { ++close_requests; }});
    }
    std::string log() { return read_file(exe + "/Tarvo.log"); }

    TempDir dir;
    std::string src = dir / "src";
    std::string dst = dir / "bk";
    std::string exe = dir / "exe";
    FakeClock clock{{2004, 5, 10}, {8, 15, 2}};  // a Monday
    settings::Settings stored{src, dst, "2004/05/03", 7, 7, 1};
    int file_count = 0;
    int close_requests = 0;
};

TEST_F(BackupRun, HistoryAndDayPassesWithTheirLogLines) {
    run();
    EXPECT_EQ(read_file(dst + "/0001/sub/b.txt"), "b");
    EXPECT_EQ(read_file(dst + "/20040510/a.txt"), "a");
    EXPECT_EQ(log(), "2004/05/10  08:15:02         2  " + src + "  " + dst + "/0001\r\n" +
                         "2004/05/10  08:15:02         2  " + src + "  " + dst + "/20040510\r\n");
    EXPECT_EQ(close_requests, 1);
}

TEST_F(BackupRun, NoLogLinesWithoutBackUpLogAndNoDayFolderWhenNotDue) {
    stored.BackUpLog = 0;
    stored.Day = 3;  // 7 days after BaseDate: not due
    run();
    EXPECT_TRUE(fs::exists(dst + "/0001/a.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dst), {}), 1);
    EXPECT_FALSE(fs::exists(exe + "/Tarvo.log"));
    EXPECT_EQ(close_requests, 1);
}

TEST_F(BackupRun, RefusedPairLogsLineCWhateverBackUpLog) {
    stored.ToDir = src + "/bk";
    stored.BackUpLog = 0;
    write_file(exe + "/Tarvo.log", "earlier\r\n\x1A");
    run();
    EXPECT_EQ(log(), "earlier\r\n2004/05/10  08:15:02         0  " + src + "  " + src + "/bk  フォルダ名が不適切です\r\n");
    EXPECT_FALSE(fs::exists(src + "/bk"));
    EXPECT_FALSE(fs::exists(dst));
    EXPECT_EQ(close_requests, 1);
}

TEST_F(BackupRun, CopiesFromTheEditTextsButLogsTheStoredFolders) {
    write_file(dir / "other/x", "x");
    backup::run({stored, dir / "other", dir / "elsewhere", clock, kYearFirst, exe + "/", file_count, [] {}});
    EXPECT_TRUE(fs::exists(dir / "elsewhere/0001/x"));
    EXPECT_FALSE(fs::exists(dst));
    EXPECT_NE(log().find("         1  " + src + "  " + dst + "/0001"), std::string::npos);
}

TEST_F(BackupRun, LogFailureStopsTheRunWithoutClosing) {
    fs::create_directory(exe + "/Tarvo.log");
    try {
        run();
        FAIL() << "no error";
    } catch (const settings::IoError& e) {
        EXPECT_EQ(e.code(), 5);
    }
    EXPECT_TRUE(fs::exists(dst + "/0001/a.txt"));  // copied before the failure
    EXPECT_FALSE(fs::exists(dst + "/20040510"));
    EXPECT_EQ(close_requests, 0);
}

TEST_F(BackupRun, ScheduleErrorsStopBeforeAnyCopy) {
    stored.History = 0;
    EXPECT_THROW(run(), settings::DivisionError);
    stored.History = 10;
    stored.BaseDate = "03.05.2004";
    EXPECT_THROW(run(), settings::ConvertError);
    EXPECT_FALSE(fs::exists(dst));
    EXPECT_EQ(close_requests, 0);
}

TEST_F(BackupRun, OverlongLogLineIsRefusedBeforeWriting) {
    stored.FromDir = src + std::string(4100, 'x');  // logged, not copied from
    stored.ToDir = dst;
    try {
        backup::run({stored, src, dst, clock, kYearFirst, exe + "/", file_count, [] {}});
        FAIL() << "no error";
    } catch (const settings::ConvertError& e) {
        EXPECT_STREQ(e.what(), "結果が 4096 文字以上あります");
    }
    EXPECT_FALSE(fs::exists(exe + "/Tarvo.log"));
}

}  // namespace
