#pragma once

#include <optional>
#include <string>

namespace platform {

// The main window's controls and the services of the window toolkit and the
// system that the window's logic asks for. The Qt window is one binding, the
// headless one (no display: cron, timers) another.

class EditBox {
public:
    virtual ~EditBox() = default;
    virtual std::string text() const = 0;
    virtual void set_text(const std::string& text) = 0;
};

class CheckBox {
public:
    virtual ~CheckBox() = default;
    virtual bool checked() const = 0;
    virtual void set_checked(bool checked) = 0;
};

// The start-up show values a program can be started with.
enum ShowValue : int {
    kShowNormal = 1,
    kShowMinimized = 2,
    kShowMaximized = 3,
    kShowMinimizedNoActivate = 7,
    kShowDefault = 10,
};

class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual EditBox& edit(int number) = 0;  // Edit1 ... Edit4
    virtual CheckBox& check_box() = 0;      // CheckBox1

    virtual void set_title(const std::string& title) = 0;
    // Asks for the end of the program once control is back in the event loop;
    // the caller runs on to its end.
    virtual void request_close() = 0;
    virtual void minimize_application() = 0;
    // The error box: stop icon, one OK button; returns when it is dismissed.
    virtual void show_error(const std::string& caption, const std::string& text) = 0;
    // The Shift key is down at this moment.
    virtual bool shift_down() const = 0;
    // The show value the program was started with.
    virtual int startup_show_value() const = 0;
    // The folder-selection dialog: the confirmed text of its path field, or
    // nullopt when the user cancelled.
    virtual std::optional<std::string> select_directory(const std::string& start) = 0;
};

// What the window reports to its logic.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // The input focus entered the window for the first time in this run.
    virtual void on_first_activation() = 0;
    virtual void on_click(int button) = 0;  // Button2 ... Button9
};

}  // namespace platform
