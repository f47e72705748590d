#include "env/ToolWindowsUnit.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zpx {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// The program's own connection to the X server, when it runs on X11.
xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

ReplyPtr<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                            xcb_atom_t type, uint32_t longs)
{
    return ReplyPtr<xcb_get_property_reply_t>(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, longs), nullptr));
}

// The window manager's list of managed top-level windows; empty without one.
std::vector<xcb_window_t> clientWindows(xcb_connection_t* connection)
{
    const auto reply = property(connection, rootWindow(connection), atom(connection, "_NET_CLIENT_LIST"),
                                XCB_ATOM_WINDOW, 65536);
    if (!reply || reply->format != 32)
        return {};
    const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    return {windows, windows + xcb_get_property_value_length(reply.get()) / 4};
}

QString windowTitle(xcb_connection_t* connection, xcb_window_t window)
{
    for (const auto& [name, type] : {std::pair{atom(connection, "_NET_WM_NAME"), atom(connection, "UTF8_STRING")},
                                     std::pair{xcb_atom_t(XCB_ATOM_WM_NAME), xcb_atom_t(XCB_ATOM_STRING)}}) {
        const auto reply = property(connection, window, name, type, 1024);
        if (reply && reply->format == 8 && xcb_get_property_value_length(reply.get()) > 0) {
            const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
            const int length = xcb_get_property_value_length(reply.get());
            return type == XCB_ATOM_STRING ? QString::fromLatin1(text, length) : QString::fromUtf8(text, length);
        }
    }
    return {};
}

std::optional<qint64> windowProcess(xcb_connection_t* connection, xcb_window_t window)
{
    const auto reply = property(connection, window, atom(connection, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 1);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return std::nullopt;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

ToolWindow findClient(const std::function<bool(xcb_connection_t*, xcb_window_t)>& wanted)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return 0;
    for (const xcb_window_t window : clientWindows(connection))
        if (wanted(connection, window))
            return window;
    return 0;
}

}  // namespace

bool toolWindowsSearchable()
{
    return x11Connection() != nullptr;
}

ToolWindow findToolWindowByTitle(const QString& title)
{
    return findClient([&](xcb_connection_t* connection, xcb_window_t window) {
        return windowTitle(connection, window) == title;
    });
}

ToolWindow findToolWindowOfProcess(qint64 processId)
{
    return findClient([&](xcb_connection_t* connection, xcb_window_t window) {
        return windowProcess(connection, window) == processId;
    });
}

bool bringToolWindowToFront(ToolWindow window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || window == 0)
        return false;
    const std::vector<xcb_window_t> clients = clientWindows(connection);
    if (std::find(clients.begin(), clients.end(), window) == clients.end())
        return false;
    // Asked as a pager asks, so the window manager's focus-stealing guard lets it through.
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = atom(connection, "_NET_ACTIVE_WINDOW");
    request.data.data32[0] = 2;
    request.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, rootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
    return true;
}

}  // namespace zpx
