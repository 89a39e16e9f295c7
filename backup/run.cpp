#include "backup/run.h"

#include "backup/folder_pair.h"
#include "backup/run_log.h"
#include "backup/schedule.h"
#include "backup/tree_copy.h"
#include "settings/format.h"

namespace backup {

void run(const RunContext& context) {
    const settings::Settings& s = context.settings;
    const std::string log_path = context.log_dir + kLogFileName;

    if (!is_valid_pair(s.FromDir, s.ToDir)) {
        append_log_line(log_path, refused_pair_entry(s.FromDir, s.ToDir), context.clock, context.locale);
        context.request_close();
        return;
    }

    const ScheduleInput schedule{s.History, s.Day, s.BaseDate, context.clock, context.locale};
    const int history = history_number(schedule);
    context.file_count = 0;
    copy_sub(context.copy_from, context.copy_to + "/" + settings::format_int(history, 0, 4), context.file_count);
    if (s.BackUpLog > 0)
        append_log_line(log_path, history_pass_entry(context.file_count, s.FromDir, s.ToDir, history),
                        context.clock, context.locale);

    if (s.Day > 0) {
        context.file_count = 0;
        if (day_folder_due(schedule)) {
            const std::string day_folder = settings::format_date_time("yyyymmdd", context.clock.now(), context.locale);
            copy_sub(context.copy_from, context.copy_to + "/" + day_folder, context.file_count);
            if (s.BackUpLog > 0)
                append_log_line(log_path, day_pass_entry(context.file_count, s.FromDir, s.ToDir, day_folder),
                                context.clock, context.locale);
        }
    }
    context.request_close();
}

}  // namespace backup
