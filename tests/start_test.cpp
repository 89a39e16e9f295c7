#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/form_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FormTest;
using testing_support::read_file;

using Start = FormTest;

TEST_F(Start, ValidSettingsBackUpAndRequestTheClose) {
    store_settings(src, dst);
    activate();
    EXPECT_EQ(window->title(), "Quillan BackUp(Tarvo)  Ver1.0  Since:2004/05/03  By:Orvendel");
    EXPECT_EQ(ExeDir, prog + "/");
    EXPECT_EQ(read_file(dst + "/0001/sub/b.txt"), "b");
    EXPECT_TRUE(fs::exists(dst + "/20040510/a.txt"));
    EXPECT_NE(read_file(prog + "/Tarvo.log").find("         2  " + src + "  " + dst + "/0001\r\n"), std::string::npos);
    EXPECT_EQ(window->close_requests(), 1);
    EXPECT_EQ(window->minimize_calls(), 0);
    EXPECT_EQ(window->error_count(), 0);
}

TEST_F(Start, ShiftHeldLeavesWindowWaiting) {
    store_settings(src, dst, 5, 7, 0);
    start_form();
    window->set_shift_down(true);
    form->on_first_activation();
    EXPECT_FALSE(fs::exists(dst));
    EXPECT_EQ(window->close_requests(), 0);
    EXPECT_EQ(form->Edit1.text(), src);
    EXPECT_EQ(form->Edit2.text(), dst);
    EXPECT_EQ(form->Edit3.text(), "05");
    EXPECT_EQ(form->Edit4.text(), " 7");
    EXPECT_FALSE(form->CheckBox1.checked());
}

TEST_F(Start, RefusedPairWaitsWithoutLogging) {
    store_settings(src, src + "/bk");
    activate();
    EXPECT_EQ(window->close_requests(), 0);
    EXPECT_FALSE(fs::exists(src + "/bk"));
    EXPECT_FALSE(fs::exists(prog + "/Tarvo.log"));
    EXPECT_FALSE(form->waiting_reason().empty());
}

TEST_F(Start, NoSettingsFileShowsDefaultsAndWritesNothing) {
    activate();
    EXPECT_EQ(form->Edit1.text(), "");
    EXPECT_EQ(form->Edit2.text(), prog + "/Backup");
    EXPECT_EQ(BackupSettings.ToDir, prog + "/Backup");
    EXPECT_EQ(form->Edit3.text(), "07");
    EXPECT_EQ(form->Edit4.text(), "32");
    EXPECT_TRUE(form->CheckBox1.checked());
    EXPECT_EQ(std::distance(fs::directory_iterator(prog), {}), 0);
    EXPECT_EQ(window->close_requests(), 0);
}

TEST_F(Start, SettingsInCurrentDirectoryComeFirst) {
    store_settings(src, dst);
    testing_support::write_file(cwd + "/Tarvo.txt", "\r\n" + dst + "\r\n2004/05/03\r\n7\r\n7\r\n1\r\n");
    activate();
    EXPECT_EQ(form->Edit1.text(), "");
    EXPECT_EQ(window->close_requests(), 0);
}

TEST_F(Start, LoadFailingPartWayLeavesLayoutDefaults) {
    testing_support::write_file(prog + "/Tarvo.txt", src + "\r\n\r\n2004/05/03\r\n5\r\n7x\r\n1\r\n");
    activate();
    EXPECT_EQ(window->last_error(), "入力値が数値ではありません.");
    EXPECT_EQ(BackupSettings.History, 5);
    EXPECT_EQ(form->Edit1.text(), "");
    EXPECT_EQ(form->Edit2.text(), "");  // the default ToDir is skipped with the rest
    EXPECT_EQ(form->Edit3.text(), "07");
    EXPECT_TRUE(form->CheckBox1.checked());
    EXPECT_EQ(window->close_requests(), 0);
}

TEST_F(Start, RunErrorIsShownAndWindowStaysOpen) {
    store_settings(src, dst, 0);
    activate();
    EXPECT_EQ(window->last_error(), "0 による除算.");
    EXPECT_EQ(window->close_requests(), 0);

    fs::create_directory(prog + "/Tarvo.log.d");
    fs::rename(prog + "/Tarvo.log.d", prog + "/Tarvo.log");
    store_settings(src, dst);
    activate();
    EXPECT_EQ(window->last_error(), "ﾌｧｲﾙへのｱｸｾｽが拒否されました.");
}

// Records whether the copy had begun when the application was minimised.
class RecordingWindow final : public platform::HeadlessWindow {
public:
    RecordingWindow(int show_value, std::string watched) : HeadlessWindow(show_value), watched_(std::move(watched)) {}
    void minimize_application() override {
        HeadlessWindow::minimize_application();
        copy_had_begun = fs::exists(watched_);
    }
    bool copy_had_begun = true;

private:
    std::string watched_;
};

TEST_F(Start, MinimisedShowValuesMinimiseBeforeTheCopy) {
    store_settings(src, dst);
    const struct {
        int show_value;
        int minimize_calls;
    } rows[] = {{platform::kShowMinimized, 1}, {platform::kShowMinimizedNoActivate, 1},
                {platform::kShowNormal, 0}, {platform::kShowMaximized, 0}, {platform::kShowDefault, 0}};
    for (const auto& row : rows) {
        fs::remove_all(dst);
        RecordingWindow recording(row.show_value, dst);
        TForm1 form(recording, clock, testing_support::kYearFirst, prog + "/tarvo");
        form.on_first_activation();
        EXPECT_EQ(recording.minimize_calls(), row.minimize_calls) << row.show_value;
        if (row.minimize_calls) {
            EXPECT_FALSE(recording.copy_had_begun) << row.show_value;
        }
        EXPECT_EQ(recording.close_requests(), 1);
    }
}

TEST(ErrorBox, TextAndCaption) {
    EXPECT_EQ(error_box_text("0 による除算"), "0 による除算.");
    EXPECT_EQ(error_box_text("I/O ｴﾗｰ (32)"), "I/O ｴﾗｰ (32)");
    EXPECT_EQ(error_box_text("done."), "done.");
    EXPECT_EQ(error_box_text("a-"), "a-");
    EXPECT_EQ(application_title("/opt/bin/tarvo"), "tarvo");
    EXPECT_EQ(application_title("/opt/bin/TARVO.BIN"), "Tarvo");
    EXPECT_EQ(application_title("/opt/my.tools/Backup.Tool.x"), "Backup");
}

}  // namespace
