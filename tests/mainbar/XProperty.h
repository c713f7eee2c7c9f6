#pragma once

#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace voltrail::test {

inline xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A property holding windows or atoms, read straight from the server; empty
// when it is not set.
inline std::vector<uint32_t> ReadProperty(xcb_connection_t* connection, xcb_window_t window, const char* name,
                                          xcb_atom_t type)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, InternAtom(connection, name), type, 0, 1024),
        nullptr);
    std::vector<uint32_t> items;
    if (reply) {
        const auto* first = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        items.assign(first, first + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return items;
}

} // namespace voltrail::test
