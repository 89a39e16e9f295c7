#include <QApplication>

#include <cstdlib>
#include <iostream>

#include "app/command_line.h"
#include "app/unit1.h"
#include "platform/filesystem.h"
#include "platform/headless/headless_window.h"
#include "platform/locale.h"
#include "platform/qt/qt_window.h"

namespace {

// No display: the start-up runs at once. 0 where the window would end by
// itself, 1 where it would show the error box, 2 where it would wait for the
// user; nothing is written in that case.
int run_headless(int show_value, const platform::LocaleFormats& locale) {
    platform::HeadlessWindow window(show_value);
    TForm1 form(window, platform::system_clock(), locale, platform::program_file());
    form.handle(&TForm1::FormCreate);
    form.on_first_activation();
    if (window.last_error()) {
        std::cerr << "tarvo: " << *window.last_error() << '\n';
        return 1;
    }
    if (window.close_requests() > 0) return 0;
    std::cerr << "tarvo: no backup: " << form.waiting_reason() << '\n';
    return 2;
}

int run_window(int argc, char** argv, int show_value, const platform::LocaleFormats& locale) {
    QApplication application(argc, argv);
    platform::qt::QtWindow window(show_value);
    TForm1 form(window, platform::system_clock(), locale, platform::program_file());
    window.attach(form);
    form.handle(&TForm1::FormCreate);
    window.start();
    application.exec();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto show_value = app::parse_show_value({argv + 1, argv + argc});
    if (!show_value) {
        std::cerr << app::kUsage;
        return 64;
    }
    const platform::LocaleFormats locale = platform::current_locale_formats();
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        return run_headless(*show_value, locale);
    return run_window(argc, argv, *show_value, locale);
}
