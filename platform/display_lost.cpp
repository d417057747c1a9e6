// jaggo platform: tells a lost Wayland connection from a closed window. No Wayland library is linked:
// libwayland-client is found where GLFW loaded it. Win32 and macOS have no connection to a display
// server that could break under a running window.
#include "platform/display_lost.h"

#if !defined(_WIN32) && !defined(__APPLE__)
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/loaded_library.h"
#endif

namespace jaggo {

#if defined(_WIN32) || defined(__APPLE__)

bool display_connection_lost(char*, std::size_t) {
    return false;
}

#else

namespace {

// The little of libwayland-client needed here, declared without its headers.
using WlDisplay = void;
struct WlInterface {
    const char* name;  // the first member of struct wl_interface
};
using WlDisplayGetErrorFn = int (*)(WlDisplay*);
using WlDisplayGetProtocolErrorFn = std::uint32_t (*)(WlDisplay*, const WlInterface**, std::uint32_t*);
using WlDisplayFlushFn = int (*)(WlDisplay*);

}  // namespace

bool display_connection_lost(char* reason, std::size_t size) {
    WlDisplay* display = glfw_wayland_display();
    if (display == nullptr) return false;
    const char* const sonames[] = {"libwayland-client.so.0", nullptr};
    const auto get_error = loaded_function<WlDisplayGetErrorFn>("wl_display_get_error", sonames);
    const auto flush = loaded_function<WlDisplayFlushFn>("wl_display_flush", sonames);
    if (get_error == nullptr || flush == nullptr) return false;
    int error = get_error(display);
    // libwayland records a failed read (the compositor closed the socket) and a
    // protocol error as the connection's error, but leaves a failed write for
    // the next read to find; GLFW closed its windows on such a write. A flush
    // tells: it writes what is still pending (or nothing), never blocks, and
    // fails the same way again on a broken connection.
    if (error == 0 && flush(display) < 0 && errno != EAGAIN) error = errno;
    if (error == 0) return false;
    const auto get_protocol_error =
        loaded_function<WlDisplayGetProtocolErrorFn>("wl_display_get_protocol_error", sonames);
    if (error == EPROTO && get_protocol_error != nullptr) {
        const WlInterface* interface = nullptr;
        std::uint32_t id = 0;
        const std::uint32_t code = get_protocol_error(display, &interface, &id);
        const char* name = interface != nullptr && interface->name != nullptr ? interface->name : "an object";
        std::snprintf(reason, size, "protocol error %u on %s@%u", code, name, id);
    } else {
        std::snprintf(reason, size, "%s", std::strerror(error));
    }
    return true;
}

#endif

}  // namespace jaggo
