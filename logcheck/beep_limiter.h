#pragma once

#include <chrono>
#include <optional>

namespace vermil {

// A bad log of many NG lines must not be slowed down by its beeps: at most one
// beep per gap.
class BeepLimiter {
public:
    using Clock = std::chrono::steady_clock;
    explicit BeepLimiter(Clock::duration gap = std::chrono::milliseconds(100)) : gap_(gap) {}

    bool allow(Clock::time_point now) {
        if (last_ && now - *last_ < gap_)
            return false;
        last_ = now;
        return true;
    }

private:
    Clock::duration gap_;
    std::optional<Clock::time_point> last_;
};

} // namespace vermil
