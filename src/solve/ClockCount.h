#pragma once
// The clock's count: seconds within the hour and hours, wrapping from
// 9:59:59 to 0:00:00 after ten hours.

#include <cstdint>
#include <string>

namespace zpx {

struct ClockCount {
    int Seconds = 0;  // 0..3599
    int Hours = 0;    // 0..9

    // The count after `seconds` ticks from zero.
    static ClockCount after(std::uint32_t seconds);

    void tick();
    void reset();
    // H:MM:SS, e.g. "1:02:03" after 3723 ticks.
    std::string text() const;
};

// The time spent on a puzzle as the score card shows it, the hours never
// wrapping: "Time: 0:12:34", "Time: 12:00:05".
std::string timeSpentLine(std::uint32_t seconds);

}  // namespace zpx
