#pragma once
// The clock's count: seconds within the hour and hours, wrapping from
// 9:59:59 to 0:00:00 after ten hours.

#include <string>

namespace zpx {

struct ClockCount {
    int Seconds = 0;  // 0..3599
    int Hours = 0;    // 0..9

    void tick();
    void reset();
    // H:MM:SS, e.g. "1:02:03" after 3723 ticks.
    std::string text() const;
};

}  // namespace zpx
