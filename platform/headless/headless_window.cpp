#include "platform/headless/headless_window.h"

namespace platform {

void HeadlessWindow::show_error(const std::string&, const std::string& text) {
    ++error_count_;
    last_error_ = text;
}

std::optional<std::string> HeadlessWindow::select_directory(const std::string& start) {
    last_dialog_start_ = start;
    if (dialog_answers_.empty()) return std::nullopt;
    auto answer = std::move(dialog_answers_.front());
    dialog_answers_.pop_front();
    return answer;
}

}  // namespace platform
