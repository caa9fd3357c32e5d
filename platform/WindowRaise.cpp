#include "platform/WindowRaise.h"

#ifdef VELMORA_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

template <typename T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    auto cookie = xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
    TReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t property, xcb_atom_t type)
{
    auto cookie = xcb_get_property(connection, 0, window, property, type, 0, 4096);
    TReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr),
                                           &std::free);
    if (!reply || reply->format != 32)
        return {};
    auto* values = static_cast<std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

void Activate(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t active, xcb_window_t window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = active;
    event.data.data32[0] = 2; // request from a pager-like tool: honoured as the user's
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

} // namespace

bool RaiseWindowsOfProcess(std::int64_t pid)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return false;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_atom_t clients = Atom(connection, "_NET_CLIENT_LIST");
    xcb_atom_t wmPid = Atom(connection, "_NET_WM_PID");
    xcb_atom_t active = Atom(connection, "_NET_ACTIVE_WINDOW");
    bool raised = false;
    for (std::uint32_t window : Property(connection, root, clients, XCB_ATOM_WINDOW)) {
        auto owner = Property(connection, window, wmPid, XCB_ATOM_CARDINAL);
        if (owner.empty() || owner[0] != static_cast<std::uint32_t>(pid))
            continue;
        Activate(connection, root, active, window);
        raised = true;
    }
    xcb_flush(connection);
    xcb_disconnect(connection);
    return raised;
}

#else

bool RaiseWindowsOfProcess(std::int64_t) { return false; }

#endif
