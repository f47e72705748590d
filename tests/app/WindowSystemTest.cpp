#include "app/WindowSystem.h"

#include <gtest/gtest.h>

using namespace zpx;

TEST(WindowSystem, AWaylandDesktopRunsTheProgramOnItsX11UnlessTheUserChose)
{
    const struct {
        const char* chosen;
        const char* wayland;
        const char* x11;
        bool x11Asked;
    } cases[] = {
        {nullptr, "wayland-0", ":0", true},
        {"", "wayland-0", ":0", true},
        {"wayland", "wayland-0", ":0", false},
        {nullptr, "wayland-0", nullptr, false},  // no XWayland: Wayland it is
        {nullptr, nullptr, ":0", false},         // an X11 desktop needs nothing
    };
    for (const auto& c : cases)
        EXPECT_EQ(runOnX11(c.chosen, c.wayland, c.x11), c.x11Asked) << (c.chosen ? c.chosen : "unset");
}
