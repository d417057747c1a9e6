// jaggo benchmarks: starts a program and times it to its first presented frame, read back
// from the X server, then reads its peak memory and closes it the way a window manager does.
//
// Usage: first_frame [-s SETTLE_SECONDS] PROGRAM [ARGS...]   (DISPLAY must be set)
// The clock starts just before the program is spawned. The frame counts as presented when
// a 4x4 block at the centre of each square (200,200 and 600,200 in the 800x400 window
// "Jaggoscope") reads back white through XGetImage; the server's root must be black (-br).
// After SETTLE seconds the program's VmHWM and VmRSS are read from /proc, WM_DELETE_WINDOW
// is sent, and ru_maxrss comes from wait4. One line of key=value figures goes to stdout.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

extern char** environ;

namespace {

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void pause_for(double seconds) {
    timespec t{};
    t.tv_sec = static_cast<time_t>(seconds);
    t.tv_nsec = static_cast<long>((seconds - static_cast<double>(t.tv_sec)) * 1e9);
    nanosleep(&t, nullptr);
}

// Windows come and go while we look; their errors are expected and ignored.
int ignore_errors(Display*, XErrorEvent*) {
    return 0;
}

// The viewable top-level window named "Jaggoscope", or 0.
Window find_window(Display* dpy) {
    Window root_return = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(dpy, DefaultRootWindow(dpy), &root_return, &parent, &children, &count) == 0) return 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        if (XFetchName(dpy, children[i], &name) != 0 && name != nullptr) {
            XWindowAttributes attributes{};
            if (std::strcmp(name, "Jaggoscope") == 0 &&
                XGetWindowAttributes(dpy, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

bool block_is_white(Display* dpy, Window window, int x, int y) {
    XImage* image = XGetImage(dpy, window, x - 2, y - 2, 4, 4, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool white = true;
    for (int j = 0; j < 4 && white; ++j) {
        for (int i = 0; i < 4 && white; ++i) white = (XGetPixel(image, i, j) & 0xFFFFFFu) == 0xFFFFFFu;
    }
    XDestroyImage(image);
    return white;
}

long status_field(pid_t pid, const char* field) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    FILE* file = std::fopen(path, "r");
    if (file == nullptr) return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(file);
    return value;
}

void send_close(Display* dpy, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, window, False, NoEventMask, &event);
    XFlush(dpy);
}

}  // namespace

int main(int argc, char** argv) {
    double settle = 1.0;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "-s") == 0) {
        settle = std::atof(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: first_frame [-s SETTLE_SECONDS] PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "first_frame: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);

    // The program's own output would only slow it down through a pipe; it goes nowhere.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const double start = now();
    if (posix_spawn(&pid, argv[first], &actions, nullptr, argv + first, environ) != 0) {
        std::fprintf(stderr, "first_frame: cannot start %s\n", argv[first]);
        return 2;
    }
    posix_spawn_file_actions_destroy(&actions);

    Window window = 0;
    double shown = -1.0;
    int status = 0;
    bool ended = false;
    while (now() - start < 30.0) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            ended = true;
            break;
        }
        if (window == 0) window = find_window(dpy);
        if (window != 0 && block_is_white(dpy, window, 200, 200) && block_is_white(dpy, window, 600, 200)) {
            shown = now();
            break;
        }
        pause_for(0.0005);
    }
    if (ended) {
        std::fprintf(stderr, "first_frame: %s ended before its first frame\n", argv[first]);
        return 1;
    }
    if (shown < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        std::fprintf(stderr, "first_frame: no frame from %s within 30 s\n", argv[first]);
        return 1;
    }

    pause_for(settle);
    const long hwm = status_field(pid, "VmHWM");
    const long rss = status_field(pid, "VmRSS");
    send_close(dpy, window);
    rusage usage{};
    const double closed = now();
    pid_t done = 0;
    while ((done = wait4(pid, &status, WNOHANG, &usage)) == 0 && now() - closed < 10.0) pause_for(0.005);
    if (done != pid) {
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
    }
    std::printf("first_frame_ms=%.3f vmhwm_kib=%ld vmrss_kib=%ld maxrss_kib=%ld exit=%d\n",
                (shown - start) * 1000.0, hwm, rss, usage.ru_maxrss,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    XCloseDisplay(dpy);
    return 0;
}
