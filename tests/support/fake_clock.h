#pragma once

#include "platform/clock.h"

namespace testing_support {

// A clock that stands still at a set local date-time.
class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(platform::CivilDate date, platform::CivilTime time = {10, 0, 0})
        : value_(platform::encode(date, time)) {}
    platform::DateTime now() const override { return value_; }
    void set(platform::CivilDate date, platform::CivilTime time = {10, 0, 0}) {
        value_ = platform::encode(date, time);
    }

private:
    platform::DateTime value_;
};

inline constexpr platform::LocaleFormats kYearFirst{'/', ':', platform::DateOrder::YearMonthDay};
inline constexpr platform::LocaleFormats kMonthFirst{'/', ':', platform::DateOrder::MonthDayYear};
inline constexpr platform::LocaleFormats kDayFirst{'.', ':', platform::DateOrder::DayMonthYear};

}  // namespace testing_support
