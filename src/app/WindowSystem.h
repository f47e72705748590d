#pragma once
// Which window system the program asks Qt for at start.

namespace zpx {

// On a Wayland desktop a window cannot place itself or learn where the others
// are, so arrangement and the Tools menu's window search would not work: the
// program runs on X11 through the desktop's XWayland instead, unless the
// user chose a platform (QT_QPA_PLATFORM) or no X server is there. Arguments
// are the environment's values, nullptr when unset.
bool runOnX11(const char* chosenPlatform, const char* waylandDisplay, const char* x11Display);

}  // namespace zpx
