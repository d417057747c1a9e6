// jaggo tests: what the X display's GLX offers, asked directly through libGL.
// The real-window tests compare jaggo's report with it; jaggo itself links no GL library.
#include <GL/gl.h>
#include <GL/glx.h>
#include <GL/glxext.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef GL_MAJOR_VERSION
#define GL_MAJOR_VERSION 0x821B
#define GL_MINOR_VERSION 0x821C
#endif

namespace {

const char* text(GLenum name) {
    const GLubyte* s = glGetString(name);
    return s != nullptr ? reinterpret_cast<const char*>(s) : "(null)";
}

// "configs": one line per framebuffer configuration: its id and sample count.
int list_configs(Display* dpy) {
    int count = 0;
    GLXFBConfig* configs = glXGetFBConfigs(dpy, DefaultScreen(dpy), &count);
    for (int i = 0; i < count; ++i) {
        int id = 0, samples = 0, buffers = 0;
        glXGetFBConfigAttrib(dpy, configs[i], GLX_FBCONFIG_ID, &id);
        glXGetFBConfigAttrib(dpy, configs[i], GLX_SAMPLES, &samples);
        glXGetFBConfigAttrib(dpy, configs[i], GLX_SAMPLE_BUFFERS, &buffers);
        std::printf("%d %d %d\n", id, samples, buffers);
    }
    XFree(configs);
    return 0;
}

// "strings ID": a context on that configuration, and what it reports.
int report_strings(Display* dpy, int wanted) {
    int count = 0;
    GLXFBConfig* configs = glXGetFBConfigs(dpy, DefaultScreen(dpy), &count);
    GLXFBConfig config = nullptr;
    for (int i = 0; i < count && config == nullptr; ++i) {
        int id = 0;
        glXGetFBConfigAttrib(dpy, configs[i], GLX_FBCONFIG_ID, &id);
        if (id == wanted) config = configs[i];
    }
    if (config == nullptr) return 2;
    GLXContext ctx = glXCreateNewContext(dpy, config, GLX_RGBA_TYPE, nullptr, True);
    const int pattrs[] = {GLX_PBUFFER_WIDTH, 16, GLX_PBUFFER_HEIGHT, 16, None};
    GLXPbuffer pbuffer = glXCreatePbuffer(dpy, config, pattrs);
    if (ctx == nullptr || !glXMakeContextCurrent(dpy, pbuffer, pbuffer, ctx)) return 3;
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    std::printf("vendor=%s\nrenderer=%s\nversion=%s\nglsl=%s\nmajor=%d\nminor=%d\nextensions=%s\n",
                text(GL_VENDOR), text(GL_RENDERER), text(GL_VERSION), text(GL_SHADING_LANGUAGE_VERSION),
                major, minor, text(GL_EXTENSIONS));
    glXMakeContextCurrent(dpy, None, None, nullptr);
    glXDestroyContext(dpy, ctx);
    glXDestroyPbuffer(dpy, pbuffer);
    XFree(configs);
    return 0;
}

// "attributes ID": that configuration's attributes, one "name value" a line, as GLX gives them.
int report_attributes(Display* dpy, int wanted) {
    int count = 0;
    GLXFBConfig* configs = glXGetFBConfigs(dpy, DefaultScreen(dpy), &count);
    int status = 2;
    for (int i = 0; i < count; ++i) {
        int id = 0;
        glXGetFBConfigAttrib(dpy, configs[i], GLX_FBCONFIG_ID, &id);
        if (id != wanted) continue;
        const struct {
            const char* name;
            int attribute;
        } attributes[] = {{"sample_buffers", GLX_SAMPLE_BUFFERS},
                          {"samples", GLX_SAMPLES},
                          {"red", GLX_RED_SIZE},
                          {"green", GLX_GREEN_SIZE},
                          {"blue", GLX_BLUE_SIZE},
                          {"alpha", GLX_ALPHA_SIZE},
                          {"depth", GLX_DEPTH_SIZE},
                          {"stencil", GLX_STENCIL_SIZE},
                          {"srgb_capable", GLX_FRAMEBUFFER_SRGB_CAPABLE_ARB},
                          {"caveat", GLX_CONFIG_CAVEAT}};
        for (const auto& a : attributes) {
            int value = 0;
            if (glXGetFBConfigAttrib(dpy, configs[i], a.attribute, &value) == Success) {
                std::printf("%s %d\n", a.name, value);
            }
        }
        status = 0;
    }
    XFree(configs);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) return 77;
    int status = 1;
    if (argc == 2 && std::strcmp(argv[1], "configs") == 0) status = list_configs(dpy);
    if (argc == 3 && std::strcmp(argv[1], "strings") == 0) status = report_strings(dpy, std::atoi(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "attributes") == 0)
        status = report_attributes(dpy, std::atoi(argv[2]));
    XCloseDisplay(dpy);
    return status;
}
