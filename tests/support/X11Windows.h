#pragma once
// What the window tests under a real X server read off it: the window
// manager's standard properties of the root window and of client windows.

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace zpx::test {

inline xcb_connection_t* connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

inline xcb_atom_t atom(const char* name)
{
    auto* reply = xcb_intern_atom_reply(
        connection(), xcb_intern_atom(connection(), 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : 0;
    std::free(reply);
    return result;
}

// The 32-bit values of a window property.
inline std::vector<uint32_t> windowProperty(xcb_window_t window, const char* name)
{
    auto* reply = xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
        nullptr);
    std::vector<uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

inline xcb_window_t root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

inline xcb_window_t activeWindow()
{
    const auto values = windowProperty(root(), "_NET_ACTIVE_WINDOW");
    return values.empty() ? 0 : values.front();
}

inline bool onScreen(xcb_window_t window)
{
    const auto clients = windowProperty(root(), "_NET_CLIENT_LIST");
    return std::find(clients.begin(), clients.end(), window) != clients.end();
}

}  // namespace zpx::test
