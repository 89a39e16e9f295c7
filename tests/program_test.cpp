// The built program, copied into a fresh folder and run as cron or a person
// would start it, with the clock fixed by faketime.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;

struct Outcome {
    int exit_code;
    std::string err;
};

class Program : public testing::Test {
protected:
    Program() {
        fs::create_directories(prog);
        fs::create_directories(cwd);
        fs::copy_file(TARVO_BINARY, prog + "/tarvo");
        write_file(src + "/a.txt", "a");
        write_file(src + "/sub/b.txt", "b");
    }

    // Runs the program from cwd at 2004-05-10 08:15:02 (a Monday); `launcher`
    // stands before it (env settings, xvfb-run).
    Outcome run(const std::string& launcher, const std::string& args = "") {
        const std::string command = "cd '" + cwd + "' && TZ=UTC timeout 60 " + launcher +
                                    " faketime '2004-05-10 08:15:02' '" + prog + "/tarvo' " + args + " 2>'" +
                                    dir / "err" + "' >/dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(dir / "err")};
    }
    Outcome run_headless(const std::string& args = "") { return run("env -u DISPLAY -u WAYLAND_DISPLAY", args); }

    void store_settings(const std::string& from, const std::string& to, int history = 7, int day = 7) {
        write_file(prog + "/Tarvo.txt",
                   from + "\r\n" + to + "\r\n2004/05/03\r\n" + std::to_string(history) + "\r\n" + std::to_string(day) +
                       "\r\n1\r\n");
    }

    std::string log() { return read_file(prog + "/Tarvo.log"); }

    TempDir dir;
    std::string prog = dir / "prog";
    std::string cwd = dir / "cwd";
    std::string src = dir / "src";
    std::string dst = dir / "bk";
};

TEST_F(Program, HeadlessBackupExits0) {
    store_settings(src, dst);
    const Outcome outcome = run_headless();
    EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
    EXPECT_EQ(read_file(dst + "/0001/sub/b.txt"), "b");
    EXPECT_EQ(read_file(dst + "/20040510/a.txt"), "a");
    EXPECT_EQ(log(), "2004/05/10  08:15:02         2  " + src + "  " + dst + "/0001\r\n" +
                         "2004/05/10  08:15:02         2  " + src + "  " + dst + "/20040510\r\n");
}

TEST_F(Program, HeadlessErrorExits1WithTheMessage) {
    store_settings(src, dst, 0);
    const Outcome outcome = run_headless();
    EXPECT_EQ(outcome.exit_code, 1);
    EXPECT_EQ(outcome.err, "tarvo: 0 による除算.\n");
    EXPECT_FALSE(fs::exists(dst));
    EXPECT_FALSE(fs::exists(prog + "/Tarvo.log"));
}

TEST_F(Program, HeadlessWaitingExits2AndWritesNothing) {
    Outcome outcome = run_headless();
    EXPECT_EQ(outcome.exit_code, 2);
    EXPECT_NE(outcome.err.find("no settings file"), std::string::npos) << outcome.err;

    store_settings(src, src + "/bk");
    outcome = run_headless();
    EXPECT_EQ(outcome.exit_code, 2);
    EXPECT_FALSE(outcome.err.empty());

    store_settings("", dst);
    EXPECT_EQ(run_headless().exit_code, 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(prog), {}), 2);  // the program and its settings
    EXPECT_EQ(std::distance(fs::directory_iterator(src), {}), 2);
}

TEST_F(Program, UnknownArgumentsAreRefused) {
    store_settings(src, dst);
    const Outcome outcome = run_headless("--now");
    EXPECT_EQ(outcome.exit_code, 64);
    EXPECT_NE(outcome.err.find("--show=normal|minimized|minimized-noactivate|maximized"), std::string::npos);
    EXPECT_FALSE(fs::exists(dst));
}

// Under a bare X server nothing activates a window: the program must do it
// itself, back up and end.
TEST_F(Program, WindowedBackupEndsByItself) {
    store_settings(src, dst);
    for (const char* args : {"", "--show=minimized"}) {
        fs::remove_all(dst);
        const Outcome outcome = run("xvfb-run -a", args);
        EXPECT_EQ(outcome.exit_code, 0) << args << outcome.err;
        EXPECT_TRUE(fs::exists(dst + "/0001/a.txt")) << args;
    }
}

TEST_F(Program, ShiftHeldAtStartLeavesTheWindowWaiting) {
    store_settings(src, dst);
    // xdotool holds Shift while it runs; the program is still waiting when timeout stops it.
    const Outcome outcome =
        run("xvfb-run -a sh -c 'xdotool keydown shift sleep 8 keyup shift & sleep 1; timeout 4 \"$@\"' sh");
    EXPECT_EQ(outcome.exit_code, 124) << outcome.err;
    EXPECT_FALSE(fs::exists(dst));
    EXPECT_FALSE(fs::exists(prog + "/Tarvo.log"));
}

}  // namespace
