#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>

#include "platform/window.h"

namespace platform {

// A window with no display: controls are plain values, the error box is
// recorded, Shift is never down, dialogs answer from a script (cancel when
// none is left).
class HeadlessWindow : public WindowHost {
public:
    explicit HeadlessWindow(int show_value = kShowDefault) : show_value_(show_value) {}

    EditBox& edit(int number) override { return edits_.at(static_cast<std::size_t>(number - 1)); }
    CheckBox& check_box() override { return check_box_; }
    void set_title(const std::string& title) override { title_ = title; }
    void request_close() override { ++close_requests_; }
    void minimize_application() override { ++minimize_calls_; }
    void show_error(const std::string& caption, const std::string& text) override;
    bool shift_down() const override { return shift_down_; }
    int startup_show_value() const override { return show_value_; }
    std::optional<std::string> select_directory(const std::string& start) override;

    const std::string& title() const { return title_; }
    int close_requests() const { return close_requests_; }
    int minimize_calls() const { return minimize_calls_; }
    const std::optional<std::string>& last_error() const { return last_error_; }
    int error_count() const { return error_count_; }
    const std::string& last_dialog_start() const { return last_dialog_start_; }

    // For tests: the Shift key and the dialog's answers.
    void set_shift_down(bool down) { shift_down_ = down; }
    void answer_next_dialog(std::optional<std::string> answer) { dialog_answers_.push_back(std::move(answer)); }

private:
    class Edit final : public EditBox {
    public:
        std::string text() const override { return text_; }
        void set_text(const std::string& text) override { text_ = text; }

    private:
        std::string text_;
    };
    class Check final : public CheckBox {
    public:
        bool checked() const override { return checked_; }
        void set_checked(bool checked) override { checked_ = checked; }

    private:
        bool checked_ = false;
    };

    std::array<Edit, 4> edits_;
    Check check_box_;
    std::string title_;
    int show_value_;
    bool shift_down_ = false;
    int close_requests_ = 0;
    int minimize_calls_ = 0;
    int error_count_ = 0;
    std::optional<std::string> last_error_;
    std::deque<std::optional<std::string>> dialog_answers_;
    std::string last_dialog_start_;
};

}  // namespace platform
