// jaggo platform: the sample counts the platform's framebuffer configurations offer, so that a sweep
// can judge every count a request could be granted, not only the usual powers of two.
#pragma once

struct GLFWwindow;

namespace jaggo {

// The most distinct sample counts offered_sample_counts reports.
constexpr int max_offered_counts = 32;

struct OfferedSamples {
    const char* api;  // "GLX", "EGL" or "WGL"; nullptr when the configurations cannot be listed
    int count;        // number of distinct sample counts in counts, ascending; 0 when not listed
    int counts[max_offered_counts];  // 0 stands for configurations without multisampling
};

// The distinct sample counts of the framebuffer configurations of the display the window's
// context was made on, among those a window like jaggo's could be given: GLX's configurations
// for RGBA windows on the display GLFW uses, EGL's window configurations for the context's client
// API on the current display, WGL's OpenGL pixel formats for windows (WGL_ARB_pixel_format).
// Call it with the window's context current; otherwise, and with NSGL, OSMesa, a library
// without those functions or a query that fails, nothing is listed: api is nullptr and count 0.
// Beyond max_offered_counts distinct counts the largest are left out. It never raises a GLFW
// error, allocates nothing and issues no call of a context API that did not make the context.
OfferedSamples offered_sample_counts(GLFWwindow* window);

}  // namespace jaggo
