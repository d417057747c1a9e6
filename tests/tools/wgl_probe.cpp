// jaggo tests: what WGL offers on this Windows (or Wine) display, asked directly through opengl32.
// The Windows window test compares jaggo's report with it; jaggo itself links no GL library.
#include <windows.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The few names of GL 3.0, GL 2.0 and WGL_ARB_pixel_format asked here.
constexpr GLenum gl_major_version = 0x821B;
constexpr GLenum gl_minor_version = 0x821C;
constexpr GLenum gl_shading_language_version = 0x8B8C;
constexpr int wgl_number_pixel_formats = 0x2000;
constexpr int wgl_sample_buffers = 0x2041;
constexpr int wgl_samples = 0x2042;
using GetPixelFormatAttribivFn = BOOL(WINAPI*)(HDC, int, int, UINT, const int*, int*);

const char* text(GLenum name) {
    const GLubyte* s = glGetString(name);
    return s != nullptr ? reinterpret_cast<const char*>(s) : "(null)";
}

// A hidden window whose device context gets pixel format `format` and a
// current legacy context on it; false when any step fails.
bool make_current(int format, HWND* window, HDC* dc, HGLRC* context) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"jaggo_wgl_probe";
    wc.style = CS_OWNDC;
    RegisterClassW(&wc);
    *window = CreateWindowW(L"jaggo_wgl_probe", L"wgl_probe", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64, nullptr,
                            nullptr, wc.hInstance, nullptr);
    if (*window == nullptr) return false;
    *dc = GetDC(*window);
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    if (format == 0) {  // any double-buffered RGBA format
        pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        pfd.iPixelType = PFD_TYPE_RGBA;
        pfd.cColorBits = 24;
        format = ChoosePixelFormat(*dc, &pfd);
    }
    if (format == 0 || DescribePixelFormat(*dc, format, sizeof pfd, &pfd) == 0 ||
        !SetPixelFormat(*dc, format, &pfd)) {
        return false;
    }
    *context = wglCreateContext(*dc);
    return *context != nullptr && wglMakeCurrent(*dc, *context);
}

// "configs": one line per pixel format: its index, samples and sample buffers
// (WGL_ARB_pixel_format); a last line "describe N" gives how many formats
// DescribePixelFormat numbers.
int list_formats(HDC dc) {
    const auto get = reinterpret_cast<GetPixelFormatAttribivFn>(
        reinterpret_cast<void*>(wglGetProcAddress("wglGetPixelFormatAttribivARB")));
    if (get == nullptr) return 4;
    const int count_name = wgl_number_pixel_formats;
    int count = 0;
    if (!get(dc, 0, 0, 1, &count_name, &count)) return 5;
    const int names[] = {wgl_samples, wgl_sample_buffers};
    for (int i = 1; i <= count; ++i) {
        int values[2] = {0, 0};
        if (!get(dc, i, 0, 2, names, values)) return 6;
        std::printf("%d %d %d\n", i, values[0], values[1]);
    }
    std::printf("describe %d\n", DescribePixelFormat(dc, 1, sizeof(PIXELFORMATDESCRIPTOR), nullptr));
    return 0;
}

// "strings N": a context on pixel format N, and what it reports.
int report_strings() {
    GLint major = 0;
    GLint minor = 0;
    glGetIntegerv(gl_major_version, &major);
    glGetIntegerv(gl_minor_version, &minor);
    std::printf("vendor=%s\nrenderer=%s\nversion=%s\nglsl=%s\nmajor=%d\nminor=%d\n", text(GL_VENDOR),
                text(GL_RENDERER), text(GL_VERSION), text(gl_shading_language_version), major, minor);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool configs = argc == 2 && std::strcmp(argv[1], "configs") == 0;
    const bool strings = argc == 3 && std::strcmp(argv[1], "strings") == 0;
    if (!configs && !strings) return 1;
    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
    int status = 3;
    if (make_current(strings ? std::atoi(argv[2]) : 0, &window, &dc, &context)) {
        status = configs ? list_formats(dc) : report_strings();
    }
    std::fflush(stdout);
    if (context != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
    }
    if (window != nullptr) DestroyWindow(window);
    return status;
}
