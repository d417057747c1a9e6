// jaggo platform: the window's contents read through Xlib (where GLFW loaded it; nothing is linked)
// or GDI. A native Wayland surface and a macOS window are not read.
#include "platform/presented_picture.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>
#elif !defined(__APPLE__)
#include "platform/context_api.h"
#include "platform/name_list.h"
#endif

namespace jaggo {

namespace {

[[maybe_unused]] bool all_black(const std::uint8_t* pixels, long count) {
    for (long i = 0; i < count; ++i) {
        if (pixels[i * 4] != 0 || pixels[i * 4 + 1] != 0 || pixels[i * 4 + 2] != 0) return false;
    }
    return true;
}

}  // namespace

#if defined(_WIN32)

namespace {

// Copies width x height pixels at (x, y) of dc into out as RGBA rows, top to bottom.
bool read_dc(HDC dc, int x, int y, int width, int height, std::uint8_t* out) {
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = memory != nullptr ? CreateCompatibleBitmap(dc, width, height) : nullptr;
    bool ok = false;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY) != 0;
        SelectObject(memory, previous);  // GetDIBits reads a bitmap that no DC holds
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // rows top to bottom
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        ok = ok && GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), out, &info, DIB_RGB_COLORS) == height;
        DeleteObject(bitmap);
    }
    if (memory != nullptr) DeleteDC(memory);
    if (!ok) return false;
    const long count = static_cast<long>(width) * height;
    for (long i = 0; i < count; ++i) {
        std::uint8_t* p = out + i * 4;
        const std::uint8_t blue = p[0];
        p[0] = p[2];
        p[2] = blue;
    }
    return true;
}

}  // namespace

bool read_presented_picture(GLFWwindow* window, int width, int height, std::uint8_t* out, char* why_not,
                            std::size_t size) {
    HWND hwnd = glfwGetWin32Window(window);
    RECT client{};
    if (hwnd == nullptr || !GetClientRect(hwnd, &client)) {
        std::snprintf(why_not, size, "the window's client area could not be had");
        return false;
    }
    if (client.right - client.left != width || client.bottom - client.top != height) {
        std::snprintf(why_not, size, "the window's client area is %ldx%ld pixels, the frame %dx%d",
                      client.right - client.left, client.bottom - client.top, width, height);
        return false;
    }
    GdiFlush();
    HDC dc = GetDC(hwnd);
    bool read = dc != nullptr && read_dc(dc, 0, 0, width, height, out);
    if (dc != nullptr) ReleaseDC(hwnd, dc);
    // A GL surface the window's DC does not see reads black; the screen shows it.
    if (read && all_black(out, static_cast<long>(width) * height)) {
        POINT origin{0, 0};
        HDC screen = ClientToScreen(hwnd, &origin) ? GetDC(nullptr) : nullptr;
        read = screen != nullptr && read_dc(screen, origin.x, origin.y, width, height, out);
        if (screen != nullptr) ReleaseDC(nullptr, screen);
    }
    if (!read) std::snprintf(why_not, size, "GDI could not copy the window's pixels");
    return read;
}

#elif defined(__APPLE__)

bool read_presented_picture(GLFWwindow*, int, int, std::uint8_t*, char* why_not, std::size_t size) {
    std::snprintf(why_not, size, "macOS lets a program read windows' contents only with screen recording granted");
    return false;
}

#else

namespace {

// The little of Xlib and GLX needed here, declared without their headers.
using XID = unsigned long;
// The leading members of Xlib's XImage, as its header lays them out; the rest is never touched.
struct XImage {
    int width, height;
    int xoffset;
    int format;
    char* data;
    int byte_order;
    int bitmap_unit;
    int bitmap_bit_order;
    int bitmap_pad;
    int depth;
    int bytes_per_line;
    int bits_per_pixel;
    unsigned long red_mask;
    unsigned long green_mask;
    unsigned long blue_mask;
};
struct XErrorEvent {
    int type;
    Display* display;
    XID resourceid;
    unsigned long serial;
    unsigned char error_code;
    unsigned char request_code;
    unsigned char minor_code;
};
using XErrorHandler = int (*)(Display*, XErrorEvent*);
constexpr int z_pixmap = 2;  // ZPixmap
constexpr int msb_first = 1;  // MSBFirst
constexpr unsigned long all_planes = ~0UL;

using XGetImageFn = XImage* (*)(Display*, XID, int, int, unsigned, unsigned, unsigned long, int);
using XDestroyImageFn = int (*)(XImage*);
using XSetErrorHandlerFn = XErrorHandler (*)(XErrorHandler);
using XSyncFn = int (*)(Display*, int);
using GlfwGetX11WindowFn = XID (*)(GLFWwindow*);
using GlfwGetGLXWindowFn = XID (*)(GLFWwindow*);
using GlXQueryExtensionsStringFn = const char* (*)(Display*, int);
using GlXWaitForSbcOMLFn = int (*)(Display*, XID, std::int64_t, std::int64_t*, std::int64_t*, std::int64_t*);

// The code of the last X error raised while the window is read, 0 for none. Xlib hands its
// handler nothing of the caller's, so this one place must be the process's.
int x_error_code = 0;

int note_x_error(Display*, XErrorEvent* event) {
    x_error_code = event->error_code;
    return 0;
}

// Waits until the window's swaps have completed, where GLX offers the wait (GLX_OML_sync_control)
// and made the context; elsewhere the caller's glFinish and the XSync that follows stand for it.
void wait_for_swap(GLFWwindow* window, Display* display, XDefaultScreenFn default_screen) {
    if (!glfw_native_api_is_glx() ||
        glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API) != GLFW_NATIVE_CONTEXT_API) {
        return;
    }
    const auto query =
        context_api_function<GlXQueryExtensionsStringFn>(window, "glXQueryExtensionsString", glx_sonames);
    const auto wait = context_api_function<GlXWaitForSbcOMLFn>(window, "glXWaitForSbcOML", glx_sonames);
    const auto get_glx_window = symbol<GlfwGetGLXWindowFn>(RTLD_DEFAULT, "glfwGetGLXWindow");
    if (query == nullptr || wait == nullptr || get_glx_window == nullptr) return;
    const char* extensions = query(display, default_screen(display));
    if (extensions == nullptr || !list_has_name(extensions, "GLX_OML_sync_control")) return;
    std::int64_t ust = 0;
    std::int64_t msc = 0;
    std::int64_t sbc = 0;
    wait(display, get_glx_window(window), 0, &ust, &msc, &sbc);  // 0: every swap asked so far
}

int shift_of(unsigned long mask) {
    int shift = 0;
    while (shift < 32 && ((mask >> shift) & 1UL) == 0) ++shift;
    return shift;
}

// The image's pixels as RGBA; false for a layout other than 8 bits a channel in 32-bit pixels.
bool convert(const XImage& image, std::uint8_t* out) {
    const unsigned long masks[3] = {image.red_mask, image.green_mask, image.blue_mask};
    int shifts[3];
    for (int c = 0; c < 3; ++c) {
        shifts[c] = shift_of(masks[c]);
        if (shifts[c] > 24 || (masks[c] >> shifts[c]) != 0xFFUL) return false;
    }
    if (image.bits_per_pixel != 32 || image.data == nullptr) return false;
    const std::uint32_t one = 1;
    std::uint8_t first_byte = 0;
    std::memcpy(&first_byte, &one, 1);
    const bool swap = (first_byte == 1) == (image.byte_order == msb_first);
    for (int y = 0; y < image.height; ++y) {
        const char* row = image.data + static_cast<long>(y) * image.bytes_per_line;
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t value = 0;
            std::memcpy(&value, row + x * 4, 4);
            if (swap) value = __builtin_bswap32(value);
            std::uint8_t* p = out + (static_cast<long>(y) * image.width + x) * 4;
            for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(value >> shifts[c]);
            p[3] = 255;
        }
    }
    return true;
}

}  // namespace

bool read_presented_picture(GLFWwindow* window, int width, int height, std::uint8_t* out, char* why_not,
                            std::size_t size) {
    if (glfw_wayland_display() != nullptr) {
        std::snprintf(why_not, size, "a Wayland surface cannot be read back by its client");
        return false;
    }
    const auto get_display = symbol<GlfwGetX11DisplayFn>(RTLD_DEFAULT, "glfwGetX11Display");
    const auto get_window = symbol<GlfwGetX11WindowFn>(RTLD_DEFAULT, "glfwGetX11Window");
    const auto get_image = loaded_function<XGetImageFn>("XGetImage", x11_sonames);
    const auto destroy_image = loaded_function<XDestroyImageFn>("XDestroyImage", x11_sonames);
    const auto set_handler = loaded_function<XSetErrorHandlerFn>("XSetErrorHandler", x11_sonames);
    const auto sync = loaded_function<XSyncFn>("XSync", x11_sonames);
    const auto default_screen = loaded_function<XDefaultScreenFn>("XDefaultScreen", x11_sonames);
    const int platform = glfw_platform();
    if (get_display == nullptr || get_window == nullptr || (platform != 0 && platform != glfw_platform_x11)) {
        std::snprintf(why_not, size, "GLFW runs on neither X11 nor Wayland here");
        return false;
    }
    if (get_image == nullptr || destroy_image == nullptr || set_handler == nullptr || sync == nullptr ||
        default_screen == nullptr) {
        std::snprintf(why_not, size, "the Xlib GLFW loaded lacks XGetImage, XSync or XSetErrorHandler");
        return false;
    }
    Display* display = get_display();
    const XID drawable = get_window(window);
    if (display == nullptr || drawable == 0) {
        std::snprintf(why_not, size, "GLFW gave no X display or window");
        return false;
    }
    wait_for_swap(window, display, default_screen);
    sync(display, 0);
    x_error_code = 0;
    const XErrorHandler previous = set_handler(note_x_error);
    XImage* image = get_image(display, drawable, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), all_planes, z_pixmap);
    sync(display, 0);  // any error of the read arrives before the handler is put back
    set_handler(previous);
    bool read = false;
    if (image == nullptr || x_error_code != 0) {
        std::snprintf(why_not, size,
                      "the X server refused to read the window (X error %d: a window that is not viewable?)",
                      x_error_code);
    } else if (image->width != width || image->height != height) {
        std::snprintf(why_not, size, "the window shows %dx%d pixels, the frame has %dx%d", image->width,
                      image->height, width, height);
    } else if (!convert(*image, out)) {
        std::snprintf(why_not, size, "the window's pixels (depth %d, %d bits) are not 8 bits a channel",
                      image->depth, image->bits_per_pixel);
    } else {
        read = true;
    }
    if (image != nullptr) destroy_image(image);
    return read;
}

#endif

}  // namespace jaggo
