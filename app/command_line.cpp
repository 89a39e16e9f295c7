#include "app/command_line.h"

#include "platform/window.h"

namespace app {

std::optional<int> parse_show_value(const std::vector<std::string>& args) {
    if (args.empty()) return platform::kShowDefault;
    if (args.size() > 1 || !args[0].starts_with("--show=")) return std::nullopt;
    const std::string value = args[0].substr(7);
    static const struct {
        const char* name;
        const char* number;
        int show;
    } kValues[] = {
        {"normal", "1", platform::kShowNormal},
        {"minimized", "2", platform::kShowMinimized},
        {"minimized-noactivate", "7", platform::kShowMinimizedNoActivate},
        {"maximized", "3", platform::kShowMaximized},
    };
    for (const auto& v : kValues)
        if (value == v.name || value == v.number) return v.show;
    return std::nullopt;
}

}  // namespace app
