#include "date_local_time.h"

#include <ctime>
#include <limits>

namespace vermil {

LocalTimeFields systemLocalTime(StampingTime time) {
    if (time < std::numeric_limits<std::time_t>::min() ||
        time > std::numeric_limits<std::time_t>::max())
        return failedLocalTime();
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm local{};
    if (!::localtime_r(&seconds, &local))
        return failedLocalTime();
    // tm_year is an int offset from 1900; a year past INT_MAX cannot be held.
    if (local.tm_year > std::numeric_limits<int>::max() - 1900)
        return failedLocalTime();
    return LocalTimeFields{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                           local.tm_wday,        local.tm_hour,    local.tm_min};
}

} // namespace vermil
