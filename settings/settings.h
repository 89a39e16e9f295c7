#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/locale.h"

namespace settings {

inline constexpr char kSettingsFileName[] = "Tarvo.txt";

// The six stored values, one per line of the settings file.
struct Settings {
    std::string FromDir;   // source folder
    std::string ToDir;     // destination root
    std::string BaseDate;  // origin of day counting: the date of the last Save
    int History = 0;       // history cycle; 7 and 32 are weekday and day of month
    int Day = 0;           // day-folder period; 0 or less for none
    int BackUpLog = 0;     // 1: log every copy pass
};

// What Save takes from the window.
struct SaveInput {
    std::string from_dir;  // Edit1
    std::string to_dir;    // Edit2
    std::string history;   // Edit3
    std::string day;       // Edit4
    bool log;              // CheckBox1
};

// Stores the input into `settings` (BaseDate becomes today) and writes the
// file into exe_dir. A text that is not an integer raises ConvertError with the
// fields before it already set and nothing written; a failed write raises
// IoError and leaves any earlier file whole.
void save(Settings& settings, const SaveInput& input, const std::string& exe_dir,
          const platform::Clock& clock, const platform::LocaleFormats& locale);

// Where Load finds the settings file: the current directory first, then
// exe_dir; empty when neither holds one.
std::string find_settings_file(const std::string& exe_dir);

// Reads the file at `path` into `settings`. A line 4 to 6 without a number
// raises IoError 106, with the fields read before it already set.
void load(Settings& settings, const std::string& path);

}  // namespace settings
