#pragma once

#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/locale.h"
#include "settings/settings.h"

namespace backup {

struct RunContext {
    // Decides the pair, the schedule and the log lines.
    const settings::Settings& settings;
    // The roots the files are copied from and to (the window's edit texts).
    std::string copy_from;
    std::string copy_to;
    const platform::Clock& clock;
    const platform::LocaleFormats& locale;
    // The folder of the run log, ending in "/".
    std::string log_dir;
    // Counts the files handed to the copy in the current pass.
    int& file_count;
    // Asks for the end of the program; the run carries on to its own end.
    std::function<void()> request_close;
};

// The backup run: a refused folder pair is logged and nothing is copied;
// otherwise the tree goes into the history folder and, when one is due,
// into the day folder, with a log line per pass when BackUpLog > 0. Every
// path that raises nothing ends by requesting the close.
void run(const RunContext& context);

}  // namespace backup
