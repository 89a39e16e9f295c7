#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QListWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <cmath>
#include <filesystem>
#include <string>

#include "app/unit1.h"
#include "platform/qt/folder_dialog.h"
#include "platform/qt/qt_window.h"
#include "support/fake_clock.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using platform::qt::QtWindow;
using testing_support::TempDir;

// The real window under the offscreen platform, its error box answered by the test.
class QtWindowTest : public testing::Test {
protected:
    QtWindowTest() {
        BackupSettings = {};
        ExeDir.clear();
        window.attach(form);
        window.set_error_box([this](const std::string& caption, const std::string& text) {
            box_caption = caption;
            box_text = text;
        });
        form.handle(&TForm1::FormCreate);
    }

    void start_and_wait_for_activation() {
        window.start();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !ExeDir.empty(); }, 5000));
    }

    template <typename W>
    W* control(const char* name) {
        return window.widget()->findChild<W*>(QString::fromLatin1(name));
    }

    TempDir dir;
    testing_support::FakeClock clock{{2004, 5, 10}};
    QtWindow window{platform::kShowNormal};
    TForm1 form{window, clock, testing_support::kYearFirst, dir / "tarvo"};
    std::string box_caption, box_text;
};

TEST_F(QtWindowTest, LayoutTitleCaptionsAndPlaces) {
    EXPECT_EQ(window.widget()->windowTitle().toStdString(),
              "Quillan BackUp(Tarvo)  Ver1.0  Since:2004/05/03  By:Orvendel");
    const double scale = window.scale();
    EXPECT_GE(scale, 1.0);
    const struct {
        const char* name;
        QRect rect;
        const char* caption;
    } rows[] = {
        {"Label3", {8, 72, 73, 25}, "History:"}, {"Label4", {176, 72, 41, 25}, "Day:"},
        {"Edit1", {64, 8, 345, 24}, ""},         {"Edit2", {64, 40, 345, 24}, ""},
        {"Edit3", {88, 72, 25, 24}, "07"},       {"Button2", {120, 72, 17, 25}, "<"},
        {"Button3", {144, 72, 17, 25}, ">"},     {"Edit4", {224, 72, 25, 24}, "32"},
        {"Button4", {256, 72, 17, 25}, "<"},     {"Button5", {280, 72, 17, 25}, ">"},
        {"Button6", {416, 56, 65, 41}, "Save"},  {"CheckBox1", {304, 72, 105, 25}, "BackUp Log"},
        {"Button7", {8, 8, 49, 25}, "From:"},    {"Button8", {8, 40, 49, 25}, "To:"},
        {"Button9", {416, 8, 65, 41}, "BackUp"},
    };
    for (const auto& row : rows) {
        QWidget* w = control<QWidget>(row.name);
        ASSERT_NE(w, nullptr) << row.name;
        const QRect want(std::lround(row.rect.x() * scale), std::lround(row.rect.y() * scale),
                         std::lround(row.rect.width() * scale), std::lround(row.rect.height() * scale));
        EXPECT_EQ(w->geometry(), want) << row.name;
        QString caption;
        if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) caption = e->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) caption = b->text();
        EXPECT_EQ(caption.toStdString(), row.caption) << row.name;
    }
    EXPECT_TRUE(control<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(control<QLabel>("Label3")->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_FALSE(window.widget()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(QtWindowTest, TabOrderAndFirstFocus) {
    start_and_wait_for_activation();
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>("Edit1"));
    const char* order[] = {"Edit1",   "Edit2",   "Edit3",     "Button2", "Button3", "Edit4",  "Button4",
                           "Button5", "Button6", "CheckBox1", "Button7", "Button8", "Button9"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(control<QWidget>(order[i])->nextInFocusChain(), control<QWidget>(order[i + 1])) << order[i];
}

TEST_F(QtWindowTest, TwoCharactersTypedLongerTextSetWhole) {
    auto* edit3 = control<QLineEdit>("Edit3");
    edit3->clear();
    QTest::keyClicks(edit3, "456");
    EXPECT_EQ(edit3->text(), "45");
    form.Edit3.set_text("123");
    EXPECT_EQ(edit3->text(), "123");
}

TEST_F(QtWindowTest, FirstActivationRunsOnce) {
    start_and_wait_for_activation();
    EXPECT_EQ(control<QLineEdit>("Edit2")->text().toStdString(), dir / "Backup");
    control<QLineEdit>("Edit2")->setText("edited");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.isActiveWindow(); }, 2000));
    window.widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.widget()->isActiveWindow(); }, 2000));
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), "edited");
}

TEST_F(QtWindowTest, HandlerErrorShownInBoxAndWindowStaysOpen) {
    start_and_wait_for_activation();
    control<QLineEdit>("Edit3")->setText("x");
    control<QPushButton>("Button3")->click();
    EXPECT_EQ(box_caption, "tarvo");
    EXPECT_EQ(box_text, "'x' は整数ではありません.");
    QTest::qWait(50);
    EXPECT_TRUE(window.widget()->isVisible());
}

TEST_F(QtWindowTest, CloseRequestEndsAfterTheCaller) {
    start_and_wait_for_activation();
    window.request_close();
    EXPECT_TRUE(window.widget()->isVisible());  // still open until the loop takes the request
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window.widget()->isVisible(); }, 2000));
}

TEST(FolderDialog, StartsAtStoredFolderOrNearestAbove) {
    TempDir dir;
    fs::create_directories(dir / "a/b");
    EXPECT_EQ(platform::qt::start_folder_for(dir / "a/b").toStdString(), dir / "a/b");
    EXPECT_EQ(platform::qt::start_folder_for(dir / "a/missing/deeper").toStdString(), dir / "a");
    EXPECT_EQ(platform::qt::start_folder_for("").toStdString(), fs::current_path().string());
    EXPECT_EQ(platform::qt::start_folder_for("rel/x").toStdString(), fs::current_path().string());
}

TEST(FolderDialog, ReturnsTypedTextUnchangedAndCreatesNothing) {
    TempDir dir;
    const auto cwd = fs::current_path();
    fs::create_directory(dir / "start");
    platform::qt::FolderDialog dialog(dir / "start", nullptr);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "ﾃﾞｨﾚｸﾄﾘの選択");
    EXPECT_EQ(dialog.path().toStdString(), dir / "start");
    dialog.path_field()->setText("not/there yet ");
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    ASSERT_EQ(buttons->buttons().size(), 2);
    for (QAbstractButton* b : buttons->buttons())
        if (b->text() == "OK") b->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.path().toStdString(), "not/there yet ");
    EXPECT_FALSE(fs::exists(cwd / "not"));
    EXPECT_EQ(fs::current_path(), cwd);
}

TEST(FolderDialog, TreeShowsTheStartFolder) {
    TempDir dir;
    fs::create_directories(dir / "a/b");
    testing_support::write_file(dir / "a/b/file.txt", "x");
    platform::qt::FolderDialog dialog(dir / "a/b", nullptr);
    dialog.show();
    auto* tree = dialog.findChild<QTreeView*>("folders");
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->filePath(tree->currentIndex()).toStdString() == dir / "a/b"; }, 5000))
        << model->filePath(tree->currentIndex()).toStdString();
    auto* files = dialog.findChild<QListWidget*>("files");
    ASSERT_EQ(files->count(), 1);
    EXPECT_EQ(files->item(0)->text(), "file.txt");
    EXPECT_FALSE(files->isEnabled());
}

TEST(FolderDialog, CancelIsRejected) {
    platform::qt::FolderDialog dialog("", nullptr);
    for (QAbstractButton* b : dialog.findChild<QDialogButtonBox*>()->buttons())
        if (b->text() == QString::fromUtf8("ｷｬﾝｾﾙ")) b->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace

int main(int argc, char** argv) {
    // Listing the tests at build time needs a platform too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
