#include <gtest/gtest.h>

#include "app/command_line.h"
#include "platform/window.h"

namespace {

TEST(CommandLine, ShowOptionByNameOrNumber) {
    using app::parse_show_value;
    EXPECT_EQ(parse_show_value({}), platform::kShowDefault);
    EXPECT_EQ(parse_show_value({"--show=normal"}), platform::kShowNormal);
    EXPECT_EQ(parse_show_value({"--show=minimized"}), platform::kShowMinimized);
    EXPECT_EQ(parse_show_value({"--show=2"}), platform::kShowMinimized);
    EXPECT_EQ(parse_show_value({"--show=minimized-noactivate"}), platform::kShowMinimizedNoActivate);
    EXPECT_EQ(parse_show_value({"--show=7"}), platform::kShowMinimizedNoActivate);
    EXPECT_EQ(parse_show_value({"--show=maximized"}), platform::kShowMaximized);
    EXPECT_EQ(parse_show_value({"--show=3"}), platform::kShowMaximized);
    EXPECT_EQ(parse_show_value({"--show=10"}), std::nullopt);
    EXPECT_EQ(parse_show_value({"--show"}), std::nullopt);
    EXPECT_EQ(parse_show_value({"/data"}), std::nullopt);
    EXPECT_EQ(parse_show_value({"--show=normal", "--show=normal"}), std::nullopt);
}

}  // namespace
