#include "FirstPaint.h"

#include <xcb/xcbext.h>

#include <cstdlib>
#include <sys/uio.h>

namespace {

xcb_extension_t damageExtension = {"DAMAGE", 0};

enum : std::uint8_t { kQueryVersion = 0, kCreate = 1 };
// One report when the damage turns non-empty; nothing ever repairs it.
constexpr std::uint8_t kReportNonEmpty = 3;

struct QueryVersionRequest {
    std::uint8_t majorOpcode, minorOpcode;
    std::uint16_t length;
    std::uint32_t clientMajor, clientMinor;
};

struct CreateRequest {
    std::uint8_t majorOpcode, minorOpcode;
    std::uint16_t length;
    std::uint32_t damage, drawable;
    std::uint8_t level, pad[3];
};

struct NotifyEvent {
    std::uint8_t responseType, level;
    std::uint16_t sequence;
    std::uint32_t drawable, damage, timestamp;
};

template <typename Request>
unsigned Send(xcb_connection_t* x, std::uint8_t opcode, bool isVoid, Request& request)
{
    iovec parts[4];
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    parts[3].iov_base = nullptr;
    parts[3].iov_len = 0;
    const xcb_protocol_request_t info = {2, &damageExtension, opcode,
                                         isVoid ? std::uint8_t{1} : std::uint8_t{0}};
    return xcb_send_request(x, isVoid ? 0 : XCB_REQUEST_CHECKED, parts + 2, &info);
}

} // namespace

std::optional<FirstPaint> FirstPaint::Start(xcb_connection_t* x)
{
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(x, &damageExtension);
    if (!extension || !extension->present)
        return std::nullopt;
    // The server takes no other request of a client that has not agreed a version.
    QueryVersionRequest version{};
    version.clientMajor = 1;
    version.clientMinor = 1;
    xcb_generic_error_t* error = nullptr;
    void* reply = xcb_wait_for_reply(x, Send(x, kQueryVersion, false, version), &error);
    std::free(error);
    if (!reply)
        return std::nullopt;
    std::free(reply);
    return FirstPaint(x, extension->first_event);
}

void FirstPaint::Watch(xcb_window_t window)
{
    // A window gone before this arrives gives an error event, which is ignored.
    CreateRequest create{};
    create.damage = xcb_generate_id(x_);
    create.drawable = window;
    create.level = kReportNonEmpty;
    Send(x_, kCreate, true, create);
}

std::optional<xcb_window_t> FirstPaint::Painted(const xcb_generic_event_t* event) const
{
    if ((event->response_type & 0x7f) != firstEvent_)
        return std::nullopt;
    return reinterpret_cast<const NotifyEvent*>(event)->drawable;
}
