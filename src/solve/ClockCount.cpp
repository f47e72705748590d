#include "solve/ClockCount.h"

namespace zpx {

ClockCount ClockCount::after(std::uint32_t seconds)
{
    return {static_cast<int>(seconds % 3600), static_cast<int>(seconds / 3600 % 10)};
}

void ClockCount::tick()
{
    if (Seconds < 3599) {
        ++Seconds;
        return;
    }
    Seconds = 0;
    Hours = Hours == 9 ? 0 : Hours + 1;
}

void ClockCount::reset()
{
    Seconds = 0;
    Hours = 0;
}

std::string ClockCount::text() const
{
    // Minutes and seconds as the last four digits of mm × 100 + ss + 10000,
    // which keeps their leading zeros.
    const std::string digits = std::to_string(Seconds / 60 * 100 + Seconds % 60 + 10000);
    return std::to_string(Hours) + ':' + digits.substr(1, 2) + ':' + digits.substr(3, 2);
}

std::string timeSpentLine(std::uint32_t seconds)
{
    const std::string minutesAndSeconds = ClockCount::after(seconds % 3600).text().substr(1);
    return "Time: " + std::to_string(seconds / 3600) + minutesAndSeconds;
}

}  // namespace zpx
