#pragma once

#include <optional>
#include <string>
#include <vector>

namespace app {

inline constexpr char kUsage[] =
    "usage: tarvo [--show=normal|minimized|minimized-noactivate|maximized]\n"
    "       (the numbers 1, 2, 7 and 3 stand for the same)\n";

// The start-up show value from the arguments after the program name: the
// one option --show, or 10 without it; nullopt for anything else.
std::optional<int> parse_show_value(const std::vector<std::string>& args);

}  // namespace app
