// jaggo benchmarks: starts a program and times it to its first presented frame, read back
// from the X server, then reads its peak memory and closes it the way a window manager does.
//
// Usage: first_frame [-s SETTLE_SECONDS] [-l NAME=PREFIX]... [-n] PROGRAM [ARGS...]
// (DISPLAY must be set.) The clock starts just before the program is spawned. The frame counts
// as presented when a 4x4 block at the centre of each square (200,200 and 600,200 in the 800x400
// window "Jaggoscope") reads back white through XGetImage; the server's root must be black (-br).
// After SETTLE seconds the program's VmHWM and VmRSS are read from /proc, WM_DELETE_WINDOW
// is sent, and ru_maxrss comes from wait4. One line of key=value figures goes to stdout.
//
// Each -l reads the program's standard output through a pipe and times the first line that
// begins with PREFIX, as NAME_ms (-1 when none came). -n waits for those lines instead of a
// frame, and for the program to end by itself (as jaggo-verdict -q does): then only the lines'
// times, ru_maxrss and the exit status are given.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
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
#include <string>
#include <vector>

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

// The lines asked for with -l, and the program's output read so far.
struct Line {
    std::string name;
    std::string prefix;
    double at = -1.0;
};
std::vector<Line> lines;
std::string output;
std::size_t scanned = 0;  // where the first line not yet looked at begins
int output_fd = -1;

bool all_lines_seen() {
    for (const Line& line : lines) {
        if (line.at < 0) return false;
    }
    return true;
}

// Reads what the program has written (waiting up to wait_ms for it) and times the lines it completes.
void read_output(double start, int wait_ms) {
    if (output_fd < 0) return;
    pollfd ready{output_fd, POLLIN, 0};
    if (poll(&ready, 1, wait_ms) <= 0) return;
    char chunk[4096];
    const ssize_t got = read(output_fd, chunk, sizeof chunk);
    if (got <= 0) {
        if (got == 0 || errno != EAGAIN) {
            close(output_fd);
            output_fd = -1;
        }
        return;
    }
    const double at = now() - start;
    output.append(chunk, static_cast<std::size_t>(got));
    for (std::size_t end; (end = output.find('\n', scanned)) != std::string::npos; scanned = end + 1) {
        for (Line& line : lines) {
            if (line.at < 0 && output.compare(scanned, line.prefix.size(), line.prefix) == 0) line.at = at;
        }
    }
}

void print_lines() {
    for (const Line& line : lines)
        std::printf("%s_ms=%.3f ", line.name.c_str(), line.at < 0 ? -1.0 : line.at * 1000.0);
}

}  // namespace

int main(int argc, char** argv) {
    double settle = 1.0;
    bool no_frame = false;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "-n") == 0) {
            no_frame = true;
        } else if (std::strcmp(argv[first], "-s") == 0 && first + 1 < argc) {
            settle = std::atof(argv[++first]);
        } else if (std::strcmp(argv[first], "-l") == 0 && first + 1 < argc &&
                   std::strchr(argv[first + 1], '=')) {
            const char* name_and_prefix = argv[++first];
            const char* equals = std::strchr(name_and_prefix, '=');
            lines.push_back({std::string(name_and_prefix, equals), std::string(equals + 1)});
        } else {
            break;
        }
    }
    if (first >= argc || (no_frame && lines.empty())) {
        std::fprintf(stderr,
                     "usage: first_frame [-s SETTLE_SECONDS] [-l NAME=PREFIX]... [-n] PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "first_frame: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);

    // The program's own output goes nowhere unless lines of it are timed: a pipe read only at the
    // end would slow it down.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipe_ends[2] = {-1, -1};
    if (lines.empty()) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    } else {
        if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
            std::fprintf(stderr, "first_frame: cannot make a pipe\n");
            return 2;
        }
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
    }
    pid_t pid = 0;
    const double start = now();
    if (posix_spawn(&pid, argv[first], &actions, nullptr, argv + first, environ) != 0) {
        std::fprintf(stderr, "first_frame: cannot start %s\n", argv[first]);
        return 2;
    }
    posix_spawn_file_actions_destroy(&actions);
    if (!lines.empty()) {
        close(pipe_ends[1]);
        output_fd = pipe_ends[0];
        fcntl(output_fd, F_SETFL, O_NONBLOCK);
    }

    if (no_frame) {
        // The lines, then the program's end; its output is read to the end.
        rusage usage{};
        int status = 0;
        while (output_fd >= 0 && now() - start < 30.0) read_output(start, 100);
        pid_t done = 0;
        while ((done = wait4(pid, &status, WNOHANG, &usage)) == 0 && now() - start < 30.0) pause_for(0.005);
        if (done != pid) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            std::fprintf(stderr, "first_frame: %s did not end within 30 s\n", argv[first]);
            return 1;
        }
        print_lines();
        std::printf("maxrss_kib=%ld exit=%d\n", usage.ru_maxrss,
                    WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
        XCloseDisplay(dpy);
        return 0;
    }

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
        read_output(start, 0);
        pause_for(0.0005);
    }
    // Lines the program prints after its first frame, or that were still in the pipe.
    while (shown >= 0 && output_fd >= 0 && !all_lines_seen() && now() - start < 30.0) read_output(start, 100);
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
    print_lines();
    std::printf("first_frame_ms=%.3f vmhwm_kib=%ld vmrss_kib=%ld maxrss_kib=%ld exit=%d\n",
                (shown - start) * 1000.0, hwm, rss, usage.ru_maxrss,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    XCloseDisplay(dpy);
    return 0;
}
