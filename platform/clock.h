#pragma once

#include "platform/datetime.h"

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date-time; every call is a fresh reading.
    virtual DateTime now() const = 0;
};

const Clock& system_clock();

}  // namespace platform
