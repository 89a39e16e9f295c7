#include "settings/settings.h"

#include "platform/filesystem.h"
#include "settings/convert.h"
#include "settings/errors.h"
#include "settings/format.h"
#include "settings/text_file.h"

namespace settings {

void save(Settings& settings, const SaveInput& input, const std::string& exe_dir,
          const platform::Clock& clock, const platform::LocaleFormats& locale) {
    settings.FromDir = input.from_dir;
    settings.ToDir = input.to_dir;
    settings.BaseDate = format_date_time("yyyy/mm/dd", clock.now(), locale);
    settings.History = str_to_int(input.history);
    settings.Day = str_to_int(input.day);
    settings.BackUpLog = input.log ? 1 : 0;

    const std::string target = exe_dir + kSettingsFileName;
    // A read-only settings file is the user's: refused like any file that cannot be written.
    if (platform::is_read_only_file(target)) throw IoError(5);
    // Written beside the old file and renamed over it once it is on the disk,
    // so that a failed Save never leaves the settings empty or torn.
    std::string temp;
    if (const int error = platform::create_temp_file(exe_dir, std::string(".") + kSettingsFileName + "-", temp))
        throw IoError::from_os(error);
    try {
        TextFile file(temp, TextFile::Mode::Rewrite);
        file.write_line(settings.FromDir);
        file.write_line(settings.ToDir);
        file.write_line(settings.BaseDate);
        file.write_line(format_int(settings.History));
        file.write_line(format_int(settings.Day));
        file.write_line(format_int(settings.BackUpLog));
        file.sync();
        file.close();
        if (const int error = platform::rename_file(temp, target))
            throw IoError::from_os(error);
    } catch (...) {
        platform::remove_file(temp);
        throw;
    }
}

std::string find_settings_file(const std::string& exe_dir) {
    if (platform::file_exists(kSettingsFileName)) return kSettingsFileName;
    const std::string beside_program = exe_dir + kSettingsFileName;
    if (platform::file_exists(beside_program)) return beside_program;
    return {};
}

void load(Settings& settings, const std::string& path) {
    TextFile file(path, TextFile::Mode::Read);
    settings.FromDir = file.read_line();
    file.read_line_end();
    settings.ToDir = file.read_line();
    file.read_line_end();
    settings.BaseDate = file.read_line();
    file.read_line_end();
    settings.History = file.read_integer();
    file.read_line_end();
    settings.Day = file.read_integer();
    file.read_line_end();
    settings.BackUpLog = file.read_integer();
    file.read_line_end();
    file.close();
}

}  // namespace settings
