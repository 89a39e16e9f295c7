#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/window.h"

class QWidget;

namespace platform::qt {

class MainWidget;

// The main window in Qt Widgets: every control at its place in the layout,
// scaled by the running font's text height over 12. Needs a QApplication.
class QtWindow final : public WindowHost {
public:
    explicit QtWindow(int show_value);
    ~QtWindow() override;

    // The logic that hears the window's activation and clicks.
    void attach(WindowEvents& events);
    // Shows the window by the start-up show value. The window then activates
    // itself, as nothing else does under a bare X server; with
    // kShowMinimizedNoActivate it waits, minimised, until the user restores it.
    void start();

    QWidget* widget();
    double scale() const;

    using ErrorBox = std::function<void(const std::string& caption, const std::string& text)>;
    // Tests answer the error box instead of a person.
    void set_error_box(ErrorBox box);

    EditBox& edit(int number) override;
    CheckBox& check_box() override;
    void set_title(const std::string& title) override;
    void request_close() override;
    void minimize_application() override;
    void show_error(const std::string& caption, const std::string& text) override;
    bool shift_down() const override;
    int startup_show_value() const override { return show_value_; }
    std::optional<std::string> select_directory(const std::string& start) override;

private:
    int show_value_;
    std::unique_ptr<MainWidget> widget_;
    ErrorBox error_box_;
};

}  // namespace platform::qt
