#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/locale.h"

namespace backup {

inline constexpr char kLogFileName[] = "Tarvo.log";

// The part of a log line after its time stamp. Each raises ConvertError
// "結果が 4096 文字以上あります" when it would be longer than 4096 bytes.
std::string history_pass_entry(int file_count, const std::string& from_dir, const std::string& to_dir,
                               int history_number);
std::string day_pass_entry(int file_count, const std::string& from_dir, const std::string& to_dir,
                           const std::string& day_folder);
std::string refused_pair_entry(const std::string& from_dir, const std::string& to_dir);

// Appends now ("yyyy/mm/dd  hh:nn:ss") and the entry as one line to the log,
// creating it when no file of that name exists. Raises IoError.
void append_log_line(const std::string& log_path, const std::string& entry, const platform::Clock& clock,
                     const platform::LocaleFormats& locale);

}  // namespace backup
