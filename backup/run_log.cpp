#include "backup/run_log.h"

#include "platform/filesystem.h"
#include "settings/errors.h"
#include "settings/format.h"
#include "settings/text_file.h"

namespace backup {
namespace {

constexpr std::size_t kFormatLimit = 4096;

std::string checked(std::string entry) {
    if (entry.size() > kFormatLimit) throw settings::ConvertError("結果が 4096 文字以上あります");
    return entry;
}

std::string count_field(int file_count) { return "  " + settings::format_int(file_count, 8) + "  "; }

}  // namespace

std::string history_pass_entry(int file_count, const std::string& from_dir, const std::string& to_dir,
                               int history_number) {
    return checked(count_field(file_count) + from_dir + "  " + to_dir + "/" +
                   settings::format_int(history_number, 0, 4));
}

std::string day_pass_entry(int file_count, const std::string& from_dir, const std::string& to_dir,
                           const std::string& day_folder) {
    return checked(count_field(file_count) + from_dir + "  " + to_dir + "/") + day_folder;
}

std::string refused_pair_entry(const std::string& from_dir, const std::string& to_dir) {
    return checked("         0  " + from_dir + "  " + to_dir + "  フォルダ名が不適切です");
}

void append_log_line(const std::string& log_path, const std::string& entry, const platform::Clock& clock,
                     const platform::LocaleFormats& locale) {
    const std::string stamp = settings::format_date_time("yyyy/mm/dd  hh:nn:ss", clock.now(), locale);
    using settings::TextFile;
    TextFile log(log_path, platform::file_exists(log_path) ? TextFile::Mode::Append : TextFile::Mode::Rewrite);
    log.write(stamp);
    log.write_line(entry);
    log.close();
}

}  // namespace backup
