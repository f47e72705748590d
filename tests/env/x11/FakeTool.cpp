// A stand-in for an external tool: one small top-level window that carries
// its process id, titled by ZPX_FAKE_TOOL_TITLE. It lives until its window
// is closed or it is killed; plain xcb, so it is on the screen within
// milliseconds of its start.

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : 0;
    std::free(reply);
    return result;
}

void setText(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
             const std::string& text)
{
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, name, type, 8,
                        static_cast<uint32_t>(text.size()), text.data());
}

}  // namespace

int main()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 100, 100, 240, 120, 1,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK,
                      values);

    const char* title = std::getenv("ZPX_FAKE_TOOL_TITLE");
    const std::string caption = title ? title : "Fake tool";
    setText(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, caption);
    setText(connection, window, atom(connection, "_NET_WM_NAME"), atom(connection, "UTF8_STRING"), caption);
    const uint32_t pid = static_cast<uint32_t>(getpid());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom(connection, "_NET_WM_PID"),
                        XCB_ATOM_CARDINAL, 32, 1, &pid);
    const xcb_atom_t deleteWindow = atom(connection, "WM_DELETE_WINDOW");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom(connection, "WM_PROTOCOLS"), XCB_ATOM_ATOM,
                        32, 1, &deleteWindow);
    xcb_map_window(connection, window);
    xcb_flush(connection);

    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool closing = (event->response_type & 0x7F) == XCB_CLIENT_MESSAGE
                          && reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == deleteWindow;
        std::free(event);
        if (closing)
            break;
    }
    xcb_disconnect(connection);
    return 0;
}
