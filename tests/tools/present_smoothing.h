// jaggo tests: a driver that smooths each frame when it is presented, as a panel's post-process
// (FXAA-like) does: the back buffer's high-contrast pixels blended with their neighbours just before
// the swap; and one that smooths its resolve alike, as a filtered resolve (a wider tent than the
// pixel's own samples) does. Shared by the LD_PRELOAD shim and the Wine proxy; GL is reached through
// GLFW's lookup.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#if defined(_WIN32)
#define JAGGO_SHIM_APIENTRY __stdcall
#else
#define JAGGO_SHIM_APIENTRY
#endif

namespace jaggo_shim {

using GetIntegervFn = void(JAGGO_SHIM_APIENTRY*)(unsigned, int*);
using ReadPixelsFn = void(JAGGO_SHIM_APIENTRY*)(int, int, int, int, unsigned, unsigned, void*);
using DrawPixelsFn = void(JAGGO_SHIM_APIENTRY*)(int, int, unsigned, unsigned, const void*);
using WindowPos2iFn = void(JAGGO_SHIM_APIENTRY*)(int, int);
using UseProgramFn = void(JAGGO_SHIM_APIENTRY*)(unsigned);
using BindFramebufferFn = void(JAGGO_SHIM_APIENTRY*)(unsigned, unsigned);

constexpr unsigned gl_current_program = 0x8B8D;
constexpr unsigned gl_rgba = 0x1908;
constexpr unsigned gl_unsigned_byte = 0x1401;
constexpr unsigned gl_samples = 0x80A9;
constexpr unsigned gl_read_framebuffer = 0x8CA8;
constexpr unsigned gl_draw_framebuffer = 0x8CA9;
constexpr unsigned gl_draw_framebuffer_binding = 0x8CA6;
constexpr unsigned gl_read_framebuffer_binding = 0x8CAA;
// A pixel whose 3x3 neighbourhood spans this much (of 255) is on an edge, and is smoothed.
constexpr int edge_contrast = 128;

// Pixels whose neighbourhood spans edge_contrast or more replaced by its mean weighted 1 2 1 / 2 4 2
// / 1 2 1, channel by channel.
inline void smooth_edges(const std::vector<std::uint8_t>& in, int width, int height,
                         std::vector<std::uint8_t>* out) {
    *out = in;
    for (int y = 1; y < height - 1; ++y) {
        for (int x = 1; x < width - 1; ++x) {
            int low = 255;
            int high = 0;
            int sums[3] = {};
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const std::uint8_t* p = &in[static_cast<std::size_t>((y + dy) * width + x + dx) * 4];
                    const int weight = (2 - (dx != 0)) * (2 - (dy != 0));
                    for (int c = 0; c < 3; ++c) sums[c] += p[c] * weight;
                    low = std::min<int>(low, p[0]);
                    high = std::max<int>(high, p[0]);
                }
            }
            if (high - low < edge_contrast) continue;
            std::uint8_t* q = &(*out)[static_cast<std::size_t>(y * width + x) * 4];
            for (int c = 0; c < 3; ++c) q[c] = static_cast<std::uint8_t>((sums[c] + 8) / 16);
        }
    }
}

// Reads the current context's back buffer (width x height), smooths its edges and draws it back,
// with no program bound so that the pixels go in as they are. Lookup(name) gives a GL function;
// without one of them the frame is left as drawn.
template <typename Lookup>
void smooth_back_buffer(int width, int height, Lookup lookup) {
    const auto get_integerv = reinterpret_cast<GetIntegervFn>(lookup("glGetIntegerv"));
    const auto read_pixels = reinterpret_cast<ReadPixelsFn>(lookup("glReadPixels"));
    const auto draw_pixels = reinterpret_cast<DrawPixelsFn>(lookup("glDrawPixels"));
    const auto window_pos = reinterpret_cast<WindowPos2iFn>(lookup("glWindowPos2i"));
    const auto use_program = reinterpret_cast<UseProgramFn>(lookup("glUseProgram"));
    if (width <= 0 || height <= 0 || get_integerv == nullptr || read_pixels == nullptr ||
        draw_pixels == nullptr || window_pos == nullptr || use_program == nullptr) {
        return;
    }
    std::vector<std::uint8_t> drawn(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    std::vector<std::uint8_t> smoothed;
    read_pixels(0, 0, width, height, gl_rgba, gl_unsigned_byte, drawn.data());
    smooth_edges(drawn, width, height, &smoothed);
    int program = 0;
    get_integerv(gl_current_program, &program);
    use_program(0);
    window_pos(0, 0);
    draw_pixels(width, height, gl_rgba, gl_unsigned_byte, smoothed.data());
    use_program(static_cast<unsigned>(program));
}

// Called after a blit of width x height pixels: where it resolved a multisampled framebuffer into a
// single-sampled one, smooths what it wrote there as smooth_back_buffer does a frame.
template <typename Lookup>
void smooth_resolve(int width, int height, Lookup lookup) {
    const auto get_integerv = reinterpret_cast<GetIntegervFn>(lookup("glGetIntegerv"));
    const auto bind_framebuffer = reinterpret_cast<BindFramebufferFn>(lookup("glBindFramebuffer"));
    if (get_integerv == nullptr || bind_framebuffer == nullptr) return;
    int read = 0;
    int draw = 0;
    int draw_samples = 0;
    int read_samples = 0;
    get_integerv(gl_read_framebuffer_binding, &read);
    get_integerv(gl_draw_framebuffer_binding, &draw);
    get_integerv(gl_samples, &draw_samples);  // GL_SAMPLES answers for the draw framebuffer
    bind_framebuffer(gl_draw_framebuffer, static_cast<unsigned>(read));
    get_integerv(gl_samples, &read_samples);
    bind_framebuffer(gl_draw_framebuffer, static_cast<unsigned>(draw));
    if (read_samples <= 1 || draw_samples > 1) return;
    bind_framebuffer(gl_read_framebuffer, static_cast<unsigned>(draw));
    smooth_back_buffer(width, height, lookup);
    bind_framebuffer(gl_read_framebuffer, static_cast<unsigned>(read));
}

}  // namespace jaggo_shim
