#include "env/SystemFigures.h"

#include <unistd.h>

namespace zpx {

std::uint64_t totalPhysicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

std::string kilobytesText(std::uint64_t bytes, std::string_view groupSeparator)
{
    const std::string digits = std::to_string(bytes / 1024);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += groupSeparator;
        grouped += digits[i];
    }
    return grouped + " KB";
}

std::string freeResourcesText(int percent)
{
    return std::to_string(percent) + "% Free";
}

}  // namespace zpx
