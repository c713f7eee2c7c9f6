#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>

// Sees the first drawing into a window through the X server's DAMAGE
// extension, spoken directly (its client library is not needed for two
// requests): a window counts as painted when the server reports damage on it.
class FirstPaint {
public:
    // Empty when the server has no DAMAGE extension.
    static std::optional<FirstPaint> Start(xcb_connection_t* x);

    // Reports the first drawing into window with one event (watch it before it
    // is mapped: nothing is drawn into an unmapped window).
    void Watch(xcb_window_t window);

    // The window painted, when event is the report of a first drawing.
    std::optional<xcb_window_t> Painted(const xcb_generic_event_t* event) const;

private:
    FirstPaint(xcb_connection_t* x, std::uint8_t firstEvent) : x_(x), firstEvent_(firstEvent) {}

    xcb_connection_t* x_;
    std::uint8_t firstEvent_;
};
