#include "platform/clock.h"

#include <ctime>

namespace platform {
namespace {

class SystemClock final : public Clock {
public:
    DateTime now() const override {
        timespec ts{};
        clock_gettime(CLOCK_REALTIME, &ts);
        tm local{};
        localtime_r(&ts.tv_sec, &local);
        const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                               static_cast<double>(ts.tv_nsec / 1000000) / 1000.0;
        return static_cast<double>(day_number_of({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday})) +
               seconds / 86400.0;
    }
};

}  // namespace

const Clock& system_clock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace platform
