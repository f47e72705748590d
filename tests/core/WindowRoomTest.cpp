#include "core/WindowRoom.h"

#include <gtest/gtest.h>

using namespace zpx;

TEST(WindowRoom, AToolWindowGoesWhereItCoversTheLeastOfTheWorkingWindows)
{
    // A 1280 × 1024 screen: the main band at the top, the grid below it, the author-title window under the grid.
    const std::vector<WindowBox> taken = {{0, 0, 1280, 120}, {280, 124, 720, 450}, {8, 576, 1264, 92}};
    const WindowBox centred{320, 469, 640, 86};
    EXPECT_EQ(topLeavingRoom(centred, taken, 0, 1024), 576 + 92 + 2);  // just below the author-title window
    EXPECT_EQ(topLeavingRoom({320, 800, 640, 86}, taken, 0, 1024), 800);  // already clear: stays

    // A 768-pixel screen with no free place: the one covering the least, still on the screen.
    const std::vector<WindowBox> tall = {{0, 0, 1024, 120}, {150, 124, 720, 516}, {8, 642, 1008, 80}};
    EXPECT_EQ(topLeavingRoom({256, 341, 512, 86}, tall, 0, 768), 768 - 86);  // over half the author-title line
}
