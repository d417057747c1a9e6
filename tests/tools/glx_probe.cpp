// jaggo tests: what the X display's GLX offers, and what its contexts grant multisampled objects,
// asked directly through libGL.
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
// What the offscreen query needs of OpenGL 3.2 (the system's gl.h stops at 1.3).
constexpr GLenum probe_renderbuffer = 0x8D41;          // GL_RENDERBUFFER
constexpr GLenum probe_renderbuffer_samples = 0x8CAB;  // GL_RENDERBUFFER_SAMPLES
constexpr GLenum probe_max_samples = 0x8D57;           // GL_MAX_SAMPLES
constexpr GLenum probe_texture_ms = 0x9100;            // GL_TEXTURE_2D_MULTISAMPLE
constexpr GLenum probe_texture_samples = 0x9106;       // GL_TEXTURE_SAMPLES
constexpr GLenum probe_max_texture_samples = 0x910E;   // GL_MAX_COLOR_TEXTURE_SAMPLES
constexpr GLenum probe_rgba8 = 0x8058;                 // GL_RGBA8
constexpr GLenum probe_sample_position = 0x8E50;       // GL_SAMPLE_POSITION
constexpr GLenum probe_framebuffer = 0x8D40;           // GL_FRAMEBUFFER
constexpr GLenum probe_colour_attachment = 0x8CE0;     // GL_COLOR_ATTACHMENT0

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

// A context made current on a small pbuffer of one configuration.
struct Current {
    GLXFBConfig* configs = nullptr;
    GLXContext context = nullptr;
    GLXPbuffer pbuffer = 0;
};

// What make_current_on takes for the first configuration the server lists, whatever its number.
constexpr int first_configuration = -1;

// Makes a context current on the configuration numbered wanted: 0, or the probe's status when there
// is no such configuration (2) or no context on it (3).
int make_current_on(Display* dpy, int wanted, Current* current) {
    int count = 0;
    current->configs = glXGetFBConfigs(dpy, DefaultScreen(dpy), &count);
    GLXFBConfig config = nullptr;
    for (int i = 0; i < count && config == nullptr; ++i) {
        int id = 0;
        glXGetFBConfigAttrib(dpy, current->configs[i], GLX_FBCONFIG_ID, &id);
        if (wanted == first_configuration || id == wanted) config = current->configs[i];
    }
    if (config == nullptr) return 2;
    current->context = glXCreateNewContext(dpy, config, GLX_RGBA_TYPE, nullptr, True);
    const int pattrs[] = {GLX_PBUFFER_WIDTH, 16, GLX_PBUFFER_HEIGHT, 16, None};
    current->pbuffer = glXCreatePbuffer(dpy, config, pattrs);
    if (current->context == nullptr ||
        !glXMakeContextCurrent(dpy, current->pbuffer, current->pbuffer, current->context)) {
        return 3;
    }
    return 0;
}

void release(Display* dpy, const Current& current) {
    glXMakeContextCurrent(dpy, None, None, nullptr);
    glXDestroyContext(dpy, current.context);
    glXDestroyPbuffer(dpy, current.pbuffer);
    XFree(current.configs);
}

// "strings ID": a context on that configuration, and what it reports.
int report_strings(Display* dpy, int wanted) {
    Current current;
    if (const int failed = make_current_on(dpy, wanted, &current)) return failed;
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    std::printf("vendor=%s\nrenderer=%s\nversion=%s\nglsl=%s\nmajor=%d\nminor=%d\nextensions=%s\n",
                text(GL_VENDOR), text(GL_RENDERER), text(GL_VERSION), text(GL_SHADING_LANGUAGE_VERSION),
                major, minor, text(GL_EXTENSIONS));
    release(dpy, current);
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

template <typename Fn>
Fn proc(const char* name) {
    return reinterpret_cast<Fn>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

// "offscreen": a context on the first configuration, and for multisampled RGBA8 renderbuffers and
// textures of 1 up to one past their maximum samples, what each request is granted: lines
// "renderbuffer max 4", then "renderbuffer 2 4" (asked 2, granted 4) or "renderbuffer 5 refused".
int offscreen(Display* dpy) {
    Current current;
    if (const int failed = make_current_on(dpy, first_configuration, &current)) return failed;
    using Gen = void (*)(GLsizei, GLuint*);
    const auto gen_renderbuffers = proc<Gen>("glGenRenderbuffers");
    const auto bind_renderbuffer = proc<void (*)(GLenum, GLuint)>("glBindRenderbuffer");
    const auto storage =
        proc<void (*)(GLenum, GLsizei, GLenum, GLsizei, GLsizei)>("glRenderbufferStorageMultisample");
    const auto renderbuffer_parameter =
        proc<void (*)(GLenum, GLenum, GLint*)>("glGetRenderbufferParameteriv");
    const auto texture_storage =
        proc<void (*)(GLenum, GLsizei, GLenum, GLsizei, GLsizei, GLboolean)>("glTexImage2DMultisample");
    if (gen_renderbuffers == nullptr || bind_renderbuffer == nullptr || storage == nullptr ||
        renderbuffer_parameter == nullptr || texture_storage == nullptr) {
        return 4;
    }
    for (int pass = 0; pass < 2; ++pass) {
        const bool texture = pass == 1;
        const char* kind = texture ? "texture" : "renderbuffer";
        GLint max = 0;
        glGetIntegerv(texture ? probe_max_texture_samples : probe_max_samples, &max);
        std::printf("%s max %d\n", kind, max);
        for (GLint asked = 1; asked <= max + 1; ++asked) {
            GLuint object = 0;
            GLint granted = 0;
            while (glGetError() != GL_NO_ERROR) {
            }
            if (texture) {
                glGenTextures(1, &object);
                glBindTexture(probe_texture_ms, object);
                texture_storage(probe_texture_ms, asked, probe_rgba8, 64, 32, GL_TRUE);
                glGetTexLevelParameteriv(probe_texture_ms, 0, probe_texture_samples, &granted);
            } else {
                gen_renderbuffers(1, &object);
                bind_renderbuffer(probe_renderbuffer, object);
                storage(probe_renderbuffer, asked, probe_rgba8, 64, 32);
                renderbuffer_parameter(probe_renderbuffer, probe_renderbuffer_samples, &granted);
            }
            if (glGetError() != GL_NO_ERROR) {
                std::printf("%s %d refused\n", kind, asked);
            } else {
                std::printf("%s %d %d\n", kind, asked, granted);
            }
        }
    }
    release(dpy, current);
    return 0;
}

// "positions ID": a context on that configuration, drawing into a pbuffer of it, and the sample
// positions GL_SAMPLE_POSITION answers: "framebuffer X Y" a sample, then the same for a
// framebuffer object with a multisampled RGBA8 renderbuffer ("renderbuffer ASKED X Y") and one with
// a multisampled texture ("texture ASKED X Y"), for each count asked from 1 to the kind's maximum.
int positions(Display* dpy, int wanted) {
    Current current;
    if (const int failed = make_current_on(dpy, wanted, &current)) return failed;
    const auto get_multisample = proc<void (*)(GLenum, GLuint, GLfloat*)>("glGetMultisamplefv");
    const auto gen_framebuffers = proc<void (*)(GLsizei, GLuint*)>("glGenFramebuffers");
    const auto bind_framebuffer = proc<void (*)(GLenum, GLuint)>("glBindFramebuffer");
    const auto gen_renderbuffers = proc<void (*)(GLsizei, GLuint*)>("glGenRenderbuffers");
    const auto bind_renderbuffer = proc<void (*)(GLenum, GLuint)>("glBindRenderbuffer");
    const auto storage =
        proc<void (*)(GLenum, GLsizei, GLenum, GLsizei, GLsizei)>("glRenderbufferStorageMultisample");
    const auto attach_renderbuffer =
        proc<void (*)(GLenum, GLenum, GLenum, GLuint)>("glFramebufferRenderbuffer");
    const auto texture_storage =
        proc<void (*)(GLenum, GLsizei, GLenum, GLsizei, GLsizei, GLboolean)>("glTexImage2DMultisample");
    const auto attach_texture =
        proc<void (*)(GLenum, GLenum, GLenum, GLuint, GLint)>("glFramebufferTexture2D");
    if (get_multisample == nullptr || gen_framebuffers == nullptr || bind_framebuffer == nullptr ||
        gen_renderbuffers == nullptr || bind_renderbuffer == nullptr || storage == nullptr ||
        attach_renderbuffer == nullptr || texture_storage == nullptr || attach_texture == nullptr) {
        return 4;
    }
    // What the bound framebuffer answers, one line a sample.
    const auto print_positions = [&](const char* prefix) {
        GLint samples = 0;
        glGetIntegerv(GL_SAMPLES, &samples);
        for (GLint i = 0; i < samples; ++i) {
            GLfloat at[2] = {};
            get_multisample(probe_sample_position, static_cast<GLuint>(i), at);
            std::printf("%s %.6f %.6f\n", prefix, at[0], at[1]);
        }
    };
    print_positions("framebuffer");
    for (int pass = 0; pass < 2; ++pass) {
        const bool texture = pass == 1;
        GLint max = 0;
        glGetIntegerv(texture ? probe_max_texture_samples : probe_max_samples, &max);
        for (GLint asked = 1; asked <= max; ++asked) {
            GLuint framebuffer = 0, object = 0;
            gen_framebuffers(1, &framebuffer);
            bind_framebuffer(probe_framebuffer, framebuffer);
            if (texture) {
                glGenTextures(1, &object);
                glBindTexture(probe_texture_ms, object);
                texture_storage(probe_texture_ms, asked, probe_rgba8, 64, 32, GL_TRUE);
                attach_texture(probe_framebuffer, probe_colour_attachment, probe_texture_ms, object, 0);
            } else {
                gen_renderbuffers(1, &object);
                bind_renderbuffer(probe_renderbuffer, object);
                storage(probe_renderbuffer, asked, probe_rgba8, 64, 32);
                attach_renderbuffer(probe_framebuffer, probe_colour_attachment, probe_renderbuffer, object);
            }
            char prefix[40];
            std::snprintf(prefix, sizeof prefix, "%s %d", texture ? "texture" : "renderbuffer", asked);
            print_positions(prefix);
            bind_framebuffer(probe_framebuffer, 0);
        }
    }
    release(dpy, current);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) return 77;
    int status = 1;
    if (argc == 2 && std::strcmp(argv[1], "configs") == 0) status = list_configs(dpy);
    if (argc == 2 && std::strcmp(argv[1], "offscreen") == 0) status = offscreen(dpy);
    if (argc == 3 && std::strcmp(argv[1], "strings") == 0) status = report_strings(dpy, std::atoi(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "positions") == 0) status = positions(dpy, std::atoi(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "attributes") == 0)
        status = report_attributes(dpy, std::atoi(argv[2]));
    XCloseDisplay(dpy);
    return status;
}
