#include "env/SystemFigures.h"

#include <gtest/gtest.h>

using namespace zpx;

TEST(SystemFigures, KilobytesAreGroupedByThousandsWithTheLocalesSeparator)
{
    EXPECT_EQ(kilobytesText(64ull << 20, ","), "65,536 KB");
    EXPECT_EQ(kilobytesText(16ull << 30, "."), "16.777.216 KB");
    EXPECT_EQ(kilobytesText(500 * 1024, ","), "500 KB");
    EXPECT_GT(totalPhysicalMemory(), 0u);
    EXPECT_EQ(freeResourcesText(80), "80% Free");
}
