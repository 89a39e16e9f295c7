#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/unit1.h"
#include "platform/headless/headless_window.h"
#include "support/fake_clock.h"
#include "support/temp_dir.h"

namespace testing_support {

// TForm1 on the headless window, with the program in <tmp>/prog, a source tree
// in <tmp>/src and the current directory in <tmp>/cwd. The program-wide
// values start afresh in every test.
class FormTest : public testing::Test {
protected:
    FormTest() {
        std::filesystem::create_directories(prog);
        std::filesystem::create_directories(cwd);
        write_file(src + "/a.txt", "a");
        write_file(src + "/sub/b.txt", "b");
        previous_cwd_ = std::filesystem::current_path();
        std::filesystem::current_path(cwd);
        BackupSettings = {};
        ExeDir.clear();
        FileCount = 0;
    }
    ~FormTest() override { std::filesystem::current_path(previous_cwd_); }

    // A new window, as at a new start of the program.
    TForm1& start_form(int show_value = platform::kShowDefault) {
        window = std::make_unique<platform::HeadlessWindow>(show_value);
        form = std::make_unique<TForm1>(*window, clock, kYearFirst, prog + "/tarvo");
        form->handle(&TForm1::FormCreate);
        return *form;
    }
    TForm1& activate(int show_value = platform::kShowDefault) {
        start_form(show_value).on_first_activation();
        return *form;
    }

    void store_settings(const std::string& from, const std::string& to, int history = 7, int day = 7, int log = 1) {
        write_file(prog + "/Tarvo.txt", from + "\r\n" + to + "\r\n2004/05/03\r\n" + std::to_string(history) +
                                            "\r\n" + std::to_string(day) + "\r\n" + std::to_string(log) + "\r\n");
    }

    TempDir dir;
    std::string prog = dir / "prog";
    std::string src = dir / "src";
    std::string dst = dir / "bk";
    std::string cwd = dir / "cwd";
    FakeClock clock{{2004, 5, 10}, {8, 15, 2}};  // a Monday, a week after 2004/05/03
    std::unique_ptr<platform::HeadlessWindow> window;
    std::unique_ptr<TForm1> form;

private:
    std::filesystem::path previous_cwd_;
};

}  // namespace testing_support
