#pragma once
// The two system figures of the about box.

#include <cstdint>
#include <string>
#include <string_view>

namespace zpx {

// The machine's total physical memory in bytes; 0 when the system does not say.
std::uint64_t totalPhysicalMemory();

// Bytes as whole kilobytes, digits grouped by thousands: "65,536 KB".
std::string kilobytesText(std::uint64_t bytes, std::string_view groupSeparator);

// "80% Free".
std::string freeResourcesText(int percent);

}  // namespace zpx
