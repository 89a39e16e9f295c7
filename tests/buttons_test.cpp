#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/form_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FormTest;
using testing_support::read_file;

struct StepRow {
    const char* name;
    int button;
    const char* before;
    const char* after;
};

void PrintTo(const StepRow& row, std::ostream* os) { *os << row.name; }

class Stepper : public FormTest, public testing::WithParamInterface<StepRow> {};

TEST_P(Stepper, StepsAndWraps) {
    const StepRow& row = GetParam();
    activate();
    platform::EditBox& edit = row.button <= 3 ? form->Edit3 : form->Edit4;
    edit.set_text(row.before);
    form->on_click(row.button);
    EXPECT_EQ(edit.text(), row.after);
    EXPECT_EQ(window->error_count(), 0);
}

const StepRow kStepRows[] = {
    {"HistoryDownFrom01", 2, "01", "32"},
    {"HistoryDownFrom07", 2, "07", "06"},
    {"HistoryDownFromZero", 2, "0", "32"},
    {"HistoryDownFromNegative", 2, "-5", "32"},
    {"HistoryDownFrom99", 2, "99", "98"},
    {"HistoryUpFrom32", 3, "32", "01"},
    {"HistoryUpFrom45", 3, "45", "01"},
    {"HistoryUpFromNegative", 3, "-5", "-04"},
    {"HistoryUpFromBlankPadded", 3, " 9", "10"},
    {"DayDownFrom1", 4, " 1", "32"},
    {"DayDownFrom0", 4, " 0", "32"},
    {"DayDownFrom99", 4, "99", "98"},
    {"DayDownFrom10", 4, "10", " 9"},
    {"DayUpFrom32", 5, "32", " 0"},
    {"DayUpFrom0", 5, " 0", " 1"},
    {"DayUpFromNegative", 5, "-5", "-4"},
    {"DayUpFromHex", 5, "$A", "11"},
};

INSTANTIATE_TEST_SUITE_P(Rows, Stepper, testing::ValuesIn(kStepRows),
                         [](const auto& info) { return std::string(info.param.name); });

using Buttons = FormTest;

TEST_F(Buttons, StepperRefusesNonNumberAndKeepsText) {
    activate();
    for (const char* text : {"", "x", "7 "}) {
        form->Edit3.set_text(text);
        form->on_click(3);
        EXPECT_EQ(window->last_error(), "'" + std::string(text) + "' は整数ではありません.");
        EXPECT_EQ(form->Edit3.text(), text);
    }
}

TEST_F(Buttons, SaveStoresTheControls) {
    activate();
    form->Edit1.set_text(src);
    form->Edit3.set_text("07");
    form->Edit4.set_text(" 7");
    form->CheckBox1.set_checked(false);
    form->on_click(6);
    EXPECT_EQ(read_file(prog + "/Tarvo.txt"), src + "\r\n" + prog + "/Backup\r\n2004/05/10\r\n7\r\n7\r\n0\r\n");
    EXPECT_EQ(BackupSettings.FromDir, src);
    EXPECT_EQ(window->close_requests(), 0);
}

TEST_F(Buttons, PickedFromDirThenBackUpSavesAndBacksUpTheNewFolder) {
    store_settings(dir / "old", dst, 10, 0);
    start_form();
    window->set_shift_down(true);
    form->on_first_activation();
    window->answer_next_dialog(src);
    form->on_click(7);
    EXPECT_EQ(window->last_dialog_start(), dir / "old");
    EXPECT_EQ(form->Edit1.text(), src);
    form->on_click(9);
    EXPECT_EQ(read_file(dst + "/0000/sub/b.txt"), "b");  // BaseDate is today after the Save
    EXPECT_EQ(read_file(prog + "/Tarvo.txt").substr(0, src.size()), src);
    EXPECT_EQ(window->close_requests(), 1);
}

TEST_F(Buttons, DialogStartsAtStoredFolderNotEditText) {
    store_settings(src, dst);
    start_form();
    window->set_shift_down(true);
    form->on_first_activation();
    form->Edit2.set_text("/typed/but/not/stored");
    form->on_click(8);
    EXPECT_EQ(window->last_dialog_start(), dst);
}

TEST_F(Buttons, CancelChangesNothing) {
    store_settings(src, dst);
    start_form();
    window->set_shift_down(true);
    form->on_first_activation();
    window->answer_next_dialog(std::nullopt);
    form->on_click(7);
    EXPECT_EQ(BackupSettings.FromDir, src);
    EXPECT_EQ(form->Edit1.text(), src);
}

TEST_F(Buttons, PickedFolderAcceptsAnyTextAndIsLostUnlessSaved) {
    store_settings(src, dst);
    start_form();
    window->set_shift_down(true);
    form->on_first_activation();
    window->answer_next_dialog("relative/not-there");
    form->on_click(8);
    EXPECT_EQ(BackupSettings.ToDir, "relative/not-there");
    EXPECT_EQ(form->Edit2.text(), "relative/not-there");
    EXPECT_FALSE(fs::exists(cwd + "/relative"));

    BackupSettings = {};
    start_form();
    window->set_shift_down(true);
    form->on_first_activation();
    EXPECT_EQ(form->Edit2.text(), dst);
}

TEST_F(Buttons, BackUpWithRefusedPairSavesLogsLineCAndCloses) {
    activate();
    form->Edit1.set_text(src);
    form->Edit2.set_text(src + "/bk");
    form->CheckBox1.set_checked(false);
    form->on_click(9);
    EXPECT_TRUE(fs::exists(prog + "/Tarvo.txt"));
    EXPECT_EQ(read_file(prog + "/Tarvo.log"),
              "2004/05/10  08:15:02         0  " + src + "  " + src + "/bk  フォルダ名が不適切です\r\n");
    EXPECT_FALSE(fs::exists(src + "/bk"));
    EXPECT_EQ(window->close_requests(), 1);
}

TEST_F(Buttons, FailingSaveStopsBackUpBeforeTheRun) {
    activate();
    form->Edit1.set_text(src);
    form->Edit2.set_text(dst);
    form->Edit4.set_text("");
    form->on_click(9);
    EXPECT_EQ(window->last_error(), "'' は整数ではありません.");
    fs::create_directory(prog + "/Tarvo.txt");
    form->Edit4.set_text("1");
    form->on_click(9);
    EXPECT_EQ(window->last_error(), "ﾌｧｲﾙへのｱｸｾｽが拒否されました.");
    EXPECT_FALSE(fs::exists(dst));
    EXPECT_FALSE(fs::exists(prog + "/Tarvo.log"));
    EXPECT_EQ(window->close_requests(), 0);
}

}  // namespace
