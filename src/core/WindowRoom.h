#pragma once
// Where a tool window goes so that it leaves the constructor's working
// windows (the grid, the author-title window) uncovered.

#include <vector>

namespace zpx {

struct WindowBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// The top for `window` (its left, width and height kept) between screenTop and
// screenBottom: its own top when it covers none of `taken`; else the free top
// nearest to it, just above or below a taken window; where no top is free, the
// one that covers the least of them.
int topLeavingRoom(const WindowBox& window, const std::vector<WindowBox>& taken, int screenTop, int screenBottom);

}  // namespace zpx
