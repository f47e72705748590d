#include "core/WindowRoom.h"

#include <algorithm>
#include <cstdlib>

namespace zpx {

namespace {

constexpr int Gap = 2;

long coveredArea(const WindowBox& window, const std::vector<WindowBox>& taken)
{
    long area = 0;
    for (const WindowBox& box : taken) {
        const int width = std::min(window.right(), box.right()) - std::max(window.left, box.left);
        const int height = std::min(window.bottom(), box.bottom()) - std::max(window.top, box.top);
        if (width > 0 && height > 0)
            area += static_cast<long>(width) * height;
    }
    return area;
}

}  // namespace

int topLeavingRoom(const WindowBox& window, const std::vector<WindowBox>& taken, int screenTop, int screenBottom)
{
    const int lowest = std::max(screenTop, screenBottom - window.height);
    const auto onScreen = [&](int top) { return std::clamp(top, screenTop, lowest); };
    std::vector<int> tops{onScreen(window.top)};
    for (const WindowBox& box : taken) {
        tops.push_back(onScreen(box.bottom() + Gap));
        tops.push_back(onScreen(box.top - Gap - window.height));
    }
    // Least covered first, then nearest to the window's own place.
    const auto cost = [&](int top) {
        WindowBox moved = window;
        moved.top = top;
        return std::pair(coveredArea(moved, taken), std::abs(top - window.top));
    };
    return *std::min_element(tops.begin(), tops.end(), [&](int a, int b) { return cost(a) < cost(b); });
}

}  // namespace zpx
