#pragma once

#include <cstdint>
#include <functional>

namespace vermil {

// One stamping time: seconds since 1970-01-01 00:00 UTC, taken once per stamp so
// that every date text of the stamp shows the same instant.
using StampingTime = std::int64_t;

// The stamping time in local time. Seconds are never shown.
struct LocalTimeFields {
    int year = 0;     // full year, e.g. 2012
    int month = 0;    // 1-12
    int day = 0;      // 1-31
    int weekday = -1; // 0-6, 0 = Sunday
    int hour = -1;    // 0-23
    int minute = -1;  // 0-59
};

// The fields a failed conversion leaves: year, month and day 0, no weekday,
// hour and minute -1. The texts are still formed from them.
constexpr LocalTimeFields failedLocalTime() {
    return LocalTimeFields{};
}

// Turns a stamping time into local fields. Injected so that callers and tests
// choose the time zone; the formatting code never reads a clock or zone itself.
using LocalTimeConversion = std::function<LocalTimeFields(StampingTime)>;

// The process's time zone (TZ), through localtime_r; failedLocalTime() when the
// value lies outside what the C library converts.
LocalTimeFields systemLocalTime(StampingTime time);

} // namespace vermil
